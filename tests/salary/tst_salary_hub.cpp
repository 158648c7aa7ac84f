// The salary form as the main worksheet opens it and takes the year's figures back.
#include "app/program.h"
#include "support/fakes.h"

#include <QtTest>

class TestSalaryHub : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void calcOpensFormWithName();
    void wholeYearBackFillsWorksheet();
    void reopeningKeepsFiguresAndTakesNewName();
    void closingDiscardsForm();
    void exitClosesForm();

private:
    void openSalary();
    static void typeInto(SalaryForm& form, QLineEdit* field, const QString& text);

    testing::FakeServices* fakes = nullptr;
    Program* program = nullptr;
};

void TestSalaryHub::init() {
    fakes = new testing::FakeServices;
    program = new Program(fakes->services());
    program->showWorksheet();
    QVERIFY(QTest::qWaitForWindowActive(&program->worksheet()));
}

void TestSalaryHub::cleanup() {
    delete program;
    delete fakes;
}

void TestSalaryHub::openSalary() {
    QTest::mouseClick(program->worksheet().cmdcalgs, Qt::LeftButton);
    QVERIFY(program->salary().exists());
    QVERIFY(QTest::qWaitForWindowActive(&program->salary().get()));
}

void TestSalaryHub::typeInto(SalaryForm& form, QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(field->selectedText(), field->text());
    testing::typeText(form.windowHandle(), text);
}

void TestSalaryHub::calcOpensFormWithName() {
    MainWorksheet& w = program->worksheet();
    w.txtname->setText("Ravi Kumar Srinivasan Iyengar"); // 29 characters
    QVERIFY(!program->salary().exists());
    openSalary();
    SalaryForm& f = program->salary().get();
    QVERIFY(f.isVisible());
    QCOMPARE(f.txtnam->text(), QString("Ravi Kumar Srinivasan Iyen")); // 26 at most
    QTRY_VERIFY(f.cbonps->hasFocus());
    QCOMPARE(w.txtname->text(), QString("Ravi Kumar Srinivasan Iyengar"));
}

void TestSalaryHub::wholeYearBackFillsWorksheet() {
    MainWorksheet& w = program->worksheet();
    w.cmdcalc->click();
    QVERIFY(w.cmdprint->isEnabled());
    openSalary();
    SalaryForm& f = program->salary().get();
    QTRY_VERIFY(f.cbonps->hasFocus());
    QTest::keyClick(f.windowHandle(), Qt::Key_A, Qt::ControlModifier);
    testing::typeText(f.windowHandle(), "Y");
    typeInto(f, f.txtbp[0], "21000");
    typeInto(f, f.txtgp[0], "4200");
    QTest::keyClick(f.windowHandle(), Qt::Key_Return);
    QCOMPARE(f.txtgtotal->text(), QString("700280"));
    QTest::mouseClick(f.cmdbak, Qt::LeftButton);

    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QStringList written = {w.txtgs->text(), w.txttp->text(),  w.txtbp->text(),
                                 w.txtda->text(), w.txthrr->text(), w.txtnpa->text(),
                                 w.txtmgc->text()};
    QCOMPARE(written,
             QStringList({"700280", "9600", "258080", "214424", "92544", "50400", "52288"}));
    QTRY_VERIFY(w.cmdcalhr->hasFocus());
    QVERIFY(f.isVisible());            // the salary form stays open behind the worksheet
    QVERIFY(!w.cmdprint->isEnabled()); // a new gross salary withdraws the old tax's Print
    QVERIFY(fakes->messages.shown.isEmpty());

    w.cmdcalc->click();
    QCOMPARE(w.txtnsal->text(), QString("690680")); // 700280 less 9600 exempt

    // The carriers take the year's pay on to the HRA form.
    QTest::mouseClick(w.cmdcalhr, Qt::LeftButton);
    HraForm& hra = program->hra().get();
    const QStringList copied = {hra.txtbp->text(), hra.txtnpa->text(), hra.txtda->text(),
                                hra.txthra->text()};
    QCOMPARE(copied, QStringList({"258080", "50400", "214424", "92544"}));
}

void TestSalaryHub::reopeningKeepsFiguresAndTakesNewName() {
    MainWorksheet& w = program->worksheet();
    w.txtname->setText("Ravi");
    openSalary();
    SalaryForm* first = &program->salary().get();
    first->txtbp[0]->setText("21000");
    first->cmdcal->click();
    first->cmdbak->click();
    w.txtname->setText("Meena");
    openSalary();
    SalaryForm& f = program->salary().get();
    QCOMPARE(&f, first);
    QCOMPARE(f.txtnam->text(), QString("Meena"));
    QCOMPARE(f.txtbp[5]->text(), QString("21000"));
    QCOMPARE(f.txtbp[13]->text(), QString("21630")); // with its increment
    QVERIFY(f.cmdbak->isEnabled());                  // the name does not enter the figures
    QTRY_VERIFY(f.cbonps->hasFocus());
}

void TestSalaryHub::closingDiscardsForm() {
    openSalary();
    QPointer<SalaryForm> first = &program->salary().get();
    first->txtbp[0]->setText("21000");
    first->chkinc->setChecked(false);
    first->cmdcal->click();
    QVERIFY(first->close());
    QVERIFY(!program->salary().exists());
    QTRY_VERIFY(first.isNull());

    openSalary();
    SalaryForm& f = program->salary().get();
    QCOMPARE(f.txtbp[0]->text(), QString("0"));
    QCOMPARE(f.txtgtotal->text(), QString("0"));
    QVERIFY(f.chkinc->isChecked());
    QVERIFY(!f.cmdbak->isEnabled());
}

void TestSalaryHub::exitClosesForm() {
    openSalary();
    QTest::mouseClick(program->worksheet().cmdexit, Qt::LeftButton);
    QVERIFY(program->ended());
    QVERIFY(!program->salary().get().isVisible());
}

QTEST_MAIN(TestSalaryHub)
#include "tst_salary_hub.moc"
