// The two printed pages, each checked against one table of its layout: on a printer that
// records every mark (text, place, font and rule, in the order printed), and through the
// real printer into a PDF file read back with poppler's pdftotext and pdfinfo.
#include "reports/computation_report.h"
#include "reports/salary_statement.h"
#include "support/recording_printer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(reports::ComputationData)
Q_DECLARE_METATYPE(reports::SalaryStatementData)

using testing::FontState;
using testing::PageMark;
using toolkit::Orientation;

namespace {

// clang-format off
// The figures of a plausible year: every text distinct, so that each can be found again,
// and of varied length, so that right alignment shows; a field holding text prints that text.
reports::ComputationData computation() {
    return {.name = "R. K. SHARMA", .grossSalary = "700280", .transportExempt = "9600",
            .hraExempt = "45066", .totalExempt = "54666", .salaryIncome = "645614",
            .otherSources = "12500", .grossTotalIncome = "508114", .netTaxableIncome = "336710",
            .grossTax = "13671", .relief89 = "0", .netTax = "13670", .cess = "410",
            .totalTax = "14081", .taxDeducted = "14000", .balanceTax = "81", .annualValue = "96000",
            .propertyTaxes = "2000", .grossHouseIncome = "94000", .repairs = "28200",
            .interest = "250000", .others24 = "1", .total24 = "178200", .houseIncome = "-150000",
            .gpf = "36000", .cgegis = "360", .hba = "18000", .lic = "12345.5", .ppf = "70000",
            .nsc = "5000", .nscInterest = "812", .tuitionFee1 = "15000", .tuitionFee2 = "9",
            .infrastructure80C = "20", .otherSavings = "abc", .total80C = "100000",
            .pension80CCC = "10000", .npsGovernment = "52288", .npsEmployee = "52289",
            .total80CCE = "100001", .bonds80CCF = "20000", .mediclaim80D = "15000.25",
            .donations80G = "5100", .otherDeductions = "7", .totalDeductions = "171401",
            .downloadPage = "https://github.com/fiscora/fiscora1213"};
}

// The arrears months hold the worked example: DA 1764, MGC 176 and transport 112 in each.
reports::SalaryStatementData statement() {
    reports::SalaryStatementData d{.name = "R. K. SHARMA", .months = {},
        .dearnessArrears = {"1764", "1764"}, .mgcArrears = {"176", "176"},
        .transportArrears = {"112", "112"},
        .totals = {"258080", "50400", "214424", "92544", "52288", "31680", "699416"},
        .arrears = "8", .bonus = "3500", .overtime = "0", .tuitionFee = "864",
        .honorarium = "1500.75", .otherAllowances = "19", .grandTotal = "705300"};
    const QStringList months = {"Mar 12", "Apr 12", "May 12", "Jun 12", "Jul 12", "Aug 12",
                                "Sep 12", "Oct 12", "Nov 12", "Dec 12", "Jan 13", "Feb 13"};
    for (int i = 0; i < 12; ++i) {
        const QString n = QString::number(i + 1); // texts of 1 to 7 characters
        d.months[std::size_t(i)] = {months[i], {"2" + n + "000", "4" + n + "00", "1" + n + "92.5",
                                                n + "8", "2" + n + "6", "26" + n + "0", "3" + n + "4216"}};
    }
    return d;
}

// A cell of a printed row: a label starting at x, an amount ending at x, a text centred on
// x, or a rule from (x, ruleY) to (x2, ruleY), drawn where it stands among the cells.
enum Kind { L, R, C, Rule };
struct Cell {
    Kind kind;
    double x;
    QString text;
    double x2 = 0, ruleY = 0;
};
struct Row {
    double y;
    FontState font;
    QList<Cell> cells;
};
using Layout = QList<Row>;

Layout computationLayout(const reports::ComputationData& d, const QString& nps) {
    const FontState T{"Tahoma", 12, true, false, true}, B{"Tahoma", 9, true, false, false},
        P{"Tahoma", 9, false, false, false}, F{"Tahoma", 8, false, true, false};
    return {
        {0.40, T, {{L, 1.0, "CALCULATION OF INCOME TAX FOR THE YEAR 2012-13"}}},
        {0.60, T, {{L, 1.0, d.name}}},
        {1.15, B, {{L, 1.0, "INCOME FROM 'SALARY'"}}},
        {1.30, P, {{L, 1.0, "Gross Salary :-"}, {R, 6, d.grossSalary}}},
        {1.45, P, {{L, 1.0, "Less Allowances Exempt u/s 10 :-"}}},
        {1.60, P, {{L, 1.2, "Transport Allowance :-"}, {R, 5, d.transportExempt}}},
        {1.75, P, {{L, 1.2, "House Rent Allowance :-"}, {R, 5, d.hraExempt}, {Rule, 4, "", 5, 1.90}, {R, 6, d.totalExempt}, {Rule, 5, "", 6, 1.90}}},
        {1.90, B, {{R, 7, d.salaryIncome}}},
        {2.20, B, {{L, 1.0, "INCOME FROM 'HOUSE PROPERTY'"}}},
        {2.35, P, {{L, 1.0, "Annual Rental Value"}, {R, 6, d.annualValue}}},
        {2.50, P, {{L, 1.0, "Less Property Taxes :-"}, {R, 6, d.propertyTaxes}, {Rule, 5, "", 6, 2.65}}},
        {2.65, P, {{L, 1.0, "Gross Income from House Property :-"}, {R, 6, d.grossHouseIncome}}},
        {2.80, P, {{L, 1.0, "Less Deductions u/s 24 :-"}}},
        {2.95, P, {{L, 1.2, "Repairs & Maintenance :-"}, {R, 5, d.repairs}}},
        {3.10, P, {{L, 1.2, "Interest on Borrowed Capital :-"}, {R, 5, d.interest}}},
        {3.25, P, {{L, 1.2, "Others :-"}, {R, 5, d.others24}, {R, 6, d.total24}, {Rule, 4, "", 6, 3.40}}},
        {3.40, B, {{R, 7, d.houseIncome}}},
        {3.70, B, {{L, 1.0, "INCOME FROM 'OTHER SOURCES' :-"}, {R, 7, d.otherSources}, {Rule, 6, "", 7, 3.85}}},
        {4.00, B, {{L, 1.0, "GROSS TOTAL INCOME :-"}, {R, 7, d.grossTotalIncome}}},
        {4.30, P, {{L, 1.0, "Deductions u/s 80 :-"}}},
        {4.45, P, {{L, 1.2, "Section 80C :-"}}},
        {4.60, P, {{L, 1.4, "GPF -"}, {R, 5, d.gpf}}},
        {4.75, P, {{L, 1.4, "CGEGIS -"}, {R, 5, d.cgegis}}},
        {4.90, P, {{L, 1.4, "HBA -"}, {R, 5, d.hba}}},
        {5.05, P, {{L, 1.4, "LIC -"}, {R, 5, d.lic}}},
        {5.20, P, {{L, 1.4, "PPF -"}, {R, 5, d.ppf}}},
        {5.35, P, {{L, 1.4, "NSC -"}, {R, 5, d.nsc}}},
        {5.50, P, {{L, 1.4, "NSC Interest -"}, {R, 5, d.nscInterest}}},
        {5.65, P, {{L, 1.4, "Tuition Fee (I) -"}, {R, 5, d.tuitionFee1}}},
        {5.80, P, {{L, 1.4, "Tuition Fee (II) -"}, {R, 5, d.tuitionFee2}}},
        {5.95, P, {{L, 1.4, "Infrastructure Bonds -"}, {R, 5, d.infrastructure80C}}},
        {6.10, P, {{L, 1.4, "Other Savings -"}, {R, 5, d.otherSavings}}},
        {6.25, P, {{L, 1.2, "Total (80C) -"}, {R, 5, d.total80C}, {Rule, 4, "", 5, 6.25}}},
        {6.40, P, {{L, 1.2, "Jeevan Suraksha (80CCC) :-"}, {R, 5, d.pension80CCC}}},
        {6.55, P, {{L, 1.2, "NPS (EC + GC) (80CCD):-"}, {R, 5, nps}, {Rule, 4, "", 5, 6.70}}},
        {6.70, P, {{L, 1.2, "Total(80C+80CCC+80CCD) -"}, {R, 6, d.total80CCE}}},
        {6.85, P, {{L, 1.2, "Infrastructure Bonds (80CCF) -"}, {R, 6, d.bonds80CCF}}},
        {7.00, P, {{L, 1.2, "Mediclaim/CGHS (80D) : -"}, {R, 6, d.mediclaim80D}}},
        {7.15, P, {{L, 1.2, "Donations (80G) :-"}, {R, 6, d.donations80G}}},
        {7.30, P, {{L, 1.2, "Other Deductions :-"}, {R, 6, d.otherDeductions}}},
        {7.45, B, {{L, 1.0, "Total Deductions u/s 80 :-"}, {R, 7, d.totalDeductions}, {Rule, 5, "", 6, 7.45}}},
        {7.60, B, {{L, 1.0, "NET TAXABLE INCOME :-"}, {R, 7, d.netTaxableIncome}, {Rule, 6, "", 7, 7.60}, {Rule, 6, "", 7, 7.75}}},
        {7.75, B, {{L, 1.0, "GROSS TAX :-"}, {R, 7, d.grossTax}}},
        {7.90, B, {{L, 1.0, "Relief u/s 89 :-"}, {R, 7, d.relief89}, {Rule, 6, "", 7, 8.05}}},
        {8.05, B, {{L, 1.0, "NET TAX :-"}, {R, 7, d.netTax}}},
        {8.20, B, {{L, 1.0, "Education Cess :-"}, {R, 7, d.cess}}},
        {8.35, B, {{L, 1.0, "TOTAL TAX :-"}, {R, 7, d.totalTax}, {Rule, 6, "", 7, 8.35}}},
        {8.50, B, {{L, 1.0, "TAX DEDUCTED :-"}, {R, 7, d.taxDeducted}}},
        {8.65, B, {{L, 1.0, "BALANCE TAX :-"}, {R, 7, d.balanceTax}, {Rule, 6, "", 7, 8.65}, {Rule, 6, "", 7, 8.80}}},
        {10.10, F, {{L, 1.0, "Generated by Fiscora1213 :- The Fiscora Team, Fiscora Project (Free Download:- " + d.downloadPage + ")"}}},
        {10.30, F, {{L, 1.0, "Suggestions and reports of faults are welcome at " + d.downloadPage + "/issues"}}},
    };
}

// `arrears`: the DA Arr. line under Dearness, MGC, Tpt. All. and Total.
Layout statementLayout(const reports::SalaryStatementData& d, const QStringList& arrears) {
    const FontState U{"Tahoma", 10, true, false, true}, B{"Tahoma", 10, true, false, false},
        P{"Tahoma", 10, false, false, false}, F{"Tahoma", 8, false, false, false};
    auto pay = [](const QString& first, const reports::PayColumns& p) {
        return QList<Cell>{{R, 1, first}, {R, 2, p.basicPay}, {R, 3, p.gradePay}, {R, 4, p.dearness}, {R, 5, p.hra}, {R, 6, p.mgc}, {R, 7, p.transport}, {R, 8, p.total}};
    };
    Layout rows = {
        {1.0, U, {{C, 5, "DETAILS OF SALARY RECEIVED FOR THE YEAR 2012 - 2013"}}},
        {1.2, U, {{C, 5, d.name}}},
        {1.6, U, {{R, 1, "Month"}, {R, 2, "Basic"}, {R, 3, "GP"}, {R, 4, "Dearness"}, {R, 5, "HRA"}, {R, 6, "MGC"}, {R, 7, "Tpt. All."}, {R, 8, "Total"}}},
        {1.8, U, {{R, 2, "Pay"}, {R, 4, "Allowance"}}},
    };
    for (int i = 0; i < 12; ++i) { // Mar 12 to Feb 13; the two arrears months are not rows
        rows << Row{2.0 + 0.2 * i, P, pay(d.months[std::size_t(i)].month, d.months[std::size_t(i)].pay)};
    }
    rows += Layout{
        {4.4, P, {{Rule, 1, "", 8.1, 4.4}, {R, 1, "DA Arr."}, {R, 4, arrears[0]}, {R, 6, arrears[1]}, {R, 7, arrears[2]}, {R, 8, arrears[3]}}},
        {4.6, B, pay("Totals", d.totals) << Cell{Rule, 1, "", 8.1, 4.8}},
        {5.2, P, {{R, 7, "Other Allowances :-"}, {R, 8, d.otherAllowances}}},
        {5.4, P, {{R, 7, "Over Time Allowance :-"}, {R, 8, d.overtime}}},
        {5.6, P, {{R, 7, "Honorarium :-"}, {R, 8, d.honorarium}}},
        {5.8, P, {{R, 7, "Tuition Fee :-"}, {R, 8, d.tuitionFee}}},
        {6.0, P, {{R, 7, "Bonus :-"}, {R, 8, d.bonus}}},
        {6.2, P, {{R, 7, "Arrears :-"}, {R, 8, d.arrears}}},
        {6.4, B, {{Rule, 7, "", 8.1, 6.4}, {R, 7, "GRAND TOTAL :-"}, {R, 8, d.grandTotal}, {Rule, 7, "", 8.1, 6.6}}},
        {7.0, F, {{L, 1, "Generated by Fiscora1213"}}},
    };
    return rows;
}
// clang-format on

QString inches(double v) {
    return QString::number(v, 'f', 3);
}

// A text as a layout states it: where it stands, measured as its cell is aligned, and its font.
QString described(Kind kind, double at, double y, const QString& text, const FontState& f) {
    return QString("%1 '%2' at %3 y %4, %5 %6%7%8%9")
        .arg(QString(QLatin1Char("LRC"[kind])), text, inches(at), inches(y), f.name, inches(f.size),
             f.bold ? " bold" : "", f.italic ? " italic" : "", f.underline ? " underlined" : "");
}

QString rule(double x1, double y1, double x2, double y2) {
    return QString("rule %1,%2 to %3,%4").arg(inches(x1), inches(y1), inches(x2), inches(y2));
}

// Compares every mark of the page, in the order printed and drawn, with the layout.
void checkPage(const testing::RecordedPage& page, const Layout& layout) {
    QStringList expected, printed;
    QList<Kind> kinds;
    for (const Row& row : layout) {
        for (const Cell& c : row.cells) {
            kinds << c.kind;
            expected << (c.kind == Rule ? rule(c.x, c.ruleY, c.x2, c.ruleY)
                                        : described(c.kind, c.x, row.y, c.text, row.font));
        }
    }
    for (int i = 0; i < page.marks.size(); ++i) {
        const PageMark& m = page.marks[i];
        const Kind kind = i < kinds.size() && kinds[i] != Rule ? kinds[i] : L;
        const double at = kind == R ? m.right() : kind == C ? m.x + m.width / 2 : m.x;
        printed << (m.kind == PageMark::Kind::Line ? rule(m.x, m.y, m.x2, m.y2)
                                                   : described(kind, at, m.y, m.text, m.font));
    }
    QCOMPARE(printed, expected);
}

struct Word {
    QString text;
    double left, top, right;
};

QString run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT
private slots:
    void computationLayout_data();
    void computationLayout();
    void statementLayout_data();
    void statementLayout();
    void sumsTooLargeAreRefused();
    void pdfPage_data();
    void pdfPage();
};

