#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace numorra {

// Every number the game shows is plain decimal digits: no leading zeros, no
// leading blank, no separators, "-" only before a negative value.
std::string numberText(long long value);

// Reads back a number text the game wrote. Throws std::invalid_argument for a
// text that is not one, and std::out_of_range when it does not fit 16 bits.
std::int16_t parseInt16(std::string_view text);

// Reads back a number text as a double. Throws std::invalid_argument for a
// text that is not a number.
double parseDouble(std::string_view text);

} // namespace numorra
