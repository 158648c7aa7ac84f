// The worksheet and the detail forms as a user drives them, through the worksheet. A row's name
// begins with its form ("hra/"); the relief form's tests, start-up and the link are named so.
#include "support/hub.h"

#include <QCalendarWidget>

using namespace testing;

namespace {

// Male, born 01/01/1960; arrears of 4104 for 2011-12 (495000): its row and items but 3.
const QString worked = "txtti(6)=495000;txtarr(6)=4104";
const QString workedFields = "txtcat(6) txtti2(6) txttax1(6) txttax2(6) txtdiff(6) txtitem(1) "
                             "txtitem(2) txtitem(4) txtitem(5) txtitem(6) txtitem(7) txtitem(8)";
const QString workedShown = "General 499104 32445 32867 422 500896 4104 31930 31085 845 422 423";

} // namespace

class TestForms : public QObject {
    Q_OBJECT
    std::unique_ptr<Hub> hub;

    // The form of the current row, opened by its Calc. button.
    toolkit::Form& open() {
        const QString form = QString(QTest::currentDataTag()).section('/', 0, 0);
        using F = toolkit::Form&;
        return form == "worksheet" ? F(hub->w)
               : form == "salary"  ? F(hub->open("cmdcalgs", hub->program.salary()))
               : form == "hra"     ? F(hub->open("cmdcalhr", hub->program.hra()))
               : form == "house"   ? F(hub->open("cmdcalhp", hub->program.houseProperty()))
                                   : F(hub->open("cmdcalded80", hub->program.deductions()));
    }
    ReliefForm& openRelief() { return hub->open("cmdcalrel89", hub->program.relief()); }
    // Opened by Calc. from a calculated worksheet, the worked example calculated.
    ReliefForm& workedRelief() {
        hub->w.calculate();
        fill(&hub->w, "txtnti=505000");
        ReliefForm& f = openRelief();
        activate(&f);
        fill(&f, worked);
        f.cmdcal->click();
        return f;
    }
    // The worksheet's Print, the detail form's Back.
    static QString back(const toolkit::Form& f) {
        return f.objectName() == "frmmain" ? "cmdprint"
               : f.objectName() == "Form2" ? "cmdback"
                                           : "cmdbk";
    }
    // The outputs Calculate writes, in the order of the form.
    static QString results(const toolkit::Form& f) {
        return f.objectName() == "frmmain"
                   ? "txtexall txtnsal txtgti txtnti txtgtax txtntax txtcess txtttax txtbaltax"
               : f.objectName() == "Form2" ? "txtns txthrx"
               : f.objectName() == "Form4" ? "txtghi txtrep txttd txtihp"
                                           : "txt80c txttot1 txt80ccf txtgt80";
    }

private slots:
    void init() {
        hub = std::make_unique<Hub>();
        fill(&hub->w, "txtbp=10000;txtda=345;txthrr=60000;txtnpa=2000"); // the carriers
    }
    void cleanup() { hub.reset(); }

