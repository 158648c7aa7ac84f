// The computation of income tax as printed: every label, amount, font and rule where the
// page puts them, recorded on a printer that keeps every mark.
#include "reports/computation_report.h"
#include "samples.h"
#include "support/recording_printer.h"

#include <QtTest>

using testing::PageMark;
using testing::RecordedPage;
using testing::RecordingPrinter;

namespace {

constexpr double tolerance = 1e-9;

RecordedPage printed(const reports::ComputationData& data, RecordingPrinter& printer) {
    const bool ok = reports::printComputation(printer, data);
    if (!ok || printer.pages.isEmpty()) {
        return {};
    }
    return printer.pages.last();
}

RecordedPage printed(const reports::ComputationData& data) {
    RecordingPrinter printer;
    return printed(data, printer);
}

QList<PageMark> textsAt(const RecordedPage& page, double y) {
    QList<PageMark> out;
    for (const PageMark& m : page.texts()) {
        if (qAbs(m.y - y) < tolerance) {
            out << m;
        }
    }
    return out;
}

int indexOf(const RecordedPage& page, const QString& text) {
    for (int i = 0; i < page.marks.size(); ++i) {
        if (page.marks[i].kind == PageMark::Kind::Text && page.marks[i].text == text) {
            return i;
        }
    }
    return -1;
}

} // namespace

class TestComputationReport : public QObject {
    Q_OBJECT
private slots:
    void everyLineInPlace_data();
    void everyLineInPlace();
    void nothingElseIsPrinted();
    void rulesInOrder_data();
    void rulesInOrder();
    void labelsBeforeAmountsInnerFirst();
    void footer();
    void npsSum_data();
    void npsSum();
    void npsTooLargeIsRefused();
    void emptyNameKeepsLayout();
    void neverOpenedFormsPrintZero();
    void longAndShortAmountsShareEdge();
    void portraitAfterLandscape();
    void onePagePerPrint();
    void failedPrinterReportsFailure();
};

