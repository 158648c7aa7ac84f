// The deductions form driven as a user drives it, opened and left through the worksheet.
#include "app/program.h"
#include "support/fakes.h"

#include <QtTest>

using toolkit::TextBox;

class TestDeductionsForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshForm();
    void workedExampleTypedIn();
    void mediclaimAboveLimit_data();
    void mediclaimAboveLimit();
    void mediclaimWithoutFigureStays();
    void mediclaimFigureWithLettersIsCut();
    void changeWithdrawsBack_data();
    void changeWithdrawsBack();
    void emptiedFieldShowsZero();
    void tabOrder();
    void enterCalculates();
    void tooLargeFigureIsRefused_data();
    void tooLargeFigureIsRefused();
    void calcCopiesContributionEveryTime();
    void calcRefusesContributionBeyondRange();
    void backCarriesGrandTotal();
    void backRefusesFigureBeyondRange();
    void hiddenFormKeepsFigures();
    void closedFormStartsAfresh();
    void exitHidesForm();

private:
    DeductionsForm& open();
    static void activate(QWidget* window);

    testing::FakeServices* fakes = nullptr;
    Program* program = nullptr;
    MainWorksheet* w = nullptr;
};

void TestDeductionsForm::init() {
    fakes = new testing::FakeServices;
    program = new Program(fakes->services());
    program->showWorksheet();
    w = &program->worksheet();
}

void TestDeductionsForm::cleanup() {
    delete program;
    delete fakes;
}

void TestDeductionsForm::activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Through the worksheet's Calc. button, as the user opens it.
DeductionsForm& TestDeductionsForm::open() {
    QTest::mouseClick(w->cmdcalded80, Qt::LeftButton);
    DeductionsForm* f = program->deductions().existing();
    Q_ASSERT(f);
    return *f;
}

void TestDeductionsForm::freshForm() {
    DeductionsForm& f = open();
    QVERIFY(f.isVisible());
    QCOMPARE(f.objectName(), QString("frmreb88"));
    QCOMPARE(f.windowTitle(), QString("Fiscora1213 - Deductions Under Section 80"));
    QCOMPARE(f.size(), QSize(560, 405)); // 8400 by 6075 twips
    const auto boxes = f.findChildren<TextBox*>();
    QCOMPARE(boxes.size(), 21);
    for (const TextBox* box : boxes) {
        QCOMPARE(box->text(), QString("0"));
        QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
    }
    QVERIFY(!f.cmdbk->isEnabled());
    QVERIFY(f.cmdtot->isEnabled());
    QCOMPARE(f.findChild<QLabel*>("lbltut")->text(), QString("Tution Fee : -"));
    QCOMPARE(f.findChild<QLabel*>("Label11")->text(), QString("GRAND TOTAL :-"));
    QVERIFY(fakes->messages.shown.isEmpty());
}

void TestDeductionsForm::workedExampleTypedIn() {
    w->txtmgc->setText("12000"); // as the salary form leaves it
    DeductionsForm& f = open();
    activate(&f);
    const std::pair<TextBox*, const char*> typed[] = {
        {f.txtgpf, "60000"},   {f.txtlic, "30000"}, {f.txtppf, "20000"}, {f.txt80ccc, "10000"},
        {f.txt80ccf, "25000"}, {f.txt80d, "20000"}, {f.txt80g, "5000"},
    };
    for (const auto& [box, figure] : typed) {
        box->setFocus();
        QTRY_COMPARE(box->selectedText(), box->text());
        testing::typeText(f.windowHandle(), figure);
        QCOMPARE(box->text(), QString(figure));
    }
    QTest::mouseClick(f.cmdtot, Qt::LeftButton);
    QCOMPARE(f.txt80c->text(), QString("110000"));
    QCOMPARE(f.txttot1->text(), QString("112000"));
    QCOMPARE(f.txt80ccf->text(), QString("20000"));
    QCOMPARE(f.txtgt80->text(), QString("157000"));
    QCOMPARE(f.txt80ccdec->text(), QString("12000"));
    QCOMPARE(f.txt80ccdgc->text(), QString("12000"));
    QVERIFY(f.cmdbk->isEnabled());
    QVERIFY(fakes->messages.shown.isEmpty());
}

