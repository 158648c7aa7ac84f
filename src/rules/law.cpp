#include "rules/law.h"

#include "common/amount.h"

#include <algorithm>
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
                     .cessRate = 0.02,
                     .roundingUnit = 10});

    // Finance Act 2006, First Schedule, Part III: the rates of 2005-06 unchanged;
    // CBDT Circular No. 11/2006 of 16 November 2006.
    years.push_back({.name = "2006-07",
                     .firstYear = 2006,
                     .general = general2005,
                     .woman = woman2005,
                     .senior = senior2005,
                     .seniorAge = 65,
                     .surcharge = surchargeTo2008,
                     .cessRate = 0.02,
                     .roundingUnit = 10});

    // Finance Act 2007, First Schedule, Part III; CBDT Circular No. 8/2007 of 5 December 2007.
    // Secondary and higher education cess 1% from this year: 3% in all.
    years.push_back({.name = "2007-08",
                     .firstYear = 2007,
                     .general = {{110000, 0.10}, {150000, 0.20}, {250000, 0.30}},
                     .woman = Scale{{145000, 0.10}, {150000, 0.20}, {250000, 0.30}},
                     .senior = Scale{{195000, 0.20}, {250000, 0.30}},
                     .seniorAge = 65,
                     .surcharge = surchargeTo2008,
                     .cessRate = 0.03,
                     .roundingUnit = 10});

    // Finance Act 2008, First Schedule, Part III; CBDT Circular No. 9/2008 of 29 September 2008.
    years.push_back({.name = "2008-09",
                     .firstYear = 2008,
                     .general = {{150000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .woman = Scale{{180000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .senior = Scale{{225000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .seniorAge = 65,
                     .surcharge = surchargeTo2008,
                     .cessRate = 0.03,
                     .roundingUnit = 10});

    // Finance (No. 2) Act 2009, First Schedule, Part III: no surcharge on individuals from
    // this year; CBDT Circular No. 1/2010 of 11 January 2010.
    years.push_back({.name = "2009-10",
                     .firstYear = 2009,
                     .general = {{160000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .woman = Scale{{190000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .senior = Scale{{240000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .seniorAge = 65,
                     .cessRate = 0.03,
                     .roundingUnit = 10});

    // Finance Act 2010, First Schedule, Part III; CBDT Circular No. 8/2010 of 13 December 2010.
    years.push_back({.name = "2010-11",
                     .firstYear = 2010,
                     .general = {{160000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .woman = Scale{{190000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .senior = Scale{{240000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .seniorAge = 65,
                     .cessRate = 0.03,
                     .roundingUnit = 10});

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
                     .cessRate = 0.03,
                     .roundingUnit = 10});

    // Finance Act 2012, First Schedule, Part III; CBDT Circular No. 8/2012 of 5 October 2012.
    // No surcharge. The program applies the scale of individuals below 60 to everyone (the
    // Act's senior scale, nil to 2,50,000, and very senior scale, nil to 5,00,000, are not
    // applied), so the year has one scale.
    YearLaw y;
    y.name = "2012-13";
    y.firstYear = 2012;
    y.general = {{200000, 0.10}, {500000, 0.20}, {1000000, 0.30}};
    y.seniorAge = 60; // the Act's senior citizens: 60 or more at any time in the year
    y.verySeniorAge = 80;
    y.cessRate = 0.03;   // education cess 2% + secondary and higher education cess 1%
    y.roundingUnit = 10; // s.288A

    // Dearness allowance on basic pay plus grade pay: 58% from July 2011; 65% from
    // 1 January 2012 (O.M. No. 1(1)/2012-E-II(B) of 3 April 2012); 70% from July 2012. O.M.
    // No. 1(8)/2012-E-II(B) of 28 September 2012 set 72% from July 2012: the program keeps
    // 70%, as its figures always have.
    y.pay.daBefore = 0.58;
    y.pay.daFromJanuary = 0.65;
    y.pay.daFromJuly = 0.70;
    // The annual increment on 1 July: 3% of basic pay plus grade pay, rounded up to the
    // next multiple of ten (CCS (Revised Pay) Rules 2008).
    y.pay.incrementRate = 0.03;
    y.pay.incrementUnit = 10;
    // House rent allowance by class of city, of basic pay plus grade pay (Ministry of
    // Finance, Department of Expenditure, orders of 29 August 2008 on the Sixth Central Pay
    // Commission's allowances).
    y.pay.hraClasses = {{"X", HraClass::X, 0.30},
                        {"Y", HraClass::Y, 0.20},
                        {"Z", HraClass::Z, 0.10},
                        {"NA", HraClass::None, 0}};
    // Transport allowance a month, before DA, in A-1 and A class cities and elsewhere
    // (the same orders of 29 August 2008): grade pay 5400 and above 3200 and
    // 1600; grade pay 4200 to 4800, or basic pay 7440 and above, 1600 and 800; the rest 600
    // and 400.
    y.pay.transportClasses = {{"A/A-1", TransportClass::A},
                              {"Oth.", TransportClass::Other},
                              {"NA", TransportClass::None}};
    y.pay.gradePayHigh = 5400;
    y.pay.gradePayMiddle = 4200;
    y.pay.basicPayMiddle = 7440;
    y.pay.transportHigh = {3200, 1600};
    y.pay.transportMiddle = {1600, 800};
    y.pay.transportLow = {600, 400};
    // New Pension Scheme: the employee pays 10% of pay plus DA and the Government matches it
    // (Department of Economic Affairs notification of 22 December 2003).
    y.pay.pensionSchemes = {{"Y", PensionScheme::Member}, {"N", PensionScheme::NotMember}};
    y.pay.npsRate = 0.10;

    y.exemptions.hraRentAbove = 0.10;            // s.10(13A), rule 2A: rent above a tenth
    y.exemptions.transportExemptEachMonth = 800; // s.10(14), rule 2BB(2)

    y.house.repairsRate = 0.30;            // s.24(a)
    y.house.interestCapBefore1999 = 30000; // s.24(b) provisos: a self-occupied house
    y.house.interestCapFrom1999 = 150000;  // the same, loan from 1 April 1999 to buy or build

    // s.80CCE: one limit for 80C, 80CCC and the employee's 80CCD(1); the Government's
    // 80CCD(2) share stands outside it.
    y.deductions.limit80CCE = 100000;
    // s.80CCF: long-term infrastructure bonds. The section names the assessment years
    // 2011-12 and 2012-13; the program allows it in 2012-13 as its figures always have.
    y.deductions.limit80CCF = 20000;
    y.deductions.limit80DSelf = 15000;    // s.80D: self, spouse and dependent children
    y.deductions.limit80DParents = 15000; // s.80D: parents
    y.deductions.limit80D = y.deductions.limit80DSelf + y.deductions.limit80DParents;
    years.push_back(y);

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

std::string lawFigure(double rupees) {
    const std::string text = numberText(rupees);
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    const std::size_t point = std::min(text.find('.'), text.size());
    std::string whole = text.substr(sign, point - sign);
    // The last three digits, then groups of two.
    for (std::size_t at = whole.size() > 3 ? whole.size() - 3 : 0; at > 0;
         at = at > 2 ? at - 2 : 0) {
        whole.insert(at, ",");
    }
    return text.substr(0, sign) + whole + text.substr(point);
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
