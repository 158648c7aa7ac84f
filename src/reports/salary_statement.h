#pragma once
// The printed statement of salary received in the year: one landscape page with the pay of
// each month from March 2012 to February 2013, the arrears of dearness allowance, the
// column totals, the annual extras and the grand total.
#include "reports/page.h"

#include <QString>
#include <array>
#include <optional>

namespace reports {

// The pay columns of one row, as the salary form shows them.
struct PayColumns {
    QString basicPay;
    QString gradePay;
    QString dearness;
    QString hra;
    QString mgc; // the government's contribution to the New Pension Scheme
    QString transport;
    QString total;
};

struct MonthRow {
    QString month; // the row's caption, "Mar 12" to "Feb 13"
    PayColumns pay;
};

// Every text the page shows, exactly as the salary form's fields stand.
struct SalaryStatementData {
    QString name;
    std::array<MonthRow, 12> months; // March 2012 to February 2013
    // The arrears of the two arrears months, January and February 2012: the page adds each
    // pair into one line.
    std::array<QString, 2> dearnessArrears;
    std::array<QString, 2> mgcArrears;
    std::array<QString, 2> transportArrears;
    PayColumns totals;
    // The annual figures.
    QString arrears;
    QString bonus;
    QString overtime;
    QString tuitionFee;
    QString honorarium;
    QString otherAllowances;
    QString grandTotal;
};

// The "DA Arr." line: each pair of arrears read as its leading number and added, and the
// three sums added as printed.
struct ArrearsRow {
    QString dearness;
    QString mgc;
    QString transport;
    QString total;
};

// Nothing when a sum is too large to print.
std::optional<ArrearsRow> arrearsRow(const SalaryStatementData& data);

// The page: every text, where it stands and in which font, and its rules.
Page<SalaryStatementData> statementPage();

// Why the page cannot be printed as it stands, or an empty text when it can.
QString unprintable(const SalaryStatementData& data);

// Prints the page on a landscape sheet and ends the document; true when the page came out.
// `law`: the line that names the law the figures follow, below the page's table; the page
// says nothing of it when it is empty.
bool printSalaryStatement(toolkit::Printer& printer, const SalaryStatementData& data,
                          const QString& law);
bool printSalaryStatement(toolkit::Printer& printer, const SalaryStatementData& data);

} // namespace reports
