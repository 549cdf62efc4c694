#pragma once

#include <stdexcept>
#include <string>

namespace numorra {

// The counters have fixed widths; an addition that leaves the width is a
// fault in the program, never a value to carry on with.
template <typename Integer> Integer checkedAdd(Integer left, Integer right, const char* what)
{
    Integer sum{};
    if (__builtin_add_overflow(left, right, &sum)) {
        throw std::overflow_error(std::string(what) + " overflowed");
    }
    return sum;
}

} // namespace numorra
