// A whole year worked through every form, as the hub carries it from one to the next; and
// the salary form's life in the hub: kept for the next Calc., discarded when closed.
#include "support/hub.h"

#include <QtTest>

class TestYear : public QObject {
    Q_OBJECT
private slots:
    void wholeYearThroughEveryForm();
    void salaryFormKeptUntilClosed();
};

// The figures, worked by hand:
// Salary: basic pay 21000 and grade pay 4200 from January 2012, NPS "Y", HRA class "X":
//   gross 700280, transport exempt 9600 (800 a month); carriers: basic pay 258080,
//   DA 214424, HRA drawn 92544, grade pay 50400, NPS contribution 52288.
// HRA, rent 120000: a tenth of 258080 + 214424 + 50400 = 522904 is 52290; rent above it
//   67710, less than the 92544 drawn: exempt 67710. Other sources 5000.
// House property, self-occupied, interest 180000: capped at 150000; income -150000.
// Deductions: 80C 30000 + 20000 + 12000 = 62000; with the employee's NPS 52288, 114288 is
//   cut to 100000, plus the government's 52288 = 152288; 80CCF 25000 cut to 20000;
//   80D 18000; 80G 2000: 192288.
// Worksheet, tax deducted 20000: exempt 9600 + 67710 = 77310; salary 622970; gross total
//   income 622970 - 150000 + 5000 = 477970; net taxable 285682, to the ten rupees 285680;
//   tax 10% of 85680 = 8568; cess 3% 257; total 8825; balance -11175.
void TestYear::wholeYearThroughEveryForm() {
    testing::Hub hub;
    MainWorksheet& w = hub.w;
    testing::activate(&w);
    w.txtname->setText("Ravi Kumar Srinivasan Iyengar"); // 29 characters
    QTest::mouseClick(w.cmdcalgs, Qt::LeftButton);
    SalaryForm& salary = hub.program.salary().get();
    QVERIFY(QTest::qWaitForWindowActive(&salary));
    QCOMPARE(salary.txtnam->text(), w.txtname->text()); // the 26 limit is for typing only
    QTRY_VERIFY(salary.cbonps->hasFocus());
    QTRY_COMPARE(salary.cbonps->lineEdit()->selectedText(), QString("N")); // "Y" replaces it
    testing::typeText(salary.windowHandle(), "Y");
    salary.txtbp[0]->setText("21000");
    salary.txtgp[0]->setText("4200");
    salary.cmdcal->click();
    QTest::mouseClick(salary.cmdbak, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QStringList carried = {w.txtgs->text(), w.txttp->text(),  w.txtbp->text(),
                                 w.txtda->text(), w.txthrr->text(), w.txtnpa->text(),
                                 w.txtmgc->text()};
    QCOMPARE(carried,
             QStringList({"700280", "9600", "258080", "214424", "92544", "50400", "52288"}));
    QTRY_VERIFY(w.cmdcalhr->hasFocus());
    QVERIFY(salary.isVisible()); // behind the worksheet, for the next Calc.

    QTest::keyClick(w.windowHandle(), Qt::Key_Space); // the HRA's Calc., which has the focus
    HraForm& hra = hub.program.hra().get();
    hra.txtRP->setText("120000");
    hra.cmdcal->click();
    hra.cmdback->click();
    w.txtos->setText("5000");

    w.cmdcalhp->click();
    HousePropertyForm& house = hub.program.houseProperty().get();
    testing::fill(&house, "optso;txtintt=180000");
    house.cmdtot->click();
    house.cmdbk->click();

    w.cmdcalded80->click();
    DeductionsForm& ded = hub.program.deductions().get();
    QCOMPARE(ded.txt80ccdec->text() + " " + ded.txt80ccdgc->text(), QString("52288 52288"));
    testing::fill(&ded, "txtlic=30000;txtppf=20000;txttf1=12000;txt80ccf=25000;txt80d=18000;"
                        "txt80g=2000");
    ded.cmdtot->click();
    ded.cmdbk->click();

    w.txtdedtax->setText("20000");
    QTest::mouseClick(w.cmdcalc, Qt::LeftButton);
    const QStringList shown = {w.txthra->text(),   w.txthp->text(),    w.txtded80->text(),
                               w.txtexall->text(), w.txtnsal->text(),  w.txtgti->text(),
                               w.txtnti->text(),   w.txtgtax->text(),  w.txtcess->text(),
                               w.txtttax->text(),  w.txtbaltax->text()};
    QCOMPARE(shown, QStringList({"67710", "-150000", "192288", "77310", "622970", "477970",
                                 "285680", "8568", "257", "8825", "-11175"}));
    QVERIFY(w.cmdprint->isEnabled());
    QVERIFY(hub.shown().isEmpty());
}

// After Back the same form comes up again with its figures and the worksheet's new name;
// once its window is closed, the next Calc. starts afresh; Exit hides it with the rest.
void TestYear::salaryFormKeptUntilClosed() {
    testing::Hub hub;
    MainWorksheet& w = hub.w;
    QTest::mouseClick(w.cmdcalgs, Qt::LeftButton);
    QPointer<SalaryForm> first = &hub.program.salary().get();
    first->txtbp[0]->setText("21000");
    first->cmdcal->click();
    first->cmdbak->click();
    w.txtname->setText("Meena");
    QTest::mouseClick(w.cmdcalgs, Qt::LeftButton);
    QCOMPARE(&hub.program.salary().get(), first.data());
    QCOMPARE(first->txtnam->text(), QString("Meena"));
    QCOMPARE(first->txtbp[13]->text(), QString("21630")); // with its increment
    QVERIFY(first->cmdbak->isEnabled());                  // the name does not enter the figures
    QTRY_VERIFY(first->cbonps->hasFocus());

    first->chkinc->setChecked(false);
    QVERIFY(first->close());
    QVERIFY(!hub.program.salary().exists());
    QTRY_VERIFY(first.isNull());
    QTest::mouseClick(w.cmdcalgs, Qt::LeftButton);
    SalaryForm& fresh = hub.program.salary().get();
    QCOMPARE(fresh.txtbp[0]->text() + " " + fresh.txtgtotal->text(), QString("0 0"));
    QVERIFY(fresh.chkinc->isChecked() && !fresh.cmdbak->isEnabled());

    QTest::mouseClick(w.cmdexit, Qt::LeftButton);
    QVERIFY(hub.program.ended() && !fresh.isVisible());
}

QTEST_MAIN(TestYear)
#include "tst_year.moc"