void TestComputationReport::everyLineInPlace_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("right"); // an amount, aligned at its right edge
    QTest::addColumn<double>("x");   // the left edge, or the right edge of an amount
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");

    const reports::ComputationData d = samples::computation();
    auto row = [](const char* name, const QString& text, bool right, double x, double y,
                  double size, bool bold, bool underline = false) {
        QTest::newRow(name) << text << right << x << y << size << bold << underline;
    };
    const bool L = false;
    const bool R = true;
    row("0.40-title", "CALCULATION OF INCOME TAX FOR THE YEAR 2012-13", L, 1.0, 0.40, 12, true,
        true);
    row("0.60-name", d.name, L, 1.0, 0.60, 12, true, true);
    row("1.15-salary-head", "INCOME FROM 'SALARY'", L, 1.0, 1.15, 9, true);
    row("1.30-gross-salary-label", "Gross Salary :-", L, 1.0, 1.30, 9, false);
    row("1.30-gross-salary-middle", d.grossSalary, R, 6.0, 1.30, 9, false);
    row("1.45-exempt-head", "Less Allowances Exempt u/s 10 :-", L, 1.0, 1.45, 9, false);
    row("1.60-transport-label", "Transport Allowance :-", L, 1.2, 1.60, 9, false);
    row("1.60-transport-inner", d.transportExempt, R, 5.0, 1.60, 9, false);
    row("1.75-hra-label", "House Rent Allowance :-", L, 1.2, 1.75, 9, false);
    row("1.75-hra-inner", d.hraExempt, R, 5.0, 1.75, 9, false);
    row("1.75-total-exempt-middle", d.totalExempt, R, 6.0, 1.75, 9, false);
    row("1.90-salary-income-outer-bold", d.salaryIncome, R, 7.0, 1.90, 9, true);
    row("2.20-house-head-bold", "INCOME FROM 'HOUSE PROPERTY'", L, 1.0, 2.20, 9, true);
    row("2.35-annual-value-label", "Annual Rental Value", L, 1.0, 2.35, 9, false);
    row("2.35-annual-value-middle", d.annualValue, R, 6.0, 2.35, 9, false);
    row("2.50-property-taxes-label", "Less Property Taxes :-", L, 1.0, 2.50, 9, false);
    row("2.50-property-taxes-middle", d.propertyTaxes, R, 6.0, 2.50, 9, false);
    row("2.65-gross-house-label", "Gross Income from House Property :-", L, 1.0, 2.65, 9, false);
    row("2.65-gross-house-middle", d.grossHouseIncome, R, 6.0, 2.65, 9, false);
    row("2.80-section24-head", "Less Deductions u/s 24 :-", L, 1.0, 2.80, 9, false);
    row("2.95-repairs-label", "Repairs & Maintenance :-", L, 1.2, 2.95, 9, false);
    row("2.95-repairs-inner", d.repairs, R, 5.0, 2.95, 9, false);
    row("3.10-interest-label", "Interest on Borrowed Capital :-", L, 1.2, 3.10, 9, false);
    row("3.10-interest-inner-as-typed", d.interest, R, 5.0, 3.10, 9, false);
    row("3.25-others-label", "Others :-", L, 1.2, 3.25, 9, false);
    row("3.25-others-inner", d.others24, R, 5.0, 3.25, 9, false);
    row("3.25-total24-middle", d.total24, R, 6.0, 3.25, 9, false);
    row("3.40-house-loss-outer-bold", d.houseIncome, R, 7.0, 3.40, 9, true);
    row("3.70-other-sources-label-bold", "INCOME FROM 'OTHER SOURCES' :-", L, 1.0, 3.70, 9, true);
    row("3.70-other-sources-outer-bold", d.otherSources, R, 7.0, 3.70, 9, true);
    row("4.00-gti-label-bold", "GROSS TOTAL INCOME :-", L, 1.0, 4.00, 9, true);
    row("4.00-gti-outer-bold", d.grossTotalIncome, R, 7.0, 4.00, 9, true);
    row("4.30-section80-head", "Deductions u/s 80 :-", L, 1.0, 4.30, 9, false);
    row("4.45-section80c-head", "Section 80C :-", L, 1.2, 4.45, 9, false);
    const std::tuple<const char*, const char*, QString> savings[] = {
        {"4.60-gpf", "GPF -", d.gpf},
        {"4.75-cgegis", "CGEGIS -", d.cgegis},
        {"4.90-hba", "HBA -", d.hba},
        {"5.05-lic", "LIC -", d.lic},
        {"5.20-ppf", "PPF -", d.ppf},
        {"5.35-nsc", "NSC -", d.nsc},
        {"5.50-nsc-interest", "NSC Interest -", d.nscInterest},
        {"5.65-tuition-fee-1", "Tuition Fee (I) -", d.tuitionFee1},
        {"5.80-tuition-fee-2", "Tuition Fee (II) -", d.tuitionFee2},
        {"5.95-infrastructure-bonds", "Infrastructure Bonds -", d.infrastructure80C},
        {"6.10-other-savings-text-unchanged", "Other Savings -", d.otherSavings},
    };
    for (const auto& [name, label, amount] : savings) {
        const double y = QString(name).left(4).toDouble();
        row(qPrintable(QString(name) + "-label"), label, L, 1.4, y, 9, false);
        row(qPrintable(QString(name) + "-inner"), amount, R, 5.0, y, 9, false);
    }
    row("6.25-total-80c-label", "Total (80C) -", L, 1.2, 6.25, 9, false);
    row("6.25-total-80c-inner", d.total80C, R, 5.0, 6.25, 9, false);
    row("6.40-80ccc-label", "Jeevan Suraksha (80CCC) :-", L, 1.2, 6.40, 9, false);
    row("6.40-80ccc-inner", d.pension80CCC, R, 5.0, 6.40, 9, false);
    row("6.55-nps-label", "NPS (EC + GC) (80CCD):-", L, 1.2, 6.55, 9, false);
    row("6.55-nps-inner-sum", "104577", R, 5.0, 6.55, 9, false);
    row("6.70-80cce-label", "Total(80C+80CCC+80CCD) -", L, 1.2, 6.70, 9, false);
    row("6.70-80cce-middle", d.total80CCE, R, 6.0, 6.70, 9, false);
    row("6.85-80ccf-label", "Infrastructure Bonds (80CCF) -", L, 1.2, 6.85, 9, false);
    row("6.85-80ccf-middle", d.bonds80CCF, R, 6.0, 6.85, 9, false);
    row("7.00-80d-label", "Mediclaim/CGHS (80D) : -", L, 1.2, 7.00, 9, false);
    row("7.00-80d-middle", d.mediclaim80D, R, 6.0, 7.00, 9, false);
    row("7.15-80g-label", "Donations (80G) :-", L, 1.2, 7.15, 9, false);
    row("7.15-80g-middle", d.donations80G, R, 6.0, 7.15, 9, false);
    row("7.30-other-deductions-label", "Other Deductions :-", L, 1.2, 7.30, 9, false);
    row("7.30-other-deductions-middle", d.otherDeductions, R, 6.0, 7.30, 9, false);
    const std::tuple<const char*, const char*, QString> tax[] = {
        {"7.45-total-80", "Total Deductions u/s 80 :-", d.totalDeductions},
        {"7.60-net-taxable-income", "NET TAXABLE INCOME :-", d.netTaxableIncome},
        {"7.75-gross-tax", "GROSS TAX :-", d.grossTax},
        {"7.90-relief-89", "Relief u/s 89 :-", d.relief89},
        {"8.05-net-tax", "NET TAX :-", d.netTax},
        {"8.20-cess", "Education Cess :-", d.cess},
        {"8.35-total-tax", "TOTAL TAX :-", d.totalTax},
        {"8.50-tax-deducted", "TAX DEDUCTED :-", d.taxDeducted},
        {"8.65-balance-tax", "BALANCE TAX :-", d.balanceTax},
    };
    for (const auto& [name, label, amount] : tax) {
        const double y = QString(name).left(4).toDouble();
        row(qPrintable(QString(name) + "-label-bold"), label, L, 1.0, y, 9, true);
        row(qPrintable(QString(name) + "-outer-bold"), amount, R, 7.0, y, 9, true);
    }
}

