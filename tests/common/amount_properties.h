#pragma once
// Properties that every text and every figure must keep through reading, writing and
// rounding. Shared by the randomized test and the coverage-guided fuzzer.
#include "common/amount.h"

#include <cmath>
#include <regex>
#include <string>
#include <string_view>

namespace properties {

// A whole amount, written independently of the reader: sign, digits with at most one
// point, an optional exponent with digits; blanks, tabs and line feeds anywhere.
inline bool looksLikeWholeAmount(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            s.push_back(c);
        }
    }
    static const std::regex whole(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    return std::regex_match(s, whole);
}

// Empty when the text keeps every property; otherwise what went wrong.
inline std::string checkText(std::string_view text) {
    using namespace fiscora;
    const double lenient = readLenient(text);
    if (std::isnan(lenient)) {
        return "lenient reading gave nan";
    }
    const std::optional<double> strict = readStrict(text);
    const bool whole = looksLikeWholeAmount(text);
    if (strict.has_value() != (whole && std::isfinite(lenient))) {
        return "strict reading disagrees with the lenient reading read whole";
    }
    if (strict && *strict != lenient) {
        return "strict and lenient readings differ";
    }
    // Appending a character that is no part of a number never changes the lenient reading.
    if (readLenient(std::string(text) + ",") != lenient && !std::isnan(lenient)) {
        return "a trailing comma changed the lenient reading";
    }
    if (std::isfinite(lenient)) {
        const std::string written = numberText(lenient);
        if (written.find_first_not_of("-0123456789.") != std::string::npos) {
            return "number text holds other characters: " + written;
        }
        if (numberText(readLenient(written)) != written) {
            return "number text read back differs: " + written;
        }
        if (!readStrict(written)) {
            return "number text is not a whole amount: " + written;
        }
    }
    return {};
}

// Empty when rounding keeps its properties for the figure.
inline std::string checkRounding(double x) {
    using fiscora::roundHalfEven;
    if (!std::isfinite(x)) {
        return {};
    }
    const double r = roundHalfEven(x);
    if (r != std::floor(r)) {
        return "rounding gave a fraction";
    }
    const double gap = std::fabs(x - r);
    if (gap > 0.5) {
        return "rounding moved more than half";
    }
    if (gap == 0.5 && std::fmod(r, 2.0) != 0.0) {
        return "a half went to the odd neighbour";
    }
    if (roundHalfEven(r) != r) {
        return "rounding is not idempotent";
    }
    if (roundHalfEven(-x) != -r) {
        return "rounding is not symmetric";
    }
    return {};
}

} // namespace properties
