// Both reports printed through the real printer into PDF files and read back with
// poppler's pdftotext and pdfinfo: amounts flush at their column edges, titles where the
// layout puts them, the page turned the right way, one page each.
#include "reports/computation_report.h"
#include "reports/salary_statement.h"
#include "samples.h"
#include "toolkit/printer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr double edgeTolerance = 0.01; // inch
constexpr double points = 72.0;        // PDF units to the inch

struct Word {
    QString text;
    double left, top, right, bottom; // inches
};

struct PdfPage {
    int pages = 0;
    double width = 0, height = 0; // inches
    QList<Word> words;
    QList<Word> find(const QString& text) const {
        QList<Word> out;
        for (const Word& w : words) {
            if (w.text == text) {
                out << w;
            }
        }
        return out;
    }
};

QString run(const QString& tool, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty()) {
        qWarning("%s not found: install poppler-utils (scripts/install-deps)", qPrintable(tool));
        return {};
    }
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString unescape(QString text) {
    return text.replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&apos;", "'")
        .replace("&amp;", "&");
}

PdfPage read(const QString& file) {
    PdfPage page;
    const QString info = run("pdfinfo", {file});
    const auto pages = QRegularExpression(R"(Pages:\s+(\d+))").match(info);
    const auto size = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(info);
    if (pages.hasMatch() && size.hasMatch()) {
        page.pages = pages.captured(1).toInt();
        page.width = size.captured(1).toDouble() / points;
        page.height = size.captured(2).toDouble() / points;
    }
    const QString boxes = run("pdftotext", {"-bbox", file, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        page.words << Word{unescape(m.captured(5)), m.captured(1).toDouble() / points,
                           m.captured(2).toDouble() / points, m.captured(3).toDouble() / points,
                           m.captured(4).toDouble() / points};
    }
    return page;
}

// Every amount ends at the column's edge, within a hundredth of an inch.
void checkColumn(const PdfPage& page, double edge, const QStringList& amounts) {
    for (const QString& amount : amounts) {
        const QList<Word> found = page.find(amount);
        QVERIFY2(found.size() == 1, qPrintable(amount + " printed once"));
        QVERIFY2(
            qAbs(found[0].right - edge) < edgeTolerance,
            qPrintable(QString("%1 ends at %2, not %3").arg(amount).arg(found[0].right).arg(edge)));
    }
}

void checkInsidePage(const PdfPage& page) {
    QVERIFY(!page.words.isEmpty());
    for (const Word& w : page.words) {
        QVERIFY2(w.left >= 0.25 && w.right <= page.width - 0.25 && w.bottom <= page.height - 0.25,
                 qPrintable(w.text + " reaches the edge of the sheet"));
    }
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void computationOnPortraitPage();
    void statementOnLandscapePage();
    void unwritableFileIsAFailure();

private:
    QTemporaryDir dir;
};

void TestReportPdf::initTestCase() {
    QVERIFY(dir.isValid());
    // FISCORA_KEEP_PDF=1 keeps the two pages to look at (the folder is printed).
    if (qEnvironmentVariableIsSet("FISCORA_KEEP_PDF")) {
        dir.setAutoRemove(false);
        qInfo("PDF files kept in %s", qPrintable(dir.path()));
    }
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty() &&
                 !QStandardPaths::findExecutable("pdfinfo").isEmpty(),
             "poppler-utils is needed: run scripts/install-deps");
}

