// The income tax of 2012-13 from the worksheet's figures.
#include "app/tax.h"

#include <QtTest>

using fiscora::TaxFigures;
using fiscora::TaxInputs;

Q_DECLARE_METATYPE(TaxInputs)
Q_DECLARE_METATYPE(TaxFigures)

class TestTax : public QObject {
    Q_OBJECT
private slots:
    void computation_data();
    void computation();
};

namespace {

// Inputs in the worksheet's order: gross salary, transport, HRA, house property, other
// sources, deductions, relief, tax deducted.
TaxInputs inputs(double gs, double tp, double hra, double hp, double os, double ded, double rel,
                 double tds) {
    return {gs, tp, hra, hp, os, ded, rel, tds};
}
// Only the gross salary: the net taxable income follows it directly.
TaxInputs income(double gs, double ded = 0, double rel = 0, double tds = 0) {
    return inputs(gs, 0, 0, 0, 0, ded, rel, tds);
}

} // namespace

void TestTax::computation_data() {
    QTest::addColumn<TaxInputs>("in");
    QTest::addColumn<TaxFigures>("out");
    // Expected: exempt, salary, GTI, NTI, gross tax, net tax, cess, total tax, balance.

    QTest::newRow("worked-example")
        << inputs(700000, 9600, 60000, -150000, 5000, 100000, 0, 40000)
        << TaxFigures{69600, 630400, 485400, 385400, 18540, 18540, 556, 19096, -20904};
    QTest::newRow("all-zero") << income(0) << TaxFigures{};
    QTest::newRow("boundary-200000-gives-0")
        << income(200000) << TaxFigures{0, 200000, 200000, 200000, 0, 0, 0, 0, 0};
    QTest::newRow("boundary-500000-gives-30000")
        << income(500000) << TaxFigures{0, 500000, 500000, 500000, 30000, 30000, 900, 30900, 30900};
    QTest::newRow("boundary-1000000-gives-130000")
        << income(1000000)
        << TaxFigures{0, 1000000, 1000000, 1000000, 130000, 130000, 3900, 133900, 133900};
    QTest::newRow("1000010-gives-130003")
        << income(1000010)
        << TaxFigures{0, 1000010, 1000010, 1000010, 130003, 130003, 3900, 133903, 133903};
    QTest::newRow("200005-rounds-down-to-even-tens")
        << income(200005) << TaxFigures{0, 200005, 200005, 200000, 0, 0, 0, 0, 0};
    QTest::newRow("200015-rounds-up-to-even-tens")
        << income(200015) << TaxFigures{0, 200015, 200015, 200020, 2, 2, 0, 2, 2};
    QTest::newRow("123455-rounds-to-123460")
        << income(123455) << TaxFigures{0, 123455, 123455, 123460, 0, 0, 0, 0, 0};
    QTest::newRow("123475-rounds-to-123480")
        << income(123475) << TaxFigures{0, 123475, 123475, 123480, 0, 0, 0, 0, 0};
    QTest::newRow("215000-cess-45")
        << income(215000) << TaxFigures{0, 215000, 215000, 215000, 1500, 1500, 45, 1545, 1545};
    QTest::newRow("net-tax-50-cess-1.5-to-2")
        << income(200500) << TaxFigures{0, 200500, 200500, 200500, 50, 50, 2, 52, 52};
    QTest::newRow("net-tax-150-cess-4.5-to-4")
        << income(201500) << TaxFigures{0, 201500, 201500, 201500, 150, 150, 4, 154, 154};
    QTest::newRow("relief-above-tax-gives-nil")
        << income(300000, 0, 50000, 1000)
        << TaxFigures{0, 300000, 300000, 300000, 10000, 0, 0, 0, -1000};
    QTest::newRow("deductions-above-income-negative-nti")
        << income(100000, 150000) << TaxFigures{0, 100000, 100000, -50000, 0, 0, 0, 0, 0};
    QTest::newRow("negative-salary-after-exemptions")
        << inputs(10000, 9600, 60000, 0, 0, 0, 0, 0)
        << TaxFigures{69600, -59600, -59600, -59600, 0, 0, 0, 0, 0};
    QTest::newRow("negative-income-rounds-half-to-even")
        << income(-15) << TaxFigures{0, -15, -15, -20, 0, 0, 0, 0, 0};
    QTest::newRow("fractions-kept-until-tens")
        << inputs(250000.4, 0.2, 0.1, 0, 0.25, 0, 0, 0)
        << TaxFigures{0.3, 250000.1, 250000.35, 250000, 5000, 5000, 150, 5150, 5150};
}

void TestTax::computation() {
    QFETCH(TaxInputs, in);
    QFETCH(TaxFigures, out);
    const TaxFigures t = fiscora::computeTax(in);
    QCOMPARE(t.exemptAllowances, out.exemptAllowances);
    QCOMPARE(t.salaryIncome, out.salaryIncome);
    QCOMPARE(t.grossTotalIncome, out.grossTotalIncome);
    QCOMPARE(t.netTaxableIncome, out.netTaxableIncome);
    QCOMPARE(t.grossTax, out.grossTax);
    QCOMPARE(t.netTax, out.netTax);
    QCOMPARE(t.cess, out.cess);
    QCOMPARE(t.totalTax, out.totalTax);
    QCOMPARE(t.balanceTax, out.balanceTax);
}

QTEST_APPLESS_MAIN(TestTax)
#include "tst_tax.moc"
