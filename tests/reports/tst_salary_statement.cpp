// The statement of salary as printed: title, name, the twelve months, the arrears line
// worked out from the two arrears months, totals, annual figures, grand total and footer.
#include "reports/salary_statement.h"
#include "samples.h"
#include "support/recording_printer.h"

#include <QtTest>

using testing::PageMark;
using testing::RecordedPage;
using testing::RecordingPrinter;

namespace {

constexpr double tolerance = 1e-9;

RecordedPage printed(const reports::SalaryStatementData& data, RecordingPrinter& printer) {
    if (!reports::printSalaryStatement(printer, data) || printer.pages.isEmpty()) {
        return {};
    }
    return printer.pages.last();
}

RecordedPage printed(const reports::SalaryStatementData& data) {
    RecordingPrinter printer;
    return printed(data, printer);
}

// The texts of the line at y, by the column (whole inch) they end at.
QMap<int, PageMark> lineAt(const RecordedPage& page, double y) {
    QMap<int, PageMark> out;
    for (const PageMark& m : page.texts()) {
        if (qAbs(m.y - y) < tolerance) {
            out.insert(qRound(m.right()), m);
        }
    }
    return out;
}

enum Placement { Centred, Right, Left };

} // namespace

class TestSalaryStatement : public QObject {
    Q_OBJECT
private slots:
    void everyLineInPlace_data();
    void everyLineInPlace();
    void nothingElseIsPrinted();
    void rulesInOrder();
    void arrearsLine_data();
    void arrearsLine();
    void arrearsTooLargeIsRefused();
    void arrearsMonthsNotPrintedAsMonths();
    void emptyNameKeepsLayout();
    void landscapeWhateverCameBefore();
    void failedPrinterReportsFailure();
};

void TestSalaryStatement::everyLineInPlace_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("placement");
    QTest::addColumn<double>("x"); // the centre line, the right edge or the left edge
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");

    const reports::SalaryStatementData d = samples::statement();
    auto row = [](const QString& name, const QString& text, int placement, double x, double y,
                  double size, bool bold, bool underline) {
        QTest::newRow(qPrintable(name)) << text << placement << x << y << size << bold << underline;
    };
    row("1.0-title-centred", "DETAILS OF SALARY RECEIVED FOR THE YEAR 2012 - 2013", Centred, 5, 1.0,
        10, true, true);
    row("1.2-name-centred", d.name, Centred, 5, 1.2, 10, true, true);
    const std::pair<const char*, int> headings[] = {
        {"Month", 1}, {"Basic", 2}, {"GP", 3},        {"Dearness", 4},
        {"HRA", 5},   {"MGC", 6},   {"Tpt. All.", 7}, {"Total", 8},
    };
    for (const auto& [text, column] : headings) {
        row(QString("1.6-heading-%1").arg(text), text, Right, column, 1.6, 10, true, true);
    }
    row("1.8-heading-Pay", "Pay", Right, 2, 1.8, 10, true, true);
    row("1.8-heading-Allowance", "Allowance", Right, 4, 1.8, 10, true, true);
    const char* const columns[] = {"month", "basic", "gp", "da", "hra", "mgc", "tpt", "total"};
    for (int i = 0; i < 12; ++i) {
        const reports::MonthRow& m = d.months[std::size_t(i)];
        const QString cells[] = {m.month,   m.pay.basicPay, m.pay.gradePay,  m.pay.dearness,
                                 m.pay.hra, m.pay.mgc,      m.pay.transport, m.pay.total};
        const double y = 2.0 + 0.2 * i;
        for (int c = 0; c < 8; ++c) {
            row(QString("%1-%2-%3").arg(y, 0, 'f', 1).arg(m.month).arg(columns[c]), cells[c], Right,
                c + 1, y, 10, false, false);
        }
    }
    row("4.4-arrears-caption", "DA Arr.", Right, 1, 4.4, 10, false, false);
    row("4.4-arrears-da-3528", "3528", Right, 4, 4.4, 10, false, false);
    row("4.4-arrears-mgc-352", "352", Right, 6, 4.4, 10, false, false);
    row("4.4-arrears-tpt-224", "224", Right, 7, 4.4, 10, false, false);
    row("4.4-arrears-total-4104", "4104", Right, 8, 4.4, 10, false, false);
    const QString totals[] = {"Totals",           d.totals.basicPay, d.totals.gradePay,
                              d.totals.dearness,  d.totals.hra,      d.totals.mgc,
                              d.totals.transport, d.totals.total};
    for (int c = 0; c < 8; ++c) {
        row(QString("4.6-totals-%1-bold").arg(columns[c]), totals[c], Right, c + 1, 4.6, 10, true,
            false);
    }
    const std::tuple<const char*, QString, double> annual[] = {
        {"Other Allowances :-", d.otherAllowances, 5.2},
        {"Over Time Allowance :-", d.overtime, 5.4},
        {"Honorarium :-", d.honorarium, 5.6},
        {"Tuition Fee :-", d.tuitionFee, 5.8},
        {"Bonus :-", d.bonus, 6.0},
        {"Arrears :-", d.arrears, 6.2},
    };
    for (const auto& [label, value, y] : annual) {
        row(QString("%1-%2-label").arg(y).arg(label), label, Right, 7, y, 10, false, false);
        row(QString("%1-%2-value").arg(y).arg(label), value, Right, 8, y, 10, false, false);
    }
    row("6.4-grand-total-label-bold", "GRAND TOTAL :-", Right, 7, 6.4, 10, true, false);
    row("6.4-grand-total-bold", d.grandTotal, Right, 8, 6.4, 10, true, false);
    row("7.0-footer-8pt", "Generated by Fiscora1213", Left, 1, 7.0, 8, false, false);
}

