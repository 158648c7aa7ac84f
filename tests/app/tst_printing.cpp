// Print on the worksheet, driven as a user drives it: the page carries the forms' fields as
// they stand, and without a printer the page can go to a PDF file instead.
#include "app/program.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <QtTest>

using testing::PageMark;
using testing::RecordedPage;
using testing::RecordingPrinter;

namespace {

constexpr double tolerance = 1e-9;

// The text printed on the line at y that ends at the right edge, or starts at x.
std::optional<PageMark> at(const RecordedPage& page, double y, double x, bool rightAligned) {
    for (const PageMark& m : page.texts()) {
        if (qAbs(m.y - y) < tolerance && qAbs((rightAligned ? m.right() : m.x) - x) < tolerance) {
            return m;
        }
    }
    return std::nullopt;
}

QString amountAt(const RecordedPage& page, double y, double edge) {
    const auto m = at(page, y, edge, true);
    return m ? m->text : QStringLiteral("<nothing>");
}

// Every text of every field of a form, to see that printing changed none.
QStringList texts(const QWidget& form) {
    QStringList out;
    for (const auto* box : form.findChildren<toolkit::TextBox*>()) {
        out << box->objectName() + "=" + box->text();
    }
    return out;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void worksheetPrintsAsItStands();
    void neverOpenedFormsPrintZero();
    void deductionsPrintAsTheyStand();
    void npsWithNonNumericEmployeeShare();
    void portraitAfterLandscape();
    void noPrinter_data();
    void noPrinter();
    void noPrinterWritesRealPdfOnlyWhenChosen();
    void unwritablePdfIsReported();
    void printerFailureChangesNothing();
    void npsTooLargeIsRefused();
    void housePropertyAsItStands();
    void statementOfWorkedYear();
    void statementThenComputationIsPortrait();
    void statementPrinterFailureChangesNothing();
    void statementWithoutPrinterOffersPdf();

private:
    SalaryForm& calculateWorkedYear();
    void calculateAndPrint();
    RecordedPage lastPage() const;

    testing::FakeServices* fakes = nullptr;
    Program* program = nullptr;
    MainWorksheet* w = nullptr;
};

void TestPrinting::init() {
    fakes = new testing::FakeServices;
    program = new Program(fakes->services());
    program->showWorksheet();
    w = &program->worksheet();
}

void TestPrinting::cleanup() {
    delete program;
    delete fakes;
}

void TestPrinting::calculateAndPrint() {
    QTest::mouseClick(w->cmdcalc, Qt::LeftButton);
    QVERIFY(w->cmdprint->isEnabled());
    QTest::mouseClick(w->cmdprint, Qt::LeftButton);
}

RecordedPage TestPrinting::lastPage() const {
    return fakes->printers.printer.pages.isEmpty() ? RecordedPage{}
                                                   : fakes->printers.printer.pages.last();
}

void TestPrinting::worksheetPrintsAsItStands() {
    w->txtname->setText("R. K. SHARMA");
    w->txtgs->setText("700280");
    w->txttp->setText("9600");
    w->txthra->setText("45066");
    w->txtos->setText("12500");
    w->txtdedtax->setText("14000");
    calculateAndPrint();
    QCOMPARE(fakes->printers.printer.pages.size(), 1);
    QVERIFY(fakes->messages.shown.isEmpty());
    QVERIFY(fakes->questions.asked.isEmpty());
    const RecordedPage page = lastPage();
    QCOMPARE(at(page, 0.60, 1.0, false)->text, QString("R. K. SHARMA"));
    const std::tuple<double, double, toolkit::TextBox*> rows[] = {
        {1.30, 6.0, w->txtgs},    {1.60, 5.0, w->txttp},     {1.75, 5.0, w->txthra},
        {1.75, 6.0, w->txtexall}, {1.90, 7.0, w->txtnsal},   {3.70, 7.0, w->txtos},
        {4.00, 7.0, w->txtgti},   {7.60, 7.0, w->txtnti},    {7.75, 7.0, w->txtgtax},
        {7.90, 7.0, w->txtrel89}, {8.05, 7.0, w->txtntax},   {8.20, 7.0, w->txtcess},
        {8.35, 7.0, w->txtttax},  {8.50, 7.0, w->txtdedtax}, {8.65, 7.0, w->txtbaltax},
    };
    for (const auto& [y, edge, field] : rows) {
        QCOMPARE(amountAt(page, y, edge), field->text());
    }
    // The worked figures, so that a field read in the wrong place would show.
    QCOMPARE(amountAt(page, 1.75, 6.0), QString("54666"));
    QCOMPARE(amountAt(page, 1.90, 7.0), QString("645614"));
    QVERIFY(
        at(page, 10.10, 1.0, false)->text.contains(MainWorksheet::downloadAddress().toString()));
}

void TestPrinting::neverOpenedFormsPrintZero() {
    QVERIFY(!program->deductions().exists());
    QVERIFY(!program->houseProperty().exists());
    calculateAndPrint();
    // Read unseen: created for the page, never shown.
    QVERIFY(program->deductions().exists());
    QVERIFY(!program->deductions().existing()->isVisible());
    QVERIFY(program->houseProperty().exists());
    QVERIFY(!program->houseProperty().existing()->isVisible());
    const RecordedPage page = lastPage();
    QCOMPARE(page.texts().size(), 92); // every line, none skipped for a zero
    for (double y : {2.35, 2.50, 2.65, 3.25}) {
        QCOMPARE(amountAt(page, y, 6.0), QString("0"));
    }
    for (double y : {2.95, 3.10, 3.25}) {
        QCOMPARE(amountAt(page, y, 5.0), QString("0"));
    }
    QCOMPARE(amountAt(page, 3.40, 7.0), QString("0"));
    for (int i = 0; i < 11; ++i) {
        QCOMPARE(amountAt(page, 4.60 + 0.15 * i, 5.0), QString("0"));
    }
    for (double y : {6.25, 6.40, 6.55}) {
        QCOMPARE(amountAt(page, y, 5.0), QString("0"));
    }
    for (double y : {6.70, 6.85, 7.00, 7.15, 7.30}) {
        QCOMPARE(amountAt(page, y, 6.0), QString("0"));
    }
    QCOMPARE(amountAt(page, 7.45, 7.0), QString("0"));
}

// Figures typed on a detail form and never calculated print as typed.
void TestPrinting::deductionsPrintAsTheyStand() {
    QTest::mouseClick(w->cmdcalded80, Qt::LeftButton);
    DeductionsForm& f = *program->deductions().existing();
    f.txtgpf->setText("36000");
    f.txtlic->setText("12345.5");
    f.txt80d->setText("15000");
    f.hide();
    calculateAndPrint();
    const RecordedPage page = lastPage();
    QCOMPARE(amountAt(page, 4.60, 5.0), QString("36000"));
    QCOMPARE(amountAt(page, 5.05, 5.0), QString("12345.5"));
    QCOMPARE(amountAt(page, 6.25, 5.0), f.txt80c->text());
    QCOMPARE(amountAt(page, 7.00, 6.0), QString("15000"));
}

void TestPrinting::npsWithNonNumericEmployeeShare() {
    w->txtmgc->setText("52288");
    QTest::mouseClick(w->cmdcalded80, Qt::LeftButton);
    DeductionsForm& f = *program->deductions().existing();
    QCOMPARE(f.txt80ccdgc->text(), QString("52288"));
    f.txt80ccdec->setText("abc");
    calculateAndPrint();
    QCOMPARE(amountAt(lastPage(), 6.55, 5.0), QString("52288"));
    f.txt80ccdec->setText("1000");
    QTest::mouseClick(w->cmdprint, Qt::LeftButton);
    QCOMPARE(amountAt(lastPage(), 6.55, 5.0), QString("53288"));
}

void TestPrinting::portraitAfterLandscape() {
    fakes->printers.printer.setOrientation(toolkit::Orientation::Landscape);
    calculateAndPrint();
    QCOMPARE(lastPage().orientation, toolkit::Orientation::Portrait);
}

void TestPrinting::noPrinter_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("declined-no-dialog-nothing-written") << false << "" << 0;
    QTest::newRow("accepted-then-cancelled-nothing-written") << true << "" << 1;
    QTest::newRow("accepted-and-file-chosen-page-written") << true << "/tmp/tax.pdf" << 1;
}

