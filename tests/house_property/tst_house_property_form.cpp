// The house property form driven as a user drives it, opened and left through the worksheet.
#include "app/program.h"
#include "support/fakes.h"

#include <QtTest>

using toolkit::TextBox;

class TestHousePropertyForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshForm();
    void freshCalculateCarriesZero();
    void workedExampleLetOut();
    void selfOccupiedClearsRentalFigures();
    void rentedOutAgainKeepsZeros();
    void selfOccupiedCapsInterestOnly();
    void choiceWithdrawsBack_data();
    void choiceWithdrawsBack();
    void changeWithdrawsBack_data();
    void changeWithdrawsBack();
    void notANumberIsRefused_data();
    void notANumberIsRefused();
    void resultBeyondRangeIsRefused();
    void tabOrder_data();
    void tabOrder();
    void arrowKeysMoveWithinGroup();
    void hiddenFormKeepsFiguresAndChoices();
    void closedFormStartsAfresh();
    void exitHidesForm();

private:
    HousePropertyForm& open();
    static void activate(QWidget* window);
    static QStringList outputs(const HousePropertyForm& f);

    testing::FakeServices* fakes = nullptr;
    Program* program = nullptr;
    MainWorksheet* w = nullptr;
};

void TestHousePropertyForm::init() {
    fakes = new testing::FakeServices;
    program = new Program(fakes->services());
    program->showWorksheet();
    w = &program->worksheet();
}

void TestHousePropertyForm::cleanup() {
    delete program;
    delete fakes;
}

void TestHousePropertyForm::activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

HousePropertyForm& TestHousePropertyForm::open() {
    QTest::mouseClick(w->cmdcalhp, Qt::LeftButton);
    HousePropertyForm* f = program->houseProperty().existing();
    Q_ASSERT(f);
    return *f;
}

QStringList TestHousePropertyForm::outputs(const HousePropertyForm& f) {
    return {f.txtghi->text(), f.txtrep->text(), f.txttd->text(), f.txtihp->text()};
}

void TestHousePropertyForm::freshForm() {
    HousePropertyForm& f = open();
    QVERIFY(f.isVisible());
    QCOMPARE(f.objectName(), QString("Form4"));
    QCOMPARE(f.windowTitle(), QString("Fiscora1213 - Income from House Property"));
    QCOMPARE(f.size(), QSize(416, 417)); // 6240 by 6255 twips
    const auto boxes = f.findChildren<TextBox*>();
    QCOMPARE(boxes.size(), 8);
    for (const TextBox* box : boxes) {
        QCOMPARE(box->text(), QString("0"));
        QVERIFY(box->isEnabled());
    }
    QVERIFY(f.optrent->isChecked() && !f.optso->isChecked());
    QVERIFY(f.opta499->isChecked() && !f.optb499->isChecked());
    QVERIFY(!f.framintt->isEnabled());
    QVERIFY(!f.opta499->isEnabled() && !f.optb499->isEnabled());
    QVERIFY(!f.cmdbk->isEnabled());
    QCOMPARE(f.lblrep->text(), QString("Repairs & Maintainance"));
    QCOMPARE(f.frmask->title(), QString("Please Specify"));
    QCOMPARE(f.framintt->title(), QString("Date of Housing Loan"));
}

void TestHousePropertyForm::freshCalculateCarriesZero() {
    HousePropertyForm& f = open();
    activate(&f);
    QTest::keyClick(f.windowHandle(), Qt::Key_Return); // Calculate is the default button
    QCOMPARE(outputs(f), QStringList({"0", "0", "0", "0"}));
    QVERIFY(f.cmdbk->isEnabled());
    w->txthp->setText("5000");
    QTest::mouseClick(f.cmdbk, Qt::LeftButton);
    QCOMPARE(w->txthp->text(), QString("0"));
}