void TestReports::computationLayout_data() {
    QTest::addColumn<reports::ComputationData>("data");
    QTest::addColumn<QString>("nps"); // the 80CCD line: government's and employee's shares
    auto row = [](const char* name, const QString& nps, auto change) {
        reports::ComputationData d = computation();
        change(d);
        QTest::newRow(name) << d << nps;
    };
    auto nps = [&row](const char* name, QString government, QString employee, QString sum) {
        row(name, sum, [&](reports::ComputationData& d) {
            d.npsGovernment = government;
            d.npsEmployee = employee;
        });
    };
    row("sample-page-nps-52288-plus-52289", "104577", [](auto&) {});
    row("empty-name-line-empty-layout-unmoved", "104577", [](auto& d) { d.name.clear(); });
    row("long-and-short-amounts-share-edge", "104577", [](auto& d) {
        d.grossTax = "1";
        d.netTax = "123456789012345";
    });
    nps("nps-employee-non-numeric-prints-government-alone", "52288", "abc", "52288");
    nps("nps-government-non-numeric", "x1", "1200", "1200");
    nps("nps-both-empty-print-0", "", "", "0");
    nps("nps-leading-numbers-100abc-and-1,000", "100abc", "1,000", "101");
    nps("nps-fraction-kept", "1.5", "2", "3.5");
    nps("nps-negative", "-500", "200", "-300");
    nps("nps-tenths-add-without-noise", "0.1", "0.2", "0.3");
}

