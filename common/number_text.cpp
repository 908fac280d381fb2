#include "common/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
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
    std::size_t fractionDigits = 0;
    if (i < n && text[i] == '.') {
        for (++i; i < n && isDigit(text[i]); ++i, ++digits, ++fractionDigits) {
            if (!significant) {
                if (text[i] == '0')
                    --order;
                else
                    significant = true;
            }
        }
    }
    if (digits == 0) return Reading{};

    const std::size_t mantissaEnd = i;
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

    // Up to 15 digits without an exponent, as the fields and files write numbers: the digits
    // as an integer below 2^53 and a power of ten are both exact, so their quotient is the
    // correctly rounded value.
    if (end == mantissaEnd && digits <= 15) {
        static constexpr double kPowers[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        std::uint64_t whole = 0;
        for (std::size_t k = mantissaStart; k < mantissaEnd; ++k)
            if (isDigit(text[k])) whole = whole * 10 + static_cast<std::uint64_t>(text[k] - '0');
        const double magnitude = static_cast<double>(whole) / kPowers[fractionDigits];
        reading.value = (negative ? -magnitude : magnitude) + 0.0;
        return reading;
    }

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

bool parseTyped(std::string_view text, double& out) {
    const std::size_t coma = text.find(',');
    if (coma == std::string_view::npos) return parseWhole(text, out);
    if (text.find('.') != std::string_view::npos ||
        text.find(',', coma + 1) != std::string_view::npos)
        return false;
    std::string conPunto(text);
    conPunto[coma] = '.';
    return parseWhole(conPunto, out);
}

namespace {

// The digits of |value| rounded half away from zero to `decimals` places, without the point.
// Exact and quick for the usual case, in integers: a double is M * 2^E with M below 2^53, so
// M * 10^decimals stays below 2^63 for 3 decimals, and its shift by E splits it exactly into
// the whole part and the fraction compared with one half.
bool RoundedDigitsFast(double magnitude, int decimals, char (&digits)[32], std::size_t& count) {
    if (decimals > 3 || !(magnitude < 1e15)) return false;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int campo = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantisa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponente = -1074;
    if (campo != 0) {
        mantisa |= std::uint64_t{1} << 52;
        exponente = campo - 1075;
    }
    static constexpr std::uint64_t kPotencias[4] = {1, 10, 100, 1000};
    const std::uint64_t escalado = mantisa * kPotencias[decimals];
    std::uint64_t n = 0;
    if (exponente >= 0) {
        n = escalado << exponente;  // below 1e18: the magnitude is below 1e15
    } else if (exponente > -64) {
        const int k = -exponente;
        n = escalado >> k;
        if ((escalado & ((std::uint64_t{1} << k) - 1)) >= (std::uint64_t{1} << (k - 1))) ++n;
    }  // else below 2^63 / 2^64: less than one half
    // At least one digit before the decimals.
    const std::size_t width = static_cast<std::size_t>(decimals) + 1;
    char buf[32];
    const std::size_t len = static_cast<std::size_t>(std::to_chars(buf, buf + sizeof buf, n).ptr - buf);
    const std::size_t pad = len < width ? width - len : 0;
    std::fill(digits, digits + pad, '0');
    std::copy(buf, buf + len, digits + pad);
    count = pad + len;
    return true;
}

// The same for any magnitude and precision: print the exact decimal expansion of the double
// and round that text.
std::string RoundedDigitsExact(double magnitude, int maxDecimals) {
    // Print the exact decimal expansion of the double and round that text.
    // Printing straight at the wanted precision would round ties to even and
    // could not be told apart from values just below a tie. A double is
    // M * 2^(e-53) with M an integer, so 53 - e decimals always suffice.
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    const int precision = std::max(maxDecimals + 1, 53 - binaryExponent);
    std::string exact(static_cast<std::size_t>(precision) + 320, '\0');
    const auto printed = std::to_chars(exact.data(), exact.data() + exact.size(), magnitude,
                                       std::chars_format::fixed, precision);
    if (printed.ec != std::errc()) return std::string(static_cast<std::size_t>(maxDecimals) + 1, '0');
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

    return digits;
}

}  // namespace

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

    const double magnitude = std::fabs(value);
    char quick[32];
    std::size_t count = 0;
    std::string slow;
    std::string_view digits;
    if (RoundedDigitsFast(magnitude, maxDecimals, quick, count)) {
        digits = std::string_view(quick, count);
    } else {
        slow = RoundedDigitsExact(magnitude, maxDecimals);
        digits = slow;
    }

    // Lay the digits out: integer digits without leading zeros (padded to the pattern's
    // required ones), the point, and the decimals without trailing optional zeros.
    const std::size_t split = digits.size() - static_cast<std::size_t>(maxDecimals);
    std::size_t lead = 0;
    while (lead < split && digits[lead] == '0') ++lead;
    std::size_t decEnd = digits.size();
    while (decEnd > split + static_cast<std::size_t>(minDecimals) && digits[decEnd - 1] == '0')
        --decEnd;
    const std::size_t intLen = split - lead;
    const bool zero = lead == split && digits.find_first_not_of('0', split) == std::string_view::npos;

    // One string, of its final length, filled in place.
    const bool negative = value < 0 && !zero;
    const std::size_t pad =
        intLen < static_cast<std::size_t>(minIntegers) ? static_cast<std::size_t>(minIntegers) - intLen : 0;
    const bool loneZero = pad + intLen == 0 && decEnd == split;
    const std::size_t decLen = decEnd - split;
    std::string text((negative ? 1 : 0) + pad + intLen + (loneZero ? 1 : 0) +
                         (point ? 1 + decLen : 0),
                     '0');
    char* out = text.data() + (negative ? 1 : 0) + pad;
    if (negative) text[0] = '-';
    std::memcpy(out, digits.data() + lead, intLen);
    out += intLen + (loneZero ? 1 : 0);
    if (point) {
        *out++ = '.';
        std::memcpy(out, digits.data() + split, decLen);
    }
    return text;
}

}  // namespace numtext
