// Printing through the hub: the pages take the forms' fields as they stand, and a page that
// cannot be printed is offered as a PDF file or reported, with every figure left alone.
// Where each line stands on the page is tested in tests/reports.
#include "support/hub.h"

#include <QtTest>

using testing::PageMark;
using testing::RecordedPage;
using toolkit::Orientation;

namespace {

// The amounts of a page in the order printed, which is line by line, left to right.
QStringList amounts(const RecordedPage& page) {
    QStringList out;
    for (const PageMark& m : page.texts()) {
        bool number = false;
        m.text.toDouble(&number);
        if (number) {
            out << m.text;
        }
    }
    return out;
}

// Every text of every field of a form, to see that printing changed none.
QStringList texts(const QWidget& form) {
    QStringList out;
    for (const auto* box : form.findChildren<QLineEdit*>()) {
        out << box->objectName() + "=" + box->text();
    }
    return out;
}

// Calculates the form that prints the page, so that its Print button is enabled.
QWidget& ready(testing::Hub& hub, const QString& page) {
    if (page == "statement") {
        QTest::mouseClick(hub.w.cmdcalgs, Qt::LeftButton);
        hub.program.salary().get().cmdcal->click();
        return hub.program.salary().get();
    }
    hub.w.cmdcalc->click();
    return hub.w;
}

QPushButton* printButton(testing::Hub& hub, const QString& page) {
    return page == "statement" ? hub.program.salary().get().cmdprn : hub.w.cmdprint;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void computationTakesEveryField();
    void detailFormsPrintAsCarried_data();
    void detailFormsPrintAsCarried();
    void statementTakesEveryCell();
    void printingFails_data();
    void printingFails();
};

// Detail forms never carried into the worksheet print their design values, "0". Then every
// field holds a figure of its own, and the figures must come out in the order of the page's
// lines.
void TestPrinting::computationTakesEveryField() {
    testing::Hub hub;
    MainWorksheet& w = hub.w;
    QVERIFY(!hub.program.houseProperty().exists() && !hub.program.deductions().exists());
    ready(hub, "computation");
    QTest::mouseClick(w.cmdprint, Qt::LeftButton);
    QVERIFY(!hub.program.houseProperty().get().isVisible());
    QVERIFY(!hub.program.deductions().get().isVisible());
    QCOMPARE(amounts(hub.fakes.printers.printer.pages.last()),
             QStringList(43, "0")); // none skipped

    QWidget* hp = &hub.program.houseProperty().get();
    QWidget* ded = &hub.program.deductions().get();
    const std::pair<QWidget*, QStringList> lines[] = {
        {&w, {"txtgs", "txttp", "txthra", "txtexall", "txtnsal"}},
        {hp, {"txtarv", "txtptax", "txtghi", "txtrep", "txtintt", "txtoth", "txttd", "txtihp"}},
        {&w, {"txtos", "txtgti"}},
        {ded, {"txtgpf",  "txtgis",   "txthba", "txtlic", "txtppf", "txtnsc",   "txtnsci",
               "txttf1",  "txttf2",   "txtinf", "txtos",  "txt80c", "txt80ccc", "txt80ccdgc",
               "txttot1", "txt80ccf", "txt80d", "txt80g", "txtoth", "txtgt80"}},
        {&w,
         {"txtnti", "txtgtax", "txtrel89", "txtntax", "txtcess", "txtttax", "txtdedtax",
          "txtbaltax"}},
    };
    QStringList expected;
    for (const auto& [form, fields] : lines) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            expected << QString::number(1001 + expected.size());
        }
    }
    // The pension scheme's line adds the employee's contribution to the government's.
    ded->findChild<QLineEdit*>("txt80ccdec")->setText("0.5");
    expected[expected.indexOf("1029")] = "1029.5";
    // The detail forms print as their Back carried them into the worksheet: filled first.
    for (QWidget* pass : {hp, ded, static_cast<QWidget*>(&w)}) {
        int next = 0;
        for (const auto& [form, fields] : lines) {
            for (const QString& field : fields) {
                if (form == pass) {
                    form->findChild<QLineEdit*>(field)->setText(QString::number(1001 + next));
                }
                ++next;
            }
        }
        if (pass == hp) {
            hub.program.houseProperty().get().back();
        } else if (pass == ded) {
            hub.program.deductions().get().back();
        }
    }
    w.txtname->setText("R. K. SHARMA");
    hub.program.printComputation();
    const RecordedPage page = hub.fakes.printers.printer.pages.last();
    QCOMPARE(amounts(page), expected);
    QVERIFY(std::any_of(page.marks.begin(), page.marks.end(),
                        [](const PageMark& m) { return m.text == "R. K. SHARMA"; }));
}

