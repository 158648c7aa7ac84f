// Printing through the hub: the computation takes the worksheet as it stands and each detail
// form as its last Back carried it; the statement takes the salary form as it stands; a page
// that cannot be printed is offered as a PDF file or reported, with every figure left alone.
// Where each line stands on the page is tested in tests/reports.
#include "support/hub.h"

using namespace testing;
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

bool printed(const RecordedPage& page, const QString& text) {
    return std::any_of(page.marks.begin(), page.marks.end(),
                       [&text](const PageMark& m) { return m.text == text; });
}

// Every text of every field of a form, to see that printing changed none.
QStringList texts(const QWidget& form) {
    QStringList out;
    for (const auto* box : form.findChildren<QLineEdit*>()) {
        out << box->objectName() + "=" + box->text();
    }
    return out;
}

// Calculates the form that prints the page; its Print button, enabled.
QAbstractButton* ready(Hub& hub, const QString& page) {
    if (page == "statement") {
        SalaryForm& f = hub.open("cmdcalgs", hub.program.salary());
        f.calculate();
        return button(&f, "cmdprn");
    }
    hub.w.calculate();
    return button(&hub.w, "cmdprint");
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    // Detail forms never carried print their design values, "0", without being shown. Then
    // every field holds a figure of its own, and the figures come out in the page's order.
    void computationTakesEveryField() {
        Hub hub;
        QTest::mouseClick(ready(hub, "computation"), Qt::LeftButton);
        QCOMPARE(amounts(hub.fakes.printers.printer.pages.last()), QStringList(43, "0"));
        QVERIFY(!hub.program.houseProperty().exists() && !hub.program.deductions().exists());

        QWidget* const forms[] = {&hub.program.houseProperty().get(),
                                  &hub.program.deductions().get(), &hub.w};
        const QString lines[] = {
            "2:txtgs 2:txttp 2:txthra 2:txtexall 2:txtnsal",
            "0:txtarv 0:txtptax 0:txtghi 0:txtrep 0:txtintt 0:txtoth 0:txttd 0:txtihp",
            "2:txtos 2:txtgti",
            "1:txtgpf 1:txtgis 1:txthba 1:txtlic 1:txtppf 1:txtnsc 1:txtnsci 1:txttf1 1:txttf2 "
            "1:txtinf 1:txtos 1:txt80c 1:txt80ccc 1:txt80ccdgc 1:txttot1 1:txt80ccf 1:txt80d "
            "1:txt80g 1:txtoth 1:txtgt80",
            "2:txtnti 2:txtgtax 2:txtrel89 2:txtntax 2:txtcess 2:txtttax 2:txtdedtax 2:txtbaltax"};
        const QStringList fields =
            QStringList(std::begin(lines), std::end(lines)).join(' ').split(' ');
        // The pension scheme's line adds the employee's contribution to the government's.
        find(forms[1], "txt80ccdec")->setText("0.5");
        for (int form = 0; form < 3; ++form) { // each detail form filled, then carried
            for (qsizetype i = 0; i < fields.size(); ++i) {
                if (fields[i].startsWith(QString::number(form))) {
                    find(forms[form], fields[i].mid(2))->setText(QString::number(1001 + i));
                }
            }
            if (form == 0) {
                static_cast<HousePropertyForm*>(forms[0])->back();
            } else if (form == 1) {
                static_cast<DeductionsForm*>(forms[1])->back();
            }
        }
        QStringList expected;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            expected << (fields[i] == "1:txt80ccdgc" ? QString("1029.5")
                                                     : QString::number(1001 + i));
        }
        fill(&hub.w, "txtname=R. K. SHARMA");
        hub.program.printComputation();
        QCOMPARE(amounts(hub.fakes.printers.printer.pages.last()), expected);
        QVERIFY(printed(hub.fakes.printers.printer.pages.last(), "R. K. SHARMA"));
    }

    // The page agrees with the worksheet beside it: a detail form edited and calculated
    // again without Back, or closed after that, prints as its last Back carried it (its
    // design values if it never did).
    void detailFormsPrintAsCarried_data() {
        QTest::addColumn<bool>("house");
        QTest::addColumn<bool>("carried");
        QTest::addColumn<bool>("close");
        QTest::newRow("house-property-recalculated-without-back") << true << true << false;
        QTest::newRow("house-property-closed-after-edit") << true << true << true;
        QTest::newRow("house-property-never-carried") << true << false << false;
        QTest::newRow("deductions-recalculated-without-back") << false << true << false;
        QTest::newRow("deductions-closed-after-edit") << false << true << true;
    }
    void detailFormsPrintAsCarried() {
        QFETCH(bool, house);
        QFETCH(bool, carried);
        QFETCH(bool, close);
        Hub hub;
        auto open = [&]() -> toolkit::Form& {
            if (house) {
                return hub.open("cmdcalhp", hub.program.houseProperty());
            }
            return hub.open("cmdcalded80", hub.program.deductions());
        };
        auto print = [&hub] {
            hub.w.calculate();
            hub.program.printComputation();
            return amounts(hub.fakes.printers.printer.pages.last());
        };
        if (carried) {
            toolkit::Form& f = open();
            fill(&f, house ? "txtarv=120000;txtintt=5000" : "txtgpf=60000;txt80ccdec=7");
            f.defaultButton()->click();
            button(&f, "cmdbk")->click();
        }
        const QStringList expected = print();
        QCOMPARE(expected.contains(house ? "79000" : "60007"), carried);
        toolkit::Form& f = open();
        fill(&f, house ? "txtarv=699993;txtintt=9" : "txtgpf=99999;txt80ccdec=8");
        f.defaultButton()->click();
        if (close) {
            QVERIFY(f.close());
        }
        QCOMPARE(print(), expected);
    }

    // Every cell of Form1, each holding a figure of its own, comes out in the order of the
    // statement's lines. The statement is landscape; the computation after it portrait again.
    void statementTakesEveryCell() {
        Hub hub;
        fill(&hub.w, "txtname=R. K. SHARMA");
        ready(hub, "statement");
        SalaryForm& f = hub.program.salary().get();
        // In the order printed: B.PAY, G.PAY, DA, HRA, MGC, TPA, TOTAL.
        const QStringList columns = {"txtbp",  "txtgp",   "txtda", "txthra",
                                     "txtmgc", "txttpa2", "txtttl"};
        QStringList expected;
        for (int row = 0; row < 14; ++row) { // top down, as each month's pay runs down
            for (int c = 0; c < 7; ++c) {
                if (auto* cell = f.findChild<QLineEdit*>(
                        QStringLiteral("%1(%2)").arg(columns[c]).arg(row))) {
                    cell->setText(QString::number(100 * row + c));
                    if (row >= 2) {
                        expected << cell->text();
                    }
                }
            }
        }
        // The arrears of January and February 2012 (DA, MGC, TPA in rows 0 and 1) on one line.
        expected += QStringList{"104", "108", "110", "322"};
        fill(&f, "txtbpt=9000;txtgpt=9001;txtdat=9002;txthrat=9003;txtmgct=9004;txttpat=9005;"
                 "txtttlt=9006;txtoth(0)=500;txtoth(1)=501;txtoth(2)=502;txtoth(3)=503;"
                 "txtoth(4)=504;txtoth(5)=505;txtgtotal=7777");
        // Other allowances, OTA, honorarium, tuition fee, bonus, arrears; the grand total.
        expected += QStringList{"9000", "9001", "9002", "9003", "9004", "9005", "9006",
                                "505",  "502",  "504",  "503",  "501",  "500",  "7777"};
        hub.program.printStatement();
        const QList<RecordedPage>& pages = hub.fakes.printers.printer.pages;
        QCOMPARE(amounts(pages.last()), expected);
        QVERIFY(printed(pages.last(), "R. K. SHARMA"));

        QTest::mouseClick(ready(hub, "computation"), Qt::LeftButton);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].orientation, Orientation::Landscape);
        QCOMPARE(pages[1].orientation, Orientation::Portrait);
    }

    // Without a printer the user is asked, and only a file chosen in the save dialog is
    // written. A page that the printer or the file loses, or that cannot be printed at all,
    // is reported. Either way no figure changes, and Print stays ready for another try.
    void printingFails_data() {
        QTest::addColumn<QString>("setup"); // page/cause
        QTest::addColumn<int>("dialogs");   // save dialogs shown
        QTest::addColumn<int>("written");   // pages written to a PDF file
        QTest::addColumn<QString>("message");
        QTest::newRow("computation-no-printer-declined") << "computation/declined" << 0 << 0 << "";
        QTest::newRow("computation-no-printer-cancelled")
            << "computation/cancelled" << 1 << 0 << "";
        QTest::newRow("computation-no-printer-saved") << "computation/saved" << 1 << 1 << "";
        QTest::newRow("statement-no-printer-saved") << "statement/saved" << 1 << 1 << "";
        QTest::newRow("computation-printer-fails")
            << "computation/jammed" << 0 << 0 << "The page was not printed. The printer jammed.";
        QTest::newRow("computation-pdf-file-fails")
            << "computation/disk-full" << 1 << 0 << "The page was not saved. The disk is full.";
        QTest::newRow("computation-nps-too-large")
            << "computation/nps" << 0 << 0 << "NPS (EC + GC) (80CCD)";
    }
    void printingFails() {
        QFETCH(QString, setup);
        QFETCH(int, dialogs);
        QFETCH(int, written);
        QFETCH(QString, message);
        Hub hub;
        const QString page = setup.section('/', 0, 0);
        const QString cause = setup.section('/', 1);
        RecordingPrinters& printers = hub.fakes.printers;
        printers.installed = cause == "jammed" || cause == "nps";
        printers.printer.failWith = cause == "jammed" ? "The printer jammed." : "";
        printers.pdf.failWith = cause == "disk-full" ? "The disk is full." : "";
        hub.fakes.questions.answer = cause != "declined";
        hub.fakes.saveDialog.chosen = cause == "cancelled" ? "" : "/tmp/page.pdf";
        if (cause == "nps") {
            DeductionsForm& f = hub.program.deductions().get();
            fill(&f, "txt80ccdgc=1e308;txt80ccdec=1e308");
            f.back();
        }
        QAbstractButton* print = ready(hub, page);
        const QStringList before = texts(*print->window());
        QTest::mouseClick(print, Qt::LeftButton);
        const QString question = "No printer is installed. Would you like to save the page as a "
                                 "PDF file instead?";
        QCOMPARE(hub.fakes.questions.asked,
                 printers.installed ? QStringList() : QStringList{question});
        const QString name = page == "statement" ? "Salary 2012-13.pdf" : "Income tax 2012-13.pdf";
        QCOMPARE(hub.fakes.saveDialog.offered, QStringList(dialogs, name));
        const bool chosen = dialogs && cause != "cancelled"; // the file chosen is the one written
        QCOMPARE(printers.pdfPaths, QStringList(chosen ? 1 : 0, "/tmp/page.pdf"));
        QCOMPARE(printers.pdf.pages.size(), written);
        if (written) {
            QCOMPARE(printers.pdf.pages[0].orientation,
                     page == "statement" ? Orientation::Landscape : Orientation::Portrait);
        }
        QVERIFY(printers.printer.pages.isEmpty());
        QCOMPARE(hub.shown().size(), message.isEmpty() ? 0 : 1);
        QVERIFY(message.isEmpty() || hub.shown()[0].contains(message));
        QCOMPARE(texts(*print->window()), before);
        QVERIFY(print->isEnabled());
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
