#include "rules/tax.h"

#include "common/amount.h"

#include <algorithm>

namespace fiscora {

double roundedIncome(const YearLaw& year, double totalIncome) {
    return roundHalfEven(totalIncome / year.roundingUnit) * year.roundingUnit;
}

double slabTax(const YearLaw& year, Category category, double income) {
    const Scale& scale = year.scale(category);
    double tax = 0;
    // Written so that a figure that is not a number stays one, for the caller to refuse.
    for (std::size_t i = 0; i < scale.size() && !(income <= scale[i].from); ++i) {
        const bool top = i + 1 == scale.size() || income <= scale[i + 1].from;
        const double upTo = top ? income : scale[i + 1].from;
        tax += roundHalfEven((upTo - scale[i].from) * scale[i].rate);
    }
    return tax;
}

double surchargeOn(const YearLaw& year, Category category, double income, double tax) {
    if (!year.surcharge || !(income > year.surcharge->threshold)) {
        return 0;
    }
    const Surcharge& s = *year.surcharge;
    double surcharge = tax * s.rate;
    if (s.marginalRelief) {
        const double most = slabTax(year, category, s.threshold) + (income - s.threshold) - tax;
        surcharge = std::min(surcharge, most);
    }
    return roundHalfEven(surcharge);
}

double cessOn(const YearLaw& year, double taxAndSurcharge) {
    return roundHalfEven(taxAndSurcharge * year.cessRate);
}

// Each figure is taken as the worksheet shows it before the next is worked out from it.
TaxFigures computeTax(const YearLaw& year, const TaxInputs& in) {
    TaxFigures t;
    t.exemptAllowances = shown(in.transportExempt + in.hraExempt);
    t.salaryIncome = shown(in.grossSalary - t.exemptAllowances);
    t.grossTotalIncome = shown(t.salaryIncome + in.houseProperty + in.otherSources);
    t.netTaxableIncome = shown(roundedIncome(year, t.grossTotalIncome - in.deductions80));
    t.grossTax = shown(slabTax(year, Category::General, t.netTaxableIncome));
    t.netTax = shown(std::max(t.grossTax - in.relief89, 0.0));
    t.cess = shown(cessOn(year, t.netTax));
    t.totalTax = shown(t.netTax + t.cess);
    t.balanceTax = shown(t.totalTax - in.taxDeducted);
    return t;
}

} // namespace fiscora
