#include "data/catalogue.h"

#include <array>
#include <pugixml.hpp>

#include "data/xml_escape.h"
#include "errors/reporting.h"

namespace tavrel {
namespace {

using Field = std::string CatalogueEntry::*;
struct AttributeField {
  std::string_view name;
  Field field;
};

// The attributes of an "Alias" element, in the order they are read.
constexpr std::array<AttributeField, 10> kAttributes{{
    {"Company", &CatalogueEntry::Company},
    {"Product", &CatalogueEntry::Product},
    {"Version", &CatalogueEntry::Version},
    {"LongPath", &CatalogueEntry::LongPath},
    {"ShortPath", &CatalogueEntry::ShortPath},
    {"CompanyA", &CatalogueEntry::CompanyA},
    {"ProductA", &CatalogueEntry::ProductA},
    {"VersionA", &CatalogueEntry::VersionA},
    {"LongPathA", &CatalogueEntry::LongPathA},
    {"ShortPathA", &CatalogueEntry::ShortPathA},
}};

// The position of an attribute name in kAttributes; -1 for one the catalogue does not keep.
int AttributeIndex(std::string_view name) {
  for (std::size_t i = 0; i < kAttributes.size(); ++i)
    if (name == kAttributes[i].name) return static_cast<int>(i);
  return -1;
}

void ReadEntry(const pugi::xml_node& alias, CatalogueEntry& entry) {
  // One pass over the element's attributes; should a name repeat, its first value counts.
  unsigned filled = 0;
  for (const pugi::xml_attribute& attribute : alias.attributes()) {
    const int index = AttributeIndex(attribute.name());
    if (index < 0 || (filled & (1u << index)) != 0) continue;
    filled |= 1u << index;
    const std::string_view value = attribute.value();
    // Most values hold no escaped run; decoding them would only copy them again.
    entry.*kAttributes[static_cast<std::size_t>(index)].field =
        value.find("{[~") == std::string::npos ? std::string(value) : DecodeAnsiEscapes(value);
  }
}

// The next element after node in document order that lies below root; an empty node at the end.
// Walks without recursion, so deeply nested documents cost no stack.
pugi::xml_node NextBelow(pugi::xml_node node, const pugi::xml_node& root) {
  if (pugi::xml_node child = node.first_child()) return child;
  while (node != root) {
    if (pugi::xml_node sibling = node.next_sibling()) return sibling;
    node = node.parent();
  }
  return {};
}

}  // namespace

std::string_view CatalogueLoadText(CatalogueLoad load) {
  switch (load) {
    case CatalogueLoad::kLoaded:
      return {};
    case CatalogueLoad::kMissing:
      return "missing";
    case CatalogueLoad::kTooLarge:
      return "too large";
    case CatalogueLoad::kNotWellFormed:
      return "not well-formed";
    case CatalogueLoad::kDocumentType:
      return "has a document type declaration";
    case CatalogueLoad::kNoRoot:
      return "has no root element";
    case CatalogueLoad::kFailed:
      break;
  }
  return "could not be read";
}

CatalogueLoad ParseCatalogue(std::string_view xml, CatalogueList& out) {
  std::string buffer(xml);
  return ParseCatalogueBuffer(buffer, out);
}

CatalogueLoad ParseCatalogueBuffer(std::string& xml, CatalogueList& out) {
  pugi::xml_document document;
  // Document type declarations are parsed only to be refused: a catalogue has no use for one,
  // and refusing it keeps entity tricks out entirely. The text is parsed where it lies.
  const unsigned options = pugi::parse_default | pugi::parse_doctype;
  const pugi::xml_parse_result parsed =
      document.load_buffer_inplace(xml.data(), xml.size(), options, pugi::encoding_auto);
  if (parsed.status == pugi::status_out_of_memory) return CatalogueLoad::kFailed;
  if (parsed.status == pugi::status_no_document_element) return CatalogueLoad::kNoRoot;
  if (!parsed) return CatalogueLoad::kNotWellFormed;
  for (const pugi::xml_node& node : document.children()) {
    if (node.type() == pugi::node_doctype) return CatalogueLoad::kDocumentType;
  }
  const pugi::xml_node root = document.document_element();
  if (!root) return CatalogueLoad::kNoRoot;

  // Counted first, so that the entries are made in place once, not moved as the list grows.
  const auto isAlias = [](const pugi::xml_node& node) {
    return node.type() == pugi::node_element && std::string_view(node.name()) == "Alias";
  };
  std::size_t count = 0;
  for (pugi::xml_node node = NextBelow(root, root); node && count < kMaxCatalogueEntries;
       node = NextBelow(node, root))
    count += isAlias(node) ? 1 : 0;
  CatalogueList entries(count + 1);
  std::size_t n = 1;
  for (pugi::xml_node node = NextBelow(root, root); node && n <= count;
       node = NextBelow(node, root))
    if (isAlias(node)) ReadEntry(node, entries[n++]);
  out = std::move(entries);
  return CatalogueLoad::kLoaded;
}

CatalogueLoad LoadCatalogue(std::optional<std::string>& xml, CatalogueList& out) {
  CatalogueLoad load = CatalogueLoad::kFailed;
  SkipFailure([&] {
    if (!xml) {
      load = CatalogueLoad::kMissing;
    } else if (xml->size() > kMaxCatalogueFileBytes) {
      load = CatalogueLoad::kTooLarge;
    } else {
      load = ParseCatalogueBuffer(*xml, out);
    }
  });
  return load;
}

}  // namespace tavrel