void TestComputationReport::everyLineInPlace() {
    QFETCH(QString, text);
    QFETCH(bool, right);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, size);
    QFETCH(bool, bold);
    QFETCH(bool, underline);

    const RecordedPage page = printed(samples::computation());
    QList<PageMark> found;
    for (const PageMark& m : page.texts()) {
        if (m.text == text) {
            found << m;
        }
    }
    QCOMPARE(found.size(), 1);
    const PageMark& m = found.first();
    QVERIFY2(qAbs(m.y - y) < tolerance, qPrintable(QString::number(m.y)));
    const double at = right ? m.right() : m.x;
    QVERIFY2(qAbs(at - x) < tolerance, qPrintable(QString::number(at)));
    QCOMPARE(m.font.name, QString("Tahoma"));
    QCOMPARE(m.font.size, size);
    QCOMPARE(m.font.bold, bold);
    QCOMPARE(m.font.underline, underline);
    QCOMPARE(m.font.italic, false);
}

// Every line of the layout and the two footer lines, each once: no line skipped, none added.
void TestComputationReport::nothingElseIsPrinted() {
    const RecordedPage page = printed(samples::computation());
    QCOMPARE(page.texts().size(), 92);
    QCOMPARE(page.rules().size(), 14);
}

void TestComputationReport::rulesInOrder_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("after"); // the amount printed just before the rule
    QTest::addColumn<QLineF>("rule");
    const reports::ComputationData d = samples::computation();
    const std::tuple<const char*, QString, QLineF> rules[] = {
        {"under-salary-inner", d.hraExempt, {4.0, 1.90, 5.0, 1.90}},
        {"under-salary-middle", d.totalExempt, {5.0, 1.90, 6.0, 1.90}},
        {"above-gross-house-income", d.propertyTaxes, {5.0, 2.65, 6.0, 2.65}},
        {"under-section24", d.total24, {4.0, 3.40, 6.0, 3.40}},
        {"above-gross-total-income", d.otherSources, {6.0, 3.85, 7.0, 3.85}},
        {"above-total-80c", d.total80C, {4.0, 6.25, 5.0, 6.25}},
        {"under-80ccd", "104577", {4.0, 6.70, 5.0, 6.70}},
        {"under-section80-middle", d.totalDeductions, {5.0, 7.45, 6.0, 7.45}},
        {"above-net-taxable-income", d.netTaxableIncome, {6.0, 7.60, 7.0, 7.60}},
        {"below-net-taxable-income", d.netTaxableIncome, {6.0, 7.75, 7.0, 7.75}},
        {"above-net-tax", d.relief89, {6.0, 8.05, 7.0, 8.05}},
        {"above-total-tax", d.totalTax, {6.0, 8.35, 7.0, 8.35}},
        {"above-balance-tax", d.balanceTax, {6.0, 8.65, 7.0, 8.65}},
        {"below-balance-tax", d.balanceTax, {6.0, 8.80, 7.0, 8.80}},
    };
    int index = 0;
    for (const auto& [name, after, rule] : rules) {
        QTest::newRow(name) << index++ << after << rule;
    }
}