void TestSalaryStatement::everyLineInPlace() {
    QFETCH(QString, text);
    QFETCH(int, placement);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, size);
    QFETCH(bool, bold);
    QFETCH(bool, underline);

    const RecordedPage page = printed(samples::statement());
    QList<PageMark> found;
    for (const PageMark& m : page.texts()) {
        if (m.text == text) {
            found << m;
        }
    }
    QCOMPARE(found.size(), 1);
    const PageMark& m = found.first();
    QVERIFY2(qAbs(m.y - y) < tolerance, qPrintable(QString::number(m.y)));
    const double at = placement == Centred ? m.x + m.width / 2
                      : placement == Right ? m.right()
                                           : m.x;
    QVERIFY2(qAbs(at - x) < tolerance, qPrintable(QString::number(at)));
    QCOMPARE(m.font.name, QString("Tahoma"));
    QCOMPARE(m.font.size, size);
    QCOMPARE(m.font.bold, bold);
    QCOMPARE(m.font.underline, underline);
    QCOMPARE(m.font.italic, false);
}

void TestSalaryStatement::nothingElseIsPrinted() {
    const RecordedPage page = printed(samples::statement());
    // Title, name, 10 headings, 12 months of 8, the arrears line of 5, totals of 8, six
    // annual figures of 2, the grand total of 2 and the footer.
    QCOMPARE(page.texts().size(), 2 + 10 + 96 + 5 + 8 + 12 + 2 + 1);
    // Nothing reaches beyond the last column's rule or below the footer.
    for (const PageMark& m : page.texts()) {
        QVERIFY2(m.right() <= 8.1 && m.y <= 7.0, qPrintable(m.text));
    }
}

void TestSalaryStatement::rulesInOrder() {
    const reports::SalaryStatementData d = samples::statement();
    const RecordedPage page = printed(d);
    const QList<QLineF> expected = {
        {1, 4.4, 8.1, 4.4}, {1, 4.8, 8.1, 4.8}, {7, 6.4, 8.1, 6.4}, {7, 6.6, 8.1, 6.6}};
    // What stands just before each rule and just after it.
    const QList<std::pair<QString, QString>> between = {
        {d.months[11].pay.total, "DA Arr."},
        {d.totals.total, "Other Allowances :-"},
        {d.arrears, "GRAND TOTAL :-"},
        {d.grandTotal, "Generated by Fiscora1213"},
    };
    QList<int> at;
    for (int i = 0; i < page.marks.size(); ++i) {
        if (page.marks[i].kind == PageMark::Kind::Line) {
            at << i;
        }
    }
    QCOMPARE(at.size(), 4);
    for (int r = 0; r < 4; ++r) {
        const PageMark& m = page.marks[at[r]];
        QCOMPARE(QLineF(m.x, m.y, m.x2, m.y2), expected[r]);
        QCOMPARE(page.marks[at[r] - 1].text, between[r].first);
        QCOMPARE(page.marks[at[r] + 1].text, between[r].second);
    }
}

