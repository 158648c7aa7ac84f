// The HRA form driven as a user drives it, filled and left through the worksheet.
#include "support/hub.h"

using namespace testing;

class TestHraForm : public QObject {
    Q_OBJECT
    std::unique_ptr<Hub> hub;
    HraForm& open() { return hub->open("cmdcalhr", hub->program.hra()); }

private slots:
    void init() {
        hub = std::make_unique<Hub>();
        fill(&hub->w, "txtbp=10000;txtda=345;txthrr=60000;txtnpa=2000"); // the carriers
    }
    void cleanup() { hub.reset(); }

    // Over whatever the fields held, with the focus on the rent; the rent and the results
    // stay. A figure copied in that alters a field withdraws BACK; one that leaves it does not.
    void calcCopiesCarriersEveryTime() {
        HraForm& f = open();
        const QString copied = "txtbp txtnpa txtda txthra";
        QCOMPARE(texts(&f, copied), QString("10000 2000 345 60000"));
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTRY_VERIFY(find(&f, "txtRP")->hasFocus());
        fill(&f, "txtbp=9999;txtRP=50000");
        f.calculate();
        open();
        QCOMPARE(texts(&f, copied + " txtRP txtns txthrx"),
                 QString("10000 2000 345 60000 50000 12344 48766"));
        QVERIFY(!button(&f, "cmdback")->isEnabled());
        f.calculate();
        open();
        QVERIFY(button(&f, "cmdback")->isEnabled());
    }

    // Salary 10000 + 345 + 2000 = 12345; a tenth 1234.5 rounds to 1234; 50000 - 1234 = 48766.
    void workedExampleThroughBack() {
        HraForm& f = open();
        typeInto(find(&f, "txtRP"), "50000");
        QTest::keyClick(f.windowHandle(), Qt::Key_Return);
        QCOMPARE(texts(&f, "txtns txthrx"), QString("12345 48766"));
        checkBack(*hub, &f, "cmdback", "txthra", "48766", "txtos");
    }

    void calculateRefuses_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("refused");
        const QString at = "txtRP=50000|";
        row("letters-in-basic-pay", {at + "txtbp=12000x", "Basic Pay"});
        row("lone-minus-in-dearness", {at + "txtda=-", "Dearness Allow."});
        row("blank-in-hra-drawn", {at + "txthra= ", "HRA Drawn"});
        row("comma-in-grade-pay", {at + "txtnpa=4,200", "Grade Pay"});
        row("beyond-range-in-rent", {at + "txtRP=1e400", "Rent Paid (Annual)"});
        row("salary-beyond-range", {at + "txtbp=1.7e308;txtda=1.7e308", "Total Salary"});
    }
    void calculateRefuses() {
        QFETCH(QString, steps);
        QFETCH(QString, refused);
        checkCalculate(hub->shown(), &open(), "cmdback", steps, refused, "txtns txthrx",
                       "12345 48766");
    }

    // Grade Pay too: BACK never carries an exemption worked out from an old grade pay.
    void changeWithdrawsBack() { checkChangesWithdrawBack(&open(), "cmdback"); }

    // The user types at most ten characters; a longer figure copied in stands whole, and can
    // still be corrected.
    void typingStopsAtTenCharacters() {
        fill(&hub->w, "txtda=214424.0625");
        HraForm& f = open();
        typeInto(find(&f, "txtRP"), "123456789012");
        QCOMPARE(find(&f, "txtRP")->text(), QString("1234567890"));
        typeInto(find(&f, "txtda"), "");
        QTest::keyClick(f.windowHandle(), Qt::Key_End);
        QTest::keyClick(f.windowHandle(), Qt::Key_Backspace);
        QCOMPARE(find(&f, "txtda")->text(), QString("214424.062"));
    }

    void hiddenKeepsFiguresClosedStartsAfresh() {
        checkLifecycle(*hub, hub->program.hra(), "cmdcalhr", "txtRP", "cmdback");
    }
};

QTEST_MAIN(TestHraForm)
#include "tst_hra_form.moc"
