#include "common/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <locale>
#include <random>
#include <sstream>
#include <string>

namespace {

// Writes f with the pattern, reads it back and checks that the text is within
// half a unit of the last decimal and that writing the read value again gives
// the same text.
void expectRoundTrip(float f, const char* pattern, double halfUnit) {
    const std::string text = numtext::format(f, pattern);
    double back = 0.0;
    ASSERT_TRUE(numtext::parseWhole(text, back)) << text;
    EXPECT_LE(std::fabs(back - f), halfUnit * (1.0 + 1e-12) + std::fabs(f) * 1e-15)
        << "f = " << f << " text " << text;
    EXPECT_EQ(numtext::format(back, pattern), text) << "f = " << f;
}

TEST(NumberTextRoundTrip, HundredthsFromZeroToOneHundred) {
    for (int k = -10000; k <= 10000; ++k) {
        const float f = static_cast<float>(k * 0.01);
        // The float is far closer to k/100 than to any rounding boundary, so
        // the text must be exactly k/100.
        char expected[32];
        std::snprintf(expected, sizeof expected, "%s%d.%02d", k < 0 ? "-" : "", std::abs(k) / 100,
                      std::abs(k) % 100);
        ASSERT_EQ(numtext::format(f, "0.00"), expected);
        expectRoundTrip(f, "0.00", 0.005);
        expectRoundTrip(f, "#0.##", 0.005);
        expectRoundTrip(f, "0.000", 0.0005);
    }
}

TEST(NumberTextRoundTrip, RandomFloats) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> plain(-1e6f, 1e6f);
    std::uniform_real_distribution<double> exponent(-6.0, 9.0);
    for (int i = 0; i < 20000; ++i) {
        const float f = i % 2 == 0 ? plain(random)
                                   : static_cast<float>((i % 4 == 1 ? 1 : -1) *
                                                        std::pow(10.0, exponent(random)));
        expectRoundTrip(f, "0.00", 0.005);
        expectRoundTrip(f, "##0.00", 0.005);
        expectRoundTrip(f, "#0.##", 0.005);
        expectRoundTrip(f, "0.000", 0.0005);
        expectRoundTrip(f, "####", 0.5);
        if (HasFatalFailure()) return;
    }
}

// Restores the global C and C++ locales when a test ends.
class LocaleGuard {
public:
    LocaleGuard() : saved_(std::setlocale(LC_ALL, nullptr)), cpp_(std::locale()) {}
    ~LocaleGuard() {
        std::locale::global(cpp_);
        std::setlocale(LC_ALL, saved_.c_str());
    }

private:
    std::string saved_;
    std::locale cpp_;
};

struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

void expectPointDecimals() {
    EXPECT_EQ(numtext::format(1234.5, "0.00"), "1234.50");
    EXPECT_EQ(numtext::format(0.125, "#0.##"), "0.13");
    EXPECT_EQ(numtext::format(1e20, "0.0"), "100000000000000000000.0");
    EXPECT_EQ(numtext::read("1234.5"), 1234.5);
    EXPECT_EQ(numtext::read("2.5e3"), 2500.0);
    EXPECT_EQ(numtext::read("1,5"), 1.0);
    double out = 0.0;
    EXPECT_TRUE(numtext::parseWhole(" 0.75 ", out));
    EXPECT_EQ(out, 0.75);
    EXPECT_FALSE(numtext::parseWhole("0,75", out));
}

TEST(NumberTextLocale, IgnoresACommaDecimalPointInTheCppGlobalLocale) {
    LocaleGuard guard;
    std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    std::ostringstream check;
    check << 1.5;
    ASSERT_EQ(check.str(), "1,5");  // the locale really is in force
    expectPointDecimals();
}

TEST(NumberTextLocale, IgnoresACommaDecimalPointInTheCLocale) {
    LocaleGuard guard;
    bool installed = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "es_ES.UTF-8", "es_ES.utf8",
                             "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "es_ES", "fr_FR"}) {
        if (std::setlocale(LC_ALL, name) &&
            std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
            installed = true;
            break;
        }
    }
    if (!installed) GTEST_SKIP() << "no locale with a comma decimal point is installed";
    char check[16];
    std::snprintf(check, sizeof check, "%.1f", 1.5);
    ASSERT_STREQ(check, "1,5");
    expectPointDecimals();
}

}  // namespace
