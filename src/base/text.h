// Text primitives every module shares: comparison without regard to case, splitting into lines
// and "|" fields, blank trimming, word wrapping, and checked access to numbered lines and fields.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::text {

// Upper-case form of one ASCII character for comparisons without regard to case; any other byte
// stays as it is.
char FoldCase(char c) noexcept;

// The upper-case partner of a letter that has exactly one, written in as many UTF-8 bytes as the
// letter itself: ASCII, Latin (with the accented letters of Western, Central and Northern Europe
// and Vietnamese), Greek, Cyrillic, Armenian, full-width Latin and Deseret. Every other code point
// stays as it is, so that folding never changes a text's length.
char32_t FoldCodePoint(char32_t c) noexcept;

// Texts in UTF-8 compared letter by letter through FoldCodePoint ("É" equals "é", "Σ" equals
// "σ" and "ς"). A byte that starts no valid sequence equals only itself.
bool EqualsNoCase(std::string_view a, std::string_view b) noexcept;

// 0-based position of needle in hay at or after from, without regard to case; npos if absent.
std::size_t FindNoCase(std::string_view hay, std::string_view needle,
                       std::size_t from = 0) noexcept;

inline bool ContainsNoCase(std::string_view hay, std::string_view needle) noexcept {
  return FindNoCase(hay, needle) != std::string_view::npos;
}

// Splits at every occurrence of the separator. An empty text gives no pieces at all, so that
// reading field 0 of an empty line fails like any other missing field.
std::vector<std::string_view> Split(std::string_view s, std::string_view separator);

// Removes leading and trailing blanks (spaces only, as the product's data files use them).
std::string_view TrimBlanks(std::string_view s) noexcept;
std::string_view TrimTrailingBlanks(std::string_view s) noexcept;

// Word-wraps at single blanks to the width; every word is followed by one blank. A word that
// carries its own line break goes on from the break. Reports nothing, so that the error
// handler's boxes can wrap their texts without reporting through themselves.
std::string WrapWords(std::string_view text, int width);

// Piece i of a split; raises "subscript out of range" when there is no such piece.
std::string_view At(const std::vector<std::string_view>& pieces, std::size_t i);

// The same as At(Split(s, separator), i) without building the list: for looking at one field of
// many lines.
std::string_view Field(std::string_view s, char separator, std::size_t i);

}  // namespace tavrel::text
