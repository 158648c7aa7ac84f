#pragma once
// Income tax of an individual on the law of a year: the steps from total income to the tax
// payable, each rounded as the worksheet rounds it, and the worksheet of 2012-13.
#include "rules/law.h"

namespace fiscora {

// s.288A: total income rounded to the year's unit (ten rupees): a half to the even ten, or,
// as the Act has it, paise dropped and then a last figure of five or more up.
double roundedIncome(const YearLaw& year, double totalIncome);

// s.288B: tax payable rounded to the year's unit in the same way as s.288A; unchanged in a
// year that does not round it.
double roundedTax(const YearLaw& year, double tax);

// Tax on the year's scale for a category, on a total income already rounded; each slab's
// part is rounded to the rupee.
double slabTax(const YearLaw& year, Category category, double income);

// The surcharge on that tax, rounded to the rupee: nil in a year without one or at or below
// its threshold; with marginal relief, tax and surcharge never exceed the tax on the
// threshold plus the income above it.
double surchargeOn(const YearLaw& year, Category category, double income, double tax);

// Education cess (and from 2007-08 secondary and higher education cess) on tax and
// surcharge, rounded to the rupee.
double cessOn(const YearLaw& year, double taxAndSurcharge);

struct TaxInputs {
    double grossSalary = 0;
    double transportExempt = 0; // s.10(14): transport allowance exempt
    double hraExempt = 0;       // s.10(13A): house rent allowance exempt
    double houseProperty = 0;   // may be a loss
    double otherSources = 0;
    double deductions80 = 0;               // chapter VI-A total
    double relief89 = 0;                   // s.89: relief for arrears of salary
    double taxDeducted = 0;                // TDS
    double employmentTax = 0;              // s.16(iii): tax on employment paid
    Category category = Category::General; // the taxpayer's scale, where the year has it
};

// Every figure as the worksheet shows it, in the order it is worked out.
struct TaxFigures {
    double exemptAllowances = 0;
    double employmentTax = 0; // s.16(iii), as allowed
    double salaryIncome = 0;
    double grossTotalIncome = 0;
    double netTaxableIncome = 0; // rounded to ten rupees (s.288A)
    double grossTax = 0;
    double netTax = 0;
    double cess = 0;
    double totalTax = 0;
    double balanceTax = 0;
};

// The worksheet. On the program's own law, one scale for every individual, the general
// scale of the year; under the law as enacted, the taxpayer's own scale, the tax on
// employment taken from salary, the relief taken off the tax and cess together and the tax
// payable and the balance rounded (s.288B).
TaxFigures computeTax(const YearLaw& year, const TaxInputs& in);

} // namespace fiscora
