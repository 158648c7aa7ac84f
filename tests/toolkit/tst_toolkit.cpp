// The toolkit's shared behaviour: Enter, the fields, the guarded buttons, a PDF written whole.
#include "support/controls.h" // and the form, its fields, QtTest
#include "support/files.h"
#include "support/pdf.h"
#include "toolkit/entry.h"
#include "toolkit/look.h"
#include "toolkit/printer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <sys/stat.h>

using testing::columns, testing::fetch;
using toolkit::TextBox;

namespace {

struct Sample : toolkit::Form {
    Sample() : Form("sample", "Sample", 4000, 3000, Qt::cyan) {
        combo->setObjectName("combo");
        combo->setEditable(true);
        combo->addItems({"X", "Y"});
        check->setObjectName("check");
        back->setObjectName("back");
        back->setEnabled(false);
        setDefaultButton(calculate);
        connect(calculate, &QPushButton::clicked, this, [this] {
            ++calculations;
            back->setEnabled(true);
        });
        toolkit::bindEntry(field, {back});
        toolkit::bindEntry(name, {back}, toolkit::EmptyText::StaysEmpty);
        toolkit::bindEntry(limited, {back});
        toolkit::markPartialReading(field);
        toolkit::limitTyping(limited, 10);
    }
    TextBox* field = new TextBox(this, "field", TextBox::Kind::Entry, 0, 0, 1215, 285);
    TextBox* name = new TextBox(this, "name", TextBox::Kind::FreeText, 0, 400, 1215, 285);
    TextBox* limited = new TextBox(this, "limited", TextBox::Kind::Entry, 0, 800, 1215, 285);
    QComboBox* combo = new QComboBox(this);
    QCheckBox* check = new QCheckBox("tick", this);
    QPushButton* calculate = new QPushButton("&Calculate", this);
    QPushButton* back = new QPushButton("&Back", this);
    int calculations = 0;
};

} // namespace

class TestToolkit : public QObject {
    Q_OBJECT
private slots:
    void enterPressesDefault_data() {
        // enabled: the default button
        columns<QString, Qt::Key, bool, int>("focus", "key", "enabled", "presses");
        QTest::newRow("keypad-enter-in-amount") << "field" << Qt::Key_Enter << true << 1;
        QTest::newRow("return-in-combo-box-adds-no-item") << "combo" << Qt::Key_Return << true << 1;
        QTest::newRow("return-on-check-box") << "check" << Qt::Key_Return << true << 1;
        QTest::newRow("return-on-other-button") << "back" << Qt::Key_Return << true << 1;
        QTest::newRow("default-disabled-nothing") << "field" << Qt::Key_Return << false << 0;
        QTest::newRow("escape-nothing-form-stays") << "field" << Qt::Key_Escape << true << 0;
    }

    void enterPressesDefault() {
        auto [focus, key, enabled, presses] =
            fetch<QString, Qt::Key, bool, int>("focus", "key", "enabled", "presses");
        Sample form;
        form.back->setEnabled(true);
        form.calculate->setEnabled(enabled);
        form.show();
        testing::activate(&form);
        QWidget* target = form.findChild<QWidget*>(focus);
        target->setFocus();
        QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(form.windowHandle(), key);
        QCOMPARE(form.calculations, presses);
        QCOMPARE(form.combo->count(), 2);
        QVERIFY(form.isVisible());
    }

    // Typed, pasted or written over `start`: what shows, and the mark of a figure read in part.
    void fieldShowsWhatItReads_data() {
        // how: type or paste over all, "-at-end", "-at-3", over the fourth "-over-3"; or write
        columns<QString, QString, QString, QString, QString, QString>("field", "start", "how",
                                                                      "input", "shown", "readAs");
        // clang-format off
        testing::row("amount-emptied-shows-0", {"field", "125", "write", "", "0", ""});
        testing::row("free-text-emptied-stays-empty", {"name", "125", "write", "", "", ""});
        testing::row("zero-width-space-typed-dropped", {"field", "0", "type", u"7\u200b00000"_qs, "700000", ""});
        testing::row("marks-soft-hyphen-bom-pasted-dropped", {"field", "0", "paste", u"\u200e35\u00ad0000\u200f\ufeff"_qs, "350000", ""});
        testing::row("c0-c1-controls-dropped-tab-kept", {"field", "0", "paste", u"1\u0007\r2\u0085\t3"_qs, u"12\t3"_qs, ""});
        testing::row("tag-character-beyond-bmp-dropped", {"field", "0", "paste", u"5\U000e0041"_qs, "5", ""});
        testing::row("invisible-kept-in-free-text", {"name", "", "paste", u"A\u200bB"_qs, u"A\u200bB"_qs, ""});
        testing::row("grouped-reads-7-marked", {"field", "0", "paste", "7,00,000", "7,00,000", "7"});
        testing::row("letters-after-12-marked", {"field", "0", "type", "12abc", "12abc", "12"});
        testing::row("blank-reads-0-marked", {"field", "5", "write", " ", " ", "0"});
        testing::row("fraction-then-letters-marked", {"field", "0", "write", "-2.5x", "-2.5x", "-2.5"});
        testing::row("mark-cleared-once-a-number", {"field", "12abc", "type", "7 000", "7 000", ""});
        testing::row("beyond-range-refused-not-marked", {"field", "0", "write", "1e999", "1e999", ""});
        testing::row("paste-cut-to-10", {"limited", "0", "paste", "12345678901234", "1234567890", ""});
        testing::row("paste-inside-cut-at-caret", {"limited", "12345678", "paste-at-3", "abc", "123ab45678", ""});
        testing::row("key-in-full-field-refused", {"limited", "1234567890", "type-at-end", "5", "1234567890", ""});
        testing::row("key-over-one-of-a-long-written-text-replaces", {"limited", "123456789012345", "type-over-3", "x", "123x56789012345", ""});
        testing::row("program-writes-stand-whole", {"limited", "0", "write", "123456789012345", "123456789012345", ""});
        testing::row("invisible-and-limit-together", {"limited", "0", "paste", u"1\u200b2345678901"_qs, "1234567890", ""});
        // clang-format on
    }