    // A figure not a number as it stands, or a result beyond range, is refused by its caption.
    void calculate_data() {
        columns<QString, QString, QString>("steps", "refused", "shown");
        QString at, kept = "0 0 0 0 0 0 0 0 0";
        // clang-format off
        row("worksheet/input-beyond-range", {"txtgs=1e400", "Gross Salary", kept});
        row("worksheet/negative-beyond-range", {"txtgs=1.7e308;txtdedtax=-1e309", "Tax Deducted", kept});
        row("worksheet/sum-beyond-range", {"txtgs=1.7e308;txtos=1.7e308", "Gross Total Income", kept});
        at = "txtRP=50000|", kept = "12345 48766";
        row("hra/letters-in-basic-pay", {at + "txtbp=12000x", "Basic Pay", kept});
        row("hra/salary-beyond-range", {at + "txtbp=1.7e308;txtda=1.7e308", "Total Salary", kept});
        at = "txtarv=50000|", kept = "50000 15000 15000 35000";
        row("house/letters-in-rental-value", {at + "txtarv=12000abc", "Annual Rental Value", kept});
        row("house/gross-income-beyond-range", {at + "txtarv=1.7e308;txtptax=-1.7e308", "Gross Income", kept});

        row("deductions/every-field-counted-once", {"txtgpf=1024;txtgis=1;txthba=2;txtlic=4;txtppf=8;txtnsc=16;txtnsci=32;txttf1=64;txttf2=128;txtinf=256;txtos=512;txt80ccc=2048;txt80ccdec=4096;txt80ccdgc=8192;txt80ccf=16384;txt80d=0.5;txt80g=0.25;txtoth=0.125", "", "2047 16383 16384 32767.875"});
        // Refused: no "inf" in a field, and no 80CCF correction.
        at = "txtgpf=1000|txt80ccf=25000;", kept = "1000 1000 25000 1000";
        row("deductions/figure-beyond-range", {at + "txtppf=1e400", "PPF", kept});
        row("deductions/80c-total-beyond-range", {at + "txtgpf=1.7e308;txtlic=1.7e308", "Total of Section 80C", kept});
        row("deductions/grand-total-beyond-range", {at + "txt80g=-1.7e308;txtoth=-1.7e308", "GRAND TOTAL", kept});
        // clang-format on
    }
    void calculate() {
        auto [steps, refused, shown] =
            fetch<QString, QString, QString>("steps", "refused", "shown");
        toolkit::Form& f = open();
        checkCalculate(hub->shown(), &f, back(f), steps, refused, results(f), shown);
    }

    // Typed key by key, calculated with Enter, carried by Back (carried: field=figure).
    void workedExampleThroughBack_data() {
        columns<QString, QString, QString, QString>("typed", "shown", "carried", "focus");
        // Salary 10000 + 345 + 2000 = 12345; a tenth 1234.5 rounds to 1234; 50000 - 1234.
        // clang-format off
        row("hra/rent", {"txtRP=50000", "12345 48766", "txthra=48766", "txtos"});
        row("house/let-out-loss", {"txtarv=120000;txtintt=200000", "120000 36000 236000 -116000", "txthp=-116000", "cmdcalded80"});
        row("deductions/lic-and-mediclaim", {"txtlic=30000;txt80d=20000", "30000 30000 0 50000", "txtded80=50000", "txtrel89"});
        // clang-format on
    }
    void workedExampleThroughBack() {
        auto [typed, shown, carried, focus] =
            fetch<QString, QString, QString, QString>("typed", "shown", "carried", "focus");
        toolkit::Form& f = open();
        for (const QString& entry : typed.split(';')) {
            typeInto(find(&f, entry.section('=', 0, 0)), entry.section('=', 1));
        }
        QTest::keyClick(f.windowHandle(), Qt::Key_Return);
        QCOMPARE(texts(&f, results(f)), shown);
        checkBack(*hub, &f, back(f), carried.section('=', 0, 0), carried.section('=', 1), focus);
    }

    // Each opening copies the worksheet's figures in; only a copy that changes one withdraws Back.
    void copiedAtEveryOpening_data() {
        columns<QString, QString, QString>("typed", "fields", "shown");
        // clang-format off
        row("hra/carriers", {"txtbp=9999;txtRP=50000", "txtbp txtnpa txtda txthra txtRP txtns txthrx", "10000 2000 345 60000 50000 12344 48766"});
        // With 80CCC 10000 and the employee's 100, 120100 is cut to 100000; the government's
        // 200 comes on top; with 80CCF cut to 20000, 80D and 80G: 145200.
        row("deductions/nps-contribution", {"txtmgc=12000|txt80ccdec=100;txt80ccdgc=200;txtgpf=60000;txtlic=30000;txtppf=20000;txt80ccc=10000;txt80ccf=25000;txt80d=20000;txt80g=5000", "txt80ccdec txt80ccdgc txt80c txttot1 txt80ccf txtgt80", "12000 12000 110000 100200 20000 145200"});
        // clang-format on
    }
    void copiedAtEveryOpening() {
        auto [typed, fields, shown] = fetch<QString, QString, QString>("typed", "fields", "shown");
        if (typed.contains('|')) { // as the salary form leaves the worksheet
            fill(&hub->w, typed.section('|', 0, 0));
        }
        toolkit::Form& f = open();
        fill(&f, typed.section('|', -1));
        f.defaultButton()->click();
        open();
        QCOMPARE(texts(&f, fields), shown);
        QVERIFY(!button(&f, back(f))->isEnabled());
        f.defaultButton()->click();
        open();
        QVERIFY(button(&f, back(f))->isEnabled());
    }

