// The HRA form driven as a user drives it, filled and left through the worksheet.
#include "support/hub.h"

class TestHraForm : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::Hub> hub;
    HraForm& open() { return testing::open(hub->w.cmdcalhr, hub->program.hra()); }
    static QString copied(const HraForm& f) {
        return testing::texts({f.txtbp, f.txtnpa, f.txtda, f.txthra});
    }

private slots:
    void init() {
        hub = std::make_unique<testing::Hub>();
        testing::fill(&hub->w, "txtbp=10000;txtda=345;txthrr=60000;txtnpa=2000"); // the carriers
    }
    void cleanup() { hub.reset(); }

    // Over whatever the fields held, with the focus on the rent; the rent and the results
    // stay. A figure copied in that alters a field withdraws BACK; one that leaves it does not.
    void calcCopiesCarriersEveryTime() {
        HraForm& f = open();
        QCOMPARE(copied(f), QString("10000 2000 345 60000"));
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTRY_VERIFY(f.txtRP->hasFocus());
        testing::fill(&f, "txtbp=9999;txtRP=50000");
        f.cmdcal->click();
        open();
        QCOMPARE(copied(f), QString("10000 2000 345 60000"));
        QCOMPARE(testing::texts({f.txtRP, f.txtns, f.txthrx}), QString("50000 12344 48766"));
        QVERIFY(!f.cmdback->isEnabled());
        f.cmdcal->click();
        open();
        QVERIFY(f.cmdback->isEnabled());
    }

    // Salary 10000 + 345 + 2000 = 12345; a tenth 1234.5 rounds to 1234; 50000 - 1234 = 48766.
    void workedExampleThroughBack() {
        HraForm& f = open();
        testing::typeInto(f.txtRP, "50000");
        QTest::keyClick(f.windowHandle(), Qt::Key_Return);
        QCOMPARE(testing::texts({f.txtns, f.txthrx}), QString("12345 48766"));
        testing::checkBack(*hub, &f, f.cmdback, hub->w.txthra, "48766", hub->w.txtos);
    }

    void calculateRefuses_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("refused");
        const QString at = "txtRP=50000|";
        testing::row("letters-in-basic-pay", {at + "txtbp=12000x", "Basic Pay"});
        testing::row("lone-minus-in-dearness", {at + "txtda=-", "Dearness Allow."});
        testing::row("blank-in-hra-drawn", {at + "txthra= ", "HRA Drawn"});
        testing::row("comma-in-grade-pay", {at + "txtnpa=4,200", "Grade Pay"});
        testing::row("beyond-range-in-rent", {at + "txtRP=1e400", "Rent Paid (Annual)"});
        testing::row("salary-beyond-range", {at + "txtbp=1.7e308;txtda=1.7e308", "Total Salary"});
    }
    void calculateRefuses() {
        QFETCH(QString, steps);
        QFETCH(QString, refused);
        HraForm& f = open();
        testing::checkCalculate(*hub, &f, f.cmdback, steps, refused, {f.txtns, f.txthrx},
                                "12345 48766");
    }

    // Grade Pay too: BACK never carries an exemption worked out from an old grade pay.
    void changeWithdrawsBack() {
        HraForm& f = open();
        testing::checkChangesWithdrawBack(&f, f.cmdback);
    }

    // The user types at most ten characters; a longer figure copied in stands whole, and can
    // still be corrected.
    void typingStopsAtTenCharacters() {
        testing::fill(&hub->w, "txtda=214424.0625");
        HraForm& f = open();
        testing::typeInto(f.txtRP, "123456789012");
        QCOMPARE(f.txtRP->text(), QString("1234567890"));
        testing::typeInto(f.txtda, "");
        QTest::keyClick(f.windowHandle(), Qt::Key_End);
        QTest::keyClick(f.windowHandle(), Qt::Key_Backspace);
        QCOMPARE(f.txtda->text(), QString("214424.062"));
    }

    void hiddenKeepsFiguresClosedStartsAfresh() {
        testing::checkLifecycle(hub->program.hra(), hub->w.cmdcalhr, &HraForm::txtRP,
                                &HraForm::cmdback);
    }
};

QTEST_MAIN(TestHraForm)
#include "tst_hra_form.moc"
