#include "board/number_text.h"

#include <charconv>
#include <stdexcept>
#include <system_error>

namespace numorra {

std::string numberText(long long value)
{
    return std::to_string(value);
}

namespace {

template <typename Number> Number parseWhole(std::string_view text, const char* what)
{
    Number value{};
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error == std::errc::result_out_of_range) {
        throw std::out_of_range(std::string(what) + ": \"" + std::string(text) +
                                "\" is out of range");
    }
    if (error != std::errc() || stop != end || text.empty()) {
        throw std::invalid_argument(std::string(what) + ": \"" + std::string(text) +
                                    "\" is not a number text");
    }
    return value;
}

} // namespace

std::int16_t parseInt16(std::string_view text)
{
    return parseWhole<std::int16_t>(text, "16-bit number");
}

double parseDouble(std::string_view text)
{
    return parseWhole<double>(text, "number");
}

} // namespace numorra