void TestDeductionsForm::mediclaimAboveLimit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("left");
    QTest::newRow("30000-at-limit-no-message") << "30000" << 0 << "30000";
    QTest::newRow("30001-cut-once") << "30001" << 1 << "30000";
    QTest::newRow("sixth-digit-cut-once") << "300001" << 1 << "30000";
}

// Typing past the limit: the message once, "30000" in the field, on to Donations.
void TestDeductionsForm::mediclaimAboveLimit() {
    QFETCH(QString, typed);
    QFETCH(int, messages);
    QFETCH(QString, left);
    DeductionsForm& f = open();
    activate(&f);
    QStringList textWhenShown;
    fakes->messages.onInform = [&](const QString&) { textWhenShown << f.txt80d->text(); };
    f.cmdtot->click();
    f.txt80d->setFocus();
    QTRY_COMPARE(f.txt80d->selectedText(), QString("0"));
    testing::typeText(f.windowHandle(), typed);

    QCOMPARE(fakes->messages.shown.size(), messages);
    QCOMPARE(f.txt80d->text(), left);
    QVERIFY(!f.cmdbk->isEnabled());
    if (messages > 0) {
        QCOMPARE(fakes->messages.shown.first(), DeductionsForm::mediclaimLimitMessage());
        QCOMPARE(textWhenShown, QStringList{typed}); // shown before the figure is cut
        QVERIFY(f.txt80g->hasFocus());
    } else {
        QVERIFY(f.txt80d->hasFocus());
    }
}

void TestDeductionsForm::mediclaimWithoutFigureStays() {
    DeductionsForm& f = open();
    f.txtgpf->setText("1000");
    f.txt80d->setText("-");
    f.txt80d->setText("abc");
    QVERIFY(fakes->messages.shown.isEmpty());
    QCOMPARE(f.txt80d->text(), QString("abc"));
    f.cmdtot->click();
    QCOMPARE(f.txtgt80->text(), QString("1000")); // counted as 0
}

// A pasted figure followed by letters would be read by Calculate as its figure: it is cut.
void TestDeductionsForm::mediclaimFigureWithLettersIsCut() {
    DeductionsForm& f = open();
    f.txt80d->setText("45000 only");
    QCOMPARE(fakes->messages.shown, QStringList{DeductionsForm::mediclaimLimitMessage()});
    QCOMPARE(f.txt80d->text(), QString("30000"));
    f.cmdtot->click();
    QCOMPARE(f.txtgt80->text(), QString("30000"));
}

void TestDeductionsForm::changeWithdrawsBack_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : {"txtgpf", "txtgis", "txthba", "txtlic", "txtppf", "txtnsc", "txtnsci",
                             "txttf1", "txttf2", "txtinf", "txtos", "txt80ccc", "txt80ccdec",
                             "txt80ccdgc", "txt80ccf", "txt80d", "txt80g", "txtoth"}) {
        QTest::newRow(name) << name;
    }
}

void TestDeductionsForm::changeWithdrawsBack() {
    QFETCH(QString, field);
    DeductionsForm& f = open();
    f.cmdtot->click();
    QVERIFY(f.cmdbk->isEnabled());
    f.findChild<TextBox*>(field)->setText("5");
    QVERIFY(!f.cmdbk->isEnabled());
    f.cmdtot->click();
    QVERIFY(f.cmdbk->isEnabled());
}

