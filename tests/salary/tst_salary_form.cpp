// The salary form driven as a user drives it.
#include "salary/salary_form.h"
#include "support/fakes.h"

#include <QSignalSpy>
#include <QtTest>

using toolkit::TextBox;

Q_DECLARE_METATYPE(fiscora::SalaryTotals)

class TestSalaryForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshForm();
    void editAfterCalculate_data();
    void editAfterCalculate();
    void wholeYear_data();
    void wholeYear();
    void refused_data();
    void refused();

private:
    void typeInto(QWidget* field, const QString& text);
    QMap<QString, QString> fields() const;
    TextBox* box(const QString& name) const { return f->findChild<TextBox*>(name); }

    testing::RecordingMessages messages;
    SalaryForm* f = nullptr;
};

namespace {

QStringList texts(const SalaryForm::Column& column, int from = 0) {
    QStringList out;
    for (int row = from; row <= fiscora::lastRow; ++row) {
        out << column[static_cast<std::size_t>(row)]->text();
    }
    return out;
}

} // namespace

void TestSalaryForm::init() {
    messages.shown.clear();
    f = new SalaryForm(messages);
    f->show();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
}

void TestSalaryForm::cleanup() {
    delete f;
}

// Clicks into the field, as a user would, and types the text over its figure, which the
// click selects (the name and the pension choice select nothing on entry: the user does).
void TestSalaryForm::typeInto(QWidget* field, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        field = combo->lineEdit();
    }
    f->cmdcal->setFocus(); // the click brings the focus in
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, 5));
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (edit == f->txtnam || edit == f->cbonps->lineEdit()) {
        QTest::keyClick(f->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    }
    QTRY_COMPARE(edit->selectedText(), edit->text());
    testing::typeText(f->windowHandle(), text);
}

// Every text of the form by the name of its field (a combo box's by the combo box's).
QMap<QString, QString> TestSalaryForm::fields() const {
    QMap<QString, QString> out;
    for (const QLineEdit* edit : f->findChildren<QLineEdit*>()) {
        const auto* combo = qobject_cast<QComboBox*>(edit->parentWidget());
        out[combo ? combo->objectName() : edit->objectName()] = edit->text();
    }
    return out;
}

void TestSalaryForm::freshForm() {
    const auto boxes = f->findChildren<TextBox*>();
    QCOMPARE(boxes.size(), 1 + 14 * 7 - 2 + 7 + 6 + 1); // no HRA on the arrears rows
    for (const TextBox* b : boxes) {
        QCOMPARE(b->text(), QString(b == f->txtnam ? "" : "0"));
        const bool entry =
            QRegularExpression("^(txtnam|txtbp|txtgp|txtoth)\\b").match(b->objectName()).hasMatch();
        QVERIFY2(b->isReadOnly() != entry, qPrintable(b->objectName()));
    }
    QStringList lists; // each combo box: what it shows, then its list in order
    for (const QComboBox* combo : {f->cbonps, f->cboclass1, f->cboclass3}) {
        QStringList seen{combo->currentText()};
        for (int k = 0; k < combo->count(); ++k) {
            seen << combo->itemText(k);
        }
        lists << seen.join(' ');
    }
    QCOMPARE(lists, QStringList({"N Y N", "X X Y Z NA", "A/A-1 A/A-1 Oth. NA"}));
}

// After Calculate, an edit changes the field edited and, in a pay column, every month below
// it; an emptied entry shows "0". B.PAY shows 1 to "Sep 12", 7 to "Dec 12" and 5 below, so
// a copy down must pass months that already show its figure. A figure or a selection
// withdraws Print and Back until the next Calculate; the name and the increment box do not.
void TestSalaryForm::editAfterCalculate_data() {
    QTest::addColumn<QString>("edit"); // field=keys typed over its selected text
    QTest::addColumn<bool>("withdraws");
    QTest::addColumn<QString>("shown");
    QTest::newRow("jan-12-basic-pay-fills-column") << "txtbp(0)=21000" << true << "21000";
    QTest::newRow("any-text-runs-down") << "txtbp(0)=12a" << true << "12a";
    QTest::newRow("jul-12-basic-pay-passes-months-showing-7") << "txtbp(6)=7" << true << "7";
    QTest::newRow("jun-12-grade-pay-rows-5-to-13") << "txtgp(5)=22000" << true << "22000";
    QTest::newRow("feb-13-basic-pay-only-itself") << "txtbp(13)=22000" << true << "22000";
    QTest::newRow("apr-12-grade-pay-emptied-0-below") << "txtgp(3)=" << true << "0";
    QTest::newRow("annual-figure-typed") << "txtoth(4)=3" << true << "3";
    QTest::newRow("annual-figure-emptied-0-only-there") << "txtoth(2)=" << true << "0";
    QTest::newRow("typed-hra-class") << "cboclass1=Y" << true << "Y";
    QTest::newRow("typed-pension-scheme") << "cbonps=Y" << true << "Y";
    QTest::newRow("pension-scheme-chosen-from-list") << "cbonps=<up>" << true << "Y";
    QTest::newRow("name-typed") << "txtnam=Ravi" << false << "Ravi";
    QTest::newRow("increment-box-cleared") << "chkinc=<click>" << false << "";
}

