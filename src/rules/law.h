#pragma once
// The law of each financial year as data: the slabs, surcharge and cess of income tax for
// 2005-06 to 2012-13. Every figure, with its source, stands once in law.cpp; the rules read
// them from here, so a later year is added as data and a test can move a limit.
#include <optional>
#include <string>
#include <vector>

namespace fiscora {

enum class Category { General, Woman, Senior, VerySenior };

// One slab of a scale: `rate` on the part of total income above `from`, up to the next slab's
// `from` (the last slab has no top). Income up to the first slab's `from` is nil-rated.
struct Slab {
    double from = 0;
    double rate = 0;
};
using Scale = std::vector<Slab>;

// A surcharge on income tax when total income exceeds `threshold`; with marginal relief, tax
// and surcharge never exceed the tax on `threshold` plus the income above it.
struct Surcharge {
    double rate = 0;
    double threshold = 0;
    bool marginalRelief = true;
};

// The income tax of one financial year for an individual.
struct YearLaw {
    std::string name{}; // "2012-13"
    int firstYear = 0;  // 2012: the year runs from 1 April 2012 to 31 March 2013
    Scale general{};
    std::optional<Scale> woman{}; // a category the year lacks is absent
    std::optional<Scale> senior{};
    std::optional<Scale> verySenior{};
    int seniorAge = 65;
    int verySeniorAge = 80;
    std::optional<Surcharge> surcharge{};
    double cessRate = 0;      // on tax plus surcharge
    double roundingUnit = 10; // s.288A: total income rounded to ten rupees

    bool has(Category c) const;
    // The scale of a category; the general scale for a category the year lacks.
    const Scale& scale(Category c) const;
};

// 2012-13 (assessment year 2013-14), the year this program works out in full.
const YearLaw& law2012();

// The seven years before it, oldest first: row 0 = 2005-06 ... row 6 = 2011-12.
inline constexpr int earlierYears = 7;
const YearLaw& earlierLaw(int row);

} // namespace fiscora