    // Tab visits the controls in the order of the form once Calculate has enabled its buttons.
    void tabOrder_data() {
        QTest::addColumn<QString>("chain");
        // clang-format off
        QTest::newRow("worksheet/outputs-no-stops") << "txtname cmdcalgs txtgs txttp cmdcalhr txthra txtos cmdcalhp cmdcalded80 cmdcalrel89 txtrel89 txtdedtax cmdcalc cmdprint cmdexit txtname";
        QTest::newRow("salary/selections-then-pay-row-by-row") << "txtnam cbonps cboclass1 cboclass3 txtbp(0) txtgp(0) txtbp(1)";
        QTest::newRow("salary/annual-figures-then-buttons") << "txtgp(13) txtoth(0) txtoth(1) txtoth(2) txtoth(3) txtoth(4) txtoth(5) cmdcal cmdprn";
        QTest::newRow("salary/increment-box-last") << "cmdbak chkinc txtnam";
        QTest::newRow("hra/grade-pay-last") << "txtbp txtda txthra txtRP cmdcal cmdback txtnpa txtbp";
        QTest::newRow("house/option-group-first-loan-date-disabled") << "optrent txtarv txtptax txtintt txtoth cmdtot cmdbk optrent";
        QTest::newRow("deductions/left-column-then-right") << "txtgpf txtgis txthba txtlic txtppf txtnsc txtnsci txttf1 txttf2 txtinf txtos " "txt80ccc txt80ccdec txt80ccdgc txt80ccf txt80d txt80g txtoth cmdtot cmdbk txtgpf";
        // clang-format on
    }
    void tabOrder() {
        QFETCH(QString, chain);
        toolkit::Form& f = open();
        f.defaultButton()->click();
        QCOMPARE(tabChain(find<QWidget>(&f, chain.section(' ', 0, 0)), int(chain.count(' ')) + 1),
                 chain);
    }

