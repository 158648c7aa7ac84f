// The deductions form driven as a user drives it, opened and left through the worksheet.
#include "support/hub.h"

using testing::row;

class TestDeductionsForm : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::Hub> hub;
    DeductionsForm& open() { return testing::open(hub->w.cmdcalded80, hub->program.deductions()); }

private slots:
    void init() { hub = std::make_unique<testing::Hub>(); }
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
        DeductionsForm& f = open();
        testing::checkCalculate(*hub, &f, f.cmdbk, steps, refused,
                                {f.txt80c, f.txttot1, f.txt80ccf, f.txtgt80}, shown);
    }

    // 80C 110000; with 80CCC and the employee's 12000, 132000 is cut to 100000 and the
    // government's 12000 comes on top: 112000; 80CCF is cut to 20000; with 80D and 80G, 157000.
    void workedExampleThroughBack() {
        hub->w.txtmgc->setText("12000"); // as the salary form leaves it
        DeductionsForm& f = open();
        testing::fill(&f, "txtgpf=60000;txtlic=30000;txtppf=20000;txt80ccc=10000;txt80ccf=25000;"
                          "txt80d=20000;txt80g=5000");
        f.cmdtot->click();
        QCOMPARE(testing::texts({f.txt80ccdgc, f.txt80c, f.txttot1, f.txt80ccf, f.txtgt80}),
                 QString("12000 110000 112000 20000 157000"));
        testing::checkBack(*hub, &f, f.cmdbk, hub->w.txtded80, "157000", hub->w.txtrel89);
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
        QStringList whenShown;
        hub->fakes.messages.onInform = [&](const QString&) { whenShown << f.txt80d->text(); };
        testing::typeInto(f.txt80d, typed);
        hub->fakes.messages.onInform = nullptr;
        QCOMPARE(whenShown, QStringList{typed});
        QCOMPARE(hub->shown(), QStringList{DeductionsForm::mediclaimLimitMessage()});
        QCOMPARE(f.txt80d->text(), QString("30000"));
        QVERIFY(f.txt80g->hasFocus());
    }

    void changeWithdrawsBack() {
        DeductionsForm& f = open();
        testing::checkChangesWithdrawBack(&f, f.cmdbk);
    }

    // The carrier goes into both NPS fields at every opening, over what was typed there; a
    // write that changes a figure withdraws Back, one that leaves it as it was does not.
    void calcCopiesContributionEveryTime() {
        hub->w.txtmgc->setText("52288");
        DeductionsForm& f = open();
        testing::fill(&f, "txt80ccdec=100;txt80ccdgc=200");
        f.cmdtot->click();
        open();
        QCOMPARE(testing::texts({f.txt80ccdec, f.txt80ccdgc}), QString("52288 52288"));
        QVERIFY(!f.cmdbk->isEnabled());
        f.cmdtot->click();
        open();
        QVERIFY(f.cmdbk->isEnabled());
    }

    void hiddenKeepsFiguresClosedStartsAfresh() {
        testing::checkLifecycle(hub->program.deductions(), hub->w.cmdcalded80,
                                &DeductionsForm::txtnsc, &DeductionsForm::cmdbk);
    }
};

QTEST_MAIN(TestDeductionsForm)
#include "tst_deductions_form.moc"
