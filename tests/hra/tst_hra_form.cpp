// The HRA form driven as a user drives it, filled and left through the worksheet.
#include "app/program.h"
#include "support/fakes.h"

#include <QtTest>

using toolkit::TextBox;

class TestHraForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshForm();
    void calcCopiesCarriersAndFocusesRent();
    void calcBeforeSalaryCopiesZero();
    void calcWithdrawsBackWhereFigureChanges();
    void calcRefusesCarrierNotANumber_data();
    void calcRefusesCarrierNotANumber();
    void workedExampleThroughBack();
    void changeWithdrawsBack_data();
    void changeWithdrawsBack();
    void emptiedFieldsCalculateToZero();
    void typingStopsAtTenCharacters();
    void notANumberIsRefused_data();
    void notANumberIsRefused();
    void salaryBeyondRangeIsRefused();
    void tabOrder();
    void hiddenFormKeepsRent();
    void closedFormStartsAfresh();
    void exitHidesForm();

private:
    HraForm& open();
    static void activate(QWidget* window);
    void setCarriers(const char* bp, const char* da, const char* hrr, const char* npa);

    testing::FakeServices* fakes = nullptr;
    Program* program = nullptr;
    MainWorksheet* w = nullptr;
};

void TestHraForm::init() {
    fakes = new testing::FakeServices;
    program = new Program(fakes->services());
    program->showWorksheet();
    w = &program->worksheet();
}

void TestHraForm::cleanup() {
    delete program;
    delete fakes;
}

void TestHraForm::activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

HraForm& TestHraForm::open() {
    QTest::mouseClick(w->cmdcalhr, Qt::LeftButton);
    HraForm* f = program->hra().existing();
    Q_ASSERT(f);
    return *f;
}

// As the salary form's Back leaves them.
void TestHraForm::setCarriers(const char* bp, const char* da, const char* hrr, const char* npa) {
    w->txtbp->setText(bp);
    w->txtda->setText(da);
    w->txthrr->setText(hrr);
    w->txtnpa->setText(npa);
}

void TestHraForm::freshForm() {
    HraForm& f = open();
    QVERIFY(f.isVisible());
    QCOMPARE(f.objectName(), QString("Form2"));
    QCOMPARE(f.windowTitle(), QString("Fiscora1213 - HRA Exemption"));
    QCOMPARE(f.size(), QSize(232, 213)); // 3480 by 3195 twips
    const auto boxes = f.findChildren<TextBox*>();
    QCOMPARE(boxes.size(), 7);
    for (const TextBox* box : boxes) {
        QCOMPARE(box->text(), QString("0"));
    }
    QVERIFY(f.txtns->isReadOnly() && f.txthrx->isReadOnly());
    QVERIFY(!f.cmdback->isEnabled());
    QCOMPARE(f.defaultButton(), f.cmdcal);
    QCOMPARE(f.findChild<QLabel*>("lblRP")->text(), QString("Rent Paid (Annual)"));
    QCOMPARE(f.findChild<QLabel*>("Label2")->text(), QString("Grade Pay"));
}

void TestHraForm::calcCopiesCarriersAndFocusesRent() {
    setCarriers("258080", "214424", "92544", "50400");
    HraForm& f = open();
    QCOMPARE(f.txtbp->text(), QString("258080"));
    QCOMPARE(f.txtnpa->text(), QString("50400"));
    QCOMPARE(f.txtda->text(), QString("214424"));
    QCOMPARE(f.txthra->text(), QString("92544"));
    QCOMPARE(f.txtRP->text(), QString("0"));
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTRY_VERIFY(f.txtRP->hasFocus());
    QTRY_COMPARE(f.txtRP->selectedText(), QString("0"));
    testing::typeText(f.windowHandle(), "120000");
    QCOMPARE(f.txtRP->text(), QString("120000"));
    QVERIFY(fakes->messages.shown.isEmpty());
}

void TestHraForm::calcBeforeSalaryCopiesZero() {
    HraForm& f = open();
    f.txtbp->setText("9999");
    f.txtnpa->setText("99");
    open();
    for (TextBox* box : {f.txtbp, f.txtnpa, f.txtda, f.txthra}) {
        QCOMPARE(box->text(), QString("0"));
    }
}

