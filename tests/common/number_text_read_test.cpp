#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct ReadCase {
    const char* text;
    double value;
    std::size_t length;  // 0 means "no number found"
};

void expectReads(const ReadCase& c) {
    const numtext::Reading r = numtext::parse(c.text);
    EXPECT_EQ(r.found, c.length != 0) << '"' << c.text << '"';
    EXPECT_FALSE(r.overflow) << '"' << c.text << '"';
    EXPECT_EQ(r.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(r.length, c.length) << '"' << c.text << '"';
    EXPECT_EQ(numtext::read(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberTextRead, TextsWithoutANumberReadZero) {
    for (const char* text : {"", "abc", ".", "-", "+", "+.", "-.", "  -x", "--1", "+-1", "-+1",
                             "e5", ".e5", "-e5", "   ", "\t", "\n5", "nan", "NaN", "-nan", "inf",
                             "-inf", "INF", "infinity", "Infinity", ",5", "x1"}) {
        expectReads({text, 0.0, 0});
    }
}

TEST(NumberTextRead, TakesTheLongestNumberPrefix) {
    const ReadCase cases[] = {
        {"0", 0.0, 1},          {"7", 7.0, 1},          {"007", 7.0, 3},
        {"0.3abc", 0.3, 3},     {"12 5", 12.0, 2},      {"1.2.3", 1.2, 3},
        {"5.", 5.0, 2},         {".5", 0.5, 2},         {"-.5", -0.5, 3},
        {"+5", 5.0, 2},         {"-12.75", -12.75, 6},  {".10", 0.1, 3},
        {"1,5", 1.0, 1},        {"0x10", 0.0, 1},       {"12kN", 12.0, 2},
        {"3.5\n", 3.5, 3},      {"1-2", 1.0, 1},        {"2..5", 2.0, 2},
    };
    for (const auto& c : cases) expectReads(c);
}

TEST(NumberTextRead, SkipsOnlyLeadingSpacesAndTabs) {
    const ReadCase cases[] = {
        {"  7", 7.0, 3},   {"\t7", 7.0, 2},      {" \t \t-2.5x", -2.5, 8},
        {"  +.5e1", 5.0, 7}, {"- 5", 0.0, 0},   {"\r5", 0.0, 0},
    };
    for (const auto& c : cases) expectReads(c);
}

TEST(NumberTextRead, ExponentNeedsAtLeastOneDigit) {
    const ReadCase cases[] = {
        {"1e5", 1e5, 3},     {"1e5x", 100000.0, 3}, {"1E-04", 0.0001, 5}, {"2.5e+2", 250.0, 6},
        {"-3E2", -300.0, 4}, {"5.e1", 50.0, 4},     {".5E-1", 0.05, 5},   {"1e007", 1e7, 5},
        {"1e", 1.0, 1},      {"1e+", 1.0, 1},       {"1E-x", 1.0, 1},     {"1e 5", 1.0, 1},
        {"1 e5", 1.0, 1},    {"1ee5", 1.0, 1},      {"1e+-5", 1.0, 1},    {"1e5.5", 1e5, 3},
        {"1.5e2e3", 150.0, 5},
    };
    for (const auto& c : cases) expectReads(c);
}

TEST(NumberTextRead, MinusZeroReadsAsPlainZero) {
    for (const char* text : {"-0", "-0.0", "-.0e5", "-0e-400"}) {
        const double v = numtext::read(text);
        EXPECT_EQ(v, 0.0) << text;
        EXPECT_FALSE(std::signbit(v)) << text;
    }
}

TEST(NumberTextRead, ValuesAreCorrectlyRounded) {
    const ReadCase cases[] = {
        {"0.1", 0.1, 3},
        {"2.675", 2.675, 5},
        {"0.1000000000000000055511151231257827021181583404541015625", 0.1, 57},
        {"1.7976931348623157e308", DBL_MAX, 22},
        {"1.7976931348623158e308", DBL_MAX, 22},  // still below the halfway point to overflow
        {"2.2250738585072011e-308", 2.225073858507201e-308, 23},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min(), 23},
        // 2^53 + 1 is a tie between two doubles: it goes to the even one,
        // while anything just above the tie goes up.
        {"9007199254740993", 9007199254740992.0, 16},
        {"9007199254740993.0000000000000000000001", 9007199254740994.0, 39},
        {"123456789012345678901234567890", 123456789012345678901234567890.0, 30},
    };
    for (const auto& c : cases) expectReads(c);
}

TEST(NumberTextRead, HugeMagnitudesReportOverflowAndReadZero) {
    const std::string manyZeros(400, '0');
    const std::string cases[] = {
        "1e400", "-1e400", "1.8e308", "1.7976931348623159e308", "1e99999999999999999999",
        "1" + manyZeros, "-1" + manyZeros + ".5", "." + manyZeros + "1e800", "0.001e400",
    };
    for (const auto& text : cases) {
        const numtext::Reading r = numtext::parse(text);
        EXPECT_TRUE(r.found) << text;
        EXPECT_TRUE(r.overflow) << text;
        EXPECT_EQ(r.value, 0.0) << text;
        EXPECT_EQ(r.length, text.size()) << text;
        EXPECT_EQ(numtext::read(text), 0.0) << text;
    }
    const numtext::Reading r = numtext::parse("  1e400 kN");
    EXPECT_TRUE(r.overflow);
    EXPECT_EQ(r.length, 7u);
}

TEST(NumberTextRead, TinyMagnitudesReadZeroWithoutOverflow) {
    const std::string manyZeros(400, '0');
    const std::string cases[] = {
        "1e-400", "-1e-400", "1e-99999999999999999999", "0.0e99999", "0e400",
        "1" + manyZeros + "e-800", "." + manyZeros + "1", "." + manyZeros + manyZeros + "1e400",
    };
    for (const auto& text : cases) {
        const numtext::Reading r = numtext::parse(text);
        EXPECT_TRUE(r.found) << text;
        EXPECT_FALSE(r.overflow) << text;
        EXPECT_EQ(r.value, 0.0) << text;
        EXPECT_EQ(r.length, text.size()) << text;
    }
    // Many digits balanced by the exponent are an ordinary number.
    EXPECT_EQ(numtext::read("1" + manyZeros + "e-400"), 1.0);
    EXPECT_EQ(numtext::read("." + manyZeros + "25e401"), 2.5);
    // A denormal may be kept; it must be the right one and never an error.
    const numtext::Reading denormal = numtext::parse("4e-320");
    EXPECT_FALSE(denormal.overflow);
    EXPECT_TRUE(denormal.value == 0.0 || denormal.value == 4e-320);
}

TEST(NumberTextRead, ReadsOnlyTheGivenView) {
    const std::string buffer = "12345";
    EXPECT_EQ(numtext::read(std::string_view(buffer).substr(0, 2)), 12.0);
    const std::string withExponent = "1e5";
    EXPECT_EQ(numtext::parse(std::string_view(withExponent).substr(0, 2)).length, 1u);
}

TEST(NumberTextParseWhole, AcceptsExactlyOneNumberBetweenBlanks) {
    const struct {
        const char* text;
        double value;
    } good[] = {
        {"3.5", 3.5}, {" 3.5 ", 3.5}, {"\t3.5\t", 3.5}, {"-2", -2.0}, {"+.5", 0.5},
        {"1e3", 1000.0}, {"5.", 5.0}, {"1e-400", 0.0}, {"0", 0.0},
    };
    for (const auto& c : good) {
        double out = -99.0;
        EXPECT_TRUE(numtext::parseWhole(c.text, out)) << c.text;
        EXPECT_EQ(out, c.value) << c.text;
    }
}

TEST(NumberTextParseWhole, RejectsAnythingElseAndLeavesTheOutputAlone) {
    for (const char* text : {"", "   ", "3.5x", "3.5 4", "x3.5", "nan", "inf", "-inf", "1e400",
                             "-1e400", "1,5", "0x10", "1e", "1e+", "1.2.3", ".", "-", "3.5\n"}) {
        double out = -99.0;
        EXPECT_FALSE(numtext::parseWhole(text, out)) << '"' << text << '"';
        EXPECT_EQ(out, -99.0) << '"' << text << '"';
    }
}

}  // namespace