// The page agrees with the worksheet beside it: a detail form edited and calculated again
// without Back, or closed after that, prints as its last Back carried it (its design values
// if it never did).
void TestPrinting::detailFormsPrintAsCarried_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("carried");
    QTest::addColumn<bool>("close");
    QTest::newRow("house-property-recalculated-without-back") << "Form4" << true << false;
    QTest::newRow("house-property-closed-after-edit") << "Form4" << true << true;
    QTest::newRow("house-property-never-carried") << "Form4" << false << false;
    QTest::newRow("deductions-recalculated-without-back") << "frmreb88" << true << false;
    QTest::newRow("deductions-closed-after-edit") << "frmreb88" << true << true;
}

void TestPrinting::detailFormsPrintAsCarried() {
    QFETCH(QString, form);
    QFETCH(bool, carried);
    QFETCH(bool, close);
    testing::Hub hub;
    const bool house = form == "Form4";
    QAbstractButton* calc = house ? hub.w.cmdcalhp : hub.w.cmdcalded80;
    const QString first = house ? "txtarv=120000;txtintt=5000" : "txtgpf=60000;txt80ccdec=7";
    const QString second = house ? "txtarv=699993;txtintt=9" : "txtgpf=99999;txt80ccdec=8";
    auto print = [&hub] {
        hub.w.cmdcalc->click();
        hub.program.printComputation();
        return amounts(hub.fakes.printers.printer.pages.last());
    };
    QTest::mouseClick(calc, Qt::LeftButton);
    toolkit::Form* f = house ? static_cast<toolkit::Form*>(&hub.program.houseProperty().get())
                             : &hub.program.deductions().get();
    if (carried) {
        testing::fill(f, first);
        f->defaultButton()->click();
        f->findChild<QPushButton*>("cmdbk")->click();
    }
    const QStringList expected = print();
    QTest::mouseClick(calc, Qt::LeftButton);
    testing::fill(f, second);
    f->defaultButton()->click();
    if (close) {
        QVERIFY(f->close());
    }
    QCOMPARE(print(), expected);
    QCOMPARE(expected.contains(house ? "79000" : "60000"), carried);
}

// Every cell of Form1, each holding a figure of its own, comes out in the order of the
// statement's lines. The statement is landscape; the computation after it portrait again.
void TestPrinting::statementTakesEveryCell() {
    testing::Hub hub;
    hub.w.txtname->setText("R. K. SHARMA");
    auto& f = static_cast<SalaryForm&>(ready(hub, "statement"));
    QTest::mouseClick(f.cmdprn, Qt::LeftButton);
    // In the order printed: B.PAY, G.PAY, DA, HRA, MGC, TPA, TOTAL.
    const SalaryForm::Column* columns[] = {&f.txtbp,  &f.txtgp,   &f.txtda, &f.txthra,
                                           &f.txtmgc, &f.txttpa2, &f.txtttl};
    toolkit::TextBox* totals[] = {f.txtbpt,  f.txtgpt,  f.txtdat, f.txthrat,
                                  f.txtmgct, f.txttpat, f.txtttlt};
    QStringList expected;
    for (std::size_t row = 0; row < 14; ++row) { // top down, as each month's pay runs down
        for (int c = 0; c < 7; ++c) {
            if (toolkit::TextBox* cell = (*columns[c])[row]) {
                cell->setText(QString::number(100 * row + c));
                if (row >= 2) {
                    expected << cell->text();
                }
            }
        }
    }
    // The arrears of January and February 2012 (DA, MGC, TPA in rows 0 and 1) on one line.
    expected += QStringList{"104", "108", "110", "322"};
    for (int c = 0; c < 7; ++c) {
        totals[c]->setText(QString::number(9000 + c));
        expected << totals[c]->text();
    }
    for (std::size_t i = 0; i < 6; ++i) {
        f.txtoth[i]->setText(QString::number(500 + i));
    }
    // Other allowances, OTA, honorarium, tuition fee, bonus, arrears; the grand total.
    expected += QStringList{"505", "502", "504", "503", "501", "500", "7777"};
    f.txtgtotal->setText("7777");
    hub.program.printStatement();
    const RecordedPage page = hub.fakes.printers.printer.pages.last();
    QCOMPARE(amounts(page), expected);
    QVERIFY(std::any_of(page.marks.begin(), page.marks.end(),
                        [](const PageMark& m) { return m.text == "R. K. SHARMA"; }));

    ready(hub, "computation");
    QTest::mouseClick(hub.w.cmdprint, Qt::LeftButton);
    const QList<RecordedPage>& pages = hub.fakes.printers.printer.pages;
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages[0].orientation, Orientation::Landscape);
    QCOMPARE(pages[2].orientation, Orientation::Portrait);
}

