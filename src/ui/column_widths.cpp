#include "ui/column_widths.h"

#include <algorithm>

namespace tavrel {

ColumnWidths FitColumns(ColumnWidths wanted, int available, int minName) {
  available = std::max(available, 0);
  if (wanted.name + wanted.version <= available) return wanted;
  ColumnWidths fitted = wanted;
  fitted.name = std::max(std::min(wanted.name, minName), available - wanted.version);
  fitted.name = std::min(fitted.name, available);
  fitted.version = std::min(wanted.version, available - fitted.name);
  return fitted;
}

}  // namespace tavrel