void TestDeductionsForm::emptiedFieldShowsZero() {
    DeductionsForm& f = open();
    activate(&f);
    f.txtlic->setText("12");
    f.cmdtot->click();
    f.txtlic->setFocus();
    f.txtlic->end(false);
    QTest::keyClick(f.windowHandle(), Qt::Key_Backspace);
    QTest::keyClick(f.windowHandle(), Qt::Key_Backspace);
    QCOMPARE(f.txtlic->text(), QString("0"));
    QVERIFY(!f.cmdbk->isEnabled());
    QTest::keyClick(f.windowHandle(), Qt::Key_7);
    QCOMPARE(f.txtlic->text(), QString("7"));
}

void TestDeductionsForm::tabOrder() {
    DeductionsForm& f = open();
    activate(&f);
    const QStringList expected = {
        "txtgpf",   "txtgis", "txthba", "txtlic", "txtppf",   "txtnsc",     "txtnsci",
        "txttf1",   "txttf2", "txtinf", "txtos",  "txt80ccc", "txt80ccdec", "txt80ccdgc",
        "txt80ccf", "txt80d", "txt80g", "txtoth", "cmdtot",   "cmdbk",      "txtgpf"};
    f.cmdtot->click(); // Back enabled, so that it takes its turn
    f.txtgpf->setFocus();
    QTRY_VERIFY(f.txtgpf->hasFocus());
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(f.windowHandle(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
}

void TestDeductionsForm::enterCalculates() {
    DeductionsForm& f = open();
    activate(&f);
    f.txtppf->setFocus();
    QTRY_COMPARE(f.txtppf->selectedText(), QString("0"));
    testing::typeText(f.windowHandle(), "4500");
    QTest::keyClick(f.windowHandle(), Qt::Key_Return);
    QCOMPARE(f.txtgt80->text(), QString("4500"));
    QVERIFY(f.cmdbk->isEnabled());
}

void TestDeductionsForm::tooLargeFigureIsRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("figure-beyond-range") << "txtppf"
                                         << "1e400"
                                         << "PPF";
    QTest::newRow("80c-total-beyond-range") << "txtlic"
                                            << "1.7e308"
                                            << "Total of Section 80C";
    QTest::newRow("grand-total-beyond-range") << "txt80g"
                                              << "-1.7e308"
                                              << "GRAND TOTAL";
}

// Nothing changes: no "inf" in a field, no 80CCF correction, Back stays as it was.
void TestDeductionsForm::tooLargeFigureIsRefused() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, named);
    DeductionsForm& f = open();
    f.txtgpf->setText("1.7e308");
    f.txtoth->setText("-1.7e308");
    f.txt80ccf->setText("25000");
    f.findChild<TextBox*>(field)->setText(text);
    f.cmdtot->click();
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY2(fakes->messages.shown.first().contains(named), qPrintable(fakes->messages.shown[0]));
    QVERIFY(!f.cmdbk->isEnabled());
    QCOMPARE(f.txt80ccf->text(), QString("25000"));
    for (const TextBox* box : f.findChildren<TextBox*>()) {
        if (box->kind() == TextBox::Kind::Output) {
            QCOMPARE(box->text(), QString("0"));
        }
    }
}

// The carrier goes into both NPS fields on every opening, over what was typed there; a
// write that changes a figure withdraws Back, one that leaves it as it was does not.
void TestDeductionsForm::calcCopiesContributionEveryTime() {
    w->txtmgc->setText("52288");
    DeductionsForm& f = open();
    QCOMPARE(f.txt80ccdec->text(), QString("52288"));
    QCOMPARE(f.txt80ccdgc->text(), QString("52288"));
    f.txt80ccdec->setText("100");
    f.txt80ccdgc->setText("200");
    f.cmdtot->click();
    QTest::mouseClick(w->cmdcalded80, Qt::LeftButton);
    QCOMPARE(f.txt80ccdec->text(), QString("52288"));
    QCOMPARE(f.txt80ccdgc->text(), QString("52288"));
    QVERIFY(!f.cmdbk->isEnabled());
    f.cmdtot->click();
    QTest::mouseClick(w->cmdcalded80, Qt::LeftButton);
    QVERIFY(f.cmdbk->isEnabled());
    w->txtmgc->setText("60000.5");
    QTest::mouseClick(w->cmdcalded80, Qt::LeftButton);
    QCOMPARE(f.txt80ccdec->text(), QString("60000.5"));
    QCOMPARE(f.txt80ccdgc->text(), QString("60000.5"));
    QVERIFY(!f.cmdbk->isEnabled());
    QCOMPARE(program->deductions().existing(), &f);
}

