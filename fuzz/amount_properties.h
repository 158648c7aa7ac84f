#pragma once
// Properties that every text and every figure must keep through reading, writing and
// rounding. Shared by the randomized test and the coverage-guided fuzzer.
#include "common/amount.h"

#include <cmath>
#include <regex>
#include <string>
#include <string_view>
#include <utility>

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
    const std::optional<double> strict = readStrict(text);
    const std::string written = std::isfinite(lenient) ? numberText(lenient) : "0";
    const std::pair<bool, const char*> broken[] = {
        {std::isnan(lenient), "lenient reading gave nan"},
        {strict.has_value() != (looksLikeWholeAmount(text) && std::isfinite(lenient)),
         "strict reading disagrees with the lenient reading read whole"},
        {strict && *strict != lenient, "strict and lenient readings differ"},
        // Appending a character that is no part of a number never changes the lenient reading.
        {readLenient(std::string(text) + ",") != lenient && !std::isnan(lenient),
         "a trailing comma changed the lenient reading"},
        {written.find_first_not_of("-0123456789.") != std::string::npos,
         "number text holds other characters"},
        {numberText(readLenient(written)) != written, "number text read back differs"},
        {!readStrict(written), "number text is not a whole amount"},
    };
    for (const auto& [wrong, why] : broken) {
        if (wrong) {
            return why + (": " + written);
        }
    }
    return {};
}

// Empty when rounding keeps its properties for the figure.
inline std::string checkRounding(double x) {
    using fiscora::roundHalfEven;
    const double r = roundHalfEven(x), gap = std::fabs(x - r);
    const std::pair<bool, const char*> broken[] = {
        {r != std::floor(r), "rounding gave a fraction"},
        {gap > 0.5, "rounding moved more than half"},
        {gap == 0.5 && std::fmod(r, 2.0) != 0.0, "a half went to the odd neighbour"},
        {roundHalfEven(r) != r, "rounding is not idempotent"},
        {roundHalfEven(-x) != -r, "rounding is not symmetric"},
    };
    for (const auto& [wrong, why] : broken) {
        if (wrong && std::isfinite(x)) {
            return why;
        }
    }
    return {};
}

} // namespace properties
