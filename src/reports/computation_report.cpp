#include "reports/computation_report.h"

#include "reports/page.h"

namespace reports {

namespace {

// Label columns: section heads and totals, their items, and the items of section 80C.
constexpr double head = 1.0;
constexpr double item = 1.2;
constexpr double subItem = 1.4;
// Right edges of the amount columns: items that are added up, subtotals, and the income of
// each head with the figures of the tax.
constexpr double inner = 5.0;
constexpr double middle = 6.0;
constexpr double outer = 7.0;
// Where the rules under the inner amounts begin.
constexpr double innerRule = 4.0;

const QString title = QStringLiteral("CALCULATION OF INCOME TAX FOR THE YEAR 2012-13");

} // namespace

std::optional<QString> npsAmount(const ComputationData& data) {
    return amountText(figure(data.npsGovernment) + figure(data.npsEmployee));
}

QString unprintable(const ComputationData& data) {
    if (!npsAmount(data)) {
        return QStringLiteral("The contributions to the New Pension Scheme on the deductions "
                              "form are too large to add up for the line \"NPS (EC + GC) "
                              "(80CCD)\". Please correct them and print again.");
    }
    return {};
}

bool printComputation(toolkit::Printer& p, const ComputationData& d) {
    auto label = [&p](double x, double y, const QString& text) { p.print(x, y, text); };
    auto amount = [&p](double edge, double y, const QString& text) {
        printRight(p, edge, y, text);
    };

    // The page runs 10.3 inches down: portrait, whatever the last page printed used.
    p.setOrientation(toolkit::Orientation::Portrait);
    p.setFontName(typeface);
    p.setFontSize(12);
    p.setBold(true);
    p.setUnderline(true);
    p.setItalic(false);
    label(head, 0.4, title);
    label(head, 0.6, d.name);

    p.setFontSize(9);
    p.setUnderline(false);
    label(head, 1.15, QStringLiteral("INCOME FROM 'SALARY'"));
    p.setBold(false);
    label(head, 1.30, QStringLiteral("Gross Salary :-"));
    amount(middle, 1.30, d.grossSalary);
    label(head, 1.45, QStringLiteral("Less Allowances Exempt u/s 10 :-"));
    label(item, 1.60, QStringLiteral("Transport Allowance :-"));
    amount(inner, 1.60, d.transportExempt);
    label(item, 1.75, QStringLiteral("House Rent Allowance :-"));
    amount(inner, 1.75, d.hraExempt);
    p.drawLine(innerRule, 1.90, inner, 1.90);
    amount(middle, 1.75, d.totalExempt);
    p.drawLine(inner, 1.90, middle, 1.90);
    p.setBold(true);
    amount(outer, 1.90, d.salaryIncome);

    label(head, 2.20, QStringLiteral("INCOME FROM 'HOUSE PROPERTY'"));
    p.setBold(false);
    label(head, 2.35, QStringLiteral("Annual Rental Value"));
    amount(middle, 2.35, d.annualValue);
    label(head, 2.50, QStringLiteral("Less Property Taxes :-"));
    amount(middle, 2.50, d.propertyTaxes);
    p.drawLine(inner, 2.65, middle, 2.65);
    label(head, 2.65, QStringLiteral("Gross Income from House Property :-"));
    amount(middle, 2.65, d.grossHouseIncome);
    label(head, 2.80, QStringLiteral("Less Deductions u/s 24 :-"));
    label(item, 2.95, QStringLiteral("Repairs & Maintenance :-"));
    amount(inner, 2.95, d.repairs);
    label(item, 3.10, QStringLiteral("Interest on Borrowed Capital :-"));
    amount(inner, 3.10, d.interest);
    label(item, 3.25, QStringLiteral("Others :-"));
    amount(inner, 3.25, d.others24);
    amount(middle, 3.25, d.total24);
    p.drawLine(innerRule, 3.40, middle, 3.40);
    p.setBold(true);
    amount(outer, 3.40, d.houseIncome);

    label(head, 3.70, QStringLiteral("INCOME FROM 'OTHER SOURCES' :-"));
    amount(outer, 3.70, d.otherSources);
    p.drawLine(middle, 3.85, outer, 3.85);
    label(head, 4.00, QStringLiteral("GROSS TOTAL INCOME :-"));
    amount(outer, 4.00, d.grossTotalIncome);

    p.setBold(false);
    label(head, 4.30, QStringLiteral("Deductions u/s 80 :-"));
    label(item, 4.45, QStringLiteral("Section 80C :-"));
    const std::pair<const char*, const QString*> savings80C[] = {
        {"GPF -", &d.gpf},
        {"CGEGIS -", &d.cgegis},
        {"HBA -", &d.hba},
        {"LIC -", &d.lic},
        {"PPF -", &d.ppf},
        {"NSC -", &d.nsc},
        {"NSC Interest -", &d.nscInterest},
        {"Tuition Fee (I) -", &d.tuitionFee1},
        {"Tuition Fee (II) -", &d.tuitionFee2},
        {"Infrastructure Bonds -", &d.infrastructure80C},
        {"Other Savings -", &d.otherSavings},
    };
    for (std::size_t i = 0; i < std::size(savings80C); ++i) {
        const double y = 4.60 + 0.15 * static_cast<double>(i);
        label(subItem, y, QString::fromLatin1(savings80C[i].first));
        amount(inner, y, *savings80C[i].second);
    }
    label(item, 6.25, QStringLiteral("Total (80C) -"));
    amount(inner, 6.25, d.total80C);
    p.drawLine(innerRule, 6.25, inner, 6.25);
    label(item, 6.40, QStringLiteral("Jeevan Suraksha (80CCC) :-"));
    amount(inner, 6.40, d.pension80CCC);
    label(item, 6.55, QStringLiteral("NPS (EC + GC) (80CCD):-"));
    amount(inner, 6.55, npsAmount(d).value_or(QString()));
    p.drawLine(innerRule, 6.70, inner, 6.70);
    label(item, 6.70, QStringLiteral("Total(80C+80CCC+80CCD) -"));
    amount(middle, 6.70, d.total80CCE);
    label(item, 6.85, QStringLiteral("Infrastructure Bonds (80CCF) -"));
    amount(middle, 6.85, d.bonds80CCF);
    label(item, 7.00, QStringLiteral("Mediclaim/CGHS (80D) : -"));
    amount(middle, 7.00, d.mediclaim80D);
    label(item, 7.15, QStringLiteral("Donations (80G) :-"));
    amount(middle, 7.15, d.donations80G);
    label(item, 7.30, QStringLiteral("Other Deductions :-"));
    amount(middle, 7.30, d.otherDeductions);

    p.setBold(true);
    label(head, 7.45, QStringLiteral("Total Deductions u/s 80 :-"));
    amount(outer, 7.45, d.totalDeductions);
    p.drawLine(inner, 7.45, middle, 7.45);
    label(head, 7.60, QStringLiteral("NET TAXABLE INCOME :-"));
    amount(outer, 7.60, d.netTaxableIncome);
    p.drawLine(middle, 7.60, outer, 7.60);
    p.drawLine(middle, 7.75, outer, 7.75);
    label(head, 7.75, QStringLiteral("GROSS TAX :-"));
    amount(outer, 7.75, d.grossTax);
    label(head, 7.90, QStringLiteral("Relief u/s 89 :-"));
    amount(outer, 7.90, d.relief89);
    p.drawLine(middle, 8.05, outer, 8.05);
    label(head, 8.05, QStringLiteral("NET TAX :-"));
    amount(outer, 8.05, d.netTax);
    label(head, 8.20, QStringLiteral("Education Cess :-"));
    amount(outer, 8.20, d.cess);
    label(head, 8.35, QStringLiteral("TOTAL TAX :-"));
    amount(outer, 8.35, d.totalTax);
    p.drawLine(middle, 8.35, outer, 8.35);
    label(head, 8.50, QStringLiteral("TAX DEDUCTED :-"));
    amount(outer, 8.50, d.taxDeducted);
    label(head, 8.65, QStringLiteral("BALANCE TAX :-"));
    amount(outer, 8.65, d.balanceTax);
    p.drawLine(middle, 8.65, outer, 8.65);
    p.drawLine(middle, 8.80, outer, 8.80);

    p.setBold(false);
    p.setItalic(true);
    p.setFontSize(8);
    label(head, 10.10,
          QStringLiteral("Generated by Fiscora1213 :- The Fiscora Team, Fiscora Project "
                         "(Free Download:- %1)")
              .arg(d.downloadPage));
    label(head, 10.30,
          QStringLiteral("Suggestions and reports of faults are welcome at %1/issues")
              .arg(d.downloadPage));
    return p.endDocument();
}

} // namespace reports