void TestPrinting::noPrinter() {
    QFETCH(bool, answer);
    QFETCH(QString, chosen);
    QFETCH(int, dialogs);
    fakes->printers.installed = false;
    fakes->questions.answer = answer;
    fakes->saveDialog.chosen = chosen;
    const QStringList before = texts(*w);
    calculateAndPrint();
    QCOMPARE(fakes->questions.asked,
             QStringList{"No printer is installed. Would you like to save the page as a PDF "
                         "file instead?"});
    QCOMPARE(fakes->saveDialog.offered.size(), dialogs);
    QCOMPARE(fakes->printers.pdfPaths, chosen.isEmpty() ? QStringList() : QStringList{chosen});
    QCOMPARE(fakes->printers.pdf.pages.size(), chosen.isEmpty() ? 0 : 1);
    QVERIFY(fakes->printers.printer.pages.isEmpty());
    QVERIFY(fakes->messages.shown.isEmpty()); // nothing to report: no success claimed either
    QCOMPARE(texts(*w), before);
    QVERIFY(w->cmdprint->isEnabled());
}

void TestPrinting::noPrinterWritesRealPdfOnlyWhenChosen() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    fakes->printers.installed = false;
    fakes->printers.realPdf = true;
    fakes->questions.answer = true;
    calculateAndPrint(); // the dialog is cancelled
    QVERIFY(QDir(dir.path()).isEmpty());
    const QString file = dir.filePath("tax.pdf");
    fakes->saveDialog.chosen = file;
    QTest::mouseClick(w->cmdprint, Qt::LeftButton);
    QCOMPARE(fakes->saveDialog.offered,
             (QStringList{"Income tax 2012-13.pdf", "Income tax 2012-13.pdf"}));
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(fakes->messages.shown.isEmpty());
}

