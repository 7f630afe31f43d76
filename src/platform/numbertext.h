#pragma once

#include <string>
#include <string_view>

namespace vorlan {

/**
 * Number text of the windows and data files, independent of the system locale.
 * Window text uses ',' as decimal separator, data files '.'.
 */

/**
 * Shortest text with at most 7 significant digits; exponent form ("1E+07") from 1E+07 and below
 * 1E-04. Below the normal single range (1.2E-38), where a single holds fewer than 7 digits, the
 * shortest text that reads back to the same single.
 */
std::string numberToText(float value, char decimalSeparator = ',');
/** Shortest text with at most 15 significant digits; exponent form from 1E+15 and below 1E-04. */
std::string numberToText(double value, char decimalSeparator = ',');

/**
 * Window text to number: optional blanks around, an optional sign, digits with at most one ','
 * (at least one digit in all) and an optional exponent "E" with optional sign and digits.
 * Anything else, a value beyond the type's range included, throws CalcError; a value too small
 * for the type becomes zero.
 */
float textToSingle(std::string_view text);
double textToDouble(std::string_view text);

/**
 * Parses a number written with the given decimal separator, rounded once to the type; false when
 * the text is not such a number or overflows the type. Shared by the window text and the
 * data-file reader.
 */
template <typename T> bool parseNumber(std::string_view text, char decimalSeparator, T& value);
extern template bool parseNumber(std::string_view, char, float&);
extern template bool parseNumber(std::string_view, char, double&);

/** Parses a number typed with a decimal comma or a decimal point ("0,5" or "0.5"); false for anything else. */
bool parseTypedNumber(std::string_view text, double& value);

/** Rounds to n decimals, half to even, keeping the argument's precision. */
float roundHalfEven(float value, int decimals);
double roundHalfEven(double value, int decimals);

/** The value rounded half to even to n decimals, written as the windows write numbers. */
std::string roundedText(float value, int decimals);
std::string roundedText(double value, int decimals);

} // namespace vorlan