void TestDeductionsForm::calcRefusesContributionBeyondRange() {
    DeductionsForm& f = open();
    f.cmdtot->click();
    w->txtmgc->setText("1e400");
    QTest::mouseClick(w->cmdcalded80, Qt::LeftButton);
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY(fakes->messages.shown.first().contains("New Pension Scheme"));
    QCOMPARE(f.txt80ccdec->text(), QString("0"));
    QCOMPARE(f.txt80ccdgc->text(), QString("0"));
    QVERIFY(f.cmdbk->isEnabled());
}

void TestDeductionsForm::backCarriesGrandTotal() {
    DeductionsForm& f = open();
    activate(&f);
    f.txtppf->setText("70000");
    f.txt80d->setText("12500.5");
    f.cmdtot->click();
    w->cmdcalc->click();
    QVERIFY(w->cmdprint->isEnabled());
    QTest::mouseClick(f.cmdbk, Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(w->isVisible());
    QCOMPARE(w->txtded80->text(), QString("82500.5"));
    QVERIFY(!w->cmdprint->isEnabled()); // the tax beside it is now out of date
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTRY_VERIFY(w->txtrel89->hasFocus());
    QVERIFY(fakes->messages.shown.isEmpty());
}

void TestDeductionsForm::backRefusesFigureBeyondRange() {
    DeductionsForm& f = open();
    f.cmdtot->click();
    f.txtgt80->setText("1e400"); // cannot come from Calculate; Back must still not carry it
    f.cmdbk->click();
    QCOMPARE(fakes->messages.shown.size(), 1);
    QVERIFY(fakes->messages.shown.first().contains("GRAND TOTAL"));
    QVERIFY(f.isVisible());
    QCOMPARE(w->txtded80->text(), QString("0"));
}

void TestDeductionsForm::hiddenFormKeepsFigures() {
    DeductionsForm& f = open();
    f.txtnsc->setText("8000");
    f.txt80g->setText("300");
    f.cmdtot->click();
    f.cmdbk->click();
    DeductionsForm& again = open();
    QCOMPARE(&again, &f);
    QVERIFY(again.isVisible());
    QCOMPARE(again.txtnsc->text(), QString("8000"));
    QCOMPARE(again.txtgt80->text(), QString("8300"));
    QVERIFY(again.cmdbk->isEnabled()); // the carrier wrote the figures it already held
}

// The close box discards the form and its figures; the next opening, or a report's read,
// finds the design values.
void TestDeductionsForm::closedFormStartsAfresh() {
    DeductionsForm& f = open();
    QPointer<DeductionsForm> first = &f;
    f.txtnsc->setText("8000");
    f.cmdtot->click();
    QVERIFY(f.close());
    QVERIFY(!program->deductions().exists());
    QTRY_VERIFY(first.isNull());
    QCOMPARE(w->txtded80->text(), QString("0"));

    DeductionsForm& read = program->deductions().get(); // as a report reads it
    QVERIFY(!read.isVisible());
    QCOMPARE(read.txtnsc->text(), QString("0"));
    QCOMPARE(read.txtgt80->text(), QString("0"));
    QVERIFY(!read.cmdbk->isEnabled());
    QCOMPARE(&open(), &read);
}

void TestDeductionsForm::exitHidesForm() {
    DeductionsForm& f = open();
    QTest::mouseClick(w->cmdexit, Qt::LeftButton);
    QVERIFY(program->ended());
    QVERIFY(!f.isVisible());
}

QTEST_MAIN(TestDeductionsForm)
#include "tst_deductions_form.moc"
