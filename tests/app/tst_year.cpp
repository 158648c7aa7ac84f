// A whole year worked as a user works it, through every form: salary, HRA, house property,
// deductions, then Calculate on the worksheet.
#include "app/program.h"
#include "support/fakes.h"

#include <QtTest>

class TestYear : public QObject {
    Q_OBJECT
private slots:
    void wholeYearThroughEveryForm();

private:
    // Types into the field as a user would: a click selects its figure, the keys replace it.
    static void typeInto(QWidget* window, QLineEdit* field, const QString& text);
    // Types where the focus already stands, once it has selected the field's figure.
    static void typeAtFocus(QWidget* window, QLineEdit* field, const QString& text);
};

void TestYear::typeInto(QWidget* window, QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, 5));
    typeAtFocus(window, field, text);
}

void TestYear::typeAtFocus(QWidget* window, QLineEdit* field, const QString& text) {
    QTRY_VERIFY(field->hasFocus());
    QTRY_COMPARE(field->selectedText(), field->text());
    testing::typeText(window->windowHandle(), text);
    QCOMPARE(field->text(), text);
}

// The figures, worked by hand:
//
// Salary: basic pay 21000 and grade pay 4200 from January 2012, NPS "Y", HRA class "X":
//   gross salary 700280, transport exempt 9600; carriers: basic pay 258080, DA 214424,
//   HRA drawn 92544, grade pay 50400, NPS contribution 52288.
// HRA, rent 120000 a year:
//   salary 258080 + 214424 + 50400 = 522904; a tenth 52290.4 rounds to 52290;
//   rent above it 120000 - 52290 = 67710, less than the 92544 drawn: exempt 67710.
// Other sources 5000.
// House property, self-occupied, loan after 1-4-99, interest 180000:
//   capped at 150000; income -150000.
// Deductions: NPS 52288 in both 80CCD fields; LIC 30000, PPF 20000, tuition fee 12000:
//   80C 62000; with the employee's 52288, 114288 is above 100000, so 100000 + the
//   government's 52288 = 152288; 80CCF 25000 cut to 20000; 80D 18000; 80G 2000;
//   grand total 152288 + 18000 + 2000 + 20000 = 192288.
// Tax deducted 20000. The worksheet:
//   exempt allowances 9600 + 67710 = 77310; income from salary 700280 - 77310 = 622970;
//   gross total income 622970 - 150000 + 5000 = 477970;
//   net taxable income 477970 - 192288 = 285682, to the ten rupees 285680;
//   gross tax 10% of 85680 = 8568; no relief, net tax 8568; cess 3% = 257.04, so 257;
//   total tax 8825; balance 8825 - 20000 = -11175.
void TestYear::wholeYearThroughEveryForm() {
    testing::FakeServices fakes;
    Program program(fakes.services());
    program.showWorksheet();
    MainWorksheet& w = program.worksheet();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // Salary.
    QTest::mouseClick(w.cmdcalgs, Qt::LeftButton);
    SalaryForm& salary = program.salary().get();
    QVERIFY(QTest::qWaitForWindowActive(&salary));
    QTRY_VERIFY(salary.cbonps->hasFocus());
    QTest::keyClick(salary.windowHandle(), Qt::Key_A, Qt::ControlModifier);
    testing::typeText(salary.windowHandle(), "Y");
    typeInto(&salary, salary.txtbp[0], "21000");
    typeInto(&salary, salary.txtgp[0], "4200");
    QTest::keyClick(salary.windowHandle(), Qt::Key_Return);
    QTest::mouseClick(salary.cmdbak, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.txtgs->text(), QString("700280"));
    QCOMPARE(w.txttp->text(), QString("9600"));
    QTRY_VERIFY(w.cmdcalhr->hasFocus());

    // HRA: the focus leads on, so Space presses the Calc. button that has it.
    QTest::keyClick(w.windowHandle(), Qt::Key_Space);
    HraForm& hra = program.hra().get();
    QVERIFY(QTest::qWaitForWindowActive(&hra));
    typeAtFocus(&hra, hra.txtRP, "120000");
    QTest::keyClick(hra.windowHandle(), Qt::Key_Return);
    QCOMPARE(hra.txtns->text(), QString("522904"));
    QCOMPARE(hra.txthrx->text(), QString("67710"));
    QTest::mouseClick(hra.cmdback, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.txthra->text(), QString("67710"));

    // Other sources, where the focus now stands.
    typeAtFocus(&w, w.txtos, "5000");

    // House property.
    QTest::mouseClick(w.cmdcalhp, Qt::LeftButton);
    HousePropertyForm& house = program.houseProperty().get();
    QVERIFY(QTest::qWaitForWindowActive(&house));
    QTest::mouseClick(house.optso, Qt::LeftButton, {}, QPoint(5, house.optso->height() / 2));
    typeInto(&house, house.txtintt, "180000");
    QTest::keyClick(house.windowHandle(), Qt::Key_Return);
    QCOMPARE(house.txtihp->text(), QString("-150000"));
    QTest::mouseClick(house.cmdbk, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.txthp->text(), QString("-150000"));
    QTRY_VERIFY(w.cmdcalded80->hasFocus());

    // Deductions.
    QTest::keyClick(w.windowHandle(), Qt::Key_Space);
    DeductionsForm& ded = program.deductions().get();
    QVERIFY(QTest::qWaitForWindowActive(&ded));
    QCOMPARE(ded.txt80ccdec->text(), QString("52288"));
    QCOMPARE(ded.txt80ccdgc->text(), QString("52288"));
    const std::pair<QLineEdit*, const char*> typed[] = {
        {ded.txtlic, "30000"},   {ded.txtppf, "20000"}, {ded.txttf1, "12000"},
        {ded.txt80ccf, "25000"}, {ded.txt80d, "18000"}, {ded.txt80g, "2000"},
    };
    for (const auto& [field, figure] : typed) {
        typeInto(&ded, field, figure);
    }
    QTest::keyClick(ded.windowHandle(), Qt::Key_Return);
    QCOMPARE(ded.txt80c->text(), QString("62000"));
    QCOMPARE(ded.txttot1->text(), QString("152288"));
    QCOMPARE(ded.txtgt80->text(), QString("192288"));
    QTest::mouseClick(ded.cmdbk, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.txtded80->text(), QString("192288"));
    QTRY_VERIFY(w.txtrel89->hasFocus());

    // Tax deducted, then Calculate.
    typeInto(&w, w.txtdedtax, "20000");
    QTest::keyClick(w.windowHandle(), Qt::Key_Return);

    const QStringList shown = {w.txtexall->text(), w.txtnsal->text(), w.txtgti->text(),
                               w.txtnti->text(),   w.txtgtax->text(), w.txtntax->text(),
                               w.txtcess->text(),  w.txtttax->text(), w.txtbaltax->text()};
    QCOMPARE(shown, QStringList({"77310", "622970", "477970", "285680", "8568", "8568", "257",
                                 "8825", "-11175"}));
    QVERIFY(w.cmdprint->isEnabled());
    QVERIFY(fakes.messages.shown.isEmpty());
    QVERIFY(!hra.isVisible() && !house.isVisible() && !ded.isVisible());
}

QTEST_MAIN(TestYear)
#include "tst_year.moc"
