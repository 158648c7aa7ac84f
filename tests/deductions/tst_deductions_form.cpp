// The deductions form driven as a user drives it, opened and left through the worksheet.
#include "support/hub.h"

using namespace testing;

class TestDeductionsForm : public QObject {
    Q_OBJECT
    std::unique_ptr<Hub> hub;
    DeductionsForm& open() { return hub->open("cmdcalded80", hub->program.deductions()); }

private slots:
    void init() { hub = std::make_unique<Hub>(); }
    void cleanup() { hub.reset(); }

    void calculate_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("shown"); // 80C, with 80CCC and 80CCD, 80CCF, grand total
        row("every-field-counted-once",
            {"txtgpf=1024;txtgis=1;txthba=2;txtlic=4;txtppf=8;txtnsc=16;txtnsci=32;txttf1=64;"
             "txttf2=128;txtinf=256;txtos=512;txt80ccc=2048;txt80ccdec=4096;txt80ccdgc=8192;"
             "txt80ccf=16384;txt80d=0.5;txt80g=0.25;txtoth=0.125",
             "", "2047 16383 16384 32767.875"});
        // 80CCE: the employee's share counts within the 100000 limit, the government's on top.
        row("nps-employee-within-limit-government-on-top",
            {"txtgpf=90000;txt80ccdec=20000;txt80ccdgc=5000", "", "90000 105000 0 105000"});
        row("80ccf-cut-to-20000-in-its-field", {"txt80ccf=25000;txt80g=1", "", "0 0 20000 20001"});
        row("mediclaim-letters-count-as-0", {"txtgpf=1000;txt80d=abc", "", "1000 1000 0 1000"});
        // Refused: no "inf" in a field, and no 80CCF correction.
        const QString at = "txtgpf=1000|txt80ccf=25000;";
        const QString kept = "1000 1000 25000 1000";
        row("figure-beyond-range", {at + "txtppf=1e400", "PPF", kept});
        row("80c-total-beyond-range",
            {at + "txtgpf=1.7e308;txtlic=1.7e308", "Total of Section 80C", kept});
        row("grand-total-beyond-range",
            {at + "txt80g=-1.7e308;txtoth=-1.7e308", "GRAND TOTAL", kept});
    }
    void calculate() {
        QFETCH(QString, steps);
        QFETCH(QString, refused);
        QFETCH(QString, shown);
        checkCalculate(hub->shown(), &open(), "cmdbk", steps, refused,
                       "txt80c txttot1 txt80ccf txtgt80", shown);
    }

    // The year's contribution goes into both NPS fields at every opening, over what was typed
    // there: a write that changes a figure withdraws Back, one that leaves it does not. Then
    // 80C 110000; with 80CCC and the employee's 12000, 132000 is cut to 100000 and the
    // government's 12000 comes on top: 112000; 80CCF is cut to 20000; with 80D and 80G, 157000.
    void contributionCopiedThenWorkedExampleThroughBack() {
        fill(&hub->w, "txtmgc=12000"); // as the salary form leaves it
        DeductionsForm& f = open();
        fill(&f, "txt80ccdec=100;txt80ccdgc=200;txtgpf=60000;txtlic=30000;txtppf=20000;"
                 "txt80ccc=10000;txt80ccf=25000;txt80d=20000;txt80g=5000");
        f.calculate();
        open();
        QVERIFY(!button(&f, "cmdbk")->isEnabled());
        f.calculate();
        open();
        QVERIFY(button(&f, "cmdbk")->isEnabled());
        QCOMPARE(texts(&f, "txt80ccdec txt80ccdgc txt80c txttot1 txt80ccf txtgt80"),
                 QString("12000 12000 110000 112000 20000 157000"));
        checkBack(*hub, &f, "cmdbk", "txtded80", "157000", "txtrel89");
    }

    void mediclaimTypedAboveLimit_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("30001-cut-once") << "30001";
        QTest::newRow("sixth-digit-cut-once") << "300001"; // 30000 on the way stays
    }
    // The message once, while the figure typed still shows; then "30000" in the field and the
    // focus on to Donations.
    void mediclaimTypedAboveLimit() {
        QFETCH(QString, typed);
        DeductionsForm& f = open();
        QLineEdit* mediclaim = find(&f, "txt80d");
        QStringList whenShown;
        hub->fakes.messages.onInform = [&](const QString&) { whenShown << mediclaim->text(); };
        typeInto(mediclaim, typed);
        hub->fakes.messages.onInform = nullptr;
        QCOMPARE(whenShown, QStringList{typed});
        QCOMPARE(hub->shown(), QStringList{DeductionsForm::mediclaimLimitMessage()});
        QCOMPARE(mediclaim->text(), QString("30000"));
        QVERIFY(find(&f, "txt80g")->hasFocus());
    }

    void changeWithdrawsBack() { checkChangesWithdrawBack(&open(), "cmdbk"); }

    void hiddenKeepsFiguresClosedStartsAfresh() {
        checkLifecycle(*hub, hub->program.deductions(), "cmdcalded80", "txtnsc", "cmdbk");
    }
};

QTEST_MAIN(TestDeductionsForm)
#include "tst_deductions_form.moc"