    void fieldShowsWhatItReads() {
        auto [field, start, how, input, shown, readAs] =
            fetch<QString, QString, QString, QString, QString, QString>("field", "start", "how",
                                                                        "input", "shown", "readAs");
        Sample form;
        auto* box = form.findChild<TextBox*>(field);
        box->setText(start);
        form.calculate->click();
        if (how == "write") {
            box->setText(input);
        } else {
            box->selectAll();
            if (how.endsWith("-at-end") || how.endsWith("-at-3")) {
                box->setCursorPosition(how.endsWith("-at-3") ? 3 : int(start.size()));
            }
            if (how.endsWith("-over-3")) {
                box->setSelection(3, 1);
            }
            if (how.startsWith("paste")) {
                QGuiApplication::clipboard()->setText(input);
                box->paste();
            } else {
                for (const QChar c : input) { // keys that type any character, as a keyboard may
                    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), {});
                }
            }
        }
        QCOMPARE(box->text(), shown);
        QCOMPARE(form.back->isEnabled(), shown == start);
        QCOMPARE(box->toolTip(), readAs.isEmpty()
                                     ? QString()
                                     : "Read as " + readAs + ": only the leading number counts");
        QCOMPARE(box->palette().color(QPalette::Base) == toolkit::colour::paleYellow,
                 !readAs.isEmpty());
    }

    void pdfWrittenWholeOrNotAtAll_data() {
        // before: what stands at the path
        columns<QString, bool>("before", "saved");
        QTest::newRow("old-file-replaced") << "old file" << true;
        QTest::newRow("new-file-written") << "" << true;
        QTest::newRow("disk-full-old-file-stays-whole") << "old file, disk full" << false;
        // A link to a device or a pipe (as to /dev/full): never replaced, never written into.
        QTest::newRow("link-to-pipe-refused") << "link to pipe" << false;
        QTest::newRow("folder-gone-nothing-left") << "no folder" << false;
    }

    void pdfWrittenWholeOrNotAtAll() {
        auto [before, saved] = fetch<QString, bool>("before", "saved");
        QTemporaryDir dir;
        const QString path = dir.filePath(before == "no folder" ? "gone/page.pdf" : "page.pdf");
        if (before.startsWith("old file")) {
            QCOMPARE(testing::putFile(path, "old page"), path);
        } else if (before == "link to pipe") {
            QVERIFY(mkfifo(qPrintable(dir.filePath("pipe")), 0600) == 0);
            QVERIFY(QFile::link(dir.filePath("pipe"), path));
        }
        std::unique_ptr<toolkit::Printer> printer;
        const auto write = [&] {
            printer = toolkit::QtPrinter::pdfFile(path);
            printer->setFontName("Tahoma");
            printer->print(1, 1, "https://github.com/fiscora/fiscora1213");
            printer->drawLine(1, 1.25, 7, 1.25);
            return printer->endDocument();
        };
        // A full disk: no file may grow beyond 2 kB.
        QCOMPARE(before.endsWith("disk full") ? testing::onFullDisk(2048, write) : write(), saved);
        QCOMPARE(printer->failure().contains(path), !saved);
        const auto left =
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(left.contains("page.pdf"), before != "no folder"); // and no partial file beside it
        QCOMPARE(left.size(), int(left.contains("page.pdf")) + int(left.contains("pipe")));
        QCOMPARE(QFileInfo(path).isSymLink(), before == "link to pipe");
        // Never opened for reading when a pipe: that would wait for a writer.
        const QByteArray content =
            QFileInfo(path).isFile() ? testing::fileText(path) : QByteArray();
        QCOMPARE(content.startsWith("%PDF-") && content.trimmed().endsWith("%%EOF"), saved);
        QCOMPARE(content == "old page", before.startsWith("old file") && !saved);
        // The address copies out as written: no "fi" ligature (pdftotext: scripts/install-deps).
        QVERIFY(!saved || testing::run("pdftotext", {path, "-"})
                              .contains("https://github.com/fiscora/fiscora1213"));
    }
};

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