void TestReportPdf::computationOnPortraitPage() {
    const QString file = dir.filePath("computation.pdf");
    const reports::ComputationData d = samples::computation();
    const auto printer = toolkit::QtPrinter::pdfFile(file);
    // Landscape left over from a salary statement must not turn this page.
    printer->setOrientation(toolkit::Orientation::Landscape);
    QVERIFY2(reports::printComputation(*printer, d), qPrintable(printer->failure()));

    const PdfPage page = read(file);
    QCOMPARE(page.pages, 1);
    QVERIFY2(page.height > page.width, "portrait");

    const QList<Word> title = page.find("CALCULATION");
    QCOMPARE(title.size(), 1);
    QVERIFY2(qAbs(title[0].left - 1.0) < edgeTolerance, qPrintable(QString::number(title[0].left)));
    QVERIFY2(qAbs(title[0].top - 0.4) < 0.03, qPrintable(QString::number(title[0].top)));
    const QList<Word> balance = page.find("BALANCE");
    QCOMPARE(balance.size(), 1);
    QVERIFY2(qAbs(balance[0].top - 8.65) < 0.03, qPrintable(QString::number(balance[0].top)));

    checkColumn(page, 5.0,
                {d.transportExempt, d.hraExempt, d.repairs, d.interest, d.others24, d.gpf, d.cgegis,
                 d.hba, d.lic, d.ppf, d.nsc, d.nscInterest, d.tuitionFee1, d.tuitionFee2,
                 d.infrastructure80C, d.otherSavings, d.total80C, d.pension80CCC,
                 *reports::npsAmount(d)});
    checkColumn(page, 6.0,
                {d.grossSalary, d.totalExempt, d.annualValue, d.propertyTaxes, d.grossHouseIncome,
                 d.total24, d.total80CCE, d.bonds80CCF, d.mediclaim80D, d.donations80G,
                 d.otherDeductions});
    checkColumn(page, 7.0,
                {d.salaryIncome, d.houseIncome, d.otherSources, d.grossTotalIncome,
                 d.totalDeductions, d.netTaxableIncome, d.grossTax, d.relief89, d.netTax, d.cess,
                 d.totalTax, d.taxDeducted, d.balanceTax});
    checkInsidePage(page);
}

void TestReportPdf::statementOnLandscapePage() {
    const QString file = dir.filePath("statement.pdf");
    const reports::SalaryStatementData d = samples::statement();
    const auto printer = toolkit::QtPrinter::pdfFile(file);
    QVERIFY2(reports::printSalaryStatement(*printer, d), qPrintable(printer->failure()));

    const PdfPage page = read(file);
    QCOMPARE(page.pages, 1);
    QVERIFY2(page.width > page.height, "landscape");

    const QList<Word> first = page.find("DETAILS");
    const QList<Word> last = page.find("2013");
    QCOMPARE(first.size(), 1);
    QCOMPARE(last.size(), 1);
    QVERIFY2(qAbs((first[0].left + last[0].right) / 2 - 5.0) < edgeTolerance, "title centred");
    QVERIFY2(qAbs(first[0].top - 1.0) < 0.03, qPrintable(QString::number(first[0].top)));

    QStringList columns[8];
    columns[0] << "Month"
               << "Arr."
               << "Totals";
    for (const reports::MonthRow& m : d.months) {
        columns[1] << m.pay.basicPay;
        columns[2] << m.pay.gradePay;
        columns[3] << m.pay.dearness;
        columns[4] << m.pay.hra;
        columns[5] << m.pay.mgc;
        columns[6] << m.pay.transport;
        columns[7] << m.pay.total;
    }
    columns[1] += {"Basic", "Pay", d.totals.basicPay};
    columns[2] += {"GP", d.totals.gradePay};
    columns[3] += {"Dearness", "3528", d.totals.dearness};
    columns[4] += {"HRA", d.totals.hra};
    columns[5] += {"MGC", "352", d.totals.mgc};
    columns[6] += {"All.", "224", d.totals.transport};
    columns[7] += {"Total",      "4104",       d.totals.total, d.otherAllowances, d.overtime,
                   d.honorarium, d.tuitionFee, d.bonus,        d.arrears,         d.grandTotal};
    for (int c = 0; c < 8; ++c) {
        checkColumn(page, c + 1, columns[c]);
    }
    // The annual captions end in ":-" as a separate word; the words before them line up.
    const QList<Word> dashes = page.find(":-");
    QCOMPARE(dashes.size(), 7);
    for (const Word& w : dashes) {
        QVERIFY2(qAbs(w.right - 7.0) < edgeTolerance, qPrintable(QString::number(w.right)));
    }
    checkInsidePage(page);
}

void TestReportPdf::unwritableFileIsAFailure() {
    const QString file = dir.filePath("no such folder/computation.pdf");
    const auto printer = toolkit::QtPrinter::pdfFile(file);
    QVERIFY(!reports::printComputation(*printer, samples::computation()));
    QVERIFY(printer->failure().contains(file));
    QVERIFY(!QFile::exists(file));
}

QTEST_MAIN(TestReportPdf)
#include "tst_report_pdf.moc"
