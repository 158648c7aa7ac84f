#include "app/tax.h"

#include "common/amount.h"

#include <algorithm>

namespace fiscora {
namespace {

// Finance Act 2012: one scale for every individual, no surcharge.
constexpr double nilSlabLimit = 200000;
constexpr double tenPercentLimit = 500000;
constexpr double twentyPercentLimit = 1000000;
constexpr double taxAtTenPercentLimit = 30000;     // 10% of 300000
constexpr double taxAtTwentyPercentLimit = 130000; // 30000 + 20% of 500000
constexpr double educationCessRate = 0.03;         // 2% education + 1% higher education
constexpr double roundingUnit = 10;                // s.288A: income rounded to ten rupees

} // namespace

double slabTax(double n) {
    if (n <= nilSlabLimit) {
        return 0;
    }
    if (n <= tenPercentLimit) {
        return roundHalfEven((n - nilSlabLimit) * 0.1);
    }
    if (n <= twentyPercentLimit) {
        return roundHalfEven((n - tenPercentLimit) * 0.2) + taxAtTenPercentLimit;
    }
    return roundHalfEven((n - twentyPercentLimit) * 0.3) + taxAtTwentyPercentLimit;
}

// Each figure is taken as the worksheet shows it before the next is worked out from it.
TaxFigures computeTax(const TaxInputs& in) {
    TaxFigures t;
    t.exemptAllowances = shown(in.transportExempt + in.hraExempt);
    t.salaryIncome = shown(in.grossSalary - t.exemptAllowances);
    t.grossTotalIncome = shown(t.salaryIncome + in.houseProperty + in.otherSources);
    t.netTaxableIncome =
        shown(roundHalfEven((t.grossTotalIncome - in.deductions80) / roundingUnit) * roundingUnit);
    t.grossTax = shown(slabTax(t.netTaxableIncome));
    t.netTax = shown(std::max(t.grossTax - in.relief89, 0.0));
    t.cess = shown(roundHalfEven(t.netTax * educationCessRate));
    t.totalTax = shown(t.netTax + t.cess);
    t.balanceTax = shown(t.totalTax - in.taxDeducted);
    return t;
}

} // namespace fiscora