void TestComputationReport::rulesInOrder() {
    QFETCH(int, index);
    QFETCH(QString, after);
    QFETCH(QLineF, rule);
    const RecordedPage page = printed(samples::computation());
    const QList<PageMark> rules = page.rules();
    QCOMPARE(rules.size(), 14);
    int at = -1;
    for (int i = 0, lines = 0; i < page.marks.size() && at < 0; ++i) {
        if (page.marks[i].kind == PageMark::Kind::Line && lines++ == index) {
            at = i;
        }
    }
    const PageMark& r = page.marks[at];
    QVERIFY(qAbs(r.x - rule.x1()) < tolerance);
    QVERIFY(qAbs(r.y - rule.y1()) < tolerance);
    QVERIFY(qAbs(r.x2 - rule.x2()) < tolerance);
    QVERIFY(qAbs(r.y2 - rule.y2()) < tolerance);
    // Drawn right after its amount (the second rule of a pair right after the first).
    int previous = at - 1;
    while (previous >= 0 && page.marks[previous].kind == PageMark::Kind::Line) {
        --previous;
    }
    QVERIFY(at - previous <= 2);
    QCOMPARE(page.marks[previous].text, after);
}

void TestComputationReport::labelsBeforeAmountsInnerFirst() {
    const reports::ComputationData d = samples::computation();
    const RecordedPage page = printed(d);
    QVERIFY(indexOf(page, "House Rent Allowance :-") < indexOf(page, d.hraExempt));
    QVERIFY(indexOf(page, d.hraExempt) < indexOf(page, d.totalExempt));
    QVERIFY(indexOf(page, "Others :-") < indexOf(page, d.others24));
    QVERIFY(indexOf(page, d.others24) < indexOf(page, d.total24));
    QVERIFY(indexOf(page, "GROSS TOTAL INCOME :-") < indexOf(page, d.grossTotalIncome));
    // The page is printed top to bottom.
    double y = 0;
    for (const PageMark& m : page.texts()) {
        QVERIFY2(m.y >= y - tolerance, qPrintable(m.text));
        y = m.y;
    }
}

