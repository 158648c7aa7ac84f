#pragma once
// Income tax of an individual for the financial year 2012-13 (assessment year 2013-14).
namespace fiscora {

struct TaxInputs {
    double grossSalary = 0;
    double transportExempt = 0; // s.10(14): transport allowance exempt
    double hraExempt = 0;       // s.10(13A): house rent allowance exempt
    double houseProperty = 0;   // may be a loss
    double otherSources = 0;
    double deductions80 = 0; // chapter VI-A total
    double relief89 = 0;     // s.89: relief for arrears of salary
    double taxDeducted = 0;  // TDS
};

// Every figure as the worksheet shows it, in the order it is worked out.
struct TaxFigures {
    double exemptAllowances = 0;
    double salaryIncome = 0;
    double grossTotalIncome = 0;
    double netTaxableIncome = 0; // rounded to ten rupees (s.288A)
    double grossTax = 0;
    double netTax = 0;
    double cess = 0;
    double totalTax = 0;
    double balanceTax = 0;
};

// Tax on the slab scale of 2012-13 for a net taxable income that is a whole number of tens.
double slabTax(double netTaxableIncome);

TaxFigures computeTax(const TaxInputs& in);

} // namespace fiscora