void TestSalaryForm::editAfterCalculate() {
    QFETCH(QString, edit);
    QFETCH(bool, withdraws);
    QFETCH(QString, shown);
    const QString field = edit.section('=', 0, 0);
    const QString keys = edit.section('=', 1);
    for (const QString set :
         {"txtbp(0)=1", "txtbp(9)=7", "txtbp(12)=5", "txtgp(0)=1", "txtoth(2)=1"}) {
        box(set.section('=', 0, 0))->setText(set.section('=', 1));
    }
    f->cmdcal->click();
    QVERIFY(f->cmdprn->isEnabled() && f->cmdbak->isEnabled());
    const QMap<QString, QString> before = fields();
    QWidget* target = f->findChild<QWidget*>(field);
    if (keys == "<click>") {
        QTest::mouseClick(target, Qt::LeftButton);
        QVERIFY(!f->chkinc->isChecked());
    } else {
        typeInto(target, keys.startsWith('<') ? QString() : keys);
        if (keys.isEmpty() || keys == "<up>") {
            QTest::keyClick(f->windowHandle(), keys.isEmpty() ? Qt::Key_Backspace : Qt::Key_Up);
        }
    }
    if (keys.isEmpty()) {
        QCOMPARE(box(field)->selectedText(), QString("0")); // the next key replaces it
    }
    // What should change: the field and, in a pay column, the months below it, wherever the
    // figure is not shown already.
    QStringList expected;
    const bool pay = field.startsWith("txtbp") || field.startsWith("txtgp");
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const bool below = pay && it.key().startsWith(field.left(6)) &&
                           it.key().mid(6).chopped(1).toInt() > field.mid(6).chopped(1).toInt();
        if ((it.key() == field || below) && it.value() != shown) {
            expected << it.key() + "=" + shown;
        }
    }
    QStringList seen;
    const QMap<QString, QString> after = fields();
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) != it.value()) {
            seen << it.key() + "=" + it.value();
        }
    }
    QCOMPARE(seen, expected);
    QCOMPARE(f->cmdprn->isEnabled(), !withdraws);
    QCOMPARE(f->cmdbak->isEnabled(), !withdraws);
}

// The whole year, calculated by the button or by Enter wherever the focus is. Then the
// increment, ticked, is written and carried down at every Calculate over pay typed below
// it, even when "Jul 12" shows it already; not ticked, the pay stays as typed; and a
// selection typed as none of its entries leaves its column as it was.
void TestSalaryForm::wholeYear_data() {
    QTest::addColumn<QString>("press");
    QTest::newRow("calculate-clicked") << "cmdcal";
    QTest::newRow("enter-in-name") << "txtnam";
    QTest::newRow("enter-in-hra-class") << "cboclass1";
    QTest::newRow("enter-on-increment-box") << "chkinc";
    QTest::newRow("enter-in-an-output") << "txtda(3)";
}

