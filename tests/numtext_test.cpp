#include "numtext/numtext.h"
#include "tests/float_bits.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace tremalo {
namespace {

using test::bitsOf;
using test::hexBits;

constexpr float Inf = std::numeric_limits<float>::infinity();
const float NaN = std::numeric_limits<float>::quiet_NaN();

struct ParseRow {
    std::string text;
    float expected;
};

void expectSameFloat(float actual, float expected, const std::string& context) {
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << context << " gave " << actual;
    else
        EXPECT_EQ(bitsOf(actual), bitsOf(expected))
            << context << " gave " << actual << " " << hexBits(actual);
}

const ParseRow ParseRows[] = {
    {"12.5", 12.5f},
    {" 7.5", 7.5f},
    {"\t\r\n7.5", 7.5f},
    {"7.5abc", 7.5f},
    {"-3", -3.0f},
    {"+3", 3.0f},
    {"1e3", 1000.0f},
    {"2.5E-1", 0.25f},
    {".5", 0.5f},
    {"-.5", -0.5f},
    {"5.", 5.0f},
    {"5.e1", 50.0f},
    {"1e", 1.0f},
    {"1e+", 1.0f},
    {"1e-x", 1.0f},
    {"1.234.5", 1.234f},
    {"0.1", 0.1f},
    {"12,5", 12.0f},
    {"abc", 0.0f},
    {"", 0.0f},
    {".", 0.0f},
    {"-", 0.0f},
    {"+.", 0.0f},
    {"- 5", 0.0f},
    {"e5", 0.0f},
    {"0x1A", 0.0f},
    {"-0", -0.0f},
    {"+Infinity", Inf},
    {"+infinity", Inf},
    {"+INFINITY", Inf},
    {"-Infinity", -Inf},
    {"-INFINITY", -Inf},
    {"NaN", NaN},
    {"nan", NaN},
    {"Infinity", 0.0f},
    {"inf", 0.0f},
    {" NaN", 0.0f},
    {"+Infinity ", 0.0f},
    {"-infinity5", 0.0f},
    // Beyond the float range: an infinity or a zero of the value's sign.
    {"1e39", Inf},
    {"-1e39", -Inf},
    {"3.4028235e38", std::numeric_limits<float>::max()},
    {"3.5e38", Inf},
    {"1e99999999999999999999999", Inf},
    {"-1e-50", -0.0f},
    {"1e-50", 0.0f},
    {"1e-99999999999999999999999", 0.0f},
    {"0e99999999999999999999999", 0.0f},
    {"0.000e-5000", 0.0f},
    {"1.4e-45", std::numeric_limits<float>::denorm_min()},
    {"100000000000000000000000000000000000000000000000e-40", 1e7f},
};

TEST(ParseNumber, ReadsEveryRowOfTheTable) {
    for (const ParseRow& row : ParseRows)
        expectSameFloat(parseNumber(row.text), row.expected, "\"" + row.text + "\"");
}

TEST(ParseNumber, ZeroByteEndsTheNumberLikeAnyOtherCharacter) {
    expectSameFloat(parseNumber(std::string_view("4.5\0"
                                                 "7",
                                                 5)),
                    4.5f, "4.5\\07");
}

TEST(ParseNumber, ConvertsDecimalTextDirectlyToTheNearestFloat) {
    // 1.00000005960464477539062500001 lies just above the midpoint between 1 and the next
    // float; rounding it first to double lands exactly on the midpoint, which then ties
    // to even (1.0). Direct conversion must give the upper neighbour.
    expectSameFloat(parseNumber("1.00000005960464477539062500001"), std::nextafter(1.0f, 2.0f),
                    "above midpoint");
    expectSameFloat(parseNumber("1.000000059604644775390625"), 1.0f, "exact midpoint");
}

struct FormatRow {
    float value;
    const char* twoDecimals;
    const char* defaultForm;
};

const FormatRow FormatRows[] = {
    {50.0f, "50.00", "50"},
    {7.5f, "7.50", "7.5"},
    {57.5f, "57.50", "57.5"},
    {1962.0f, "1962.00", "1962"},
    {3005.16f, "3005.16", "3005.1599121094"},
    {705.35f, "705.35", "705.3499755859"},
    {0.1f, "0.10", "0.1000000015"},
    {12.345f, "12.35", "12.345000267"},
    {2.675f, "2.67", "2.6749999523"},
    {1234.5678f, "1234.57", "1234.5677490234"},
    {0.00001f, "0.00", "0.00001"},
    {-3.0f, "-3.00", "-3"},
    {0.0f, "0.00", "0"},
    {-0.0f, "0.00", "0"},
    {-0.001f, "-0.00", "-0.001"},
    {1e-10f, "0.00", "0.0000000001"},
    {1e-11f, "0.00", "0"},
    {-1e-11f, "-0.00", "-0"},
    {16777216.0f, "16777216.00", "16777216"},
    {1000.0f, "1000.00", "1000"},
    {Inf, "+Infinity", "+Infinity"},
    {-Inf, "-Infinity", "-Infinity"},
    {NaN, "NaN", "NaN"},
    {-NaN, "NaN", "NaN"},
};

TEST(FormatNumber, WritesEveryRowOfTheTable) {
    for (const FormatRow& row : FormatRows) {
        SCOPED_TRACE(hexBits(row.value));
        EXPECT_EQ(formatNumber(row.value, 2), row.twoDecimals);
        EXPECT_EQ(formatNumber(row.value, DefaultDecimals), row.defaultForm);
        EXPECT_EQ(formatNumber(row.value), row.defaultForm);
    }
}

TEST(FormatNumber, BoundsTheCountAndNeverTrimsTheFixedForm) {
    EXPECT_EQ(formatNumber(7.25f, 0), "7");
    EXPECT_EQ(formatNumber(7.25f, -2), "7");
    EXPECT_EQ(formatNumber(7.25f, std::numeric_limits<int>::min()), "7");
    EXPECT_EQ(formatNumber(50.0f, 10), "50.0000000000");
    EXPECT_EQ(formatNumber(1.5f, 600), "1.5" + std::string(511, '0'));
    EXPECT_EQ(formatNumber(1.5f, std::numeric_limits<int>::max()), "1.5" + std::string(511, '0'));
    EXPECT_EQ(formatNumber(Inf, 0), "+Infinity");
    EXPECT_EQ(formatNumber(NaN, 600), "NaN");
}

TEST(FormatNumber, LongestTextHas553CharactersAndIsExact) {
    const std::string text = formatNumber(-std::numeric_limits<float>::max(), 512);
    EXPECT_EQ(text.size(), 553u);
    EXPECT_EQ(text, "-340282346638528859811704183484516925440." + std::string(512, '0'));
}

TEST(FormatNumber, DefaultFormWritesTheExactDigitsOfTinyValues) {
    // The smallest positive float is 1.4e-45: its 512-decimal text ends in exact digits.
    const std::string tiny = formatNumber(std::numeric_limits<float>::denorm_min(), 512);
    EXPECT_EQ(tiny.substr(0, 47), "0.000000000000000000000000000000000000000000001");
    EXPECT_EQ(tiny.back(), '0');
    EXPECT_EQ(formatNumber(4e-11f), "0");
    EXPECT_EQ(formatNumber(-6e-11f), "-0.0000000001");
}

TEST(NumberText, RoundTripsThroughTheDefaultFormForTypicalValues) {
    for (float v : {50.0f, 7.5f, 3005.16f, 705.3526f, -12.5f, 0.01f, 1e30f, 3.4e38f}) {
        expectSameFloat(parseNumber(formatNumber(v)), v, formatNumber(v));
    }
    expectSameFloat(parseNumber(formatNumber(Inf)), Inf, "+Infinity");
    expectSameFloat(parseNumber(formatNumber(-Inf)), -Inf, "-Infinity");
    expectSameFloat(parseNumber(formatNumber(NaN)), NaN, "NaN");
}

// Runs the tables again with the process under a locale whose decimal point is a comma.
class NumberTextUnderCommaLocale : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"}) {
            try {
                std::locale::global(std::locale(name));
            } catch (const std::runtime_error&) {
                continue;
            }
            std::setlocale(LC_ALL, name);
            if (std::localeconv()->decimal_point[0] == ',')
                return;
        }
        restore();
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    void TearDown() override { restore(); }
    static void restore() {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_F(NumberTextUnderCommaLocale, GivesTheSameResults) {
    ASSERT_EQ(std::localeconv()->decimal_point[0], ',');
    for (const ParseRow& row : ParseRows)
        expectSameFloat(parseNumber(row.text), row.expected, "\"" + row.text + "\"");
    for (const FormatRow& row : FormatRows) {
        EXPECT_EQ(formatNumber(row.value, 2), row.twoDecimals);
        EXPECT_EQ(formatNumber(row.value), row.defaultForm);
    }
    EXPECT_EQ(formatNumber(1.5f, 600), "1.5" + std::string(511, '0'));
}

} // namespace
} // namespace tremalo
