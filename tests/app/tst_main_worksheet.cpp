// The main worksheet driven as a user drives it.
#include "app/main_worksheet.h"
#include "support/fakes.h"

#include <QtTest>

class TestMainWorksheet : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void changeWithdrawsPrint_data();
    void changeWithdrawsPrint();
    void emptiedFieldShowsSelectedZero();
    void tabOrder();
    void enterAnywhereCalculates_data();
    void enterAnywhereCalculates();
    void workedExampleTypedIn();
    void oddTextsCountAsLeadingNumber();
    void tooLargeFigureIsRefused_data();
    void tooLargeFigureIsRefused();

private:
    void showAndActivate();
    testing::RecordingMessages messages;
    MainWorksheet* w = nullptr;
};

void TestMainWorksheet::init() {
    messages.shown.clear();
    w = new MainWorksheet(messages);
}

void TestMainWorksheet::cleanup() {
    delete w;
}

void TestMainWorksheet::showAndActivate() {
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void TestMainWorksheet::changeWithdrawsPrint_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : {"txtname", "txtgs", "txttp", "txthra", "txtos", "txthp", "txtrel89",
                             "txtdedtax", "txtded80"}) {
        QTest::newRow(name) << name;
    }
}

// Print waits for a Calculate. Typed or written by a detail form, a change of any figure
// the tax depends on withdraws Print; so does a new deductions total, which would otherwise
// print beside old tax.
void TestMainWorksheet::changeWithdrawsPrint() {
    QFETCH(QString, field);
    auto* box = w->findChild<toolkit::TextBox*>(field);
    QVERIFY(box && !w->cmdprint->isEnabled());
    w->cmdcalc->click();
    QVERIFY(w->cmdprint->isEnabled());
    box->setText("5");
    QVERIFY(!w->cmdprint->isEnabled());
    w->cmdcalc->click();
    QVERIFY(w->cmdprint->isEnabled());
}

void TestMainWorksheet::emptiedFieldShowsSelectedZero() {
    showAndActivate();
    w->txtgs->setText("123");
    w->txtgs->setFocus();
    w->txtgs->end(false);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(w->windowHandle(), Qt::Key_Backspace);
    }
    QCOMPARE(w->txtgs->text(), QString("0"));
    QCOMPARE(w->txtgs->selectedText(), QString("0"));
    QTest::keyClick(w->windowHandle(), Qt::Key_9);
    QCOMPARE(w->txtgs->text(), QString("9"));
}

void TestMainWorksheet::tabOrder() {
    showAndActivate();
    const QStringList expected = {"txtname",  "cmdcalgs",  "txtgs",    "txttp",       "cmdcalhr",
                                  "txthra",   "txtos",     "cmdcalhp", "cmdcalded80", "cmdcalrel89",
                                  "txtrel89", "txtdedtax", "cmdcalc",  "cmdprint",    "cmdexit"};
    w->cmdprint->setEnabled(true); // a disabled button is skipped, as it should be
    w->txtname->setFocus();
    QTRY_VERIFY(w->txtname->hasFocus());
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
}

void TestMainWorksheet::enterAnywhereCalculates_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("in-gross-salary") << "txtgs";
    QTest::newRow("in-name") << "txtname";
    QTest::newRow("on-a-calc-button") << "cmdcalhp";
    QTest::newRow("in-an-output") << "txtnti";
}

void TestMainWorksheet::enterAnywhereCalculates() {
    QFETCH(QString, focus);
    showAndActivate();
    w->txtgs->setText("300000");
    auto* target = w->findChild<QWidget*>(focus);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QTest::keyClick(w->windowHandle(), Qt::Key_Return);
    QCOMPARE(w->txtgtax->text(), QString("10000"));
    QVERIFY(w->cmdprint->isEnabled());
}

void TestMainWorksheet::workedExampleTypedIn() {
    showAndActivate();
    const std::pair<toolkit::TextBox*, const char*> typed[] = {
        {w->txtgs, "700000"}, {w->txttp, "9600"},      {w->txthra, "60000"},
        {w->txtos, "5000"},   {w->txtdedtax, "40000"},
    };
    for (const auto& [box, figure] : typed) {
        box->setFocus();
        QTRY_COMPARE(box->selectedText(), box->text());
        testing::typeText(w->windowHandle(), figure);
    }
    w->txthp->setText("-150000");   // as the house property form writes it
    w->txtded80->setText("100000"); // as the deductions form writes it
    QTest::mouseClick(w->cmdcalc, Qt::LeftButton);

    const std::pair<toolkit::TextBox*, const char*> shown[] = {
        {w->txtexall, "69600"}, {w->txtnsal, "630400"}, {w->txtgti, "485400"},
        {w->txtnti, "385400"},  {w->txtgtax, "18540"},  {w->txtntax, "18540"},
        {w->txtcess, "556"},    {w->txtttax, "19096"},  {w->txtbaltax, "-20904"},
    };
    for (const auto& [box, figure] : shown) {
        QCOMPARE(box->text(), QString(figure));
    }
    QVERIFY(w->cmdprint->isEnabled());
    QVERIFY(messages.shown.isEmpty());
}

void TestMainWorksheet::oddTextsCountAsLeadingNumber() {
    w->txtgs->setText("250000abc");
    w->txtos->setText("abc");
    w->txttp->setText(" ");
    w->cmdcalc->click();
    QCOMPARE(w->txtgti->text(), QString("250000"));
    QCOMPARE(w->txtgtax->text(), QString("5000"));
    QCOMPARE(w->txtgs->text(), QString("250000abc")); // the typed text stays as typed
}

void TestMainWorksheet::tooLargeFigureIsRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    auto row = [](const char* name, const char* field, const char* text, const char* named) {
        QTest::newRow(name) << QString(field) << QString(text) << QString(named);
    };
    row("input-beyond-range", "txtgs", "1e400", "Gross Salary");
    row("negative-beyond-range", "txtdedtax", "-1e309", "Tax Deducted");
    row("sum-beyond-range", "txtos", "1.7e308", "Gross Total Income");
}

void TestMainWorksheet::tooLargeFigureIsRefused() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, named);
    w->txtgs->setText("1.7e308");
    w->findChild<toolkit::TextBox*>(field)->setText(text);
    w->cmdcalc->click();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown.first().contains(named), qPrintable(messages.shown.first()));
    QVERIFY(!w->cmdprint->isEnabled());
    for (const toolkit::TextBox* box : w->findChildren<toolkit::TextBox*>()) {
        QVERIFY(!box->text().contains("inf") && !box->text().contains("nan"));
        if (box->kind() == toolkit::TextBox::Kind::Output) {
            QCOMPARE(box->text(), QString("0"));
        }
    }
}

QTEST_MAIN(TestMainWorksheet)
#include "tst_main_worksheet.moc"