void TestPrinting::unwritablePdfIsReported() {
    QTemporaryDir dir;
    fakes->printers.installed = false;
    fakes->printers.realPdf = true;
    fakes->questions.answer = true;
    fakes->saveDialog.chosen = dir.filePath("no such folder/tax.pdf");
    const QStringList before = texts(*w);
    calculateAndPrint();
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY(fakes->messages.shown[0].startsWith("The page was not saved."));
    QVERIFY(fakes->messages.shown[0].contains(fakes->saveDialog.chosen));
    QVERIFY(!QFile::exists(fakes->saveDialog.chosen));
    QCOMPARE(texts(*w), before);
}

void TestPrinting::printerFailureChangesNothing() {
    fakes->printers.printer.failWith = "The printer is out of paper.";
    w->txtgs->setText("700280");
    QTest::mouseClick(w->cmdcalded80, Qt::LeftButton);
    DeductionsForm& f = *program->deductions().existing();
    f.txtppf->setText("70000");
    f.hide();
    QTest::mouseClick(w->cmdcalc, Qt::LeftButton);
    const QStringList worksheetBefore = texts(*w);
    const QStringList deductionsBefore = texts(f);
    QTest::mouseClick(w->cmdprint, Qt::LeftButton);
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY(fakes->messages.shown[0].startsWith("The page was not printed."));
    QVERIFY(fakes->messages.shown[0].contains("The printer is out of paper."));
    QVERIFY(fakes->printers.printer.pages.isEmpty());
    QCOMPARE(texts(*w), worksheetBefore);
    QCOMPARE(texts(f), deductionsBefore);
    QVERIFY(w->cmdprint->isEnabled()); // ready to print again once the printer is seen to
    fakes->printers.printer.failWith.clear();
    QTest::mouseClick(w->cmdprint, Qt::LeftButton);
    QCOMPARE(fakes->printers.printer.pages.size(), 1);
    QCOMPARE(fakes->messages.shown.size(), 1);
}

