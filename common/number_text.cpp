#include "common/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace numtext {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Reading parse(std::string_view text) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && isBlank(text[i])) ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // from_chars reports overflow and underflow alike, so keep the decimal
    // order of magnitude to tell them apart: the number lies in
    // [10^(order-1), 10^order) once the exponent is added.
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    long order = 0;
    bool significant = false;
    for (; i < n && isDigit(text[i]); ++i, ++digits) {
        if (significant || text[i] != '0') {
            significant = true;
            ++order;
        }
    }
    if (i < n && text[i] == '.') {
        for (++i; i < n && isDigit(text[i]); ++i, ++digits) {
            if (!significant) {
                if (text[i] == '0')
                    --order;
                else
                    significant = true;
            }
        }
    }
    if (digits == 0) return Reading{};

    std::size_t end = i;
    long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            exponentNegative = text[j] == '-';
            ++j;
        }
        if (j < n && isDigit(text[j])) {
            for (; j < n && isDigit(text[j]); ++j) {
                if (exponent < 100000000L) exponent = exponent * 10 + (text[j] - '0');
            }
            if (exponentNegative) exponent = -exponent;
            end = j;
        }
    }

    Reading reading;
    reading.found = true;
    reading.length = end;

    // The sign was taken above because from_chars refuses a leading '+'.
    double magnitude = 0.0;
    const auto result =
        std::from_chars(text.data() + mantissaStart, text.data() + end, magnitude,
                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range ||
        (result.ec == std::errc() && !std::isfinite(magnitude))) {
        reading.overflow = significant && order + exponent > 0;
        return reading;
    }
    if (result.ec != std::errc()) return reading;  // not expected: the text was checked above
    // Adding +0.0 turns -0 into 0, so "-0" reads as a plain zero.
    reading.value = (negative ? -magnitude : magnitude) + 0.0;
    return reading;
}

double read(std::string_view text) { return parse(text).value; }

bool parseWhole(std::string_view text, double& out) {
    const Reading reading = parse(text);
    if (!reading.found || reading.overflow) return false;
    for (std::size_t i = reading.length; i < text.size(); ++i) {
        if (!isBlank(text[i])) return false;
    }
    out = reading.value;
    return true;
}

std::string format(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return std::string();

    int minIntegers = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool point = false;
    for (const char c : pattern) {
        if (c == '.') {
            point = true;
        } else if (c == '0') {
            if (point) {
                ++minDecimals;
                ++maxDecimals;
            } else {
                ++minIntegers;
            }
        } else if (c == '#' && point) {
            ++maxDecimals;
        }
    }

    // Print the exact decimal expansion of the double and round that text.
    // Printing straight at the wanted precision would round ties to even and
    // could not be told apart from values just below a tie. A double is
    // M * 2^(e-53) with M an integer, so 53 - e decimals always suffice.
    const double magnitude = std::fabs(value);
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    const int precision = std::max(maxDecimals + 1, 53 - binaryExponent);
    std::string exact(static_cast<std::size_t>(precision) + 320, '\0');
    const auto printed = std::to_chars(exact.data(), exact.data() + exact.size(), magnitude,
                                       std::chars_format::fixed, precision);
    if (printed.ec != std::errc()) return std::string();
    exact.resize(static_cast<std::size_t>(printed.ptr - exact.data()));

    const std::size_t dot = exact.find('.');
    std::string digits = exact.substr(0, dot);
    digits.append(exact, dot + 1, static_cast<std::size_t>(maxDecimals));
    if (exact[dot + 1 + static_cast<std::size_t>(maxDecimals)] >= '5') {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
        if (k == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[k - 1];
    }

    const std::size_t split = digits.size() - static_cast<std::size_t>(maxDecimals);
    std::string integers = digits.substr(0, split);
    std::string decimals = digits.substr(split);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;

    integers.erase(0, std::min(integers.find_first_not_of('0'), integers.size()));
    if (integers.size() < static_cast<std::size_t>(minIntegers))
        integers.insert(0, static_cast<std::size_t>(minIntegers) - integers.size(), '0');
    while (decimals.size() > static_cast<std::size_t>(minDecimals) && decimals.back() == '0')
        decimals.pop_back();
    if (integers.empty() && decimals.empty()) integers = "0";

    std::string text;
    if (value < 0 && !zero) text += '-';
    text += integers;
    if (point) {
        text += '.';
        text += decimals;
    }
    return text;
}

}  // namespace numtext
