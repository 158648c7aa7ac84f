#include "reports/salary_statement.h"

#include "common/amount.h"
#include "reports/page.h"

#include <QStringList>

namespace reports {

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
    return tooWide(statementPage(), data);
}

Page<SalaryStatementData> statementPage() {
    using S = SalaryStatementData;
    // Columns end at whole inches: month, basic pay, grade pay, dearness allowance, HRA, MGC,
    // transport allowance, total; each amount's space runs from the column before.
    constexpr double month = 1;
    constexpr double edges[] = {2, 3, 4, 5, 6, 7, 8};
    constexpr QString PayColumns::*pay[] = {
        &PayColumns::basicPay, &PayColumns::gradePay,  &PayColumns::dearness, &PayColumns::hra,
        &PayColumns::mgc,      &PayColumns::transport, &PayColumns::total};
    const char* const names[] = {"Basic Pay", "Grade Pay", "Dearness Allowance",
                                 "HRA",       "MGC",       "Transport Allowance",
                                 "Total"};
    const QStringList months = {"Mar 12", "Apr 12", "May 12", "Jun 12", "Jul 12", "Aug 12",
                                "Sep 12", "Oct 12", "Nov 12", "Dec 12", "Jan 13", "Feb 13"};
    // The title and the name are centred on the line 5 inches from the left; the rules run
    // from the month column to a little past the totals.
    constexpr double axis = 5, ruleEnd = 8.1;
    constexpr Align R = Align::Right;
    const Font heading{10, true, false, true}, bold{10, true}, plain{10}, small{8};
    auto column = [&edges](std::size_t c) { return Column{edges[c] - 1, edges[c]}; };
    // A row of pay: its caption, then one amount in each pay column.
    auto payRow = [&](double y, const Font& font, Text<S> caption, const QString& name,
                      std::function<const PayColumns&(const S&)> of) {
        Row<S> row{y, font, {{R, month, std::move(caption)}}};
        for (std::size_t c = 0; c < std::size(pay); ++c) {
            row.cells.push_back({column(c),
                                 [of, field = pay[c]](const S& d) { return of(d).*field; },
                                 QStringLiteral("%1, %2").arg(names[c], name)});
        }
        return row;
    };
    // The statement spells the year out in full: "2012-13" becomes "2012 - 2013".
    const int firstYear = yearName().left(4).toInt();
    const QString yearSpelled = QStringLiteral("%1 - %2").arg(firstYear).arg(firstYear + 1);
    Page<S> page{
        toolkit::Orientation::Landscape,
        {
            {1.0,
             heading,
             {{Align::Centre, axis, "DETAILS OF SALARY RECEIVED FOR THE YEAR " + yearSpelled}}},
            {1.2, heading, {{Align::Centre, axis, &S::name}}},
            {1.6,
             heading,
             {{R, 1, "Month"},
              {R, 2, "Basic"},
              {R, 3, "GP"},
              {R, 4, "Dearness"},
              {R, 5, "HRA"},
              {R, 6, "MGC"},
              {R, 7, "Tpt. All."},
              {R, 8, "Total"}}},
            {1.8, heading, {{R, 2, "Pay"}, {R, 4, "Allowance"}}},
        },
        {{month, ruleEnd, 4.4}, {month, ruleEnd, 4.8}, {7, ruleEnd, 6.4}, {7, ruleEnd, 6.6}},
    };
    for (std::size_t i = 0; i < 12; ++i) {
        page.rows.push_back(payRow(
            2.0 + 0.2 * static_cast<double>(i), plain,
            [i](const S& d) { return d.months[i].month; }, months[int(i)],
            [i](const S& d) -> const PayColumns& { return d.months[i].pay; }));
    }
    // The DA Arr. line: the arrears of January and February 2012, each pair added.
    auto arrears = [](QString ArrearsRow::*field) {
        return Text<S>([field](const S& d) { return arrearsRow(d).value_or(ArrearsRow{}).*field; });
    };
    page.rows.push_back(
        {4.4,
         plain,
         {{R, month, "DA Arr."},
          {column(2), arrears(&ArrearsRow::dearness), "Dearness Allowance, DA Arr."},
          {column(4), arrears(&ArrearsRow::mgc), "MGC, DA Arr."},
          {column(5), arrears(&ArrearsRow::transport), "Transport Allowance, DA Arr."},
          {column(6), arrears(&ArrearsRow::total), "Total, DA Arr."}}});
    page.rows.push_back(payRow(4.6, bold, "Totals", "Totals",
                               [](const S& d) -> const PayColumns& { return d.totals; }));
    const std::pair<const char*, QString S::*> annual[] = {
        {"Other Allowances :-", &S::otherAllowances},
        {"Over Time Allowance :-", &S::overtime},
        {"Honorarium :-", &S::honorarium},
        {"Tuition Fee :-", &S::tuitionFee},
        {"Bonus :-", &S::bonus},
        {"Arrears :-", &S::arrears},
        {"GRAND TOTAL :-", &S::grandTotal},
    };
    for (std::size_t i = 0; i < std::size(annual); ++i) {
        page.rows.push_back({5.2 + 0.2 * static_cast<double>(i),
                             i == 6 ? bold : plain,
                             {{R, 7, annual[i].first}, {column(6), annual[i].second}}});
    }
    page.rows.push_back({7.0, small, {{Align::Left, 1, "Generated by Fiscora1213"}}});
    return named(std::move(page));
}

bool printSalaryStatement(toolkit::Printer& printer, const SalaryStatementData& data,
                          const QString& law) {
    return printPage(printer, withLine(statementPage(), 1.0, 6.75, Font{8}, law), data);
}

bool printSalaryStatement(toolkit::Printer& printer, const SalaryStatementData& data) {
    return printSalaryStatement(printer, data, QString());
}

} // namespace reports
