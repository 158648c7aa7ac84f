#include "reports/salary_statement.h"

#include "common/amount.h"
#include "reports/page.h"

namespace reports {

namespace {

// Columns end at whole inches: month, basic pay, grade pay, dearness allowance, HRA, MGC,
// transport allowance, total.
constexpr double monthColumn = 1;
constexpr double basicColumn = 2;
constexpr double gradeColumn = 3;
constexpr double dearnessColumn = 4;
constexpr double hraColumn = 5;
constexpr double mgcColumn = 6;
constexpr double transportColumn = 7;
constexpr double totalColumn = 8;
// The title and the name are centred on the line 5 inches from the left.
constexpr double axis = 5;
// The rules run from the month column to a little past the totals.
constexpr double ruleEnd = 8.1;

const QString title = QStringLiteral("DETAILS OF SALARY RECEIVED FOR THE YEAR 2012 - 2013");

void printPay(toolkit::Printer& p, double y, const PayColumns& pay) {
    printRight(p, basicColumn, y, pay.basicPay);
    printRight(p, gradeColumn, y, pay.gradePay);
    printRight(p, dearnessColumn, y, pay.dearness);
    printRight(p, hraColumn, y, pay.hra);
    printRight(p, mgcColumn, y, pay.mgc);
    printRight(p, transportColumn, y, pay.transport);
    printRight(p, totalColumn, y, pay.total);
}

} // namespace

std::optional<ArrearsRow> arrearsRow(const SalaryStatementData& d) {
    auto pair = [](const std::array<QString, 2>& texts) {
        return figure(texts[0]) + figure(texts[1]);
    };
    const double dearness = pair(d.dearnessArrears);
    const double mgc = pair(d.mgcArrears);
    const double transport = pair(d.transportArrears);
    // The total adds the three amounts as they are printed.
    const double total = fiscora::shown(dearness) + fiscora::shown(mgc) + fiscora::shown(transport);
    const auto t = amountText(total);
    const auto a = amountText(dearness);
    const auto m = amountText(mgc);
    const auto tr = amountText(transport);
    if (!a || !m || !tr || !t) {
        return std::nullopt;
    }
    return ArrearsRow{*a, *m, *tr, *t};
}

QString unprintable(const SalaryStatementData& data) {
    if (!arrearsRow(data)) {
        return QStringLiteral("The arrears of January and February 2012 are too large to add "
                              "up for the line \"DA Arr.\". Please correct them, Calculate "
                              "and print again.");
    }
    return {};
}

bool printSalaryStatement(toolkit::Printer& p, const SalaryStatementData& d) {
    p.setFontName(typeface);
    p.setBold(true);
    p.setUnderline(true);
    p.setItalic(false);
    p.setFontSize(10);
    p.setOrientation(toolkit::Orientation::Landscape);

    printCentred(p, axis, 1.0, title);
    printCentred(p, axis, 1.2, d.name);
    const std::pair<double, const char*> headings[] = {
        {monthColumn, "Month"},         {basicColumn, "Basic"}, {gradeColumn, "GP"},
        {dearnessColumn, "Dearness"},   {hraColumn, "HRA"},     {mgcColumn, "MGC"},
        {transportColumn, "Tpt. All."}, {totalColumn, "Total"},
    };
    for (const auto& [column, text] : headings) {
        printRight(p, column, 1.6, QString::fromLatin1(text));
    }
    printRight(p, basicColumn, 1.8, QStringLiteral("Pay"));
    printRight(p, dearnessColumn, 1.8, QStringLiteral("Allowance"));

    p.setBold(false);
    p.setUnderline(false);
    for (std::size_t i = 0; i < d.months.size(); ++i) {
        const double y = 2.0 + 0.2 * static_cast<double>(i);
        printRight(p, monthColumn, y, d.months[i].month);
        printPay(p, y, d.months[i].pay);
    }

    p.drawLine(monthColumn, 4.4, ruleEnd, 4.4);
    const ArrearsRow arrears = arrearsRow(d).value_or(ArrearsRow{});
    printRight(p, monthColumn, 4.4, QStringLiteral("DA Arr."));
    printRight(p, dearnessColumn, 4.4, arrears.dearness);
    printRight(p, mgcColumn, 4.4, arrears.mgc);
    printRight(p, transportColumn, 4.4, arrears.transport);
    printRight(p, totalColumn, 4.4, arrears.total);

    p.setBold(true);
    printRight(p, monthColumn, 4.6, QStringLiteral("Totals"));
    printPay(p, 4.6, d.totals);
    p.drawLine(monthColumn, 4.8, ruleEnd, 4.8);

    p.setBold(false);
    const std::pair<const char*, const QString*> annual[] = {
        {"Other Allowances :-", &d.otherAllowances},
        {"Over Time Allowance :-", &d.overtime},
        {"Honorarium :-", &d.honorarium},
        {"Tuition Fee :-", &d.tuitionFee},
        {"Bonus :-", &d.bonus},
        {"Arrears :-", &d.arrears},
    };
    for (std::size_t i = 0; i < std::size(annual); ++i) {
        const double y = 5.2 + 0.2 * static_cast<double>(i);
        printRight(p, transportColumn, y, QString::fromLatin1(annual[i].first));
        printRight(p, totalColumn, y, *annual[i].second);
    }

    p.drawLine(transportColumn, 6.4, ruleEnd, 6.4);
    p.setBold(true);
    printRight(p, transportColumn, 6.4, QStringLiteral("GRAND TOTAL :-"));
    printRight(p, totalColumn, 6.4, d.grandTotal);
    p.drawLine(transportColumn, 6.6, ruleEnd, 6.6);

    p.setBold(false);
    p.setFontSize(8);
    p.print(1, 7.0, QStringLiteral("Generated by Fiscora1213"));
    return p.endDocument();
}

} // namespace reports