void TestComputationReport::footer() {
    const RecordedPage page = printed(samples::computation());
    const QList<PageMark> first = textsAt(page, 10.10);
    const QList<PageMark> second = textsAt(page, 10.30);
    QCOMPARE(first.size(), 1);
    QCOMPARE(second.size(), 1);
    for (const PageMark& m : {first[0], second[0]}) {
        QCOMPARE(m.x, 1.0);
        QCOMPARE(m.font.size, 8.0);
        QVERIFY(m.font.italic);
        QVERIFY(!m.font.bold);
        QVERIFY(!m.font.underline);
        QVERIFY2(m.right() < 8.27 - 0.25, "fits across an A4 sheet");
    }
    QVERIFY(first[0].text.startsWith("Generated by Fiscora1213 :- The Fiscora Team, "
                                     "Fiscora Project ("));
    QVERIFY(first[0].text.endsWith("(Free Download:- https://github.com/fiscora/fiscora1213)"));
    QVERIFY(second[0].text.contains("suggestions", Qt::CaseInsensitive));
    QVERIFY(second[0].text.contains("https://github.com/fiscora/fiscora1213/issues"));
}

void TestComputationReport::npsSum_data() {
    QTest::addColumn<QString>("government");
    QTest::addColumn<QString>("employee");
    QTest::addColumn<QString>("printed");
    QTest::newRow("both-numeric") << "52288"
                                  << "52288"
                                  << "104576";
    QTest::newRow("employee-non-numeric-prints-government-alone") << "52288"
                                                                  << "abc"
                                                                  << "52288";
    QTest::newRow("government-non-numeric") << "x1"
                                            << "1200"
                                            << "1200";
    QTest::newRow("both-empty-print-0") << ""
                                        << ""
                                        << "0";
    QTest::newRow("leading-number-and-comma") << "100abc"
                                              << "1,000"
                                              << "101";
    QTest::newRow("blanks-inside-a-figure") << "1 000"
                                            << "0"
                                            << "1000";
    QTest::newRow("fraction-kept") << "1.5"
                                   << "2"
                                   << "3.5";
    QTest::newRow("negative") << "-500"
                              << "200"
                              << "-300";
    QTest::newRow("tenths-add-without-noise") << "0.1"
                                              << "0.2"
                                              << "0.3";
}

void TestComputationReport::npsSum() {
    QFETCH(QString, government);
    QFETCH(QString, employee);
    QFETCH(QString, printed);
    reports::ComputationData d = samples::computation();
    d.npsGovernment = government;
    d.npsEmployee = employee;
    QVERIFY(reports::unprintable(d).isEmpty());
    const QList<PageMark> row = textsAt(::printed(d), 6.55);
    QCOMPARE(row.size(), 2);
    QCOMPARE(row[1].text, printed);
    QVERIFY(qAbs(row[1].right() - 5.0) < tolerance);
}

void TestComputationReport::npsTooLargeIsRefused() {
    reports::ComputationData d = samples::computation();
    d.npsGovernment = "1e308";
    d.npsEmployee = "1e308";
    QVERIFY(!reports::npsAmount(d));
    QVERIFY(reports::unprintable(d).contains("NPS (EC + GC) (80CCD)"));
    d.npsEmployee = "1e400";
    QVERIFY(!reports::npsAmount(d));
    d.npsEmployee = "0";
    // Large yet within range: printed in full, never as "inf".
    const std::optional<QString> large = reports::npsAmount(d);
    QVERIFY(large.has_value());
    QCOMPARE(large->size(), 309);
    QVERIFY(large->startsWith("1000000"));
    QVERIFY(reports::unprintable(d).isEmpty());
}

