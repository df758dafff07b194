#include "data/choice_data.h"

#include <utility>

#include "errors/reporting.h"

namespace tavrel {

std::shared_ptr<const CatalogueList> CatalogueKeeper::Load(std::optional<std::string>& xml,
                                                           CatalogueLoad& load) {
  CatalogueList entries;
  load = LoadCatalogue(xml, entries);
  // Like the load itself, keeping it never fails the request: without memory for it, the catalogue
  // kept before stays.
  if (load == CatalogueLoad::kLoaded &&
      !SkipFailure([&] { kept_ = std::make_shared<const CatalogueList>(std::move(entries)); }))
    load = CatalogueLoad::kFailed;
  return kept_;
}

ChoiceData ReadChoiceData(DataFiles files, CatalogueKeeper& catalogues) {
  ChoiceData data;
  data.choices = GetUserChoices(files);
  data.catalogue = catalogues.Load(files.catalogue, data.catalogueLoad);
  data.packageProblem = std::move(files.problem);
  return data;
}

}  // namespace tavrel
