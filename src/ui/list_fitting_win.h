// Fitting a report-view list view to its contents.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tavrel {

// Makes each column from the first on as wide as the wider of its header and widest entry.
// Does nothing unless the list is in report view; hide keeps the list invisible meanwhile.
void AutoSizeColumns(HWND list, bool hide, int first);

// The outer height in pixels the list needs to show rows rows; 0 when it cannot be computed
// (no list, not in report view, or no items).
std::int32_t ListHeightForRows(HWND list, std::int32_t rows);

}  // namespace tavrel
