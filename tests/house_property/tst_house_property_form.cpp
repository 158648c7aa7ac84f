// The house property form driven as a user drives it, opened and left through the worksheet.
#include "support/hub.h"

using namespace testing;

class TestHousePropertyForm : public QObject {
    Q_OBJECT
    std::unique_ptr<Hub> hub;
    HousePropertyForm& open() { return hub->open("cmdcalhp", hub->program.houseProperty()); }

private slots:
    void init() { hub = std::make_unique<Hub>(); }
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
        row("let-out-repairs-on-annual-value",
            {"txtarv=120000;txtptax=6000;txtintt=200000;txtoth=1", "",
             "114000 34200 234201 -120201"});
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
        checkCalculate(hub->shown(), &open(), "cmdbk", steps, refused, "txtghi txtrep txttd txtihp",
                       shown);
    }

    // Typed and calculated with Enter; Back carries the loss.
    void workedExampleLetOutThroughBack() {
        HousePropertyForm& f = open();
        typeInto(find(&f, "txtarv"), "120000");
        typeInto(find(&f, "txtintt"), "200000");
        QTest::keyClick(f.windowHandle(), Qt::Key_Return);
        checkBack(*hub, &f, "cmdbk", "txthp", "-116000", "cmdcalded80");
    }

    // Self-occupied: the rental figures go to "0" and are disabled, the loan date comes into
    // play, the interest keeps its figure; rented out again, all can be typed once more.
    void selfOccupiedClearsRentalFigures() {
        HousePropertyForm& f = open();
        fill(&f, "txtarv=120000;txtptax=6000;txtoth=700;txtintt=90000");
        const auto enabled = [&f](const QString& names) {
            QString out;
            for (const QString& name : names.split(' ')) {
                out += find<QWidget>(&f, name)->isEnabled() ? '1' : '0';
            }
            return out;
        };
        const QString rental = "txtarv txtptax txtoth lblrent lblptax lbloth";
        QCOMPARE(enabled(rental + " framintt txtintt"), QString("11111101"));
        QTest::mouseClick(button(&f, "optso"), Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(texts(&f, "txtarv txtptax txtghi txtrep txtoth txtintt"),
                 QString("0 0 0 0 0 90000"));
        QCOMPARE(enabled(rental + " framintt txtintt"), QString("00000011"));
        QVERIFY(button(&f, "opta499")->isChecked());
        button(&f, "optrent")->click();
        QCOMPARE(enabled(rental + " framintt txtintt"), QString("11111101"));
    }

    void changeWithdrawsBack() {
        checkChangesWithdrawBack(&open(), "cmdbk", {"optso", "optb499", "opta499", "optrent"});
    }

    void hiddenKeepsFiguresClosedStartsAfresh() {
        checkLifecycle(*hub, hub->program.houseProperty(), "cmdcalhp", "txtintt", "cmdbk");
    }
};

QTEST_MAIN(TestHousePropertyForm)
#include "tst_house_property_form.moc"
