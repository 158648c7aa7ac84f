#include "common/amount.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace fiscora {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text without its blanks, tabs and line feeds.
std::string squeezed(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (!isBlank(c)) {
            out.push_back(c);
        }
    }
    return out;
}

struct Scan {
    std::size_t length = 0; // characters that form the leading number
    bool hasDigits = false;
};

// The longest prefix of s that forms a number: [sign] digits [. digits] [e [sign] digits].
Scan scanNumber(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return {};
    }
    Scan scan{i, true};
    // An exponent counts only when digits follow it: "1e" and "1e+" read as 1.
    std::size_t e = i;
    if (e < s.size() && (s[e] == 'e' || s[e] == 'E')) {
        ++e;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) {
            ++e;
        }
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e])) {
                ++e;
            }
            scan.length = e;
        }
    }
    return scan;
}

// strtod in the C locale, so that the decimal point is "." whatever the user's locale.
double parseC(const std::string& number) {
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    return strtod_l(number.c_str(), nullptr, cLocale);
}

} // namespace

double readLenient(std::string_view text) {
    const std::string s = squeezed(text);
    const Scan scan = scanNumber(s);
    if (!scan.hasDigits) {
        return 0.0;
    }
    return parseC(s.substr(0, scan.length));
}

std::optional<double> readStrict(std::string_view text) {
    const std::string s = squeezed(text);
    const Scan scan = scanNumber(s);
    if (!scan.hasDigits || scan.length != s.size()) {
        return std::nullopt;
    }
    const double value = parseC(s);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string numberText(double value) {
    if (!std::isfinite(value) || value == 0.0) {
        return "0";
    }
    // 15 significant digits in scientific form, then spelled out in full.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const std::string sci(buf);
    const std::size_t ePos = sci.find('e');
    const bool negative = sci[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i) {
        if (isDigit(sci[i])) {
            digits.push_back(sci[i]);
        }
    }
    const int exponent = std::atoi(sci.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    // The decimal point stands after (exponent + 1) digits of the digit string.
    const int pointAt = exponent + 1;
    std::string out = negative ? "-" : "";
    const int n = static_cast<int>(digits.size());
    if (pointAt <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-pointAt), '0');
        out += digits;
    } else if (pointAt >= n) {
        out += digits;
        out.append(static_cast<std::size_t>(pointAt - n), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(pointAt));
        out += '.';
        out += digits.substr(static_cast<std::size_t>(pointAt));
    }
    return out;
}

double roundHalfEven(double value) {
    // Worked out by hand rather than with nearbyint, which would depend on the rounding
    // mode of the floating-point environment.
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5) {
        return lower;
    }
    if (diff > 0.5) {
        return lower + 1.0;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

double shown(double value) {
    return std::isfinite(value) ? readLenient(numberText(value)) : value;
}

} // namespace fiscora
