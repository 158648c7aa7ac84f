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
        combo->setEditable(true);
        combo->addItems({"X", "Y"});
        combo->move(0, 60);
        combo->setObjectName("combo");
        check = new QCheckBox("tick", this);
        check->move(0, 90);
        check->setObjectName("check");
        calculate = new QPushButton("&Calculate", this);
        calculate->move(0, 120);
        back = new QPushButton("&Back", this);
        back->move(100, 120);
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
    void enterAnywherePressesDefault_data();
    void enterAnywherePressesDefault();
    void enterDoesNothingWhenDefaultDisabled();
    void escapeDoesNothing();
    void changeWithdrawsAndEmptyBecomesZero();
    void freeTextStaysEmpty();
    void focusSelectsWholeText();
    void focusSelectsWholeTextOfComboBox_data();
    void focusSelectsWholeTextOfComboBox();
    void kindsOfField();
    void lazyFormComesAndGoes();
};

void TestToolkit::enterAnywherePressesDefault_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("return-in-amount") << "field" << int(Qt::Key_Return);
    QTest::newRow("enter-in-amount") << "field" << int(Qt::Key_Enter);
    QTest::newRow("return-in-combo-box") << "combo" << int(Qt::Key_Return);
    QTest::newRow("return-on-check-box") << "check" << int(Qt::Key_Return);
    QTest::newRow("return-on-other-button") << "back" << int(Qt::Key_Return);
}

void TestToolkit::enterAnywherePressesDefault() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    Sample form;
    form.back->setEnabled(true);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget* target = form.findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
    const int itemsBefore = form.combo->count();
    QTest::keyClick(form.windowHandle(), Qt::Key(key));
    QCOMPARE(form.calculations, 1);
    QCOMPARE(form.combo->count(), itemsBefore); // Enter never adds a list entry
}

void TestToolkit::enterDoesNothingWhenDefaultDisabled() {
    Sample form;
    form.calculate->setEnabled(false);
    QTest::keyClick(form.field, Qt::Key_Return);
    QCOMPARE(form.calculations, 0);
}

void TestToolkit::escapeDoesNothing() {
    Sample form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(form.field, Qt::Key_Escape);
    QVERIFY(form.isVisible());
    QCOMPARE(form.calculations, 0);
}

void TestToolkit::changeWithdrawsAndEmptyBecomesZero() {
    Sample form;
    form.calculate->click();
    QVERIFY(form.back->isEnabled());
    form.field->setText("125");
    QVERIFY(!form.back->isEnabled());

    form.calculate->click();
    QTest::keyClick(form.field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.field, Qt::Key_Delete);
    QCOMPARE(form.field->text(), QString("0"));
    QCOMPARE(form.field->selectedText(), QString("0")); // the next key replaces it
    QVERIFY(!form.back->isEnabled());
    QTest::keyClicks(form.field, "7");
    QCOMPARE(form.field->text(), QString("7"));

    form.field->setText(" "); // a blank is not empty: it stays and reads as 0
    QCOMPARE(form.field->text(), QString(" "));
}

void TestToolkit::freeTextStaysEmpty() {
    Sample form;
    form.name->setText("Ravi");
    form.calculate->click();
    form.name->clear();
    QCOMPARE(form.name->text(), QString());
    QVERIFY(!form.back->isEnabled());
}

void TestToolkit::focusSelectsWholeText() {
    Sample form;
    form.field->setText("21000");
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.name->setFocus();
    QTest::keyClick(form.windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
    QTRY_COMPARE(form.field->selectedText(), QString("21000"));
    QTest::keyClick(form.windowHandle(), Qt::Key_5);
    QCOMPARE(form.field->text(), QString("5"));
}

void TestToolkit::focusSelectsWholeTextOfComboBox_data() {
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("by-mouse") << true;
    QTest::newRow("by-tab") << false;
}

// The combo box holds the focus for its line edit; entering it still selects the text.
void TestToolkit::focusSelectsWholeTextOfComboBox() {
    QFETCH(bool, byMouse);
    Sample form;
    toolkit::selectAllOnFocus(form.combo->lineEdit());
    form.combo->setEditText("A/A-1");
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.field->setFocus();
    if (byMouse) {
        QTest::mouseClick(form.combo->lineEdit(), Qt::LeftButton, {}, QPoint(3, 5));
    } else {
        form.combo->setFocus(Qt::OtherFocusReason);
    }
    QTRY_COMPARE(form.combo->lineEdit()->selectedText(), QString("A/A-1"));
    QTest::keyClick(form.windowHandle(), Qt::Key_Z);
    QCOMPARE(form.combo->currentText(), QString("z"));
}

void TestToolkit::kindsOfField() {
    QWidget parent;
    TextBox entry(&parent, "e", TextBox::Kind::Entry, 0, 0, 1215, 285);
    TextBox output(&parent, "o", TextBox::Kind::Output, 0, 0, 1215, 285);
    TextBox carrier(&parent, "c", TextBox::Kind::Carrier, 0, 0, 1215, 285);
    TextBox name(&parent, "n", TextBox::Kind::FreeText, 0, 0, 1215, 285);
    QCOMPARE(entry.text(), QString("0"));
    QVERIFY(entry.alignment() & Qt::AlignRight);
    QVERIFY(!entry.isReadOnly());
    QCOMPARE(output.text(), QString("0"));
    QVERIFY(output.isReadOnly());
    QVERIFY(!(output.focusPolicy() & Qt::TabFocus));
    QCOMPARE(output.palette().color(QPalette::Text), QColor(128, 0, 0));
    QCOMPARE(carrier.text(), QString("0"));
    QVERIFY(carrier.isHidden());
    QCOMPARE(name.text(), QString());
    QCOMPARE(entry.width(), 81); // 1215 twips
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