void TestHousePropertyForm::workedExampleLetOut() {
    HousePropertyForm& f = open();
    activate(&f);
    const std::pair<TextBox*, const char*> typed[] = {
        {f.txtarv, "120000"}, {f.txtptax, "6000"}, {f.txtintt, "200000"}};
    for (const auto& [box, figure] : typed) {
        box->setFocus();
        QTRY_COMPARE(box->selectedText(), QString("0"));
        testing::typeText(f.windowHandle(), figure);
    }
    QTest::mouseClick(f.cmdtot, Qt::LeftButton);
    QCOMPARE(outputs(f), QStringList({"114000", "34200", "234200", "-120200"}));
    QVERIFY(f.cmdbk->isEnabled());

    w->cmdcalc->click();
    QVERIFY(w->cmdprint->isEnabled());
    QTest::mouseClick(f.cmdbk, Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(w->isVisible());
    QCOMPARE(w->txthp->text(), QString("-120200"));
    QVERIFY(!w->cmdprint->isEnabled()); // a head of income changed
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTRY_VERIFY(w->cmdcalded80->hasFocus());
    QVERIFY(fakes->messages.shown.isEmpty());
}

void TestHousePropertyForm::selfOccupiedClearsRentalFigures() {
    HousePropertyForm& f = open();
    f.txtarv->setText("120000");
    f.txtptax->setText("6000");
    f.txtintt->setText("90000");
    f.txtoth->setText("700");
    f.cmdtot->click();
    QTest::mouseClick(f.optso, Qt::LeftButton, {}, QPoint(5, f.optso->height() / 2));
    QVERIFY(f.optso->isChecked());
    for (TextBox* box : {f.txtarv, f.txtptax, f.txtghi, f.txtrep, f.txtoth}) {
        QCOMPARE(box->text(), QString("0"));
        QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));
    }
    for (QLabel* label : {f.lblrent, f.lblptax, f.lblghi, f.lblrep, f.lbloth}) {
        QVERIFY2(!label->isEnabled(), qPrintable(label->objectName()));
    }
    QCOMPARE(f.txtintt->text(), QString("90000"));
    QVERIFY(f.txtintt->isEnabled());
    QVERIFY(f.framintt->isEnabled() && f.optb499->isEnabled() && f.opta499->isEnabled());
    QVERIFY(f.opta499->isChecked());
    QVERIFY(!f.cmdbk->isEnabled());
    f.cmdtot->click();
    QCOMPARE(outputs(f), QStringList({"0", "0", "90000", "-90000"}));
}

void TestHousePropertyForm::rentedOutAgainKeepsZeros() {
    HousePropertyForm& f = open();
    f.txtarv->setText("120000");
    f.optso->click();
    f.optrent->click();
    for (TextBox* box : {f.txtarv, f.txtptax, f.txtghi, f.txtrep, f.txtoth}) {
        QVERIFY(box->isEnabled());
        QCOMPARE(box->text(), QString("0"));
    }
    for (QLabel* label : {f.lblrent, f.lblptax, f.lblghi, f.lblrep, f.lbloth}) {
        QVERIFY(label->isEnabled());
    }
    QVERIFY(!f.framintt->isEnabled());
    QVERIFY(!f.optb499->isEnabled() && !f.opta499->isEnabled());
}

// The capped interest is used in the totals only; the field keeps the figure typed.
void TestHousePropertyForm::selfOccupiedCapsInterestOnly() {
    HousePropertyForm& f = open();
    f.optso->click();
    f.optb499->click();
    f.txtintt->setText("30001");
    f.cmdtot->click();
    QCOMPARE(f.txtintt->text(), QString("30001"));
    QCOMPARE(outputs(f), QStringList({"0", "0", "30000", "-30000"}));
    f.optrent->click();
    f.cmdtot->click();
    QCOMPARE(outputs(f), QStringList({"0", "0", "30001", "-30001"}));
}

void TestHousePropertyForm::choiceWithdrawsBack_data() {
    QTest::addColumn<QString>("prepare");
    QTest::addColumn<QString>("choose");
    QTest::newRow("self-occupied") << ""
                                   << "optso";
    QTest::newRow("rented-out") << "optso"
                                << "optrent";
    QTest::newRow("loan-before-1999") << "optso"
                                      << "optb499";
    QTest::newRow("loan-after-1999") << "optso,optb499"
                                     << "opta499";
}

void TestHousePropertyForm::choiceWithdrawsBack() {
    QFETCH(QString, prepare);
    QFETCH(QString, choose);
    HousePropertyForm& f = open();
    for (const QString& name : prepare.split(',', Qt::SkipEmptyParts)) {
        f.findChild<QRadioButton*>(name)->click();
    }
    f.cmdtot->click();
    QVERIFY(f.cmdbk->isEnabled());
    auto* option = f.findChild<QRadioButton*>(choose);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
    QVERIFY(option->isChecked());
    QVERIFY(!f.cmdbk->isEnabled());
}

void TestHousePropertyForm::changeWithdrawsBack_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : {"txtarv", "txtptax", "txtintt", "txtoth"}) {
        QTest::newRow(name) << name;
    }
}

void TestHousePropertyForm::changeWithdrawsBack() {
    QFETCH(QString, field);
    HousePropertyForm& f = open();
    f.cmdtot->click();
    auto* box = f.findChild<TextBox*>(field);
    box->setText("5");
    QVERIFY(!f.cmdbk->isEnabled());
    f.cmdtot->click();
    QVERIFY(f.cmdbk->isEnabled());
    box->setText(""); // emptied: "0" at once
    QCOMPARE(box->text(), QString("0"));
    QVERIFY(!f.cmdbk->isEnabled());
}

void TestHousePropertyForm::notANumberIsRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("letters-in-rental-value") << "txtarv"
                                             << "12000abc"
                                             << "Annual Rental Value";
    QTest::newRow("lone-minus-in-taxes") << "txtptax"
                                         << "-"
                                         << "Property Taxes";
    QTest::newRow("blank-in-interest") << "txtintt"
                                       << " "
                                       << "Interest on Borrowed Capital";
    QTest::newRow("comma-in-others") << "txtoth"
                                     << "1,000"
                                     << "Others";
    QTest::newRow("beyond-range-in-rental-value") << "txtarv"
                                                  << "1e400"
                                                  << "Annual Rental Value";
}

