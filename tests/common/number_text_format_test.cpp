#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

void expectFormats(const FormatCase& c) {
    EXPECT_EQ(numtext::format(c.value, c.pattern), c.expected)
        << "value " << c.value << " pattern \"" << c.pattern << '"';
}

TEST(NumberTextFormat, FixedDecimals) {
    const FormatCase cases[] = {
        {0.2, "0.00", "0.20"},       {-0.7, "0.00", "-0.70"},      {12.345, "0.00", "12.35"},
        {1234.5, "0.00", "1234.50"}, {0.0, "0.00", "0.00"},        {7.0, "0.00", "7.00"},
        {0.04, "0.000", "0.040"},    {-1.5, "0.000", "-1.500"},    {0.0, "0.000", "0.000"},
        {0.2, "##0.00", "0.20"},     {-0.7, "##0.00", "-0.70"},    {1234.5, "##0.00", "1234.50"},
        {30.0, "0.0", "30.0"},       {0.25, "0.0", "0.3"},         {-0.25, "0.0", "-0.3"},
        {5.0, "00.00", "05.00"},     {123.0, "00.00", "123.00"},   {2.5, "0", "3"},
        {0.0, "0", "0"},             {-2.5, "0", "-3"},            {0.1, "0.0000000", "0.1000000"},
    };
    for (const auto& c : cases) expectFormats(c);
}

TEST(NumberTextFormat, OptionalDecimalsKeepThePoint) {
    const FormatCase cases[] = {
        {1.0, "#0.##", "1."},    {1.1, "#0.##", "1.1"},   {0.5, "#0.##", "0.5"},
        {1.25, "#0.##", "1.25"}, {1.125, "#0.##", "1.13"}, {0.0, "#0.##", "0."},
        {1.999, "#0.##", "2."},  {0.001, "#0.##", "0."},  {-0.001, "#0.##", "0."},
        {-1.5, "#0.##", "-1.5"}, {2.10, "#0.##", "2.1"},  {10.0, "#0.##", "10."},
        {1.0, "0.0#", "1.0"},    {1.25, "0.0#", "1.25"},  {1.5, "0.0#", "1.5"},
        {0.5, "#.##", ".5"},     {0.0, "#.##", "0."},     {0.0, "#.", "0."},
    };
    for (const auto& c : cases) expectFormats(c);
}

TEST(NumberTextFormat, WholeNumbers) {
    const FormatCase cases[] = {
        {210.0, "####", "210"},  {2800.0, "####", "2800"}, {209.5, "####", "210"},
        {0.0, "####", "0"},      {0.4, "####", "0"},       {0.5, "####", "1"},
        {-0.5, "####", "-1"},    {-0.4, "####", "0"},      {2.5, "####", "3"},
        {123456.0, "####", "123456"}, {2.5, "", "3"},
    };
    for (const auto& c : cases) expectFormats(c);
}

TEST(NumberTextFormat, RoundsHalfAwayFromZeroOnTheExactBinaryValue) {
    const FormatCase cases[] = {
        // Exact ties go away from zero, not to even.
        {0.125, "0.00", "0.13"},   {-0.125, "0.00", "-0.13"}, {0.375, "0.00", "0.38"},
        {0.625, "0.00", "0.63"},   {0.0625, "0.000", "0.063"}, {-0.0625, "0.000", "-0.063"},
        {0.5, "0", "1"},           {1.5, "0", "2"},           {0.25, "0.0", "0.3"},
        // Floats promoted to double: the stored value decides.
        {0.035f, "0.00", "0.04"},  {0.045f, "0.00", "0.05"},  {1.005f, "0.00", "1.00"},
        {0.015f, "0.00", "0.01"},  {2.675f, "0.00", "2.67"},  {0.995f, "0.00", "1.00"},
        {0.285f, "0.00", "0.28"},  {1.115f, "0.00", "1.12"},  {0.0005f, "0.000", "0.001"},
        {0.145f, "#0.##", "0.14"},
        // Doubles whose decimal literal looks like a tie but is not one.
        {2.675, "0.00", "2.67"},   {1.005, "0.00", "1.00"},   {0.045, "0.00", "0.04"},
        {9.995, "0.00", "9.99"},   {0.995, "0.00", "0.99"},   {1.0005, "0.000", "1.000"},
        {0.005, "0.00", "0.01"},   {-0.005, "0.00", "-0.01"}, {0.05, "0.0", "0.1"},
        // Rounding that carries into new integer digits.
        {9.996, "0.00", "10.00"},  {99.999, "0.00", "100.00"}, {-99.999, "0.00", "-100.00"},
        {999.9996, "0.000", "1000.000"}, {9.5, "####", "10"}, {0.999, "#0.##", "1."},
        // Just below and above a decimal tie.
        {std::nextafter(0.125, 0.0), "0.00", "0.12"}, {std::nextafter(0.125, 1.0), "0.00", "0.13"},
        {std::nextafter(2.5, 0.0), "0", "2"},
    };
    for (const auto& c : cases) expectFormats(c);
}