void TestPrinting::npsTooLargeIsRefused() {
    QTest::mouseClick(w->cmdcalded80, Qt::LeftButton);
    DeductionsForm& f = *program->deductions().existing();
    f.txt80ccdgc->setText("1e308");
    f.txt80ccdec->setText("1e308");
    fakes->printers.installed = false;
    calculateAndPrint();
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY(fakes->messages.shown[0].contains("NPS (EC + GC) (80CCD)"));
    QVERIFY(fakes->questions.asked.isEmpty());
    QVERIFY(fakes->printers.pdfPaths.isEmpty());
}

// A self-occupied house with interest above the cap: the interest prints as typed, the
// section 24 total and the loss as the form worked them out.
void TestPrinting::housePropertyAsItStands() {
    QTest::mouseClick(w->cmdcalhp, Qt::LeftButton);
    HousePropertyForm& f = *program->houseProperty().existing();
    QTest::mouseClick(f.optso, Qt::LeftButton);
    QVERIFY(f.optso->isChecked());
    f.txtintt->setText("250000");
    QTest::mouseClick(f.cmdtot, Qt::LeftButton);
    QVERIFY(f.txtihp->text().startsWith("-"));
    QTest::mouseClick(f.cmdbk, Qt::LeftButton);
    calculateAndPrint();
    const RecordedPage page = lastPage();
    const std::tuple<double, double, toolkit::TextBox*> rows[] = {
        {2.35, 6.0, f.txtarv}, {2.50, 6.0, f.txtptax}, {2.65, 6.0, f.txtghi},
        {2.95, 5.0, f.txtrep}, {3.10, 5.0, f.txtintt}, {3.25, 5.0, f.txtoth},
        {3.25, 6.0, f.txttd},  {3.40, 7.0, f.txtihp},
    };
    for (const auto& [y, edge, field] : rows) {
        QCOMPARE(amountAt(page, y, edge), field->text());
    }
    QCOMPARE(amountAt(page, 3.10, 5.0), QString("250000"));
    QCOMPARE(amountAt(page, 3.25, 6.0), QString("150000"));
    QCOMPARE(amountAt(page, 3.40, 7.0), QString("-150000"));
    QCOMPARE(amountAt(page, 3.40, 7.0), w->txthp->text());
    QVERIFY(at(page, 3.40, 7.0, true)->font.bold);
}

// The year worked through on the salary form: NPS, 21000 basic and 4200 grade pay from
// January 2012.
SalaryForm& TestPrinting::calculateWorkedYear() {
    w->txtname->setText("R. K. SHARMA");
    QTest::mouseClick(w->cmdcalgs, Qt::LeftButton);
    SalaryForm& f = *program->salary().existing();
    f.cbonps->setEditText("Y");
    f.txtbp[0]->setText("21000");
    f.txtgp[0]->setText("4200");
    QTest::mouseClick(f.cmdcal, Qt::LeftButton);
    return f;
}