void TestComputationReport::emptyNameKeepsLayout() {
    reports::ComputationData named = samples::computation();
    reports::ComputationData unnamed = named;
    unnamed.name.clear();
    const RecordedPage a = printed(named);
    const RecordedPage b = printed(unnamed);
    QCOMPARE(a.marks.size(), b.marks.size());
    for (int i = 0; i < a.marks.size(); ++i) {
        const PageMark& m = a.marks[i];
        const PageMark& n = b.marks[i];
        QCOMPARE(n.x, m.x);
        QCOMPARE(n.y, m.y);
        QCOMPARE(n.kind, m.kind);
        QCOMPARE(n.text, m.text == named.name ? QString() : m.text);
    }
    const QList<PageMark> nameLine = textsAt(b, 0.60);
    QCOMPARE(nameLine.size(), 1);
    QCOMPARE(nameLine[0].text, QString());
    QCOMPARE(nameLine[0].x, 1.0);
}

// The texts a house property and a deductions form hold before anyone opens them.
void TestComputationReport::neverOpenedFormsPrintZero() {
    reports::ComputationData d = samples::computation();
    for (QString* field : {&d.annualValue,
                           &d.propertyTaxes,
                           &d.grossHouseIncome,
                           &d.repairs,
                           &d.interest,
                           &d.others24,
                           &d.total24,
                           &d.houseIncome,
                           &d.gpf,
                           &d.cgegis,
                           &d.hba,
                           &d.lic,
                           &d.ppf,
                           &d.nsc,
                           &d.nscInterest,
                           &d.tuitionFee1,
                           &d.tuitionFee2,
                           &d.infrastructure80C,
                           &d.otherSavings,
                           &d.total80C,
                           &d.pension80CCC,
                           &d.npsGovernment,
                           &d.npsEmployee,
                           &d.total80CCE,
                           &d.bonds80CCF,
                           &d.mediclaim80D,
                           &d.donations80G,
                           &d.otherDeductions,
                           &d.totalDeductions}) {
        *field = "0";
    }
    const RecordedPage page = printed(d);
    QCOMPARE(page.texts().size(), 92);
    int zeros = 0;
    for (const PageMark& m : page.texts()) {
        if (m.y > 2.1 && m.y < 3.5 && m.x > 3.0) {
            QCOMPARE(m.text, QString("0"));
            ++zeros;
        }
        if (m.y > 4.5 && m.y < 7.5 && m.x > 3.0) {
            QCOMPARE(m.text, QString("0"));
            ++zeros;
        }
    }
    QCOMPARE(zeros, 8 + 20); // house property; section 80 with the NPS line
}

void TestComputationReport::longAndShortAmountsShareEdge() {
    reports::ComputationData d = samples::computation();
    d.grossTax = "1";
    d.netTax = "123456789012345";
    const RecordedPage page = printed(d);
    const PageMark shortOne = textsAt(page, 7.75).last();
    const PageMark longOne = textsAt(page, 8.05).last();
    QVERIFY(longOne.width > 10 * shortOne.width);
    QVERIFY(qAbs(shortOne.right() - 7.0) < tolerance);
    QVERIFY(qAbs(longOne.right() - 7.0) < tolerance);
}

void TestComputationReport::portraitAfterLandscape() {
    RecordingPrinter printer;
    printer.setOrientation(toolkit::Orientation::Landscape); // a statement was printed before
    const RecordedPage page = printed(samples::computation(), printer);
    QCOMPARE(page.orientation, toolkit::Orientation::Portrait);
}

void TestComputationReport::onePagePerPrint() {
    RecordingPrinter printer;
    QVERIFY(reports::printComputation(printer, samples::computation()));
    QVERIFY(reports::printComputation(printer, samples::computation()));
    QCOMPARE(printer.pages.size(), 2);
    QCOMPARE(printer.pages[0].marks.size(), printer.pages[1].marks.size());
}

void TestComputationReport::failedPrinterReportsFailure() {
    RecordingPrinter printer;
    printer.failWith = "The printer is out of paper.";
    QVERIFY(!reports::printComputation(printer, samples::computation()));
    QCOMPARE(printer.failure(), QString("The printer is out of paper."));
    QVERIFY(printer.pages.isEmpty());
}

QTEST_MAIN(TestComputationReport)
#include "tst_computation_report.moc"
