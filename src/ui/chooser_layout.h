// The chooser's layout arithmetic, free of any window: how its two columns give way to a narrow
// monitor and how a version too wide for its column is cut.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tavrel {

struct ColumnWidths {
  int name = 0;     // first column: icon, company and product
  int version = 0;  // second column: version and the Windows default mark
};

// The widths that fit available pixels: the name column gives way first, down to minName (it
// then ends in an ellipsis); only when that is not enough does the version column give way too.
// Widths that already fit are kept; no width becomes negative.
ColumnWidths FitColumns(ColumnWidths wanted, int available, int minName);

// The pixels the columns may take in a frame on a work area workWidth pixels wide: less the
// margins placement keeps, the frame's borders, and the list's own edges and grid lines.
int RoomForColumns(int workWidth, int margins, int borders, int columns);

// The text's width in pixels, as the list view would draw it.
using TextWidth = std::function<int(const std::wstring&)>;

// A version cell's text for a column that gives it width pixels: the whole text when width is 0
// or the text fits; else the longest start of the version that fits followed by an ellipsis and,
// when the text ends in mark, the whole mark.
std::wstring ShortenDetail(const std::wstring& text, std::wstring_view mark, int width,
                           const TextWidth& widthOf);

// A window's or area's size in pixels.
struct Size {
  int width = 0;
  int height = 0;
};

}  // namespace tavrel
