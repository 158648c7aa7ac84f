#include "rules/law.h"

#include <stdexcept>

namespace fiscora {
namespace {

// The years in order, 2005-06 first. Built on first use, so that no other file's
// initialisation can see them unbuilt.
std::vector<YearLaw> buildYears() {
    std::vector<YearLaw> years;
    // Rates for deducting tax from salaries in each year: the Finance Act of the year, First
    // Schedule, Part III (confirmed by Part I of the next year's Act), as the CBDT circular on
    // tax deduction from salaries of that year restates them. A woman's and a senior's scale is
    // nil up to its own limit and the general rates above it.

    // Finance Act 2005, First Schedule, Part III; CBDT circular on TDS from salaries, 2005-06.
    // Education cess 2% on tax and surcharge; surcharge 10% above 10,00,000, marginal relief.
    const Scale general2005 = {{100000, 0.10}, {150000, 0.20}, {250000, 0.30}};
    const Scale woman2005 = {{135000, 0.10}, {150000, 0.20}, {250000, 0.30}}; // below 65
    const Scale senior2005 = {{185000, 0.20}, {250000, 0.30}};                // 65 or more
    const Surcharge surchargeTo2008 = {0.10, 1000000, true};

    years.push_back({.name = "2005-06",
                     .firstYear = 2005,
                     .general = general2005,
                     .woman = woman2005,
                     .senior = senior2005,
                     .seniorAge = 65,
                     .surcharge = surchargeTo2008,
                     .cessRate = 0.02});

    // Finance Act 2006, First Schedule, Part III: the rates of 2005-06 unchanged;
    // CBDT Circular No. 11/2006 of 16 November 2006.
    years.push_back({.name = "2006-07",
                     .firstYear = 2006,
                     .general = general2005,
                     .woman = woman2005,
                     .senior = senior2005,
                     .seniorAge = 65,
                     .surcharge = surchargeTo2008,
                     .cessRate = 0.02});

    // Finance Act 2007, First Schedule, Part III; CBDT Circular No. 8/2007 of 5 December 2007.
    // Secondary and higher education cess 1% from this year: 3% in all.
    years.push_back({.name = "2007-08",
                     .firstYear = 2007,
                     .general = {{110000, 0.10}, {150000, 0.20}, {250000, 0.30}},
                     .woman = Scale{{145000, 0.10}, {150000, 0.20}, {250000, 0.30}},
                     .senior = Scale{{195000, 0.20}, {250000, 0.30}},
                     .seniorAge = 65,
                     .surcharge = surchargeTo2008,
                     .cessRate = 0.03});

    // Finance Act 2008, First Schedule, Part III; CBDT Circular No. 9/2008 of 29 September 2008.
    years.push_back({.name = "2008-09",
                     .firstYear = 2008,
                     .general = {{150000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .woman = Scale{{180000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .senior = Scale{{225000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .seniorAge = 65,
                     .surcharge = surchargeTo2008,
                     .cessRate = 0.03});

    // Finance (No. 2) Act 2009, First Schedule, Part III: no surcharge on individuals from
    // this year; CBDT Circular No. 1/2010 of 11 January 2010.
    years.push_back({.name = "2009-10",
                     .firstYear = 2009,
                     .general = {{160000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .woman = Scale{{190000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .senior = Scale{{240000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .seniorAge = 65,
                     .cessRate = 0.03});

    // Finance Act 2010, First Schedule, Part III; CBDT Circular No. 8/2010 of 13 December 2010.
    years.push_back({.name = "2010-11",
                     .firstYear = 2010,
                     .general = {{160000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .woman = Scale{{190000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .senior = Scale{{240000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .seniorAge = 65,
                     .cessRate = 0.03});

    // Finance Act 2011, First Schedule, Part III: senior citizens from 60, very senior citizens
    // from 80; CBDT Circular No. 5/2011 of 16 August 2011.
    years.push_back({.name = "2011-12",
                     .firstYear = 2011,
                     .general = {{180000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .woman = Scale{{190000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .senior = Scale{{250000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .verySenior = Scale{{500000, 0.20}, {800000, 0.30}},
                     .seniorAge = 60,
                     .verySeniorAge = 80,
                     .cessRate = 0.03});

    // Finance Act 2012, First Schedule, Part III; CBDT Circular No. 8/2012 of 5 October 2012.
    // Education cess 2% and secondary and higher education cess 1%; no surcharge. The program
    // applies the scale of individuals below 60 to everyone (the Act's senior scale, nil to
    // 2,50,000, and very senior scale, nil to 5,00,000, are not applied), so the year has one.
    years.push_back({.name = "2012-13",
                     .firstYear = 2012,
                     .general = {{200000, 0.10}, {500000, 0.20}, {1000000, 0.30}},
                     .seniorAge = 60,
                     .verySeniorAge = 80,
                     .cessRate = 0.03,
                     .roundingUnit = 10});
    return years;
}

const std::vector<YearLaw>& years() {
    static const std::vector<YearLaw> all = buildYears();
    return all;
}

} // namespace

bool YearLaw::has(Category c) const {
    switch (c) {
    case Category::General:
        return true;
    case Category::Woman:
        return woman.has_value();
    case Category::Senior:
        return senior.has_value();
    case Category::VerySenior:
        return verySenior.has_value();
    }
    return false;
}

const Scale& YearLaw::scale(Category c) const {
    const std::optional<Scale>* own = c == Category::Woman        ? &woman
                                      : c == Category::Senior     ? &senior
                                      : c == Category::VerySenior ? &verySenior
                                                                  : nullptr;
    return own && *own ? **own : general;
}

const YearLaw& law2012() {
    return years().at(earlierYears);
}

const YearLaw& earlierLaw(int row) {
    if (row < 0 || row >= earlierYears) {
        throw std::out_of_range("no earlier year " + std::to_string(row));
    }
    return years()[static_cast<std::size_t>(row)];
}

} // namespace fiscora