TEST(NumberTextFormat, ZeroNeverShowsAMinusSign) {
    const FormatCase cases[] = {
        {-0.0, "0.00", "0.00"},    {-0.001, "0.00", "0.00"}, {-0.004999, "0.00", "0.00"},
        {-1e-9, "0.00", "0.00"},   {1e-9, "0.00", "0.00"},   {-0.0, "####", "0"},
        {-0.0, "#0.##", "0."},     {-0.0004, "0.000", "0.000"},
        {-std::numeric_limits<double>::denorm_min(), "0.00", "0.00"},
        {-DBL_MIN, "0.000", "0.000"},
    };
    for (const auto& c : cases) expectFormats(c);
}

TEST(NumberTextFormat, LargeValuesKeepAllTheirIntegerDigits) {
    const FormatCase cases[] = {
        {123456789.0, "0.00", "123456789.00"},
        {1e20, "0.00", "100000000000000000000.00"},
        {1e30, "0.00", "1000000000000000019884624838656.00"},
        {-1e30, "####", "-1000000000000000019884624838656"},
        {9007199254740993.0, "0.000", "9007199254740992.000"},
        {4503599627370495.5, "0", "4503599627370496"},
        {4503599627370495.5, "0.0", "4503599627370495.5"},
    };
    for (const auto& c : cases) expectFormats(c);

    const std::string max = numtext::format(DBL_MAX, "0.00");
    EXPECT_EQ(max.size(), 309u + 3u);
    EXPECT_EQ(max.substr(0, 17), "17976931348623157");
    EXPECT_EQ(max.substr(max.size() - 3), ".00");
    EXPECT_EQ(numtext::format(-DBL_MAX, "####").size(), 310u);
}

TEST(NumberTextFormat, IgnoresOtherPatternCharacters) {
    EXPECT_EQ(numtext::format(1.5, "0.00 kN"), "1.50");
    EXPECT_EQ(numtext::format(1234.5, "#,##0.0"), "1234.5");
    EXPECT_EQ(numtext::format(1.25, "0.0.0"), "1.25");
}

TEST(NumberTextFormat, NonFiniteValuesGiveAnEmptyText) {
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                          -std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity()};
    for (const double v : bad) {
        for (const char* pattern : {"0.00", "0.000", "##0.00", "#0.##", "####", "0", ""}) {
            EXPECT_EQ(numtext::format(v, pattern), "") << v << ' ' << pattern;
        }
    }
}

// Independent reference for up to three decimals: |x| * 10^n is exact in a
// long double, so the half-away-from-zero decision can be made directly.
std::string reference(double x, int decimals) {
    const long double scaled = std::fabs(static_cast<long double>(x)) * std::pow(10.0L, decimals);
    long double whole = std::floor(scaled);
    if (scaled - whole >= 0.5L) whole += 1.0L;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0Lf", whole);
    std::string digits = buffer;
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    return (x < 0 && whole != 0.0L ? "-" : "") + digits;
}

TEST(NumberTextFormat, AgreesWithAnExactReferenceOnManyValues) {
    const char* patterns[] = {"0", "0.0", "0.00", "0.000"};
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> plain(-2000.0, 2000.0);
    std::uniform_int_distribution<int> power(0, 8);
    std::uniform_int_distribution<long long> numerator(-100000, 100000);

    for (int i = 0; i < 40000; ++i) {
        double x = 0.0;
        switch (i % 4) {
            case 0: x = plain(random); break;
            case 1: x = static_cast<float>(plain(random)); break;
            // Multiples of small powers of two hit exact ties and their neighbours.
            case 2: x = std::ldexp(static_cast<double>(numerator(random)), -power(random)); break;
            default: {
                // Any finite double, whatever its magnitude.
                std::uint64_t bits = random();
                std::memcpy(&x, &bits, sizeof x);
                if (!std::isfinite(x)) continue;
            }
        }
        for (int n = 0; n <= 3; ++n) {
            ASSERT_EQ(numtext::format(x, patterns[n]), reference(x, n))
                << "x = " << std::hexfloat << x;
        }
    }
}

}  // namespace