void TestSalaryForm::wholeYear() {
    QFETCH(QString, press);
    typeInto(f->txtbp[0], "21000");
    typeInto(f->txtgp[0], "4200");
    typeInto(f->cbonps, "Y");
    QWidget* target = f->findChild<QWidget*>(press);
    if (target == f->cmdcal) {
        QTest::mouseClick(f->cmdcal, Qt::LeftButton);
    } else {
        target->setFocus();
        QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(f->windowHandle(), Qt::Key_Return);
    }
    struct Rows {
        int from, to;
        QStringList shown; // B.PAY, G.PAY, DA, HRA, TPA, MGC, TOTAL
    };
    const Rows rows[] = {{0, 1, {"21000", "4200", "1764", "-", "112", "176", "2052"}},
                         {2, 5, {"21000", "4200", "16380", "7560", "2640", "4158", "55938"}},
                         {6, 13, {"21760", "4200", "18172", "7788", "2720", "4413", "59053"}}};
    for (const Rows& r : rows) {
        for (std::size_t i = std::size_t(r.from); i <= std::size_t(r.to); ++i) {
            QStringList shown;
            for (const auto* column : {&f->txtbp, &f->txtgp, &f->txtda, &f->txthra, &f->txttpa2,
                                       &f->txtmgc, &f->txtttl}) {
                shown << ((*column)[i] ? (*column)[i]->text() : QString("-"));
            }
            QCOMPARE(shown, r.shown);
        }
    }
    const QStringList totals = {f->txtbpt->text(),  f->txtgpt->text(),   f->txtdat->text(),
                                f->txthrat->text(), f->txttpat->text(),  f->txtmgct->text(),
                                f->txtttlt->text(), f->txtgtotal->text()};
    QCOMPARE(totals, QStringList({"258080", "50400", "214424", "92544", "32544", "52288", "700280",
                                  "700280"}));
    QVERIFY(f->cmdprn->isEnabled() && f->cmdbak->isEnabled());
    QCOMPARE(f->cboclass1->count(), 4); // Enter never adds an entry
    QVERIFY(messages.shown.isEmpty());

    typeInto(f->txtbp[9], "30000");
    f->cmdcal->click();
    QCOMPARE(texts(f->txtbp, 6), QStringList(8, "21760"));
    f->chkinc->setChecked(false);
    typeInto(f->txtbp[10], "30000");
    typeInto(f->cboclass1, "x");
    typeInto(f->cbonps, "n");
    f->cmdcal->click();
    QCOMPARE(texts(f->txtbp, 6), QStringList(4, "21760") + QStringList(4, "30000"));
    QCOMPARE(f->txtda[10]->text(), QString("23940"));    // DA follows the pay
    QCOMPARE(f->cboclass1->currentText(), QString("x")); // not turned into "X"
    QCOMPARE(f->txthrat->text() + " " + f->txtmgct->text(), QString("92544 52288"));
}

// What cannot be a figure is named in a message and changes nothing. Calculate refuses an
// entry (and puts the focus on it) or a result out of range; Back refuses outputs that no
// Calculate would leave, and carries nothing to the worksheet.
void TestSalaryForm::refused_data() {
    QTest::addColumn<QStringList>("writes"); // field, text, field, text...
    QTest::addColumn<QString>("named");
    QTest::newRow("jan-12-letters") << QStringList{"txtbp(0)", "21000abc"} << "B.PAY of Jan 12";
    QTest::newRow("pay-beyond-range") << QStringList{"txtbp(4)", "1e400"} << "B.PAY of May 12";
    QTest::newRow("month-total-beyond-range")
        << QStringList{"txtgp(13)", "1e308"} << "TOTAL of Feb 13";
    QTest::newRow("grand-total-beyond-range")
        << QStringList{"txtoth(0)", "1.7e308", "txtoth(5)", "1.7e308"} << "G.Total";
    QTest::newRow("back-total-not-a-number") << QStringList{"txtmgct", "52288x"} << "Total of MGC";
    QTest::newRow("back-month-tpa-beyond-range")
        << QStringList{"txttpa2(7)", "-1e400"} << "TPA of Aug 12";
    QTest::newRow("back-tpa-sum-beyond-range")
        << QStringList{"txttpa2(2)", "-1.7e308", "txttpa2(3)", "-1.7e308"} << "Total of TPA";
}

void TestSalaryForm::refused() {
    QFETCH(QStringList, writes);
    QFETCH(QString, named);
    qRegisterMetaType<fiscora::SalaryTotals>();
    QSignalSpy carried(f, &SalaryForm::transferred);
    f->cbonps->setEditText("Y");
    f->cmdcal->click();
    for (qsizetype i = 0; i + 1 < writes.size(); i += 2) {
        box(writes[i])->setText(writes[i + 1]);
    }
    TextBox* written = box(writes[0]);
    QPushButton* button = written->isReadOnly() ? f->cmdbak : f->cmdcal;
    const bool backEnabled = f->cmdbak->isEnabled();
    const QMap<QString, QString> before = fields();
    f->txtnam->setFocus();
    button->click();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown.first().contains(named), qPrintable(messages.shown.first()));
    QCOMPARE(fields(), before);
    QCOMPARE(f->cmdbak->isEnabled(), backEnabled);
    QCOMPARE(carried.size(), 0);
    if (button == f->cmdcal && written->accessibleName() == named) {
        QTRY_VERIFY(written->hasFocus());
    }
}

QTEST_MAIN(TestSalaryForm)
#include "tst_salary_form.moc"
