#include "platform/numbertext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "platform/calcerror.h"

namespace vorlan {
namespace {

TEST(NumberText, FormatsWithDecimalCommaAndNoTrailingZeros)
{
    EXPECT_EQ(numberToText(roundHalfEven(45.12349, 3)), "45,123");
    EXPECT_EQ(numberToText(0.00035), "0,00035");
    EXPECT_EQ(numberToText(25.4f), "25,4");
    EXPECT_EQ(numberToText(roundHalfEven(12345.678f, 3)), "12345,68"); // 7 significant digits of a single
    EXPECT_EQ(numberToText(2.0), "2");
    EXPECT_EQ(numberToText(-0.0), "0");
    EXPECT_EQ(numberToText(0.1f + 0.2f), "0,3");
    EXPECT_EQ(numberToText(0.1 + 0.2), "0,3"); // 15 significant digits of a double
    EXPECT_EQ(numberToText(1234567.0f), "1234567");
    EXPECT_EQ(numberToText(1.0e7f), "1E+07");
    EXPECT_EQ(numberToText(-1.5e-5), "-1,5E-05");
    EXPECT_EQ(numberToText(998.2, '.'), "998.2");
}

TEST(NumberText, RoundsHalfToEven)
{
    EXPECT_EQ(numberToText(roundHalfEven(230.5, 0)), "230");
    EXPECT_EQ(numberToText(roundHalfEven(231.5, 0)), "232");
    EXPECT_EQ(numberToText(roundHalfEven(-2.5, 0)), "-2");
    EXPECT_EQ(numberToText(roundHalfEven(0.125, 2)), "0,12");
    EXPECT_EQ(roundHalfEven(1.0e300, 3), 1.0e300); // nothing left to round, no overflow
    EXPECT_EQ(roundHalfEven(FLT_MAX, 2), FLT_MAX);
}

TEST(NumberText, ExtremeValuesReadBackToTheirText)
{
    for (const float value :
        {FLT_MAX, -FLT_MAX, FLT_MIN, std::numeric_limits<float>::denorm_min(), 1.0e-20f, 123456.7f}) {
        const std::string text = numberToText(value);
        EXPECT_EQ(numberToText(textToSingle(text)), text) << text;
    }
    for (const double value : {DBL_MAX, -DBL_MAX, DBL_MIN, 1.0e-300, 4.0 / 3.0, 299792458.0}) {
        const std::string text = numberToText(value);
        EXPECT_EQ(numberToText(textToDouble(text)), text) << text;
    }
}

TEST(NumberText, SubnormalSinglesReadBackToTheirText)
{
    // Found by fuzzing: 7 digits of 1.00000008E-38 name its neighbour single.
    const float value = textToSingle("0,000000000000000000000000000000000000010000000078608");
    const std::string text = numberToText(value);
    EXPECT_EQ(textToSingle(text), value);
    EXPECT_EQ(numberToText(textToSingle(text)), text);
    EXPECT_EQ(numberToText(std::numeric_limits<float>::denorm_min()), "1E-45");
}

TEST(NumberText, WhatIsShownReadsBackToTheSameSingle)
{
    // Just below a power of ten singles lie farther apart than 7-digit steps: the single nearest
    // 1E+28 is 9999999442...E+20 (1E+28 - 5.6E+20, float spacing 2^70 = 1.18E+21), which rounding
    // to 7 digits showed as "9,999999E+27" although "1E+28" reads back to it.
    const struct {
        const char* typed;
        const char* shown;
    } rows[] = {
        {"1E+28", "1E+28"},
        {"9,999999E+27", "1E+28"}, // the same single
        {"1E+18", "1E+18"},
        {"8,589935E+09", "8,589935E+09"},
        {"0,1", "0,1"},
        {"3,4E+38", "3,4E+38"},
    };
    for (const auto& row : rows) {
        const float value = textToSingle(row.typed);
        EXPECT_EQ(numberToText(value), row.shown) << row.typed;
        EXPECT_EQ(textToSingle(numberToText(value)), value) << row.typed;
    }
    // Every single that shows as "1E+28" reads back from that text to the one that shows it.
    const float nearest = textToSingle("1E+28");
    for (float value = std::nextafter(nearest, 0.0f); value < 1.0000005e28f; value = std::nextafter(value, FLT_MAX)) {
        const std::string text = numberToText(value);
        EXPECT_EQ(numberToText(textToSingle(text)), text) << text;
    }
}

TEST(NumberText, LeadingZerosDoNotHideAnOverflow)
{
    // 0,(3,000,000 zeros)1E+5000000 is 1E+1999999: an overflow, not zero. So is 0...01E+400.
    const std::string zeros(3'000'000, '0');
    EXPECT_THROW(textToDouble("0," + zeros + "1E+5000000"), CalcError);
    EXPECT_THROW(textToDouble(zeros + "1E+400"), CalcError);
    double value = -1;
    EXPECT_FALSE(parseNumber("0." + zeros + "1E+5000000", '.', value));
    // And the same zeros before an exponent that keeps the value in range read as the value.
    EXPECT_TRUE(parseNumber("0." + zeros + "1E+3000001", '.', value));
    EXPECT_EQ(value, 1.0);
    EXPECT_EQ(textToDouble("0," + zeros + "1E+10"), 0.0); // 1E-2999991 underflows to zero
}

TEST(NumberText, ReadsSignCommaAndExponent)
{
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"12,5", 12.5},
        {" 12,5 ", 12.5},
        {"+5", 5},
        {"-40", -40},
        {",5", 0.5},
        {"5,", 5},
        {"1E3", 1000},
        {"1,5e-2", 0.015},
        {"2E+01", 20},
        {"-0", 0},
    };
    for (const auto& row : rows) {
        EXPECT_DOUBLE_EQ(textToDouble(row.text), row.value) << row.text;
        EXPECT_FLOAT_EQ(textToSingle(row.text), static_cast<float>(row.value)) << row.text;
    }
    EXPECT_EQ(textToSingle("1E-50"), 0.0f); // underflow is not an error
    EXPECT_EQ(textToDouble("1E-400"), 0.0);
}

