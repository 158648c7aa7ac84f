#pragma once
// Amounts in rupees as the forms hold them: text in a field, a double while computing.
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace fiscora {

// The leading number of a field's text. Blanks, tabs and line feeds are ignored wherever
// they stand ("1 000" is 1000); then a sign, digits, one decimal point and an exponent are
// taken as far as they form a number and the first other character ends it ("1,000" is 1).
// A text with no leading number reads as 0. A figure beyond the range of a double reads as
// plus or minus infinity, so that callers can refuse it.
double readLenient(std::string_view text);

// The whole text must be one number (blanks, tabs and line feeds ignored as above): the
// texts that readLenient reads to their end, with at least one digit and a finite value.
// Anything else, the empty text included, is not an amount.
std::optional<double> readStrict(std::string_view text);

// The plain decimal text of a number: at most 15 significant digits, "." as the decimal
// point, "-" for a negative, no exponent, no separators, no trailing zeros and no decimal
// point for a whole number. Negative zero is "0". Only finite numbers are written; a
// non-finite one gives "0" (every writer checks finiteness first).
std::string numberText(double value);

// Round to the nearest whole number, a value exactly halfway going to the even neighbour.
double roundHalfEven(double value);

// The figure exactly as a field shows it once written: what a computation reads back
// after writing an intermediate result into its field. A non-finite value stays as it is,
// so that a computation can still see that it went out of range.
double shown(double value);

// True when every figure is a finite number.
template <typename... T> bool allFinite(T... values) {
    return (std::isfinite(values) && ...);
}

} // namespace fiscora
