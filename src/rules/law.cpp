#include "rules/law.h"

#include "common/amount.h"

#include <algorithm>
#include <stdexcept>

namespace fiscora {
namespace {

YearLaw year2012();

// Every figure of an earlier year's tax cites the year's Act, from the year's first day.
void cite(YearLaw& y, const std::string& act) {
    const Source source{act, std::to_string(y.firstYear) + "-04-01"};
    y.general.source = source;
    for (std::optional<Sourced<Scale>>* scale : {&y.woman, &y.senior, &y.verySenior}) {
        if (*scale) {
            (*scale)->source = source;
        }
    }
    y.seniorAge.source = source;
    y.verySeniorAge.source = source;
    y.cessRate.source = source;
    y.roundingUnit.source = {"Income-tax Act 1961, s.288A", "1988-04-01"};
}

// The years in order, 2005-06 first, as the program's forms work them out. Built on first
// use, so that no other file's initialisation can see them unbuilt.
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
                     .general = Scale{{110000, 0.10}, {150000, 0.20}, {250000, 0.30}},
                     .woman = Scale{{145000, 0.10}, {150000, 0.20}, {250000, 0.30}},
                     .senior = Scale{{195000, 0.20}, {250000, 0.30}},
                     .seniorAge = 65,
                     .surcharge = surchargeTo2008,
                     .cessRate = 0.03,
                     .roundingUnit = 10});

    // Finance Act 2008, First Schedule, Part III; CBDT Circular No. 9/2008 of 29 September 2008.
    years.push_back({.name = "2008-09",
                     .firstYear = 2008,
                     .general = Scale{{150000, 0.10}, {300000, 0.20}, {500000, 0.30}},
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
                     .general = Scale{{160000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .woman = Scale{{190000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .senior = Scale{{240000, 0.10}, {300000, 0.20}, {500000, 0.30}},
                     .seniorAge = 65,
                     .cessRate = 0.03,
                     .roundingUnit = 10});

    // Finance Act 2010, First Schedule, Part III; CBDT Circular No. 8/2010 of 13 December 2010.
    years.push_back({.name = "2010-11",
                     .firstYear = 2010,
                     .general = Scale{{160000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .woman = Scale{{190000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .senior = Scale{{240000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .seniorAge = 65,
                     .cessRate = 0.03,
                     .roundingUnit = 10});

    // Finance Act 2011, First Schedule, Part III: senior citizens from 60, very senior citizens
    // from 80; CBDT Circular No. 5/2011 of 16 August 2011.
    years.push_back({.name = "2011-12",
                     .firstYear = 2011,
                     .general = Scale{{180000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .woman = Scale{{190000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .senior = Scale{{250000, 0.10}, {500000, 0.20}, {800000, 0.30}},
                     .verySenior = Scale{{500000, 0.20}, {800000, 0.30}},
                     .seniorAge = 60,
                     .verySeniorAge = 80,
                     .cessRate = 0.03,
                     .roundingUnit = 10});

    // The Act of each earlier year, beside every figure of its tax.
    const char* const acts[] = {"Finance Act 2005", "Finance Act 2006",         "Finance Act 2007",
                                "Finance Act 2008", "Finance (No. 2) Act 2009", "Finance Act 2010",
                                "Finance Act 2011"};
    for (std::size_t i = 0; i < years.size(); ++i) {
        cite(years[i], std::string(acts[i]) + ", First Schedule, Part III");
    }

    years.push_back(year2012());
    return years;
}

// The figures of 2012-13 as the program's forms were designed to work them out. Where they
// are not the law's, the departure is recorded beside them, with the law's figure.
YearLaw year2012() {
    const Source schedule{"Finance Act 2012, First Schedule, Part III", "2012-04-01"};
    YearLaw y;
    y.name = "2012-13";
    y.firstYear = 2012;
    // No surcharge. The program applies the scale of individuals below 60 to everyone, so
    // the year has one scale.
    y.general = {Scale{{200000, 0.10}, {500000, 0.20}, {1000000, 0.30}}, schedule};
    y.seniorAge = {60,
                   {"Finance Act 2012, First Schedule, Part III, Paragraph A (ii)",
                    "2012-04-01"}}; // 60 or more at any time in the year
    y.verySeniorAge = {
        80, {"Finance Act 2012, First Schedule, Part III, Paragraph A (iii)", "2012-04-01"}};
    // Education cess 2% + secondary and higher education cess 1%.
    y.cessRate = {0.03, {"Finance Act 2012, s.2(11) and (12)", "2012-04-01"}};
    y.roundingUnit = {10, {"Income-tax Act 1961, s.288A", "1988-04-01"}};

    const Source daJuly{"O.M. No. 1(8)/2012-E-II(B) of 28 September 2012", "2012-07-01"};
    y.pay.daBefore = {0.58, {"O.M. No. 1(14)/2011-E-II(B) of 3 October 2011", "2011-07-01"}};
    y.pay.daFromJanuary = {0.65, {"O.M. No. 1(1)/2012-E-II(B) of 3 April 2012", "2012-01-01"}};
    // The program keeps 70% from July 2012, as its figures always have.
    y.pay.daFromJuly = {0.70, daJuly};
    // The annual increment on 1 July: 3% of basic pay plus grade pay, rounded up to the
    // next multiple of ten.
    const Source payRules{"CCS (Revised Pay) Rules 2008, rule 10", "2008-01-01"};
    y.pay.incrementRate = {0.03, payRules};
    y.pay.incrementUnit = {10, payRules};
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
    const Source transport{"Department of Expenditure, orders of 29 August 2008 on the "
                           "Sixth Central Pay Commission's allowances",
                           "2008-09-01"};
    y.pay.transportClasses = {{"A/A-1", TransportClass::A},
                              {"Oth.", TransportClass::Other},
                              {"NA", TransportClass::None}};
    y.pay.gradePayHigh = {5400, transport};
    y.pay.gradePayMiddle = {4200, transport};
    y.pay.basicPayMiddle = {7440, transport};
    y.pay.transportHigh = {{3200, 1600}, transport};
    y.pay.transportMiddle = {{1600, 800}, transport};
    y.pay.transportLow = {{600, 400}, transport};
    // New Pension Scheme: the employee pays 10% of pay plus DA and the Government matches it.
    y.pay.pensionSchemes = {{"Y", PensionScheme::Member}, {"N", PensionScheme::NotMember}};
    y.pay.npsRate = {
        0.10, {"Department of Economic Affairs notification of 22 December 2003", "2004-01-01"}};

    y.exemptions.hraRentAbove = {0.10, {"Income-tax Rules 1962, rule 2A(b)", "1962-04-01"}};
    y.exemptions.transportExemptEachMonth = {800,
                                             {"Income-tax Rules 1962, rule 2BB(2)", "2008-04-01"}};

    const Source s24{"Income-tax Act 1961, s.24", "2002-04-01"};
    y.house.repairsRate = {0.30, s24};
    y.house.interestCapBefore1999 = {30000, s24}; // a self-occupied house
    y.house.interestCapFrom1999 = {150000, s24};  // loan from 1 April 1999 to buy or build

    // s.80CCE: one limit for 80C, 80CCC and the employee's 80CCD(1); the Government's
    // 80CCD(2) share stands outside it.
    y.deductions.limit80CCE = {100000, {"Income-tax Act 1961, s.80CCE", "2006-04-01"}};
    // s.80CCF names the assessment years 2011-12 and 2012-13 only; the program allows it in
    // 2012-13 as its figures always have.
    const Source s80ccf{"Income-tax Act 1961, s.80CCF", "2010-04-01"};
    y.deductions.limit80CCF = {20000, s80ccf};
    const Source s80d{"Income-tax Act 1961, s.80D, as amended by the Finance Act 2012",
                      "2012-04-01"};
    y.deductions.limit80DSelf = {15000, s80d};    // self, spouse and dependent children
    y.deductions.limit80DParents = {15000, s80d}; // parents
    y.deductions.limit80D = {y.deductions.limit80DSelf + y.deductions.limit80DParents, s80d};

    y.departures = {
        {"A taxpayer of 60 to 79 is taxed on the scale of those below 60",
         "Finance Act 2012, First Schedule, Part III, Paragraph A (ii)", "nil to 2,00,000",
         "nil to 2,50,000"},
        {"A taxpayer of 80 or more is taxed on the scale of those below 60",
         "Finance Act 2012, First Schedule, Part III, Paragraph A (iii)",
         "nil to 2,00,000, 10% to 5,00,000", "nil to 5,00,000"},
        {"Dearness allowance from July 2012", daJuly.reference, "70%", "72%"},
        {"HRA exemption: the limb of half or two fifths of salary is not applied",
         "Income-tax Act 1961, s.10(13A); Income-tax Rules 1962, rule 2A(c)", "two limbs",
         "the least of three"},
        {"Section 80CCF allowed in 2012-13", s80ccf.reference, "up to 20,000",
         "nil: the section names the assessment years 2011-12 and 2012-13 only"},
        {"Section 80D: one limit for the family and the parents together", s80d.reference,
         "30,000 in all", "15,000 each (20,000 for a senior citizen)"},
        {"Section 80TTA: interest on savings bank deposits not deducted",
         "Income-tax Act 1961, s.80TTA, inserted by the Finance Act 2012", "nil", "up to 10,000"},
        {"Tax on employment not deducted from salary", "Income-tax Act 1961, s.16(iii)", "nil",
         "up to 2,500"},
        {"Relief under section 89 taken off the tax before the cess",
         "Income-tax Act 1961, s.89; Income-tax Rules 1962, rule 21A", "before the cess",
         "off the tax and cess together"},
        {"The relief form taxes the year of receipt on the scale of those below 60",
         "Income-tax Rules 1962, rule 21A; Form No. 10E, Annexure I", "the scale below 60",
         "the taxpayer's own scale"},
        {"The net taxable income ending in 5 is rounded to the even ten",
         "Income-tax Act 1961, s.288A", "123465 becomes 123460", "123465 becomes 123470"},
        {"Deductions under chapter VI-A may exceed the gross total income",
         "Income-tax Act 1961, s.80A(2)", "a net taxable income below nil",
         "no more than the gross total income"},
        {"Tax payable and the balance are not rounded", "Income-tax Act 1961, s.288B",
         "to the rupee", "to the nearest ten rupees"},
    };
    return y;
}

// 2012-13 as the Income-tax Act 1961, as amended by the Finance Act 2012, the rules under it
// and the pay orders of the central government for the year have it.
YearLaw enacted2012() {
    const Source schedule{"Finance Act 2012, First Schedule, Part III", "2012-04-01"};
    YearLaw y = year2012();
    y.mode = Mode::Enacted;
    y.departures.clear();
    y.senior = Sourced<Scale>{{{250000, 0.10}, {500000, 0.20}, {1000000, 0.30}},
                              {schedule.reference + ", Paragraph A (ii)", schedule.from}};
    y.verySenior = Sourced<Scale>{{{500000, 0.20}, {1000000, 0.30}},
                                  {schedule.reference + ", Paragraph A (iii)", schedule.from}};
    y.rounding = {Rounding::FiveUp, {"Income-tax Act 1961, s.288A", "1988-04-01"}};
    y.taxRoundingUnit = {10, {"Income-tax Act 1961, s.288B", "1988-04-01"}};
    y.reliefAfterCess = {
        true, {"Income-tax Act 1961, s.89; Income-tax Rules 1962, rule 21A", "2012-04-01"}};
    y.deductionsWithinIncome = {true, {"Income-tax Act 1961, s.80A(2)", "1968-04-01"}};
    y.pay.daFromJuly = {0.72, y.pay.daFromJuly.source};
    const Source rule2A{"Income-tax Act 1961, s.10(13A); Income-tax Rules 1962, rule 2A(c)",
                        "1962-04-01"};
    y.exemptions.hraMetroShare = {0.50, rule2A}; // Delhi, Mumbai, Kolkata, Chennai
    y.exemptions.hraElsewhereShare = {0.40, rule2A};
    y.exemptions.employmentTaxLimit = {2500,
                                       {"Income-tax Act 1961, s.16(iii); "
                                        "Constitution of India, article 276(2)",
                                        "1988-04-01"}};
    y.deductions.limit80CCF = {0, y.deductions.limit80CCF.source};
    y.deductions.limit80DSenior = {20000, y.deductions.limit80DSelf.source};
    y.deductions.limit80TTA = {10000, {"Income-tax Act 1961, s.80TTA", "2012-04-01"}};
    return y;
}

// An earlier year under the law as enacted: its total income rounded as s.288A has it.
YearLaw enactedEarlier(YearLaw y) {
    y.mode = Mode::Enacted;
    y.rounding = {Rounding::FiveUp, {"Income-tax Act 1961, s.288A", "1988-04-01"}};
    return y;
}

struct Years {
    std::vector<YearLaw> program;
    std::vector<YearLaw> enacted;
};

const Years& allYears() {
    static const Years all = [] {
        Years y{buildYears(), {}};
        for (std::size_t i = 0; i + 1 < y.program.size(); ++i) {
            y.enacted.push_back(enactedEarlier(y.program[i]));
        }
        y.enacted.push_back(enacted2012());
        return y;
    }();
    return all;
}

const std::vector<YearLaw>& years(Mode mode) {
    return mode == Mode::Enacted ? allYears().enacted : allYears().program;
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
    const std::optional<Sourced<Scale>>* own = c == Category::Woman        ? &woman
                                               : c == Category::Senior     ? &senior
                                               : c == Category::VerySenior ? &verySenior
                                                                           : nullptr;
    return own && *own ? (*own)->value : general.value;
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

const YearLaw& law2012(Mode mode) {
    return years(mode).at(earlierYears);
}

const YearLaw& earlierLaw(int row, Mode mode) {
    if (row < 0 || row >= earlierYears) {
        throw std::out_of_range("no earlier year " + std::to_string(row));
    }
    return years(mode)[static_cast<std::size_t>(row)];
}

const std::vector<std::string>& notCovered() {
    static const std::vector<std::string> texts = {
        "income other than salary, house property and other sources",
        "section 80CCG (the Rajiv Gandhi Equity Saving Scheme)",
        "a taxpayer who is not resident in India",
        "the limit of 5,000 on preventive health check-ups within section 80D: enter no more "
        "than 5,000 of them in the premiums"};
    return texts;
}

} // namespace fiscora