// Portrait whatever the printer was left at: after a salary statement it is landscape.
void TestReports::computationLayout() {
    QFETCH(reports::ComputationData, data);
    QFETCH(QString, nps);
    testing::RecordingPrinter printer;
    printer.setOrientation(Orientation::Landscape);
    QVERIFY(reports::unprintable(data).isEmpty());
    QVERIFY(reports::printComputation(printer, data));
    QCOMPARE(printer.pages.size(), 1);
    QCOMPARE(printer.pages[0].orientation, Orientation::Portrait);
    checkPage(printer.pages[0], ::computationLayout(data, nps));
}

void TestReports::statementLayout_data() {
    QTest::addColumn<reports::SalaryStatementData>("data");
    QTest::addColumn<QStringList>("arrears");
    auto row = [](const char* name, QStringList da, QStringList mgc, QStringList tpt,
                  QStringList arrears) {
        reports::SalaryStatementData d = statement();
        d.dearnessArrears = {da[0], da[1]};
        d.mgcArrears = {mgc[0], mgc[1]};
        d.transportArrears = {tpt[0], tpt[1]};
        QTest::newRow(name) << d << arrears;
    };
    row("worked-example-arrears-3528-352-224-4104", {"1764", "1764"}, {"176", "176"},
        {"112", "112"}, {"3528", "352", "224", "4104"});
    row("not-in-pension-scheme-mgc-0", {"1764", "1764"}, {"0", "0"}, {"112", "112"},
        {"3528", "0", "224", "3752"});
    row("no-arrears-all-0", {"0", "0"}, {"0", "0"}, {"0", "0"}, {"0", "0", "0", "0"});
    row("non-numeric-counts-leading-number-or-0", {"12abc", "x"}, {"", "7"}, {"1,500", "2"},
        {"12", "7", "3", "22"});
    row("fractions-kept-no-noise", {"0.1", "0.2"}, {"1.25", "0"}, {"0", "0.5"},
        {"0.3", "1.25", "0.5", "2.05"});
    reports::SalaryStatementData unnamed = statement();
    unnamed.name.clear();
    QTest::newRow("empty-name-nothing-centred-layout-unmoved")
        << unnamed << QStringList{"3528", "352", "224", "4104"};
}