// Without a printer the user is asked, and only a file chosen in the save dialog is
// written. A page that the printer or the file loses, or that cannot be printed at all, is
// reported. Either way no figure changes, and Print stays ready for another try.
void TestPrinting::printingFails_data() {
    QTest::addColumn<QString>("setup"); // page/cause
    QTest::addColumn<int>("dialogs");   // save dialogs shown
    QTest::addColumn<int>("written");   // pages written to a PDF file
    QTest::addColumn<QString>("message");
    QTest::newRow("computation-no-printer-declined") << "computation/declined" << 0 << 0 << "";
    QTest::newRow("computation-no-printer-cancelled") << "computation/cancelled" << 1 << 0 << "";
    QTest::newRow("computation-no-printer-saved") << "computation/saved" << 1 << 1 << "";
    QTest::newRow("statement-no-printer-saved") << "statement/saved" << 1 << 1 << "";
    QTest::newRow("computation-printer-fails")
        << "computation/jammed" << 0 << 0 << "The page was not printed. The printer jammed.";
    QTest::newRow("computation-pdf-file-fails")
        << "computation/disk-full" << 1 << 0 << "The page was not saved. The disk is full.";
    QTest::newRow("computation-nps-too-large")
        << "computation/nps" << 0 << 0 << "NPS (EC + GC) (80CCD)";
}

void TestPrinting::printingFails() {
    QFETCH(QString, setup);
    QFETCH(int, dialogs);
    QFETCH(int, written);
    QFETCH(QString, message);
    testing::Hub hub;
    const QString page = setup.section('/', 0, 0);
    const QString cause = setup.section('/', 1);
    hub.fakes.printers.installed = cause == "jammed" || cause == "nps";
    hub.fakes.printers.printer.failWith = cause == "jammed" ? "The printer jammed." : "";
    hub.fakes.printers.pdf.failWith = cause == "disk-full" ? "The disk is full." : "";
    hub.fakes.questions.answer = cause != "declined";
    hub.fakes.saveDialog.chosen = cause == "cancelled" ? "" : "/tmp/page.pdf";
    if (cause == "nps") {
        hub.program.deductions().get().txt80ccdgc->setText("1e308");
        hub.program.deductions().get().txt80ccdec->setText("1e308");
        hub.program.deductions().get().back();
    }
    const QWidget& form = ready(hub, page);
    const QStringList before = texts(form);
    QTest::mouseClick(printButton(hub, page), Qt::LeftButton);
    const QString question = "No printer is installed. Would you like to save the page as a PDF "
                             "file instead?";
    QCOMPARE(hub.fakes.questions.asked,
             hub.fakes.printers.installed ? QStringList() : QStringList{question});
    const QString name = page == "statement" ? "Salary 2012-13.pdf" : "Income tax 2012-13.pdf";
    QCOMPARE(hub.fakes.saveDialog.offered, QStringList(dialogs, name));
    const bool chosen = dialogs && cause != "cancelled"; // the file chosen is the one written
    QCOMPARE(hub.fakes.printers.pdfPaths, QStringList(chosen ? 1 : 0, "/tmp/page.pdf"));
    QCOMPARE(hub.fakes.printers.pdf.pages.size(), written);
    if (written) {
        const bool landscape = page == "statement";
        QCOMPARE(hub.fakes.printers.pdf.pages[0].orientation,
                 landscape ? Orientation::Landscape : Orientation::Portrait);
    }
    QVERIFY(hub.fakes.printers.printer.pages.isEmpty());
    QCOMPARE(hub.fakes.messages.shown.size(), message.isEmpty() ? 0 : 1);
    QVERIFY(message.isEmpty() || hub.fakes.messages.shown[0].contains(message));
    QCOMPARE(texts(form), before);
    QVERIFY(printButton(hub, page)->isEnabled());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
