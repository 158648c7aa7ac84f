// The toolkit's shared behaviour: Enter presses the default button, amounts never stay
// empty, a change withdraws the guarded buttons, and lazy forms come and go.
#include "toolkit/entry.h"
#include "toolkit/form.h"
#include "toolkit/lazy.h"
#include "toolkit/textbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using toolkit::TextBox;

namespace {

struct Sample : toolkit::Form {
    Sample() : Form("sample", "Sample", 4000, 3000, Qt::cyan) {
        field = new TextBox(this, "field", TextBox::Kind::Entry, 0, 0, 1215, 285);
        name = new TextBox(this, "name", TextBox::Kind::FreeText, 0, 400, 1215, 285);
        combo = new QComboBox(this);
        combo->setObjectName("combo");
        combo->setEditable(true);
        combo->addItems({"X", "Y"});
        check = new QCheckBox("tick", this);
        check->setObjectName("check");
        calculate = new QPushButton("&Calculate", this);
        back = new QPushButton("&Back", this);
        back->setObjectName("back");
        back->setEnabled(false);
        setDefaultButton(calculate);
        connect(calculate, &QPushButton::clicked, this, [this] {
            ++calculations;
            back->setEnabled(true);
        });
        toolkit::bindEntry(field, {back});
        toolkit::bindEntry(name, {back}, toolkit::EmptyText::StaysEmpty);
    }
    TextBox* field;
    TextBox* name;
    QComboBox* combo;
    QCheckBox* check;
    QPushButton* calculate;
    QPushButton* back;
    int calculations = 0;
};

} // namespace

class TestToolkit : public QObject {
    Q_OBJECT
private slots:
    void enterPressesDefault_data();
    void enterPressesDefault();
    void changeWithdrawsAndEmptyBecomesZero_data();
    void changeWithdrawsAndEmptyBecomesZero();
    void focusSelectsWholeText_data();
    void focusSelectsWholeText();
    void kindsOfField();
    void lazyFormComesAndGoes();
};

void TestToolkit::enterPressesDefault_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("enabled"); // the default button
    QTest::addColumn<int>("presses");
    QTest::newRow("keypad-enter-in-amount") << "field" << int(Qt::Key_Enter) << true << 1;
    QTest::newRow("return-in-combo-box-adds-no-item")
        << "combo" << int(Qt::Key_Return) << true << 1;
    QTest::newRow("return-on-check-box") << "check" << int(Qt::Key_Return) << true << 1;
    QTest::newRow("return-on-other-button") << "back" << int(Qt::Key_Return) << true << 1;
    QTest::newRow("default-disabled-nothing") << "field" << int(Qt::Key_Return) << false << 0;
    QTest::newRow("escape-nothing-form-stays") << "field" << int(Qt::Key_Escape) << true << 0;
}

void TestToolkit::enterPressesDefault() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, enabled);
    QFETCH(int, presses);
    Sample form;
    form.back->setEnabled(true);
    form.calculate->setEnabled(enabled);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget* target = form.findChild<QWidget*>(focus);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(form.windowHandle(), Qt::Key(key));
    QCOMPARE(form.calculations, presses);
    QCOMPARE(form.combo->count(), 2);
    QVERIFY(form.isVisible());
}

void TestToolkit::changeWithdrawsAndEmptyBecomesZero_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text"); // written over "125"
    QTest::addColumn<QString>("shown");
    auto row = [](const char* name, const char* field, const char* text, const char* shown) {
        QTest::newRow(name) << QString(field) << QString(text) << QString(shown);
    };
    row("amount-emptied-shows-0", "field", "", "0");
    row("amount-blank-stays-reads-as-0", "field", " ", " ");
    row("free-text-emptied-stays-empty", "name", "", "");
}

void TestToolkit::changeWithdrawsAndEmptyBecomesZero() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    Sample form;
    auto* box = form.findChild<TextBox*>(field);
    box->setText("125");
    form.calculate->click();
    QVERIFY(form.back->isEnabled());
    box->setText(text);
    QCOMPARE(box->text(), shown);
    QVERIFY(!form.back->isEnabled());
}

void TestToolkit::focusSelectsWholeText_data() {
    QTest::addColumn<bool>("combo");   // a combo box holds the focus for its line edit
    QTest::addColumn<bool>("byMouse"); // or as a form sets it after Back (Tab selects by itself)
    QTest::newRow("amount-by-mouse") << false << true;
    QTest::newRow("amount-focus-set-by-form") << false << false;
    QTest::newRow("combo-box-by-mouse") << true << true;
    QTest::newRow("combo-box-focus-set-by-form") << true << false;
}

void TestToolkit::focusSelectsWholeText() {
    QFETCH(bool, combo);
    QFETCH(bool, byMouse);
    Sample form;
    toolkit::selectAllOnFocus(form.combo->lineEdit());
    QLineEdit* edit = combo ? form.combo->lineEdit() : form.field;
    edit->setText("A/A-1");
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.name->setFocus();
    if (byMouse) {
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(3, 5));
    } else {
        (combo ? static_cast<QWidget*>(form.combo) : form.field)->setFocus(Qt::OtherFocusReason);
    }
    QTRY_COMPARE(edit->selectedText(), QString("A/A-1"));
    QTest::keyClick(form.windowHandle(), Qt::Key_Z);
    QCOMPARE(edit->text(), QString("z"));
}

// Results cannot be typed over nor tabbed into; carriers are never seen.
void TestToolkit::kindsOfField() {
    QWidget parent;
    TextBox output(&parent, "o", TextBox::Kind::Output, 0, 0, 1215, 285);
    TextBox carrier(&parent, "c", TextBox::Kind::Carrier, 0, 0, 1215, 285);
    QVERIFY(output.isReadOnly() && !(output.focusPolicy() & Qt::TabFocus));
    QVERIFY(carrier.isHidden());
}

void TestToolkit::lazyFormComesAndGoes() {
    int made = 0;
    toolkit::Lazy<Sample> lazy([&made] {
        ++made;
        auto* s = new Sample;
        s->setAttribute(Qt::WA_DeleteOnClose);
        return s;
    });
    QVERIFY(!lazy.exists());
    lazy.get().field->setText("42"); // touching a field creates it, unseen
    QCOMPARE(made, 1);
    QVERIFY(!lazy.get().isVisible());
    lazy.show();
    QVERIFY(lazy.get().isVisible());
    lazy.get().hide();
    lazy.show();
    QCOMPARE(lazy.get().field->text(), QString("42")); // hidden forms keep their figures
    QCOMPARE(made, 1);

    lazy.get().close(); // the close box discards the form
    QVERIFY(!lazy.exists());
    QCOMPARE(lazy.get().field->text(), QString("0"));
    QCOMPARE(made, 2);
}

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