void TestPrinting::statementOfWorkedYear() {
    SalaryForm& f = calculateWorkedYear();
    QCOMPARE(f.txtgtotal->text(), QString("700280"));
    // Arrears, bonus, overtime, tuition fee, honorarium, other allowances.
    for (std::size_t i = 0; i < 6; ++i) {
        f.txtoth[i]->setText(QString::number(i + 1));
    }
    QTest::mouseClick(f.cmdcal, Qt::LeftButton);
    QVERIFY(f.cmdprn->isEnabled());
    QTest::mouseClick(f.cmdprn, Qt::LeftButton);
    QCOMPARE(fakes->printers.printer.pages.size(), 1);
    QVERIFY(fakes->messages.shown.isEmpty());
    const RecordedPage page = lastPage();
    QCOMPARE(page.orientation, toolkit::Orientation::Landscape);
    const auto name =
        at(page, 1.2,
           5.0 - RecordingPrinter::widthOf("R. K. SHARMA", {"Tahoma", 10, true, false, true}) / 2,
           false);
    QVERIFY(name);
    QCOMPARE(name->text, QString("R. K. SHARMA"));
    for (std::size_t row = 2; row <= 13; ++row) {
        const double y = 2.0 + 0.2 * double(row - 2);
        QCOMPARE(amountAt(page, y, 1), f.Label1.at(int(row))->text());
        const toolkit::TextBox* cells[] = {f.txtbp[row],  f.txtgp[row],  f.txtda[row],
                                           f.txthra[row], f.txtmgc[row], f.txttpa2[row],
                                           f.txtttl[row]};
        for (int column = 2; column <= 8; ++column) {
            QCOMPARE(amountAt(page, y, column), cells[column - 2]->text());
        }
    }
    QCOMPARE(amountAt(page, 2.0, 1), QString("Mar 12"));
    QCOMPARE(amountAt(page, 4.2, 1), QString("Feb 13"));
    // The arrears of January and February 2012 on one line.
    QCOMPARE(amountAt(page, 4.4, 4), QString("3528"));
    QCOMPARE(amountAt(page, 4.4, 6), QString("352"));
    QCOMPARE(amountAt(page, 4.4, 7), QString("224"));
    QCOMPARE(amountAt(page, 4.4, 8), QString("4104"));
    const toolkit::TextBox* totals[] = {f.txtbpt,  f.txtgpt,  f.txtdat, f.txthrat,
                                        f.txtmgct, f.txttpat, f.txtttlt};
    for (int column = 2; column <= 8; ++column) {
        QCOMPARE(amountAt(page, 4.6, column), totals[column - 2]->text());
    }
    const std::pair<double, const char*> annual[] = {{5.2, "6"}, {5.4, "3"}, {5.6, "5"},
                                                     {5.8, "4"}, {6.0, "2"}, {6.2, "1"}};
    for (const auto& [y, figure] : annual) {
        QCOMPARE(amountAt(page, y, 8), QString(figure));
    }
    QCOMPARE(amountAt(page, 6.4, 8), QString("700301"));
}

// A salary statement turns the printer to landscape; the computation printed next must
// still come out portrait, or its lower half would be lost.
void TestPrinting::statementThenComputationIsPortrait() {
    SalaryForm& f = calculateWorkedYear();
    QTest::mouseClick(f.cmdprn, Qt::LeftButton);
    QTest::mouseClick(f.cmdbak, Qt::LeftButton);
    calculateAndPrint();
    const QList<RecordedPage>& pages = fakes->printers.printer.pages;
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].orientation, toolkit::Orientation::Landscape);
    QCOMPARE(pages[1].orientation, toolkit::Orientation::Portrait);
    QCOMPARE(amountAt(pages[1], 1.30, 6.0), QString("700280"));
}

void TestPrinting::statementPrinterFailureChangesNothing() {
    SalaryForm& f = calculateWorkedYear();
    fakes->printers.printer.failWith = "The printer is offline.";
    const QStringList before = texts(f);
    QTest::mouseClick(f.cmdprn, Qt::LeftButton);
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY(fakes->messages.shown[0].startsWith("The page was not printed."));
    QVERIFY(fakes->messages.shown[0].contains("The printer is offline."));
    QVERIFY(fakes->printers.printer.pages.isEmpty());
    QCOMPARE(texts(f), before);
    QVERIFY(f.cmdprn->isEnabled());
    QVERIFY(f.cmdbak->isEnabled());
}

void TestPrinting::statementWithoutPrinterOffersPdf() {
    SalaryForm& f = calculateWorkedYear();
    fakes->printers.installed = false;
    fakes->questions.answer = true;
    fakes->saveDialog.chosen = "/tmp/salary.pdf";
    QTest::mouseClick(f.cmdprn, Qt::LeftButton);
    QCOMPARE(fakes->questions.asked.size(), 1);
    QCOMPARE(fakes->saveDialog.offered, QStringList{"Salary 2012-13.pdf"});
    QCOMPARE(fakes->printers.pdfPaths, QStringList{"/tmp/salary.pdf"});
    QCOMPARE(fakes->printers.pdf.pages.size(), 1);
    QCOMPARE(fakes->printers.pdf.pages[0].orientation, toolkit::Orientation::Landscape);
    QVERIFY(fakes->messages.shown.isEmpty());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
