// Hexadecimal text: the one place that turns numbers into upper-case hexadecimal digits and
// digits back into values.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel::hex {

// The digits of value without leading zeros ("0" for 0): 0x1AB gives "1AB".
std::string Digits(std::uint32_t value);

// Appends the two digits of one byte: 0x07 gives "07".
void AppendByte(std::string& out, unsigned char byte);

// The value of one digit of either case; -1 for any other character.
int DigitValue(char c);

}  // namespace tavrel::hex