/**
 * Data-file and window numbers read correctly rounded, whether they take the short path of plain
 * decimals (up to 15 digits, a power of ten exact in the type) or the general one. The expected
 * values come from the C library's strtod and strtof, which round correctly in the "C" locale.
 */
TEST(NumberText, ReadsCorrectlyRoundedOnBothSidesOfTheShortPath)
{
    struct Row {
        const char* name;
        std::string text; // with '.' as decimal separator
    };
    const Row rows[] = {
        {"table density", "999.9012"},
        {"table viscosity", "0.001731024"},
        {"one tenth, inexact in binary", "0.1"},
        {"negative zero", "-0.000"},
        {"leading separator", ".5"},
        {"trailing separator", "7."},
        {"15 digits, the most of the short path", "123456789012345"},
        {"16 digits, general path", "1234567890123456"},
        {"2^53 + 1, a tie rounded to even", "9007199254740993"},
        {"22 decimals, the largest exact power", "0.0000000000000000000001"},
        {"23 decimals, general path", "0.00000000000000000000012"},
        {"2^24 + 1, a single's tie", "16777217"},
        {"11 decimals, beyond a single's exact powers", "0.12345678901"},
        {"many leading zeros", "000000000000000000001.25"},
        {"with exponent", "-1.5E-03"},
    };
    for (const Row& row : rows) {
        double asDouble = 0;
        float asSingle = 0;
        ASSERT_TRUE(parseNumber(row.text, '.', asDouble)) << row.name;
        ASSERT_TRUE(parseNumber(row.text, '.', asSingle)) << row.name;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(asDouble),
            std::bit_cast<std::uint64_t>(std::strtod(row.text.c_str(), nullptr)))
            << row.name;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(asSingle),
            std::bit_cast<std::uint32_t>(std::strtof(row.text.c_str(), nullptr)))
            << row.name;
        std::string windowText = row.text;
        std::replace(windowText.begin(), windowText.end(), '.', ',');
        EXPECT_EQ(std::bit_cast<std::uint64_t>(textToDouble(windowText)), std::bit_cast<std::uint64_t>(asDouble))
            << row.name;
    }
}

TEST(NumberText, RejectsEverythingElse)
{
    for (const char* text : {"", " ", ".", "1.5", "abc", "1,2,3", "1 2", "1E", "E5", "--1", "+-1", "12a", "0x10", "inf",
             "nan", "1E400", "1,5,", "1E5,5", "٣"}) {
        EXPECT_THROW(textToDouble(text), CalcError) << text;
        EXPECT_THROW(textToSingle(text), CalcError) << text;
    }
    EXPECT_THROW(textToSingle("1E40"), CalcError); // beyond the single range
    EXPECT_THROW(textToSingle(std::string(10000, '9')), CalcError);
    EXPECT_EQ(textToDouble("1E40"), 1e40);
}

TEST(NumberText, NonFiniteResultsAreCalculationErrors)
{
    EXPECT_THROW(checked(std::numeric_limits<double>::infinity()), CalcError);
    EXPECT_THROW(checked(std::numeric_limits<double>::quiet_NaN()), CalcError);
    EXPECT_EQ(checked(1e-320), 1e-320); // underflow is not an error
    EXPECT_THROW(toSingle(1e39), CalcError);
    EXPECT_EQ(toSingle(1e-50), 0.0f);
}

} // namespace
} // namespace vorlan
