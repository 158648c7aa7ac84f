#pragma once
// Income tax of an individual on the law of a year: the steps from total income to the tax
// payable, each rounded as the worksheet rounds it.
#include "rules/law.h"

namespace fiscora {

// s.288A: total income rounded to the year's unit (ten rupees), a half to the even ten.
double roundedIncome(const YearLaw& year, double totalIncome);

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

} // namespace fiscora
