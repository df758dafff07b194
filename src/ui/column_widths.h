// Narrowing the chooser's two columns to a width the monitor can show.
#pragma once

namespace tavrel {

struct ColumnWidths {
  int name = 0;     // first column: icon, company and product
  int version = 0;  // second column: version and the Windows default mark
};

// The widths that fit available pixels: the name column gives way first, down to minName (it
// then ends in an ellipsis); only when that is not enough does the version column give way too.
// Widths that already fit are kept; no width becomes negative.
ColumnWidths FitColumns(ColumnWidths wanted, int available, int minName);

}  // namespace tavrel
