#include "board/checked_arithmetic.h"
#include "board/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace numorra {
namespace {

TEST(NumberText, IsPlainDecimalDigits)
{
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(55), "55");
    EXPECT_EQ(numberText(-3), "-3");
    EXPECT_EQ(numberText(parseInt16("554")), "554");
}

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

TEST(CheckedArithmetic, DetectsOverflowAtTheFieldsWidth)
{
    EXPECT_EQ(checkedAdd<std::int16_t>(1, -1, "counter"), 0);
    EXPECT_THROW(checkedAdd<std::int16_t>(std::numeric_limits<std::int16_t>::min(), -1, "counter"),
                 std::overflow_error);
    EXPECT_THROW(checkedAdd<std::int32_t>(std::numeric_limits<std::int32_t>::max(), 1, "chance"),
                 std::overflow_error);
}

} // namespace
} // namespace numorra