void TestReports::statementLayout() {
    QFETCH(reports::SalaryStatementData, data);
    QFETCH(QStringList, arrears);
    testing::RecordingPrinter printer;
    QVERIFY(reports::unprintable(data).isEmpty());
    QVERIFY(reports::printSalaryStatement(printer, data));
    QCOMPARE(printer.pages.size(), 1);
    QCOMPARE(printer.pages[0].orientation, Orientation::Landscape);
    checkPage(printer.pages[0], ::statementLayout(data, arrears));
}

// A sum beyond what a number can hold is refused by name, never printed as "inf".
void TestReports::sumsTooLargeAreRefused() {
    reports::ComputationData c = computation();
    c.npsGovernment = c.npsEmployee = "1e308";
    QVERIFY(reports::unprintable(c).contains("NPS (EC + GC) (80CCD)"));
    c.npsEmployee = "0"; // large yet within range: printed in full
    QCOMPARE(reports::npsAmount(c)->size(), 309);
    reports::SalaryStatementData s = statement();
    s.dearnessArrears = {"1e308", "0"};
    s.transportArrears = {"1e308", "0"};
    QVERIFY(reports::unprintable(s).contains("DA Arr.")); // each sum fits, their total does not
}

void TestReports::pdfPage_data() {
    QTest::addColumn<bool>("statement");
    QTest::newRow("computation-portrait") << false;
    QTest::newRow("statement-landscape") << true;
}

