#include "board/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace numorra {
namespace {

TEST(NumberText, RefusesWhatTheGameNeverWrites)
{
    EXPECT_THROW(parseInt16(""), std::invalid_argument);
    EXPECT_THROW(parseInt16(" 5"), std::invalid_argument);
    EXPECT_THROW(parseInt16("5x"), std::invalid_argument);
    EXPECT_THROW(parseInt16("32768"), std::out_of_range);
    EXPECT_EQ(parseInt16("-32768"), std::numeric_limits<std::int16_t>::min());
    EXPECT_DOUBLE_EQ(parseDouble("8"), 8.0);
    EXPECT_THROW(parseDouble("eight"), std::invalid_argument);
}

} // namespace
} // namespace numorra
