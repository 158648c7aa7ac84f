// The house property form driven as a user drives it, opened and left through the worksheet.
#include "support/hub.h"

using testing::row;

class TestHousePropertyForm : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::Hub> hub;
    HousePropertyForm& open() {
        return testing::open(hub->w.cmdcalhp, hub->program.houseProperty());
    }

private slots:
    void init() { hub = std::make_unique<testing::Hub>(); }
    void cleanup() { hub.reset(); }

    void calculate_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("shown"); // gross income, repairs, deductions, income
        row("self-occupied-after-1999-capped", {"txtintt=150001;optso", "", "0 0 150000 -150000"});
        row("self-occupied-before-1999-capped",
            {"txtintt=30001;optso;optb499", "", "0 0 30000 -30000"});
        row("rented-out-again-not-capped",
            {"txtintt=30001;optso;optb499;optrent", "", "0 0 30001 -30001"});
        // A figure that is not a number as it stands is refused; so is a result beyond range.
        const QString at = "txtarv=50000|";
        const QString kept = "50000 15000 15000 35000";
        row("letters-in-rental-value", {at + "txtarv=12000abc", "Annual Rental Value", kept});
        row("lone-minus-in-taxes", {at + "txtptax=-", "Property Taxes", kept});
        row("blank-in-interest", {at + "txtintt= ", "Interest on Borrowed Capital", kept});
        row("comma-in-others", {at + "txtoth=1,000", "Others", kept});
        row("beyond-range-in-rental-value", {at + "txtarv=1e400", "Annual Rental Value", kept});
        row("gross-income-beyond-range",
            {at + "txtarv=1.7e308;txtptax=-1.7e308", "Gross Income", kept});
    }
    void calculate() {
        QFETCH(QString, steps);
        QFETCH(QString, refused);
        QFETCH(QString, shown);
        HousePropertyForm& f = open();
        testing::checkCalculate(*hub, &f, f.cmdbk, steps, refused,
                                {f.txtghi, f.txtrep, f.txttd, f.txtihp}, shown);
    }

    // Gross 120000 - 6000 = 114000; repairs 30% = 34200; with the interest, 234200 deducted.
    void workedExampleLetOutThroughBack() {
        HousePropertyForm& f = open();
        testing::typeInto(f.txtarv, "120000");
        testing::typeInto(f.txtptax, "6000");
        testing::typeInto(f.txtintt, "200000");
        QTest::keyClick(f.windowHandle(), Qt::Key_Return);
        QCOMPARE(testing::texts({f.txtghi, f.txtrep, f.txttd, f.txtihp}),
                 QString("114000 34200 234200 -120200"));
        testing::checkBack(*hub, &f, f.cmdbk, hub->w.txthp, "-120200", hub->w.cmdcalded80);
    }

    // Self-occupied: the rental figures go to "0" and are disabled, the loan date comes into
    // play, the interest keeps its figure; rented out again, all can be typed once more.
    void selfOccupiedClearsRentalFigures() {
        HousePropertyForm& f = open();
        testing::fill(&f, "txtarv=120000;txtptax=6000;txtoth=700;txtintt=90000");
        QVERIFY(!f.framintt->isEnabled() && !f.optb499->isEnabled());
        QTest::mouseClick(f.optso, Qt::LeftButton, {}, QPoint(5, f.optso->height() / 2));
        QCOMPARE(testing::texts({f.txtarv, f.txtptax, f.txtghi, f.txtrep, f.txtoth, f.txtintt}),
                 QString("0 0 0 0 0 90000"));
        QVERIFY(!f.txtarv->isEnabled() && !f.txtptax->isEnabled() && !f.txtoth->isEnabled());
        QVERIFY(!f.lblrent->isEnabled() && !f.lblptax->isEnabled() && !f.lbloth->isEnabled());
        QVERIFY(f.txtintt->isEnabled() && f.framintt->isEnabled() && f.opta499->isChecked());
        f.optrent->click();
        QVERIFY(f.txtarv->isEnabled() && f.txtoth->isEnabled() && f.lblrent->isEnabled());
        QVERIFY(!f.framintt->isEnabled());
    }

    void changeWithdrawsBack() {
        HousePropertyForm& f = open();
        testing::checkChangesWithdrawBack(&f, f.cmdbk, {"optso", "optb499", "opta499", "optrent"});
    }

    void hiddenKeepsFiguresClosedStartsAfresh() {
        testing::checkLifecycle(hub->program.houseProperty(), hub->w.cmdcalhp,
                                &HousePropertyForm::txtintt, &HousePropertyForm::cmdbk);
    }
};

QTEST_MAIN(TestHousePropertyForm)
#include "tst_house_property_form.moc"
