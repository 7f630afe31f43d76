#include "platform/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <type_traits>

#include "platform/calcerror.h"
#include "platform/quotedtext.h"

namespace vorlan {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

template <typename T> std::string formatNumber(T value, int significantDigits, char decimalSeparator)
{
    if (!std::isfinite(value))
        throw CalcError("a result that is not a finite number cannot be shown");
    if (value == 0)
        return "0"; // also for -0
    char buffer[64];
    // No digit count: the shortest text that reads back to the same value.
    const auto result = significantDigits > 0
        ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits)
        : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == '.')
            c = decimalSeparator;
        else if (c == 'e')
            c = 'E';
    }
    return text;
}

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/** A box's text, shortened and escaped for an error detail. */
std::string quoted(std::string_view text) { return "'" + excerpt(text) + "'"; }

} // namespace

std::string numberToText(float value, char decimalSeparator)
{
    // A subnormal single has fewer than 7 digits of its own: 7 digits may name its neighbour.
    if (std::fpclassify(value) == FP_SUBNORMAL)
        return formatNumber(value, 0, decimalSeparator);
    // Where singles lie farther apart than the steps of 7 digits (just below a power of ten, such
    // as 1E+28 - 5.6E+20), rounding to 7 digits can name a text that reads back as the single
    // itself while a shorter text does too ("9,999999E+27" for the single nearest 1E+28). The
    // shortest text that reads back is then the one shown, so that typing what is shown gives the
    // same single and shows the same text.
    if (std::isfinite(value) && value != 0) {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
        const std::string_view shortest(buffer, static_cast<std::size_t>(result.ptr - buffer));
        const std::size_t digits = std::count_if(shortest.begin(), shortest.begin() + shortest.find('e'), isDigit);
        if (digits <= 7) {
            double exact = 0; // the decimal value of the shortest text, which a double holds to 15 digits
            std::from_chars(shortest.data(), shortest.data() + shortest.size(), exact);
            return formatNumber(exact, 7, decimalSeparator);
        }
    }
    return formatNumber(value, 7, decimalSeparator);
}

std::string numberToText(double value, char decimalSeparator)
{
    // Within 15-digit rounding of the largest double the text would round beyond it and not read
    // back; write the largest 15-digit value instead.
    constexpr double largestReadable = 1.79769313486231e308;
    if (std::fabs(value) > largestReadable && std::isfinite(value))
        value = std::copysign(largestReadable, value);
    return formatNumber(value, 15, decimalSeparator);
}

namespace {

/** The powers of ten that a single or a double holds exactly. */
template <typename T> constexpr int kExactPowers = std::is_same_v<T, float> ? 10 : 22;
/** The largest integer below which every integer is exact in the type. */
template <typename T> constexpr std::uint64_t kExactIntegers = std::is_same_v<T, float> ? 1ULL << 24 : 1ULL << 53;

/**
 * Reads plain decimal text (sign, digits, one separator; no exponent) of at most 15 digits whose
 * value is an integer divided by a power of ten that both fit the type exactly. One IEEE
 * division of the two then gives the correctly rounded value, the same as the general path,
 * without building a text for it. False when the text is not of that form.
 */
template <typename T> bool parseExactDecimal(std::string_view text, char decimalSeparator, T& value)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        ++i;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    bool separatorSeen = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (++digits > 15)
                return false;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            if (separatorSeen)
                ++fractionDigits;
        } else if (c == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
        } else {
            return false;
        }
    }
    if (digits == 0 || mantissa > kExactIntegers<T> || fractionDigits > kExactPowers<T>)
        return false;
    // 1E+00 to 1E+22, each exact in a double; those up to 1E+10 exact in a single too.
    static constexpr double powers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14,
        1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const T magnitude = static_cast<T>(mantissa) / static_cast<T>(powers[fractionDigits]);
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

template <typename T> bool parseNumber(std::string_view text, char decimalSeparator, T& value)
{
    if (parseExactDecimal(text, decimalSeparator, value))
        return true;
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;

    // Mantissa: digits with at most one separator. The position of the first nonzero digit
    // tells an underflow from an overflow when the value is out of range.
    std::string normalized = negative ? "-" : "";
    long long digits = 0;
    long long integerDigits = 0;
    long long firstNonzero = -1;
    bool separatorSeen = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (c != '0' && firstNonzero < 0)
                firstNonzero = digits;
            ++digits;
            if (!separatorSeen)
                ++integerDigits;
            normalized += c;
        } else if (c == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
            normalized += '.';
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;

    // Capped far beyond any count of digits a text can hold, so that leading zeros never pull an
    // overflowing exponent back into range.
    constexpr long long exponentCap = 1'000'000'000'000'000LL;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        normalized += 'e';
        ++i;
        const bool exponentNegative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            normalized += text[i++];
        const std::size_t exponentStart = i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            normalized += text[i];
            if (exponent < exponentCap)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == exponentStart)
            return false;
        if (exponentNegative)
            exponent = -exponent;
    }
    if (i != text.size())
        return false;

    const char* end = normalized.data() + normalized.size();
    const auto result = std::from_chars(normalized.data(), end, value);
    if (result.ec == std::errc::result_out_of_range && result.ptr == end) {
        const long long magnitude = integerDigits - 1 - firstNonzero + exponent; // decimal exponent of the value
        if (magnitude >= 0)
            return false; // overflow
        value = negative ? T(-0.0) : T(0); // underflow is not an error
        return true;
    }
    return result.ec == std::errc() && result.ptr == end;
}
template bool parseNumber(std::string_view, char, float&);
template bool parseNumber(std::string_view, char, double&);

namespace {

template <typename T> T windowTextToNumber(std::string_view text)
{
    T value = 0;
    if (parseNumber(trimBlanks(text), ',', value))
        return value;
    double wide = 0;
    if (parseNumber(trimBlanks(text), ',', wide))
        throw CalcError(quoted(text) + " is too large a number");
    throw CalcError(quoted(text) + " is not a number");
}

} // namespace

float textToSingle(std::string_view text) { return windowTextToNumber<float>(text); }

double textToDouble(std::string_view text) { return windowTextToNumber<double>(text); }

namespace {

template <typename T> T roundDecimals(T value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = static_cast<double>(value) * scale;
    // Beyond 2^52 a double has no fraction digits left to round, and the scale may overflow.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 0x1p52)
        return value;
    return static_cast<T>(std::nearbyint(scaled) / scale); // nearbyint rounds half to even
}

} // namespace

float roundHalfEven(float value, int decimals) { return roundDecimals(value, decimals); }

double roundHalfEven(double value, int decimals) { return roundDecimals(value, decimals); }

std::string roundedText(float value, int decimals) { return numberToText(roundHalfEven(value, decimals)); }

std::string roundedText(double value, int decimals) { return numberToText(roundHalfEven(value, decimals)); }

bool parseTypedNumber(std::string_view text, double& value)
{
    std::string withComma(text);
    std::replace(withComma.begin(), withComma.end(), '.', ',');
    return !withComma.empty() && parseNumber(withComma, ',', value);
}

} // namespace vorlan