void TestSalaryStatement::arrearsLine_data() {
    QTest::addColumn<QStringList>("da");
    QTest::addColumn<QStringList>("mgc");
    QTest::addColumn<QStringList>("tpt");
    QTest::addColumn<QStringList>("printed"); // under Dearness, MGC, Tpt. All., Total
    QTest::newRow("worked-example-3528-352-224-4104")
        << QStringList{"1764", "1764"} << QStringList{"176", "176"} << QStringList{"112", "112"}
        << QStringList{"3528", "352", "224", "4104"};
    QTest::newRow("not-in-pension-scheme-mgc-0")
        << QStringList{"1764", "1764"} << QStringList{"0", "0"} << QStringList{"112", "112"}
        << QStringList{"3528", "0", "224", "3752"};
    QTest::newRow("no-arrears-all-0") << QStringList{"0", "0"} << QStringList{"0", "0"}
                                      << QStringList{"0", "0"} << QStringList{"0", "0", "0", "0"};
    QTest::newRow("non-numeric-counts-leading-number-or-0")
        << QStringList{"12abc", "x"} << QStringList{"", "7"} << QStringList{"1,500", "2"}
        << QStringList{"12", "7", "3", "22"};
    QTest::newRow("fractions-kept-no-noise")
        << QStringList{"0.1", "0.2"} << QStringList{"1.25", "0"} << QStringList{"0", "0.5"}
        << QStringList{"0.3", "1.25", "0.5", "2.05"};
}

void TestSalaryStatement::arrearsLine() {
    QFETCH(QStringList, da);
    QFETCH(QStringList, mgc);
    QFETCH(QStringList, tpt);
    QFETCH(QStringList, printed);
    reports::SalaryStatementData d = samples::statement();
    d.dearnessArrears = {da[0], da[1]};
    d.mgcArrears = {mgc[0], mgc[1]};
    d.transportArrears = {tpt[0], tpt[1]};
    QVERIFY(reports::unprintable(d).isEmpty());
    const QMap<int, PageMark> line = lineAt(::printed(d), 4.4);
    QCOMPARE(line.keys(), (QList<int>{1, 4, 6, 7, 8})); // columns 2, 3 and 5 stay empty
    QCOMPARE(line[1].text, QString("DA Arr."));
    QCOMPARE(line[4].text, printed[0]);
    QCOMPARE(line[6].text, printed[1]);
    QCOMPARE(line[7].text, printed[2]);
    QCOMPARE(line[8].text, printed[3]);
    for (int column : line.keys()) {
        QVERIFY(qAbs(line[column].right() - column) < tolerance);
    }
}

void TestSalaryStatement::arrearsTooLargeIsRefused() {
    reports::SalaryStatementData d = samples::statement();
    d.dearnessArrears = {"1e308", "1e308"};
    QVERIFY(!reports::arrearsRow(d));
    QVERIFY(reports::unprintable(d).contains("DA Arr."));
    d.dearnessArrears = {"1e308", "0"};
    d.transportArrears = {"1e308", "0"};
    QVERIFY(!reports::arrearsRow(d)); // each sum fits, their total does not
}

void TestSalaryStatement::arrearsMonthsNotPrintedAsMonths() {
    reports::SalaryStatementData d = samples::statement();
    d.dearnessArrears = {"111111", "222222"};
    const RecordedPage page = printed(d);
    for (const PageMark& m : page.texts()) {
        QVERIFY(m.text != "111111" && m.text != "222222");
    }
    QCOMPARE(lineAt(page, 2.0)[1].text, QString("Mar 12"));
    QCOMPARE(lineAt(page, 4.2)[1].text, QString("Feb 13"));
}

void TestSalaryStatement::emptyNameKeepsLayout() {
    reports::SalaryStatementData named = samples::statement();
    reports::SalaryStatementData unnamed = named;
    unnamed.name.clear();
    const RecordedPage a = printed(named);
    const RecordedPage b = printed(unnamed);
    QCOMPARE(a.marks.size(), b.marks.size());
    for (int i = 0; i < a.marks.size(); ++i) {
        if (a.marks[i].text == named.name) {
            QCOMPARE(b.marks[i].text, QString());
            QCOMPARE(b.marks[i].x, 5.0); // nothing to centre
            QCOMPARE(b.marks[i].y, 1.2);
        } else {
            QCOMPARE(b.marks[i].text, a.marks[i].text);
            QCOMPARE(b.marks[i].x, a.marks[i].x);
            QCOMPARE(b.marks[i].y, a.marks[i].y);
        }
    }
}

void TestSalaryStatement::landscapeWhateverCameBefore() {
    RecordingPrinter printer;
    QCOMPARE(printed(samples::statement(), printer).orientation, toolkit::Orientation::Landscape);
    printer.setOrientation(toolkit::Orientation::Portrait);
    QCOMPARE(printed(samples::statement(), printer).orientation, toolkit::Orientation::Landscape);
    QCOMPARE(printer.pages.size(), 2);
}

void TestSalaryStatement::failedPrinterReportsFailure() {
    RecordingPrinter printer;
    printer.failWith = "The printer is offline.";
    QVERIFY(!reports::printSalaryStatement(printer, samples::statement()));
    QCOMPARE(printer.failure(), QString("The printer is offline."));
    QVERIFY(printer.pages.isEmpty());
}

QTEST_MAIN(TestSalaryStatement)
#include "tst_salary_statement.moc"
