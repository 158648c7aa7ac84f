#include "reports/from_record.h"

#include "rules/pay_table.h"
#include "rules/relief89.h"
#include "year/work.h"

#include <QDate>

namespace reports {

using year::indexed;

QString downloadPage() {
    return QStringLiteral("https://github.com/fiscora/fiscora1213");
}

QString lawLine(fiscora::Mode mode) {
    if (mode == fiscora::Mode::Program) {
        return {};
    }
    return QStringLiteral("Worked out under the Income-tax Act as enacted for %1")
        .arg(QString::fromStdString(fiscora::law2012(mode).name));
}

ComputationData computationData(const year::FormRecord& w, const year::FormRecord& h,
                                const year::FormRecord& d) {
    ComputationData c;
    const std::pair<QString*, const char*> worksheet[] = {
        {&c.name, "txtname"},
        {&c.grossSalary, "txtgs"},
        {&c.transportExempt, "txttp"},
        {&c.hraExempt, "txthra"},
        {&c.totalExempt, "txtexall"},
        {&c.salaryIncome, "txtnsal"},
        {&c.otherSources, "txtos"},
        {&c.grossTotalIncome, "txtgti"},
        {&c.netTaxableIncome, "txtnti"},
        {&c.grossTax, "txtgtax"},
        {&c.relief89, "txtrel89"},
        {&c.netTax, "txtntax"},
        {&c.cess, "txtcess"},
        {&c.totalTax, "txtttax"},
        {&c.taxDeducted, "txtdedtax"},
        {&c.balanceTax, "txtbaltax"},
    };
    for (const auto& [text, key] : worksheet) {
        *text = w[QLatin1String(key)];
    }
    const std::pair<QString*, const char*> house[] = {
        {&c.annualValue, "txtarv"}, {&c.propertyTaxes, "txtptax"}, {&c.grossHouseIncome, "txtghi"},
        {&c.repairs, "txtrep"},     {&c.interest, "txtintt"},      {&c.others24, "txtoth"},
        {&c.total24, "txttd"},      {&c.houseIncome, "txtihp"},
    };
    for (const auto& [text, key] : house) {
        *text = h[QLatin1String(key)];
    }
    const std::pair<QString*, const char*> deductions[] = {
        {&c.gpf, "txtgpf"},
        {&c.cgegis, "txtgis"},
        {&c.hba, "txthba"},
        {&c.lic, "txtlic"},
        {&c.ppf, "txtppf"},
        {&c.nsc, "txtnsc"},
        {&c.nscInterest, "txtnsci"},
        {&c.tuitionFee1, "txttf1"},
        {&c.tuitionFee2, "txttf2"},
        {&c.infrastructure80C, "txtinf"},
        {&c.otherSavings, "txtos"},
        {&c.total80C, "txt80c"},
        {&c.pension80CCC, "txt80ccc"},
        {&c.npsGovernment, "txt80ccdgc"},
        {&c.npsEmployee, "txt80ccdec"},
        {&c.total80CCE, "txttot1"},
        {&c.bonds80CCF, "txt80ccf"},
        {&c.mediclaim80D, "txt80d"},
        {&c.donations80G, "txt80g"},
        {&c.otherDeductions, "txtoth"},
        {&c.totalDeductions, "txtgt80"},
    };
    for (const auto& [text, key] : deductions) {
        *text = d[QLatin1String(key)];
    }
    c.downloadPage = downloadPage();
    return c;
}

SalaryStatementData statementData(const year::FormRecord& s) {
    // The page's columns: B.PAY, G.PAY, DA, HRA, MGC, TPA, TOTAL; the arrears months draw no
    // HRA.
    const auto pay = [&s](int row) {
        const auto cell = [&](const char* column) { return s[indexed(column, row)]; };
        return PayColumns{cell("txtbp"),  cell("txtgp"),   cell("txtda"), cell("txthra"),
                          cell("txtmgc"), cell("txttpa2"), cell("txtttl")};
    };
    SalaryStatementData d;
    d.name = s[QStringLiteral("txtnam")];
    // Rows 0 and 1 are the arrears months January and February 2012; the year runs from
    // row 2 (March 2012) to row 13 (February 2013).
    constexpr int firstMonth = fiscora::firstSalary;
    for (std::size_t i = 0; i < d.months.size(); ++i) {
        const int row = firstMonth + int(i);
        d.months[i] = {year::monthName(row), pay(row)};
    }
    for (int row = 0; row < firstMonth; ++row) {
        d.dearnessArrears[std::size_t(row)] = s[indexed("txtda", row)];
        d.mgcArrears[std::size_t(row)] = s[indexed("txtmgc", row)];
        d.transportArrears[std::size_t(row)] = s[indexed("txttpa2", row)];
    }
    d.totals = {s[QStringLiteral("txtbpt")],  s[QStringLiteral("txtgpt")],
                s[QStringLiteral("txtdat")],  s[QStringLiteral("txthrat")],
                s[QStringLiteral("txtmgct")], s[QStringLiteral("txttpat")],
                s[QStringLiteral("txtttlt")]};
    QString* annual[] = {&d.arrears,    &d.bonus,      &d.overtime,
                         &d.tuitionFee, &d.honorarium, &d.otherAllowances};
    for (int i = 0; i < fiscora::annualFigures; ++i) {
        *annual[i] = s[indexed("txtoth", i)];
    }
    d.grandTotal = s[QStringLiteral("txtgtotal")];
    return d;
}

ReliefData reliefData(const year::FormRecord& r, const QString& name, fiscora::Mode mode) {
    ReliefData d;
    d.name = name;
    d.dateOfBirth = QDate::fromString(r[QStringLiteral("dtpdob")], Qt::ISODate)
                        .toString(QStringLiteral("dd/MM/yyyy"));
    d.sex = r.on(QStringLiteral("optfemale")) ? QStringLiteral("Female") : QStringLiteral("Male");
    for (std::size_t i = 0; i < d.items.size(); ++i) {
        d.items[i] = r[indexed("txtitem", int(i) + 1)]; // the page's items start at item 1
    }
    for (std::size_t i = 0; i < d.years.size(); ++i) {
        const auto cell = [&](const char* column) { return r[indexed(column, int(i))]; };
        d.years[i] = {QString::fromStdString(fiscora::earlierYearName(int(i))),
                      cell("txtti"),
                      cell("txtarr"),
                      cell("txtcat"),
                      cell("txtti2"),
                      cell("txttax1"),
                      cell("txttax2"),
                      cell("txtdiff")};
        // As Form 10E: a year without arrears has nothing to add and no tax to compare.
        if (figure(d.years[i].arrears) == 0) {
            ReliefYear& shown = d.years[i];
            shown.incomeWithArrears = shown.taxOnIncome = shown.taxWithArrears = shown.difference =
                QString();
        }
    }
    d.seniorNote = year::seniorNote(r, mode);
    d.downloadPage = downloadPage();
    return d;
}

} // namespace reports