// A message naming the field, the focus there, and every figure left as it was.
void TestHousePropertyForm::notANumberIsRefused() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, named);
    HousePropertyForm& f = open();
    activate(&f);
    f.txtarv->setText("50000");
    f.cmdtot->click();
    const QStringList before = outputs(f);
    auto* box = f.findChild<TextBox*>(field);
    box->setText(text);
    f.cmdtot->click();
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY2(fakes->messages.shown.first().contains('"' + named + '"'),
             qPrintable(fakes->messages.shown.first()));
    QCOMPARE(outputs(f), before);
    QCOMPARE(box->text(), text);
    QVERIFY(!f.cmdbk->isEnabled());
    QTRY_VERIFY(box->hasFocus());
}

void TestHousePropertyForm::resultBeyondRangeIsRefused() {
    HousePropertyForm& f = open();
    f.txtarv->setText("1.7e308");
    f.txtptax->setText("-1.7e308");
    f.cmdtot->click();
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY(fakes->messages.shown.first().contains("\"Gross Income\""));
    QCOMPARE(outputs(f), QStringList({"0", "0", "0", "0"}));
    QVERIFY(!f.cmdbk->isEnabled());
}

void TestHousePropertyForm::tabOrder_data() {
    QTest::addColumn<bool>("selfOccupied");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("let-out") << false << QStringList{"optrent", "txtarv", "txtptax", "txtintt",
                                                     "txtoth",  "cmdtot", "cmdbk",   "optrent"};
    QTest::newRow("self-occupied")
        << true << QStringList{"optso", "txtintt", "cmdtot", "cmdbk", "opta499", "optso"};
    QTest::newRow("self-occupied-loan-before-1999")
        << true << QStringList{"optso", "txtintt", "cmdtot", "cmdbk", "optb499", "optso"};
}

// Each option group takes one stop, at its selected button; disabled controls are skipped.
void TestHousePropertyForm::tabOrder() {
    QFETCH(bool, selfOccupied);
    QFETCH(QStringList, expected);
    HousePropertyForm& f = open();
    activate(&f);
    if (selfOccupied) {
        f.optso->click();
    }
    if (expected.contains("optb499")) {
        f.optb499->click();
    }
    f.cmdtot->click(); // Back enabled, so that it takes its turn
    auto* first = f.findChild<QWidget*>(expected.first());
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(f.windowHandle(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
}

// Within a group the arrow keys select the other button, and its handler runs.
void TestHousePropertyForm::arrowKeysMoveWithinGroup() {
    HousePropertyForm& f = open();
    activate(&f);
    f.optrent->setFocus();
    QTRY_VERIFY(f.optrent->hasFocus());
    QTest::keyClick(f.windowHandle(), Qt::Key_Left);
    QTRY_VERIFY(f.optso->hasFocus());
    QVERIFY(f.optso->isChecked());
    QVERIFY(f.framintt->isEnabled());
    QVERIFY(!f.txtarv->isEnabled());
}

void TestHousePropertyForm::hiddenFormKeepsFiguresAndChoices() {
    HousePropertyForm& f = open();
    f.optso->click();
    f.optb499->click();
    f.txtintt->setText("45000");
    f.cmdtot->click();
    f.cmdbk->click();
    QCOMPARE(w->txthp->text(), QString("-30000"));
    HousePropertyForm& again = open();
    QCOMPARE(&again, &f);
    QVERIFY(again.optso->isChecked() && again.optb499->isChecked());
    QCOMPARE(again.txtintt->text(), QString("45000"));
    QCOMPARE(again.txtihp->text(), QString("-30000"));
    QVERIFY(again.cmdbk->isEnabled());
}

void TestHousePropertyForm::closedFormStartsAfresh() {
    HousePropertyForm& f = open();
    QPointer<HousePropertyForm> first = &f;
    f.optso->click();
    f.txtintt->setText("45000");
    f.cmdtot->click();
    QVERIFY(f.close());
    QVERIFY(!program->houseProperty().exists());
    QTRY_VERIFY(first.isNull());
    QCOMPARE(w->txthp->text(), QString("0")); // nothing carried

    HousePropertyForm& read = program->houseProperty().get(); // as a report reads it
    QVERIFY(!read.isVisible());
    for (const TextBox* box : read.findChildren<TextBox*>()) {
        QCOMPARE(box->text(), QString("0"));
    }
    QVERIFY(read.optrent->isChecked() && !read.framintt->isEnabled());
    QCOMPARE(&open(), &read);
}

void TestHousePropertyForm::exitHidesForm() {
    HousePropertyForm& f = open();
    QTest::mouseClick(w->cmdexit, Qt::LeftButton);
    QVERIFY(program->ended());
    QVERIFY(!f.isVisible());
}

QTEST_MAIN(TestHousePropertyForm)
#include "tst_house_property_form.moc"
