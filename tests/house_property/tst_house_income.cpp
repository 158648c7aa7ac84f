// Income from house property for 2012-13, from the form's figures.
#include "house_property/house_income.h"

#include <QtTest>

using fiscora::HouseInputs;
using fiscora::LoanTaken;
using Figures = QList<double>; // gross income, repairs, total deductions, income
Q_DECLARE_METATYPE(HouseInputs)

namespace {
HouseInputs let(double rent, double taxes, double interest = 0, double others = 0) {
    return {fiscora::Occupancy::LetOut, LoanTaken::Before1April1999, rent, taxes, interest, others};
}
HouseInputs own(LoanTaken loan, double interest) {
    return {fiscora::Occupancy::SelfOccupied, loan, 0, 0, interest, 0};
}
constexpr auto before = LoanTaken::Before1April1999;
constexpr auto after = LoanTaken::From1April1999;
} // namespace

class TestHouseIncome : public QObject {
    Q_OBJECT
private slots:
    void computation_data() {
        QTest::addColumn<HouseInputs>("in");
        QTest::addColumn<Figures>("out");
        QTest::newRow("worked-example-let-out-not-capped")
            << let(120000, 6000, 200000) << Figures{114000, 34200, 234200, -120200};
        QTest::newRow("worked-after-1999-capped")
            << own(after, 200000) << Figures{0, 0, 150000, -150000};
        QTest::newRow("worked-before-1999-capped")
            << own(before, 200000) << Figures{0, 0, 30000, -30000};
        QTest::newRow("after-1999-at-150000")
            << own(after, 150000) << Figures{0, 0, 150000, -150000};
        QTest::newRow("after-1999-149999-below")
            << own(after, 149999) << Figures{0, 0, 149999, -149999};
        QTest::newRow("before-1999-at-30000") << own(before, 30000) << Figures{0, 0, 30000, -30000};
        QTest::newRow("before-1999-20000-below")
            << own(before, 20000) << Figures{0, 0, 20000, -20000};
        QTest::newRow("repairs-4.5-to-4") << let(15, 0) << Figures{15, 4, 4, 11};
        QTest::newRow("repairs-7.5-to-8") << let(25, 0) << Figures{25, 8, 8, 17};
        QTest::newRow("negative-gross-income")
            << let(10000, 25000) << Figures{-15000, -4500, -4500, -10500};
        QTest::newRow("negative-repairs-minus-4.5-to-4") << let(0, 15) << Figures{-15, -4, -4, -11};
        QTest::newRow("others-deducted")
            << let(100000, 0, 0, 5000) << Figures{100000, 30000, 35000, 65000};
    }
    void computation() {
        QFETCH(HouseInputs, in);
        QFETCH(Figures, out);
        const fiscora::HouseFigures f = fiscora::computeHouseIncome(in);
        QCOMPARE(Figures({f.grossIncome, f.repairs, f.deductions, f.income}), out);
    }
};

QTEST_APPLESS_MAIN(TestHouseIncome)
#include "tst_house_income.moc"
