// The salary form driven as a user drives it.
#include "salary/salary_form.h"
#include "support/controls.h"
#include "toolkit/look.h"

using namespace testing;

class TestSalaryForm : public QObject {
    Q_OBJECT
    RecordingMessages messages;
    std::unique_ptr<SalaryForm> f;

    // Clicks into the field and types over its text, which the click selects (the name: Ctrl+A).
    void typeIn(const QString& name, const QString& text) {
        auto* combo = f->findChild<QComboBox*>(name);
        QLineEdit* edit = combo ? combo->lineEdit() : find(f.get(), name);
        button(f.get(), "cmdcal")->setFocus();
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, 5));
        if (name == "txtnam") {
            QTest::keyClick(f->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        }
        QTRY_COMPARE(edit->selectedText(), edit->text());
        typeText(f->windowHandle(), text);
    }

private slots:
    void initTestCase() { toolkit::installFonts(); } // as the program does
    void init() {
        messages.shown.clear();
        f = std::make_unique<SalaryForm>(messages);
        f->show();
        activate(f.get());
    }
    void cleanup() { f.reset(); }

    // Each selection shows its design value and offers its entries in order.
    void selectionLists() {
        const QStringList lists =
            each(QStringList{"cbonps", "cboclass1", "cboclass3"}, [&](auto& name) {
                const auto* combo = find<QComboBox>(f.get(), name);
                QStringList seen{combo->currentText()};
                for (int k = 0; k < combo->count(); ++k) {
                    seen << combo->itemText(k);
                }
                return seen.join(' ');
            });
        QCOMPARE(lists, QStringList({"N Y N", "X X Y Z NA", "A/A-1 A/A-1 Oth. NA"}));
    }

    // An edit changes the field and, in a pay column, the months below (B.PAY 1, 7 from "Oct 12",
    // 5 from "Jan 13"); all but the name and the increment box withdraw Print and Back.
    void editAfterCalculate_data() {
        // edit: field=keys typed over its selected text
        columns<QString, bool, QString>("edit", "withdraws", "shown");
        QTest::newRow("jan-12-basic-pay-fills-column") << "txtbp(0)=21000" << true << "21000";
        QTest::newRow("any-text-runs-down") << "txtbp(0)=12a" << true << "12a";
        QTest::newRow("jul-12-basic-pay-passes-months-showing-7") << "txtbp(6)=7" << true << "7";
        QTest::newRow("jun-12-grade-pay-rows-5-to-13") << "txtgp(5)=22000" << true << "22000";
        QTest::newRow("feb-13-basic-pay-only-itself") << "txtbp(13)=22000" << true << "22000";
        QTest::newRow("apr-12-grade-pay-emptied-0-below") << "txtgp(3)=" << true << "0";
        QTest::newRow("annual-figure-emptied-0-only-there") << "txtoth(2)=" << true << "0";
        QTest::newRow("typed-hra-class") << "cboclass1=Y" << true << "Y";
        QTest::newRow("pension-scheme-chosen-from-list") << "cbonps=<up>" << true << "Y";
        QTest::newRow("name-typed") << "txtnam=Ravi" << false << "Ravi";
        QTest::newRow("increment-box-cleared") << "chkinc=<click>" << false << "0";
    }
    void editAfterCalculate() {
        auto [edit, withdraws, shown] = fetch<QString, bool, QString>("edit", "withdraws", "shown");
        const QString field = edit.section('=', 0, 0), keys = edit.section('=', 1);
        fill(f.get(), "txtbp(0)=1;txtbp(9)=7;txtbp(12)=5;txtgp(0)=1;txtoth(2)=1");
        f->calculate();
        const QMap<QString, QString> before = snapshot(f.get());
        if (keys == "<click>") {
            QTest::mouseClick(button(f.get(), field), Qt::LeftButton);
            QVERIFY(!button(f.get(), field)->isChecked());
        } else {
            typeIn(field, keys.startsWith('<') ? QString() : keys);
            if (keys.isEmpty() || keys == "<up>") {
                QTest::keyClick(f->windowHandle(), keys.isEmpty() ? Qt::Key_Backspace : Qt::Key_Up);
            }
        }
        // Emptied: "0", selected, so that the next key replaces it.
        QVERIFY(!keys.isEmpty() || find(f.get(), field)->selectedText() == "0");
        // The field and, in a pay column, the months below it, where the figure is not shown.
        QStringList expected, seen;
        const bool pay = field.startsWith("txtbp") || field.startsWith("txtgp");
        const int editedRow = field.mid(field.indexOf('(') + 1).chopped(1).toInt();
        QMap<QString, QString> after = snapshot(f.get());
        for (const auto& [name, was] : before.asKeyValueRange()) {
            const bool below =
                pay && name.startsWith(field.left(6)) && name.mid(6).chopped(1).toInt() > editedRow;
            if ((name == field || below) && was != shown) {
                expected << name + "=" + shown;
            }
            if (after[name] != was) {
                seen << name + "=" + after[name];
            }
        }
        QCOMPARE(seen, expected);
        QCOMPARE(button(f.get(), "cmdprn")->isEnabled(), !withdraws);
        QCOMPARE(button(f.get(), "cmdbak")->isEnabled(), !withdraws);
    }

    // The whole year by the button or Enter; the increment carried down only when ticked.
    void wholeYear_data() {
        QTest::addColumn<QString>("press");
        QTest::newRow("calculate-clicked") << "cmdcal";
        QTest::newRow("enter-in-an-output") << "txtda(3)";
    }
    void wholeYear() {
        QFETCH(QString, press);
        typeIn("txtbp(0)", "21000");
        typeIn("txtgp(0)", "4200");
        typeIn("cbonps", "Y");
        auto* target = find<QWidget>(f.get(), press);
        if (press == "cmdcal") {
            QTest::mouseClick(target, Qt::LeftButton);
        } else {
            target->setFocus();
            QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
            QTest::keyClick(f->windowHandle(), Qt::Key_Return);
        }
        // Each month B.PAY to TOTAL (the arrears months draw no HRA), then the totals.
        const QString cells = "txtbp(%1) txtgp(%1) txtda(%1) txthra(%1) txttpa2(%1) txtmgc(%1) "
                              "txtttl(%1)";
        for (int r = 0; r < fiscora::payRows; ++r) {
            QCOMPARE(texts(f.get(), (r < 2 ? QString(cells).remove("txthra(%1) ") : cells).arg(r)),
                     QString(r < 2   ? "21000 4200 1764 112 176 2052"
                             : r < 6 ? "21000 4200 16380 7560 2640 4158 55938"
                                     : "21760 4200 18172 7788 2720 4413 59053"));
        }
        QCOMPARE(texts(f.get(), "txtbpt txtgpt txtdat txthrat txttpat txtmgct txtttlt txtgtotal"),
                 QString("258080 50400 214424 92544 32544 52288 700280 700280"));
        QVERIFY(button(f.get(), "cmdprn")->isEnabled() && button(f.get(), "cmdbak")->isEnabled());
        QCOMPARE(find<QComboBox>(f.get(), "cboclass1")->count(), 4); // Enter never adds one
        QVERIFY(messages.shown.isEmpty());

        typeIn("txtbp(9)", "30000");
        f->calculate();
        QCOMPARE(texts(f.get(), "txtbp(6) txtbp(9) txtbp(13)"), QString("21760 21760 21760"));
        button(f.get(), "chkinc")->click();
        typeIn("txtbp(10)", "30000");
        typeIn("cboclass1", "x");
        typeIn("cbonps", "n");
        f->calculate();
        QCOMPARE(texts(f.get(), "txtbp(9) txtbp(10) txtbp(13) txtda(10)"),
                 QString("21760 30000 30000 23940")); // DA follows the pay
        QCOMPARE(find<QComboBox>(f.get(), "cboclass1")->currentText(), QString("x"));
        QCOMPARE(texts(f.get(), "txthrat txtmgct"), QString("92544 52288"));
        QVERIFY(button(f.get(), "cmdprn")->isEnabled() && button(f.get(), "cmdbak")->isEnabled());
    }

    // A ten-character figure shows whole in every cell: alike with the caret at either end.
    void tenCharacterFiguresShowWhole() {
        button(f.get(), "cmdcal")->setFocus(); // no caret drawn
        for (toolkit::TextBox* box : f->findChildren<toolkit::TextBox*>()) {
            box->setText("0");
            const QImage frame = box->grab().toImage().copy(0, 0, 2, box->height());
            for (const QString figure : {"-999999999", "1299999998"}) {
                box->setText(figure);
                const QImage atEnd = box->grab().toImage();
                box->setCursorPosition(0);
                QVERIFY2(box->grab().toImage() == atEnd && atEnd.copy(frame.rect()) == frame,
                         qPrintable(box->objectName() + ' ' + figure));
            }
        }
    }

    // Refused by Calculate or Back, named: nothing changed, nothing carried.
    void refused_data() {
        columns<QString, QString>("writes", "named");
        testing::row("jan-12-letters", {"txtbp(0)=21000abc", "B.PAY of Jan 12"});
        testing::row("pay-beyond-range", {"txtbp(4)=1e400", "B.PAY of May 12"});
        testing::row("month-total-beyond-range", {"txtgp(13)=1e308", "TOTAL of Feb 13"});
        testing::row("grand-total-beyond-range",
                     {"txtoth(0)=1.7e308;txtoth(5)=1.7e308", "G.Total"});
        testing::row("back-total-not-a-number", {"txtmgct=52288x", "Total of MGC"});
        testing::row("back-month-tpa-beyond-range", {"txttpa2(7)=-1e400", "TPA of Aug 12"});
        testing::row("back-tpa-sum-beyond-range",
                     {"txttpa2(2)=-1.7e308;txttpa2(3)=-1.7e308", "Total of TPA"});
    }
    void refused() {
        auto [writes, named] = fetch<QString, QString>("writes", "named");
        int carried = 0;
        connect(f.get(), &SalaryForm::transferred, this, [&carried] { ++carried; });
        f->calculate();
        fill(f.get(), writes);
        QLineEdit* written = find(f.get(), writes.section('=', 0, 0));
        QAbstractButton* press = button(f.get(), written->isReadOnly() ? "cmdbak" : "cmdcal");
        const bool backEnabled = button(f.get(), "cmdbak")->isEnabled();
        const QMap<QString, QString> before = snapshot(f.get());
        find(f.get(), "txtnam")->setFocus();
        press->click();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY2(messages.shown.first().contains('"' + named + '"'), qPrintable(messages.shown[0]));
        QCOMPARE(snapshot(f.get()), before);
        QCOMPARE(button(f.get(), "cmdbak")->isEnabled(), backEnabled);
        QCOMPARE(carried, 0);
        if (!written->isReadOnly() && written->accessibleName() == named) {
            QTRY_VERIFY(written->hasFocus());
        }
    }
};

QTEST_MAIN(TestSalaryForm)
#include "tst_salary_form.moc"