// A figure copied in that alters a field withdraws BACK; one that leaves it as it was
// does not. The rent and the results stay as they were.
void TestHraForm::calcWithdrawsBackWhereFigureChanges() {
    setCarriers("100000", "50000", "30000", "20000");
    HraForm& f = open();
    f.txtRP->setText("60000");
    f.cmdcal->click();
    QVERIFY(f.cmdback->isEnabled());
    const QString exemption = f.txthrx->text();
    open();
    QVERIFY(f.cmdback->isEnabled());
    w->txtnpa->setText("24000");
    open();
    QCOMPARE(f.txtnpa->text(), QString("24000"));
    QVERIFY(!f.cmdback->isEnabled());
    QCOMPARE(f.txtRP->text(), QString("60000"));
    QCOMPARE(f.txthrx->text(), exemption);
    QCOMPARE(f.txtns->text(), QString("170000"));
}

void TestHraForm::calcRefusesCarrierNotANumber_data() {
    QTest::addColumn<QString>("carrier");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("basic-pay-letters") << "txtbp"
                                       << "12000abc"
                                       << "basic pay";
    QTest::newRow("dearness-beyond-range") << "txtda"
                                           << "1e400"
                                           << "dearness allowance";
    QTest::newRow("hra-lone-minus") << "txthrr"
                                    << "-"
                                    << "house rent allowance";
    QTest::newRow("grade-pay-empty") << "txtnpa"
                                     << ""
                                     << "grade pay";
}

void TestHraForm::calcRefusesCarrierNotANumber() {
    QFETCH(QString, carrier);
    QFETCH(QString, text);
    QFETCH(QString, named);
    HraForm& f = open();
    f.txtbp->setText("5000");
    f.cmdcal->click();
    f.hide();
    setCarriers("1", "2", "3", "4");
    w->findChild<TextBox*>(carrier)->setText(text);
    QTest::mouseClick(w->cmdcalhr, Qt::LeftButton);
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY2(fakes->messages.shown.first().contains(named), qPrintable(fakes->messages.shown[0]));
    QVERIFY(!f.isVisible());
    QCOMPARE(f.txtbp->text(), QString("5000"));
    QCOMPARE(f.txtnpa->text(), QString("0"));
    QVERIFY(f.cmdback->isEnabled());
}

void TestHraForm::workedExampleThroughBack() {
    setCarriers("10000", "345", "60000", "2000");
    HraForm& f = open();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTRY_COMPARE(f.txtRP->selectedText(), QString("0"));
    testing::typeText(f.windowHandle(), "50000");
    QTest::keyClick(f.windowHandle(), Qt::Key_Return);
    QCOMPARE(f.txtns->text(), QString("12345"));
    QCOMPARE(f.txthrx->text(), QString("48766"));
    QVERIFY(f.cmdback->isEnabled());

    w->cmdcalc->click();
    QVERIFY(w->cmdprint->isEnabled());
    QTest::mouseClick(f.cmdback, Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(w->isVisible());
    QCOMPARE(w->txthra->text(), QString("48766"));
    QVERIFY(!w->cmdprint->isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTRY_VERIFY(w->txtos->hasFocus());
    QVERIFY(fakes->messages.shown.isEmpty());
}

void TestHraForm::changeWithdrawsBack_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : {"txtbp", "txtnpa", "txtda", "txthra", "txtRP"}) {
        QTest::newRow(name) << name;
    }
}

// Grade Pay too: BACK never carries an exemption worked out from an old grade pay.
void TestHraForm::changeWithdrawsBack() {
    QFETCH(QString, field);
    HraForm& f = open();
    f.cmdcal->click();
    QVERIFY(f.cmdback->isEnabled());
    f.findChild<TextBox*>(field)->setText("5");
    QVERIFY(!f.cmdback->isEnabled());
    f.cmdcal->click();
    QVERIFY(f.cmdback->isEnabled());
}

void TestHraForm::emptiedFieldsCalculateToZero() {
    setCarriers("10000", "345", "60000", "2000");
    HraForm& f = open();
    activate(&f);
    f.txtRP->setText("50000");
    for (TextBox* box : {f.txtbp, f.txtnpa, f.txtda, f.txthra, f.txtRP}) {
        box->setFocus();
        QTRY_COMPARE(box->selectedText(), box->text());
        QTest::keyClick(f.windowHandle(), Qt::Key_Delete);
        QCOMPARE(box->text(), QString("0"));
    }
    f.cmdcal->click();
    QCOMPARE(f.txtns->text(), QString("0"));
    QCOMPARE(f.txthrx->text(), QString("0"));
}

