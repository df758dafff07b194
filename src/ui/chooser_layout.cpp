#include "ui/chooser_layout.h"

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

int RoomForColumns(int workWidth, int margins, int borders, int columns) {
  return workWidth - margins - borders - 1 - 2 * columns;
}

std::wstring ShortenDetail(const std::wstring& text, std::wstring_view mark, int width,
                           const TextWidth& widthOf) {
  const auto fits = [&](const std::wstring& shown) { return widthOf(shown) <= width; };
  if (width <= 0 || fits(text)) return text;
  const bool marked = text.ends_with(mark);
  const std::wstring tail = L"\x2026" + std::wstring(marked ? mark : std::wstring_view());
  const std::size_t version = text.size() - (marked ? mark.size() : 0);
  // The longest start of the version that fits with the tail.
  std::size_t low = 0;
  std::size_t high = version;
  while (low < high) {
    const std::size_t mid = (low + high + 1) / 2;
    if (fits(text.substr(0, mid) + tail)) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return text.substr(0, low) + tail;
}

}  // namespace tavrel
