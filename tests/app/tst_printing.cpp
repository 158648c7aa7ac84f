// Printing through the hub: what each page takes from which form, and when it cannot print.
#include "support/hub.h"
#include "support/pdf.h"

using namespace testing;
using toolkit::Orientation;

namespace {

// The amounts of a page in the order printed, which is line by line, left to right.
QStringList amounts(const RecordedPage& page) {
    return each(page.marks, [](const PageMark& m) {
        bool number = false;
        m.text.toDouble(&number);
        return number ? QStringList{m.text} : QStringList{};
    });
}

bool printed(const RecordedPage& page, const QString& text) {
    return std::any_of(page.marks.begin(), page.marks.end(),
                       [&text](const PageMark& m) { return m.text == text; });
}

// Calculates the form that prints the page; its Print button, enabled.
QAbstractButton* ready(Hub& hub, const QString& page) {
    if (page == "statement") {
        hub.open("cmdcalgs", hub.program.salary()).calculate();
        return button(&hub.program.salary().get(), "cmdprn");
    }
    if (page == "relief") {
        hub.open("cmdcalrel89", hub.program.relief()).calculate();
        return hub.program.relief().get().cmdprn;
    }
    hub.w.calculate();
    return button(&hub.w, "cmdprint");
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
    toolkit::QtPrinters desktop_; // one for every test, as the program keeps one

private slots:
    // Forms never carried print "0", unseen. With every amount a figure of its own, each page
    // shows each once, each a field's figure or a sum the hub adds (80CCD, the DA arrears).
    void pagesTakeEveryField() {
        Hub hub;
        QTest::mouseClick(ready(hub, "computation"), Qt::LeftButton);
        QCOMPARE(amounts(hub.fakes.printers.printer.pages.last()), QStringList(43, "0"));
        QVERIFY(!hub.program.houseProperty().exists() && !hub.program.deductions().exists());
        fill(&hub.w, "txtname=R. K. SHARMA"); // the salary form takes it as it opens
        ready(hub, "statement");
        QMap<QString, QString> figure; // by field name; the worksheet's and forms' names differ
        int next = 0;
        const auto fillAll = [&](QWidget* form, const QString& prefix) {
            for (auto* box : form->findChildren<toolkit::TextBox*>()) {
                if (box->kind() != toolkit::TextBox::Kind::FreeText) {
                    ++next; // squares, so that no two pairs add up alike
                    box->setText(QString::number(1001 + 13 * next * next));
                    figure[prefix + box->objectName()] = box->text();
                }
            }
        };
        fillAll(&hub.program.houseProperty().get(), "hp.");
        hub.program.houseProperty().get().back();
        fillAll(&hub.program.deductions().get(), "ded.");
        hub.program.deductions().get().back();
        fillAll(&hub.w, "w.");
        fillAll(&hub.program.salary().get(), "sal.");
        ReliefForm& relief = hub.program.relief().get();
        fillAll(&relief, "rel.");
        relief.dtpdob->setDate(QDate(1953, 4, 1));
        relief.optfemale->click();
        const auto sum = [&](const QString& names) {
            double total = 0;
            for (const QString& name : names.split(' ')) {
                total += figure.value(name).toDouble();
            }
            return QString::number(total, 'f', 0);
        };
        const QStringList sums[] = {
            {sum("ded.txt80ccdgc ded.txt80ccdec")},
            {sum("sal.txtda(0) sal.txtda(1)"), sum("sal.txtmgc(0) sal.txtmgc(1)"),
             sum("sal.txttpa2(0) sal.txttpa2(1)"),
             sum("sal.txtda(0) sal.txtda(1) sal.txtmgc(0) sal.txtmgc(1) sal.txttpa2(0) "
                 "sal.txttpa2(1)")},
            {}};
        hub.program.printRelief();
        hub.program.printStatement();
        hub.program.printComputation();
        const QList<RecordedPage>& pages = hub.fakes.printers.printer.pages;
        QCOMPARE(pages.size(), 4);
        const int places[] = {43, 102, 57};
        for (int p = 0; p < 3; ++p) {
            const RecordedPage& page = pages[3 - p];
            QCOMPARE(page.orientation, p == 1 ? Orientation::Landscape : Orientation::Portrait);
            QVERIFY(printed(page, "R. K. SHARMA"));
            const QStringList shown = amounts(page);
            QCOMPARE(shown.size(), places[p]);
            QCOMPARE(QSet(shown.begin(), shown.end()).size(), shown.size());
            for (const QString& s : sums[p]) {
                QVERIFY2(shown.contains(s), qPrintable(s));
            }
            for (const QString& a : shown) {
                QVERIFY2(figure.values().contains(a) || sums[p].contains(a), qPrintable(a));
            }
        }
        QVERIFY(printed(pages[1], "01/04/1953") && printed(pages[1], "Female"));
        // Annexure I: items 1 to 8, then Table A row by row as on the form.
        QStringList order = each(QList(relief.txtitem.begin() + 1, relief.txtitem.end()),
                                 [](auto* i) { return i->text(); });
        for (int r = 0; r < 7; ++r) {
            for (const auto* column :
                 {&relief.txtti, &relief.txtarr, &relief.txtcat, &relief.txtti2, &relief.txttax1,
                  &relief.txttax2, &relief.txtdiff}) {
                order << (*column)[r]->text();
            }
        }
        QCOMPARE(amounts(pages[1]), order);

        // A year without arrears leaves four columns blank; the note on the scale of 60 follows.
        relief.txtarr[2]->setText("0");
        hub.program.printRelief();
        order[8 + 2 * 7 + 1] = "0"; // the arrears of 2007-08, then its last four columns gone
        order.remove(8 + 2 * 7 + 3, 4);
        QCOMPARE(amounts(pages.last()), order);
        const QList<PageMark>& marks = pages.last().marks;
        QVERIFY(std::any_of(marks.begin(), marks.end(), [](const PageMark& m) {
            return m.text.endsWith("and so do items 4 and 5.");
        }));
    }

    // Calculated again without Back, or closed, a form prints as carried; Preview shows it too.
    void detailFormsPrintAsCarried_data() {
        columns<bool, bool, bool>("house", "carried", "close");
        QTest::newRow("house-property-recalculated-without-back") << true << true << false;
        QTest::newRow("house-property-closed-after-edit") << true << true << true;
        QTest::newRow("house-property-never-carried") << true << false << false;
        QTest::newRow("deductions-recalculated-without-back") << false << true << false;
        QTest::newRow("deductions-closed-after-edit") << false << true << true;
    }
    void detailFormsPrintAsCarried() {
        auto [house, carried, close] = fetch<bool, bool, bool>("house", "carried", "close");
        Hub hub;
        auto open = [&]() -> toolkit::Form& {
            return house ? static_cast<toolkit::Form&>(
                               hub.open("cmdcalhp", hub.program.houseProperty()))
                         : hub.open("cmdcalded80", hub.program.deductions());
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
        hub.program.menu().actPreview->trigger();
        const RecordingPrinters& printers = hub.fakes.printers;
        QVERIFY(printers.previewed.pages.size() == 1 &&
                printers.previewed.pages[0].marks == printers.printer.pages.last().marks);
    }

    // No printer: asked, only the file chosen written; a failure reported; nothing changed.
    void printingFails_data() {
        // setup: page/cause; dialogs: save dialogs shown; written: pages written to a PDF file
        columns<QString, int, int, QString>("setup", "dialogs", "written", "message");
        // clang-format off
        QTest::newRow("computation-no-printer-declined") << "computation/declined" << 0 << 0 << "";
        QTest::newRow("computation-no-printer-cancelled") << "computation/cancelled" << 1 << 0 << "";
        QTest::newRow("computation-no-printer-saved") << "computation/saved" << 1 << 1 << "";
        QTest::newRow("statement-no-printer-saved") << "statement/saved" << 1 << 1 << "";
        QTest::newRow("computation-printer-fails") << "computation/jammed" << 0 << 0 << "The page was not printed. The printer jammed.";
        QTest::newRow("computation-pdf-file-fails") << "computation/disk-full" << 1 << 0 << "The page was not saved. The disk is full.";
        QTest::newRow("computation-nps-too-large") << "computation/nps" << 0 << 0 << "NPS (EC + GC) (80CCD)";
        // clang-format on
    }
    void printingFails() {
        auto [setup, dialogs, written, message] =
            fetch<QString, int, int, QString>("setup", "dialogs", "written", "message");
        Hub hub;
        const QString page = setup.section('/', 0, 0), cause = setup.section('/', 1);
        RecordingPrinters& printers = hub.fakes.printers;
        printers.installed = cause == "jammed" || cause == "nps";
        printers.printer.failWith = cause == "jammed" ? "The printer jammed." : "";
        printers.pdf.failWith = cause == "disk-full" ? "The disk is full." : "";
        hub.fakes.answer = cause != "declined";
        hub.fakes.chosen = cause == "cancelled" ? "" : "/tmp/page.pdf";
        if (cause == "nps") {
            DeductionsForm& f = hub.program.deductions().get();
            fill(&f, "txt80ccdgc=1e308;txt80ccdec=1e308");
            f.back();
        }
        QAbstractButton* print = ready(hub, page);
        const auto before = snapshot(print->window());
        QTest::mouseClick(print, Qt::LeftButton);
        const QString question = "No printer is installed. Would you like to save the page as a "
                                 "PDF file instead?";
        QCOMPARE(hub.fakes.asked, printers.installed ? QStringList() : QStringList{question});
        const QString name = page == "statement" ? "Salary 2012-13.pdf" : "Income tax 2012-13.pdf";
        QCOMPARE(hub.fakes.offered, QStringList(dialogs, name));
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
        QCOMPARE(snapshot(print->window()), before);
        QVERIFY(print->isEnabled());
    }

    // A CUPS queue (tests/print/cups-queue) puts out the page saved without a printer, in turn.
    void printsThroughTheQueue_data() {
        columns<QString>("page");
        QTest::newRow("computation-portrait") << "computation";
        QTest::newRow("statement-landscape") << "statement";
        QTest::newRow("relief-portrait") << "relief";
    }
    void printsThroughTheQueue() {
        const QString queue = qEnvironmentVariable("FISCORA_CUPS");
        const QDir out(queue + "/pdf");
        if (QFile why(queue + "/skip"); !out.exists()) {
            QSKIP(why.open(QIODevice::ReadOnly) ? why.readAll().trimmed().constData()
                                                : "no print queue: run it through ctest");
        }
        auto [page] = fetch<QString>("page");
        Hub hub(&desktop_), offline;
        QTest::mouseClick(ready(hub, page), Qt::LeftButton);
        // Printed once the back end has written its file and CUPS holds no job.
        QTRY_VERIFY2_WITH_TIMEOUT(out.entryList({"*.pdf"}).size() == 1 &&
                                      run("lpstat", {"-o"}).isEmpty(),
                                  "no page came out of the queue", 20000);
        const QString printed = out.filePath(out.entryList({"*.pdf"})[0]);
        QTemporaryDir dir;
        offline.fakes.printers.installed = false;
        offline.fakes.printers.realPdf = offline.fakes.answer = true;
        offline.fakes.chosen = dir.filePath("saved.pdf");
        QTest::mouseClick(ready(offline, page), Qt::LeftButton);
        const PdfText sheet = readPdf(printed), saved = readPdf(offline.fakes.chosen);
        QVERIFY(QFile::remove(printed) && hub.shown().isEmpty());
        QVERIFY(saved.pages == 1 && sheet.pages == 1);
        QCOMPARE(saved.width > saved.height, page == "statement");
        // A landscape page comes out turned, its top along the sheet's left edge (Plus90).
        const bool turned = sheet.width != saved.width;
        QCOMPARE(turned ? QSizeF(sheet.height, sheet.width) : QSizeF(sheet.width, sheet.height),
                 QSizeF(saved.width, saved.height));
        QList<PdfWord> words; // as they stand on the page
        for (const PdfWord& w : sheet.words) {
            const double h = sheet.height;
            words << (turned ? PdfWord{w.text, h - w.bottom, w.left, h - w.top, w.right} : w);
        }
        QCOMPARE(words.size(), saved.words.size());
        // Every word where it was saved, to 0.002 inch (the back end's grid is 1/720 inch). Its
        // fonts, embedded anew, start each box lower by one share of its height for the page.
        QList<QPointF> drops; // of each word's box: its height, and how much lower it starts
        for (const PdfWord& e : saved.words) {
            const auto off = [&e](const PdfWord& w) {
                return w.text == e.text ? qAbs(w.left - e.left) + qAbs(w.top - e.top) : qInf();
            };
            const PdfWord& p = *std::min_element(words.begin(), words.end(),
                                                 [&](auto& a, auto& b) { return off(a) < off(b); });
            QVERIFY2(off(p) < 1 && qAbs(p.left - e.left) < 0.002 && qAbs(p.right - e.right) < 0.002,
                     qPrintable(e.text + " moved"));
            drops << QPointF(e.bottom - e.top, p.top - e.top);
        }
        const auto [low, tall] = std::minmax_element(
            drops.begin(), drops.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
        const double share = (tall->y() - low->y()) / (tall->x() - low->x());
        for (int i = 0; i < drops.size(); ++i) {
            QVERIFY2(qAbs(drops[i].y() - share * drops[i].x()) < 0.002,
                     qPrintable(saved.words[i].text + " moved"));
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