// Every text of the layout stands on the real page where its cell puts it, within a
// hundredth of an inch: labels by their first word, amounts by their last, titles centred.
void TestReports::pdfPage() {
    QFETCH(bool, statement);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("page.pdf");
    const auto printer = toolkit::QtPrinter::pdfFile(file);
    printer->setOrientation(statement ? Orientation::Portrait : Orientation::Landscape);
    QVERIFY(statement ? reports::printSalaryStatement(*printer, ::statement())
                      : reports::printComputation(*printer, computation()));
    const Layout layout = statement
                              ? ::statementLayout(::statement(), {"3528", "352", "224", "4104"})
                              : ::computationLayout(computation(), "104577");

    const auto info = QRegularExpression(R"(Pages:\s+(\d+)[\s\S]*Page size:\s+([\d.]+) x ([\d.]+))")
                          .match(run("pdfinfo", {file}));
    QVERIFY2(info.hasMatch(), "pdfinfo is needed: run scripts/install-deps");
    QCOMPARE(info.captured(1), QString("1"));
    const double width = info.captured(2).toDouble() / 72,
                 height = info.captured(3).toDouble() / 72;
    QCOMPARE(width > height, statement);

    QList<Word> words;
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    for (auto it = word.globalMatch(run("pdftotext", {"-bbox", file, "-"})); it.hasNext();) {
        const auto m = it.next();
        words << Word{m.captured(4).replace("&amp;", "&").replace("&apos;", "'"),
                      m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72,
                      m.captured(3).toDouble() / 72};
        QVERIFY2(words.last().right < width - 0.25, qPrintable(words.last().text + " clipped"));
    }
    for (const Row& row : layout) {
        // The left or right edge of the word of the row with this text; NaN unless found once.
        auto edge = [&words, &row](const QString& text, bool left) {
            QList<double> found;
            for (const Word& w : words) {
                if (qAbs(w.top - row.y) < 0.05 && w.text == text) {
                    found << (left ? w.left : w.right);
                }
            }
            return found.size() == 1 ? found[0] : qQNaN();
        };
        for (const Cell& c : row.cells) {
            const QString first = c.text.section(' ', 0, 0), last = c.text.section(' ', -1);
            const double at = c.kind == L   ? edge(first, true)
                              : c.kind == R ? edge(last, false)
                                            : (edge(first, true) + edge(last, false)) / 2;
            QVERIFY2(c.kind == Rule || c.text.isEmpty() || qAbs(at - c.x) < 0.01,
                     qPrintable(c.text + " at " + QString::number(at)));
        }
    }
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
