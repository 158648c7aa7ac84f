#include "rules/tax.h"

#include "common/amount.h"

#include <algorithm>
#include <cmath>

namespace fiscora {

namespace {

// Paise dropped, then to the nearest unit with a half up; a loss is rounded as its amount.
double fiveUp(double amount, double unit) {
    const double rupees = std::trunc(amount);
    const double units = std::floor(std::fabs(rupees) / unit + 0.5);
    return std::copysign(units * unit, rupees) + 0.0; // no negative nil
}

} // namespace

double roundedIncome(const YearLaw& year, double totalIncome) {
    if (year.rounding.value == Rounding::FiveUp) {
        return fiveUp(totalIncome, year.roundingUnit);
    }
    return roundHalfEven(totalIncome / year.roundingUnit) * year.roundingUnit;
}

double roundedTax(const YearLaw& year, double tax) {
    return year.taxRoundingUnit > 0 ? fiveUp(tax, year.taxRoundingUnit) : tax;
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
    // s.16(iii): no more than the limit, nor than the salary it comes off.
    const double salary = in.grossSalary - t.exemptAllowances;
    t.employmentTax =
        std::clamp(in.employmentTax, 0.0,
                   std::max(0.0, std::min(year.exemptions.employmentTaxLimit.value, salary)));
    t.salaryIncome = shown(salary - t.employmentTax);
    t.grossTotalIncome = shown(t.salaryIncome + in.houseProperty + in.otherSources);
    const double deductions =
        year.deductionsWithinIncome
            ? std::clamp(in.deductions80, 0.0, std::max(t.grossTotalIncome, 0.0))
            : in.deductions80;
    t.netTaxableIncome = shown(roundedIncome(year, t.grossTotalIncome - deductions));
    t.grossTax = shown(slabTax(year, in.category, t.netTaxableIncome));
    t.netTax = shown(std::max(t.grossTax - in.relief89, 0.0));
    if (year.reliefAfterCess) {
        // The cess on the tax before relief; the relief off the two together, never below nil.
        t.cess = shown(cessOn(year, t.grossTax));
        t.totalTax = shown(roundedTax(year, std::max(t.grossTax + t.cess - in.relief89, 0.0)));
    } else {
        t.cess = shown(cessOn(year, t.netTax));
        t.totalTax = shown(roundedTax(year, t.netTax + t.cess));
    }
    t.balanceTax = shown(roundedTax(year, t.totalTax - in.taxDeducted));
    return t;
}

} // namespace fiscora
