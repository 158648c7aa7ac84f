#include "reports/computation_report.h"

#include "rules/law.h"

namespace reports {

std::optional<QString> npsAmount(const ComputationData& data) {
    return amountText(figure(data.npsGovernment) + figure(data.npsEmployee));
}

Page<ComputationData> computationPage() {
    using C = ComputationData;
    constexpr Align L = Align::Left;
    // Label columns: section heads and totals, their items, and the items of section 80C.
    constexpr double head = 1.0, item = 1.2, subItem = 1.4;
    // Amount columns: items that are added up, subtotals, and the income of each head with
    // the figures of the tax; each column's rules span its space.
    constexpr Column inner{4, 5}, middle{5, 6}, outer{6, 7};
    const Font title{12, true, false, true}, bold{9, true}, plain{9};
    const Text<C> nps = [](const C& d) { return npsAmount(d).value_or(QString()); };
    Page<C> page{
        toolkit::Orientation::Portrait,
        {
            {0.40, title, {{L, head, "CALCULATION OF INCOME TAX FOR THE YEAR " + yearName()}}},
            {0.60, title, {{L, head, &C::name}}},
            {1.15, bold, {{L, head, "INCOME FROM 'SALARY'"}}},
            {1.30, plain, {{L, head, "Gross Salary :-"}, {middle, &C::grossSalary}}},
            {1.45, plain, {{L, head, "Less Allowances Exempt u/s 10 :-"}}},
            {1.60, plain, {{L, item, "Transport Allowance :-"}, {inner, &C::transportExempt}}},
            {1.75,
             plain,
             {{L, item, "House Rent Allowance :-"},
              {inner, &C::hraExempt},
              {middle, &C::totalExempt, "Less Allowances Exempt u/s 10"}}},
            {1.90, bold, {{outer, &C::salaryIncome, "INCOME FROM 'SALARY'"}}},
            {2.20, bold, {{L, head, "INCOME FROM 'HOUSE PROPERTY'"}}},
            {2.35, plain, {{L, head, "Annual Rental Value"}, {middle, &C::annualValue}}},
            {2.50, plain, {{L, head, "Less Property Taxes :-"}, {middle, &C::propertyTaxes}}},
            {2.65,
             plain,
             {{L, head, "Gross Income from House Property :-"}, {middle, &C::grossHouseIncome}}},
            {2.80, plain, {{L, head, "Less Deductions u/s 24 :-"}}},
            {2.95, plain, {{L, item, "Repairs & Maintenance :-"}, {inner, &C::repairs}}},
            {3.10, plain, {{L, item, "Interest on Borrowed Capital :-"}, {inner, &C::interest}}},
            {3.25,
             plain,
             {{L, item, "Others :-"},
              {inner, &C::others24},
              {middle, &C::total24, "Less Deductions u/s 24"}}},
            {3.40, bold, {{outer, &C::houseIncome, "INCOME FROM 'HOUSE PROPERTY'"}}},
            {3.70, bold, {{L, head, "INCOME FROM 'OTHER SOURCES' :-"}, {outer, &C::otherSources}}},
            {4.00, bold, {{L, head, "GROSS TOTAL INCOME :-"}, {outer, &C::grossTotalIncome}}},
            {4.30, plain, {{L, head, "Deductions u/s 80 :-"}}},
            {4.45, plain, {{L, item, "Section 80C :-"}}},
            {4.60, plain, {{L, subItem, "GPF -"}, {inner, &C::gpf}}},
            {4.75, plain, {{L, subItem, "CGEGIS -"}, {inner, &C::cgegis}}},
            {4.90, plain, {{L, subItem, "HBA -"}, {inner, &C::hba}}},
            {5.05, plain, {{L, subItem, "LIC -"}, {inner, &C::lic}}},
            {5.20, plain, {{L, subItem, "PPF -"}, {inner, &C::ppf}}},
            {5.35, plain, {{L, subItem, "NSC -"}, {inner, &C::nsc}}},
            {5.50, plain, {{L, subItem, "NSC Interest -"}, {inner, &C::nscInterest}}},
            {5.65, plain, {{L, subItem, "Tuition Fee (I) -"}, {inner, &C::tuitionFee1}}},
            {5.80, plain, {{L, subItem, "Tuition Fee (II) -"}, {inner, &C::tuitionFee2}}},
            {5.95, plain, {{L, subItem, "Infrastructure Bonds -"}, {inner, &C::infrastructure80C}}},
            {6.10, plain, {{L, subItem, "Other Savings -"}, {inner, &C::otherSavings}}},
            {6.25, plain, {{L, item, "Total (80C) -"}, {inner, &C::total80C}}},
            {6.40, plain, {{L, item, "Jeevan Suraksha (80CCC) :-"}, {inner, &C::pension80CCC}}},
            {6.55, plain, {{L, item, "NPS (EC + GC) (80CCD):-"}, {inner, nps}}},
            {6.70, plain, {{L, item, "Total(80C+80CCC+80CCD) -"}, {middle, &C::total80CCE}}},
            {6.85, plain, {{L, item, "Infrastructure Bonds (80CCF) -"}, {middle, &C::bonds80CCF}}},
            {7.00, plain, {{L, item, "Mediclaim/CGHS (80D) : -"}, {middle, &C::mediclaim80D}}},
            {7.15, plain, {{L, item, "Donations (80G) :-"}, {middle, &C::donations80G}}},
            {7.30, plain, {{L, item, "Other Deductions :-"}, {middle, &C::otherDeductions}}},
            {7.45, bold, {{L, head, "Total Deductions u/s 80 :-"}, {outer, &C::totalDeductions}}},
            {7.60, bold, {{L, head, "NET TAXABLE INCOME :-"}, {outer, &C::netTaxableIncome}}},
            {7.75, bold, {{L, head, "GROSS TAX :-"}, {outer, &C::grossTax}}},
            {7.90, bold, {{L, head, "Relief u/s 89 :-"}, {outer, &C::relief89}}},
            {8.05, bold, {{L, head, "NET TAX :-"}, {outer, &C::netTax}}},
            {8.20, bold, {{L, head, "Education Cess :-"}, {outer, &C::cess}}},
            {8.35, bold, {{L, head, "TOTAL TAX :-"}, {outer, &C::totalTax}}},
            {8.50, bold, {{L, head, "TAX DEDUCTED :-"}, {outer, &C::taxDeducted}}},
            {8.65, bold, {{L, head, "BALANCE TAX :-"}, {outer, &C::balanceTax}}},
        },
        {{4, 5, 1.90},
         {5, 6, 1.90},
         {5, 6, 2.65},
         {4, 6, 3.40},
         {6, 7, 3.85},
         {4, 5, 6.25},
         {4, 5, 6.70},
         {5, 6, 7.45},
         {6, 7, 7.60},
         {6, 7, 7.75},
         {6, 7, 8.05},
         {6, 7, 8.35},
         {6, 7, 8.65},
         {6, 7, 8.80}},
    };
    for (Row<C>& row : footer(&C::downloadPage)) {
        page.rows.push_back(std::move(row));
    }
    return named(std::move(page));
}

QString unprintable(const ComputationData& data) {
    if (!npsAmount(data)) {
        return QStringLiteral("The contributions to the New Pension Scheme on the deductions "
                              "form are too large to add up for the line \"NPS (EC + GC) "
                              "(80CCD)\". Please correct them and print again.");
    }
    return tooWide(computationPage(), data);
}

bool printComputation(toolkit::Printer& printer, const ComputationData& data, const QString& law) {
    return printPage(printer, withLine(computationPage(), 1.0, 9.10, Font{9}, law), data);
}

bool printComputation(toolkit::Printer& printer, const ComputationData& data) {
    return printComputation(printer, data, QString());
}

} // namespace reports