    // A dark desktop changes no colour of any role a form's controls paint with; menus follow it.
    void coloursKeptOnDarkDesktop_data() {
        QTest::addColumn<QString>("form"); // the Calc. button that opens it, and its name
        row("worksheet", {"frmmain"});
        row("salary", {"cmdcalgs Form1"});
        row("hra", {"cmdcalhr Form2"});
        row("house", {"cmdcalhp Form4"});
        row("deductions", {"cmdcalded80 frmreb88"});
        row("relief", {"cmdcalrel89 frmrel89"});
        row("splash", {"frmSplash"});
    }
    void coloursKeptOnDarkDesktop() {
        QFETCH(QString, form);
        const auto colours = [&] {
            SplashForm splash;
            if (form.contains(' ')) {
                QTest::mouseClick(button(&hub->w, form.section(' ', 0, 0)), Qt::LeftButton);
            }
            QList<std::pair<QString, QPalette>> shown;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                QList<QWidget*> widgets = top->findChildren<QWidget*>();
                for (const QWidget* w : widgets << top) { // a menu, a window of its own, aside
                    if (top->objectName() == form.section(' ', -1) && w->window() == top) {
                        shown << std::pair(w->objectName(), w->palette());
                    }
                }
            }
            return shown;
        };
        const auto light = colours();
        const QPalette desktop = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(40, 40, 40)));
        hub = std::make_unique<Hub>();
        const auto dark = colours();
        const QColor menu = hub->program.menu().mnuFile->palette().color(QPalette::Window);
        QApplication::setPalette(desktop);
        QCOMPARE(dark, light);
        QCOMPARE(menu, QColor(40, 40, 40));
    }

    void hiddenKeepsFiguresClosedStartsAfresh() {
        checkLifecycle(*hub, hub->program.salary(), "cmdcalgs", "txtoth(0)", "cmdbak");
        checkLifecycle(*hub, hub->program.hra(), "cmdcalhr", "txtRP", "cmdback");
        checkLifecycle(*hub, hub->program.houseProperty(), "cmdcalhp", "txtintt", "cmdbk");
        checkLifecycle(*hub, hub->program.deductions(), "cmdcalded80", "txtnsc", "cmdbk");
    }

    // HRA: the focus on the rent; a figure longer than the ten characters it types copied in
    // whole, and cut by the user. (Ten typed at most: with every field's limit, with the year.)
    void hraTakesLongerFiguresWhole() {
        fill(&hub->w, "txtda=214424.0625");
        HraForm& f = hub->open("cmdcalhr", hub->program.hra());
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTRY_VERIFY(find(&f, "txtRP")->hasFocus());
        typeInto(find(&f, "txtda"), "");
        QTest::keyClick(f.windowHandle(), Qt::Key_End);
        QTest::keyClick(f.windowHandle(), Qt::Key_Backspace);
        QCOMPARE(find(&f, "txtda")->text(), QString("214424.062"));
    }

    // Self-occupied: the rental figures "0" and disabled, the loan date in play; and back.
    void houseSelfOccupiedClearsRentalFigures() {
        HousePropertyForm& f = hub->open("cmdcalhp", hub->program.houseProperty());
        fill(&f, "txtarv=120000;txtptax=6000;txtoth=700;txtintt=90000");
        const auto enabled = [&f](const QString& names) {
            return each(names.split(' '),
                        [&f](const QString& name) {
                            return find<QWidget>(&f, name)->isEnabled() ? "1" : "0";
                        })
                .join("");
        };
        const QString rental = "txtarv txtptax txtoth lblrent lblptax lbloth framintt txtintt";
        QCOMPARE(enabled(rental), QString("11111101"));
        QTest::mouseClick(button(&f, "optso"), Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(texts(&f, "txtarv txtptax txtghi txtrep txtoth txtintt"),
                 QString("0 0 0 0 0 90000"));
        QCOMPARE(enabled(rental), QString("00000011"));
        QVERIFY(button(&f, "opta499")->isChecked());
        button(&f, "optrent")->click();
        QCOMPARE(enabled(rental), QString("11111101"));
    }

    void deductionsMediclaimTypedAboveLimit_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("30001-cut-once") << "30001";
        QTest::newRow("sixth-digit-cut-once") << "300001"; // 30000 on the way stays
    }
    // The message once, while the figure typed shows; then "30000" and the focus on Donations.
    void deductionsMediclaimTypedAboveLimit() {
        QFETCH(QString, typed);
        DeductionsForm& f = hub->open("cmdcalded80", hub->program.deductions());
        QLineEdit* mediclaim = find(&f, "txt80d");
        QStringList whenShown;
        hub->fakes.messages.onInform = [&](const QString&) { whenShown << mediclaim->text(); };
        typeInto(mediclaim, typed);
        hub->fakes.messages.onInform = nullptr;
        QCOMPARE(whenShown, QStringList{typed});
        QVERIFY(hub->shown()[0].startsWith("Deduction for Mediclaim Restricted to Rs.30,000/-"));
        QCOMPARE(mediclaim->text(), QString("30000"));
        QVERIFY(find(&f, "txt80g")->hasFocus());
    }

    // Calc. copies the net taxable income into item 3 only while the worksheet is calculated.
    void reliefWorkedExampleThroughBack() {
        openRelief().txtitem[3]->setText("7000");
        fill(&hub->w, "txtnti=505000");
        QCOMPARE(openRelief().txtitem[3]->text(), QString("7000"));
        ReliefForm& f = workedRelief();
        QCOMPARE(f.txtitem[3]->text(), QString("505000"));
        QTRY_VERIFY(f.dtpdob->hasFocus());
        // The date may be picked from a calendar, opened from the keyboard too.
        for (const Qt::KeyboardModifier alt : {Qt::AltModifier, Qt::NoModifier}) { // then F4
            QTest::keyClick(f.windowHandle(), alt ? Qt::Key_Down : Qt::Key_F4, alt);
            QTRY_VERIFY(f.dtpdob->calendarWidget()->isVisible());
            f.dtpdob->calendarWidget()->window()->hide(); // the focus back on the date
        }
        QCOMPARE(texts(&f, workedFields), workedShown);
        QVERIFY(f.cmdprn->isEnabled());
        checkBack(*hub, &f, "cmdbak", "txtrel89", "423", "txtdedtax");
    }

    void reliefBadInputRefused_data() {
        // message: empty: accepted; senior: the note on the scale of 2012-13 shows
        columns<QString, QDate, QString, bool>("change", "birth", "message", "senior");
        const QDate design(1960, 1, 1);
        const QString dateMessage = "between 01/01/1900 and 31/03/2013";
        // clang-format off
        QTest::newRow("letters-in-total-income") << "txtti(3)=12a" << design << "\"Total income 2008-09\"" << false;
        QTest::newRow("letters-in-arrears") << "txtarr(0)=x" << design << "\"Arrears 2005-06\"" << false;
        QTest::newRow("letters-in-item-3") << "txtitem(3)=5o5000" << design << "\"Total income including arrears\"" << false;
        QTest::newRow("arrears-above-item-3") << "txtitem(3)=4000" << design << "(item 2, the arrears of Table A) is more than" << false;
        QTest::newRow("born-1-april-2013") << "" << QDate(2013, 4, 1) << dateMessage << false;
        QTest::newRow("born-31-december-1899") << "" << QDate(1899, 12, 31) << dateMessage << true;
        QTest::newRow("born-31-march-2013-accepted") << "" << QDate(2013, 3, 31) << "" << false;
        QTest::newRow("born-1-january-1900-accepted") << "" << QDate(1900, 1, 1) << "" << true;
        // clang-format on
    }
    // Told once, the focus on the fault, nothing written; the scale's note follows the birth.
    void reliefBadInputRefused() {
        auto [change, birth, message, senior] =
            fetch<QString, QDate, QString, bool>("change", "birth", "message", "senior");
        ReliefForm& f = workedRelief();
        fill(&f, change);
        f.dtpdob->setDate(birth);
        QCOMPARE(f.lblsenior->isVisible(), senior);
        QVERIFY(!f.cmdbak->isEnabled() && !f.cmdprn->isEnabled());
        f.cmdcal->click();
        QCOMPARE(f.cmdbak->isEnabled(), message.isEmpty());
        QCOMPARE(f.cmdprn->isEnabled(), message.isEmpty());
        QCOMPARE(hub->shown().size(), message.isEmpty() ? 0 : 1);
        if (message.isEmpty()) {
            return;
        }
        QVERIFY2(hub->shown()[0].contains(message), qPrintable(hub->shown()[0]));
        QCOMPARE(texts(&f, workedFields), workedShown);
        QWidget* fault = change.isEmpty() ? static_cast<QWidget*>(f.dtpdob)
                                          : f.findChild<QLineEdit*>(change.section('=', 0, 0));
        QTRY_VERIFY(fault->hasFocus());
    }

    // The year for three seconds; then the worksheet.
    void splashGivesWayToWorksheet() {
        SplashForm designed;
        QVERIFY(designed.Timer1.isActive() && designed.Timer1.interval() == 3000);
        QCOMPARE(designed.lblVersion->text(), QString("2012-13")); // not its design text
        hub.reset();
        FakeServices fakes;
        Program program(fakes.services());
        program.start(std::chrono::milliseconds(1000)); // slowed down, as under valgrind
        QPointer<SplashForm> splash = program.splash();
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splash->Timer1.interval(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(program.worksheet().isVisible(), 5000);
        QTRY_VERIFY(splash.isNull()); // unloaded right after the worksheet showed
        QVERIFY(!program.splash());
    }

    void link_data() {
        QTest::addColumn<bool>("browser");
        QTest::newRow("browser-opens-download-page-nothing-shown") << true;
        QTest::newRow("no-browser-message-once-per-click") << false;
    }
    void link() {
        QFETCH(bool, browser);
        hub->fakes.browserOpens = browser;
        for (int click = 1; click <= 2; ++click) {
            QTest::mouseClick(find<QWidget>(&hub->w, "Label7"), Qt::LeftButton);
            QCOMPARE(hub->fakes.opened, QList<QUrl>(click, MainWorksheet::downloadAddress()));
            QCOMPARE(hub->shown(),
                     QStringList(browser ? 0 : click, "Unable to start Web browser !"));
        }
    }

    void reliefArrearsFromSalaryForm_data() {
        // salary: done on the salary form; typed: into the arrears of 2011-12 first
        columns<QString, QString, QString>("salary", "typed", "arrears");
        row("calculated-fills-4104", {"calculate", "", "4104"});
        row("typed-figure-kept", {"calculate", "5000", "5000"});
        row("not-calculated-leaves-0", {"", "", "0"});
        row("changed-after-calculate-leaves-0", {"calculate;txtbp(5)=30000", "", "0"});
        row("never-opened-leaves-0", {"never", "", "0"});
    }
    // The DA arrears of Jan and Feb 2012 (2052 each) go to 2011-12, if calculated, into a "0".
    void reliefArrearsFromSalaryForm() {
        auto [salary, typed, arrears] =
            fetch<QString, QString, QString>("salary", "typed", "arrears");
        if (!typed.isEmpty()) {
            openRelief().txtarr[6]->setText(typed);
        }
        if (salary != "never") {
            SalaryForm& s = hub->open("cmdcalgs", hub->program.salary());
            fill(&s, "txtbp(0)=21000;txtgp(0)=4200;cbonps=Y");
            for (const QString& step : salary.split(';', Qt::SkipEmptyParts)) {
                step == "calculate" ? s.calculate() : fill(&s, step);
            }
        }
        ReliefForm& f = openRelief();
        QCOMPARE(f.txtarr[6]->text(), arrears);
        openRelief(); // a second Calc. adds nothing
        QCOMPARE(f.txtarr[6]->text(), arrears);
    }

    // Every figure, the date of birth and the sex withdraw Back and Print until Calculate.
    void reliefChangesWithdrawPrintAndBack() {
        ReliefForm& f = openRelief();
        f.txtitem[3]->setText("100000"); // above every arrears typed
        QStringList changes{"optfemale", "optmale", "dtpdob"};
        changes += each(f.findChildren<toolkit::TextBox*>(), [](const toolkit::TextBox* box) {
            return box->isReadOnly() ? QStringList{}
                                     : QStringList{box->objectName() + "=" + box->text() + "5"};
        }); // a digit typed after each figure
        for (const QString& change : changes) {
            f.cmdcal->click();
            QVERIFY(f.cmdbak->isEnabled() && f.cmdprn->isEnabled());
            change == "dtpdob" ? f.dtpdob->setDate(f.dtpdob->date().addDays(1)) : fill(&f, change);
            QVERIFY2(!f.cmdbak->isEnabled() && !f.cmdprn->isEnabled(), qPrintable(change));
        }
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