// The user types at most ten characters; a longer figure copied in stands whole.
void TestHraForm::typingStopsAtTenCharacters() {
    setCarriers("258080.125", "214424.0625", "92544", "50400");
    HraForm& f = open();
    QCOMPARE(f.txtda->text(), QString("214424.0625"));
    activate(&f);
    QTRY_VERIFY(f.txtRP->hasFocus());
    QTRY_COMPARE(f.txtRP->selectedText(), QString("0"));
    testing::typeText(f.windowHandle(), "123456789012");
    QCOMPARE(f.txtRP->text(), QString("1234567890"));
    f.txtda->setFocus();
    QTRY_COMPARE(f.txtda->selectedText(), f.txtda->text());
    QTest::keyClick(f.windowHandle(), Qt::Key_End);
    QTest::keyClick(f.windowHandle(), Qt::Key_Backspace);
    QCOMPARE(f.txtda->text(), QString("214424.062")); // a long figure can still be corrected
}

void TestHraForm::notANumberIsRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("letters-in-basic-pay") << "txtbp"
                                          << "12000x"
                                          << "Basic Pay";
    QTest::newRow("lone-minus-in-dearness") << "txtda"
                                            << "-"
                                            << "Dearness Allow.";
    QTest::newRow("blank-in-hra-drawn") << "txthra"
                                        << " "
                                        << "HRA Drawn";
    QTest::newRow("comma-in-grade-pay") << "txtnpa"
                                        << "4,200"
                                        << "Grade Pay";
    QTest::newRow("beyond-range-in-rent") << "txtRP"
                                          << "1e400"
                                          << "Rent Paid (Annual)";
}

// A message naming the field, the focus there, and every figure left as it was.
void TestHraForm::notANumberIsRefused() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, named);
    setCarriers("10000", "345", "60000", "2000");
    HraForm& f = open();
    activate(&f);
    f.txtRP->setText("50000");
    f.cmdcal->click();
    auto* box = f.findChild<TextBox*>(field);
    box->setText(text);
    f.cmdcal->click();
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY2(fakes->messages.shown.first().contains('"' + named + '"'),
             qPrintable(fakes->messages.shown.first()));
    QCOMPARE(box->text(), text);
    QCOMPARE(f.txtns->text(), QString("12345"));
    QCOMPARE(f.txthrx->text(), QString("48766"));
    QVERIFY(!f.cmdback->isEnabled());
    QTRY_VERIFY(box->hasFocus());
}

void TestHraForm::salaryBeyondRangeIsRefused() {
    HraForm& f = open();
    f.txtbp->setText("1.7e308");
    f.txtda->setText("1.7e308");
    f.cmdcal->click();
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY(fakes->messages.shown.first().contains("\"Total Salary\""));
    QCOMPARE(f.txtns->text(), QString("0"));
    QCOMPARE(f.txthrx->text(), QString("0"));
    QVERIFY(!f.cmdback->isEnabled());
}

void TestHraForm::tabOrder() {
    HraForm& f = open();
    activate(&f);
    f.cmdcal->click(); // BACK enabled, so that it takes its turn
    const QStringList expected = {"txtbp",  "txtda",   "txthra", "txtRP",
                                  "cmdcal", "cmdback", "txtnpa", "txtbp"};
    f.txtbp->setFocus();
    QTRY_VERIFY(f.txtbp->hasFocus());
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(f.windowHandle(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
}

void TestHraForm::hiddenFormKeepsRent() {
    setCarriers("10000", "345", "60000", "2000");
    HraForm& f = open();
    f.txtRP->setText("50000");
    f.cmdcal->click();
    f.cmdback->click();
    HraForm& again = open();
    QCOMPARE(&again, &f);
    QCOMPARE(again.txtRP->text(), QString("50000"));
    QCOMPARE(again.txthrx->text(), QString("48766"));
    QVERIFY(again.cmdback->isEnabled());
}

void TestHraForm::closedFormStartsAfresh() {
    HraForm& f = open();
    QPointer<HraForm> first = &f;
    f.txtRP->setText("50000");
    f.cmdcal->click();
    QVERIFY(f.close());
    QVERIFY(!program->hra().exists());
    QTRY_VERIFY(first.isNull());
    QCOMPARE(w->txthra->text(), QString("0"));
    HraForm& again = open();
    QVERIFY(&again != first.data());
    QCOMPARE(again.txtRP->text(), QString("0"));
    QCOMPARE(again.txthrx->text(), QString("0"));
    QVERIFY(!again.cmdback->isEnabled());
}

void TestHraForm::exitHidesForm() {
    HraForm& f = open();
    QTest::mouseClick(w->cmdexit, Qt::LeftButton);
    QVERIFY(program->ended());
    QVERIFY(!f.isVisible());
}

QTEST_MAIN(TestHraForm)
#include "tst_hra_form.moc"
