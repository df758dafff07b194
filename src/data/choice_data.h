// Everything one request reads from the user's data, in one value: the three choice lists, the
// catalogue, and why the package or the catalogue gave nothing.
#pragma once

#include <memory>
#include <string>

#include "data/catalogue.h"
#include "data/data_files.h"
#include "data/user_choices.h"

namespace tavrel {

struct ChoiceData {
  UserChoices choices;
  // Never null. Shared with the catalogue kept for later requests, which is not copied.
  std::shared_ptr<const CatalogueList> catalogue;
  CatalogueLoad catalogueLoad = CatalogueLoad::kMissing;
  // What kept the package from giving its files ("data package missing"); empty when nothing did.
  std::string packageProblem;
};

// The catalogue of the last successful load, kept from one request to the next: a request whose
// own catalogue does not load uses it (empty before the first load).
class CatalogueKeeper {
 public:
  // Loads the request's catalogue (xml is changed); a successful load replaces the kept one.
  // Returns the catalogue the request uses and sets load to how its own went.
  [[nodiscard]] std::shared_ptr<const CatalogueList> Load(std::optional<std::string>& xml,
                                                          CatalogueLoad& load);

 private:
  std::shared_ptr<const CatalogueList> kept_ = std::make_shared<const CatalogueList>(1);
};

// The request's choice data from its data files: the choice lists, then the catalogue.
[[nodiscard]] ChoiceData ReadChoiceData(DataFiles files, CatalogueKeeper& catalogues);

}  // namespace tavrel
