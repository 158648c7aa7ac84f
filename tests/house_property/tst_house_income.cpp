// Income from house property for 2012-13, from the form's figures.
#include "house_property/house_income.h"

#include <QtTest>

using fiscora::HouseFigures;
using fiscora::HouseInputs;
using fiscora::LoanTaken;
using fiscora::Occupancy;

Q_DECLARE_METATYPE(HouseInputs)
Q_DECLARE_METATYPE(HouseFigures)

class TestHouseIncome : public QObject {
    Q_OBJECT
private slots:
    void computation_data();
    void computation();
};

namespace {

HouseInputs letOut(double rent, double taxes, double interest = 0, double others = 0) {
    return {Occupancy::LetOut, LoanTaken::From1April1999, rent, taxes, interest, others};
}
HouseInputs selfOccupied(LoanTaken loan, double interest) {
    return {Occupancy::SelfOccupied, loan, 0, 0, interest, 0};
}
constexpr auto before1999 = LoanTaken::Before1April1999;
constexpr auto from1999 = LoanTaken::From1April1999;

} // namespace

void TestHouseIncome::computation_data() {
    QTest::addColumn<HouseInputs>("in");
    QTest::addColumn<HouseFigures>("out");
    // Expected: gross income, repairs, total deductions, income from house property.

    QTest::newRow("worked-example-let-out")
        << letOut(120000, 6000, 200000) << HouseFigures{114000, 34200, 234200, -120200};
    QTest::newRow("worked-example-self-occupied-after-1999")
        << selfOccupied(from1999, 200000) << HouseFigures{0, 0, 150000, -150000};
    QTest::newRow("worked-example-self-occupied-before-1999")
        << selfOccupied(before1999, 200000) << HouseFigures{0, 0, 30000, -30000};
    QTest::newRow("all-zero") << letOut(0, 0) << HouseFigures{};

    QTest::newRow("cap-after-1999-at-150000-unchanged")
        << selfOccupied(from1999, 150000) << HouseFigures{0, 0, 150000, -150000};
    QTest::newRow("cap-after-1999-150001-capped")
        << selfOccupied(from1999, 150001) << HouseFigures{0, 0, 150000, -150000};
    QTest::newRow("cap-after-1999-149999-below")
        << selfOccupied(from1999, 149999) << HouseFigures{0, 0, 149999, -149999};
    QTest::newRow("cap-before-1999-at-30000-unchanged")
        << selfOccupied(before1999, 30000) << HouseFigures{0, 0, 30000, -30000};
    QTest::newRow("cap-before-1999-30001-capped")
        << selfOccupied(before1999, 30001) << HouseFigures{0, 0, 30000, -30000};
    QTest::newRow("cap-before-1999-20000-below")
        << selfOccupied(before1999, 20000) << HouseFigures{0, 0, 20000, -20000};
    QTest::newRow("let-out-500000-not-capped")
        << letOut(0, 0, 500000) << HouseFigures{0, 0, 500000, -500000};
    QTest::newRow("let-out-loan-date-plays-no-part")
        << HouseInputs{Occupancy::LetOut, before1999, 0, 0, 40000, 0}
        << HouseFigures{0, 0, 40000, -40000};

    QTest::newRow("repairs-4.5-to-4") << letOut(15, 0) << HouseFigures{15, 4, 4, 11};
    QTest::newRow("repairs-7.5-to-8") << letOut(25, 0) << HouseFigures{25, 8, 8, 17};
    QTest::newRow("repairs-1.5-to-2") << letOut(5, 0) << HouseFigures{5, 2, 2, 3};
    QTest::newRow("repairs-0.3-to-0") << letOut(1, 0) << HouseFigures{1, 0, 0, 1};
    QTest::newRow("repairs-10.5-to-10") << letOut(35, 0) << HouseFigures{35, 10, 10, 25};
    QTest::newRow("repairs-of-fraction")
        << letOut(1000.5, 0) << HouseFigures{1000.5, 300, 300, 700.5};

    QTest::newRow("negative-gross-income")
        << letOut(10000, 25000) << HouseFigures{-15000, -4500, -4500, -10500};
    QTest::newRow("negative-repairs-minus-4.5-to-4")
        << letOut(0, 15) << HouseFigures{-15, -4, -4, -11};
    QTest::newRow("others-deducted")
        << letOut(100000, 0, 0, 5000) << HouseFigures{100000, 30000, 35000, 65000};
}

void TestHouseIncome::computation() {
    QFETCH(HouseInputs, in);
    QFETCH(HouseFigures, out);
    const HouseFigures f = fiscora::computeHouseIncome(in);
    QCOMPARE(f.grossIncome, out.grossIncome);
    QCOMPARE(f.repairs, out.repairs);
    QCOMPARE(f.deductions, out.deductions);
    QCOMPARE(f.income, out.income);
}

QTEST_APPLESS_MAIN(TestHouseIncome)
#include "tst_house_income.moc"
