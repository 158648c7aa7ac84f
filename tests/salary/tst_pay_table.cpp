// The pay table of 2012-13 worked out month by month from the pay typed.
#include "salary/pay_table.h"

#include <QtTest>

using namespace fiscora;

class TestPayTable : public QObject {
    Q_OBJECT
private slots:
    void workedYearRows_data();
    void workedYearRows();
    void workedYearTotals();
    void increment_data();
    void increment();
    void incrementReplacesTypedPayFromJuly();
    void incrementNotTicked();
    void incrementShownAsFifteenDigits();
    void dearnessAllowance_data();
    void dearnessAllowance();
    void houseRent_data();
    void houseRent();
    void transport_data();
    void transport();
    void pension_data();
    void pension();
    void onlyArrearsRowsCarryAmounts();
    void keptCellsCountInTotals();
    void grandTotal_data();
    void grandTotal();
    void exemptTransport_data();
    void exemptTransport();
};

namespace {

constexpr double kept = -999; // what a cell showed before the run, to see it kept

// A year with the same pay in every month, as typing it into "Jan 12" gives.
PayInputs year(double bp, double gp, const char* hra = "X", const char* tpa = "A/A-1",
               const char* nps = "Y", bool increment = true) {
    PayInputs in;
    in.basicPay.fill(bp);
    in.gradePay.fill(gp);
    in.increment = increment;
    in.hraClass = hra;
    in.transportClass = tpa;
    in.pensionScheme = nps;
    in.hraShown.fill(kept);
    in.transportShown.fill(kept);
    in.mgcShown.fill(kept);
    return in;
}

// One row's pay, every other month 0 and every cell showing `kept` before the run.
PayInputs oneRow(int row, double bp, double gp, const char* hra = "X", const char* tpa = "A/A-1",
                 const char* nps = "Y") {
    PayInputs in = year(0, 0, hra, tpa, nps, false);
    in.basicPay[static_cast<std::size_t>(row)] = bp;
    in.gradePay[static_cast<std::size_t>(row)] = gp;
    return in;
}

// A written figure, or `kept` when the run leaves the cell alone.
double cell(const PayWrites& column, int row) {
    return column[static_cast<std::size_t>(row)].value_or(kept);
}

} // namespace

// Basic pay 21000 and grade pay 4200 from "Jan 12", increment ticked, "X", "A/A-1", "Y".
void TestPayTable::workedYearRows_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("bp");
    QTest::addColumn<double>("da");
    QTest::addColumn<double>("hra");
    QTest::addColumn<double>("tpa");
    QTest::addColumn<double>("mgc");
    QTest::addColumn<double>("total");
    const char* months[] = {"jan-12", "feb-12", "mar-12", "apr-12", "may-12", "jun-12", "jul-12",
                            "aug-12", "sep-12", "oct-12", "nov-12", "dec-12", "jan-13", "feb-13"};
    for (int row = 0; row < payRows; ++row) {
        const QByteArray name = months[row];
        if (row < 2) {
            QTest::newRow(name + "-arrears-only")
                << row << 21000.0 << 1764.0 << kept << 112.0 << 176.0 << 2052.0;
        } else if (row < 6) {
            QTest::newRow(name + "-at-65pc")
                << row << 21000.0 << 16380.0 << 7560.0 << 2640.0 << 4158.0 << 55938.0;
        } else {
            QTest::newRow(name + "-after-increment-at-70pc")
                << row << 21760.0 << 18172.0 << 7788.0 << 2720.0 << 4413.0 << 59053.0;
        }
    }
}

void TestPayTable::workedYearRows() {
    QFETCH(int, row);
    QFETCH(double, bp);
    QFETCH(double, da);
    QFETCH(double, hra);
    QFETCH(double, tpa);
    QFETCH(double, mgc);
    QFETCH(double, total);
    const PayTable t = computePayTable(year(21000, 4200));
    const auto r = static_cast<std::size_t>(row);
    QCOMPARE(t.basicPay[r], bp);
    QCOMPARE(t.da[r], da);
    QCOMPARE(cell(t.hra, row), hra);
    QCOMPARE(cell(t.transport, row), tpa);
    QCOMPARE(cell(t.mgc, row), mgc);
    QCOMPARE(t.total[r], total);
}

void TestPayTable::workedYearTotals() {
    const PayTable t = computePayTable(year(21000, 4200));
    QCOMPARE(t.julyBasicPay.value_or(0), 21760.0);
    QCOMPARE(t.basicPayTotal, 258080.0);
    QCOMPARE(t.gradePayTotal, 50400.0);
    QCOMPARE(t.daTotal, 214424.0);
    QCOMPARE(t.hraTotal, 92544.0);
    QCOMPARE(t.transportTotal, 32544.0);
    QCOMPARE(t.mgcTotal, 52288.0);
    QCOMPARE(t.totalTotal, 700280.0);
    QCOMPARE(t.grandTotal, 700280.0);
}

void TestPayTable::increment_data() {
    QTest::addColumn<double>("bp");
    QTest::addColumn<double>("gp");
    QTest::addColumn<double>("increment");
    QTest::newRow("756-raised-to-760") << 21000.0 << 4200.0 << 760.0;
    QTest::newRow("half-730.5-rounds-to-730-already-tens") << 20150.0 << 4200.0 << 730.0;
    QTest::newRow("half-733.5-rounds-to-734-raised-to-740") << 20250.0 << 4200.0 << 740.0;
    QTest::newRow("multiple-of-ten-stays") << 5800.0 << 4200.0 << 300.0;
    QTest::newRow("731-raised-to-740") << 20166.0 << 4200.0 << 740.0;
    QTest::newRow("735-tenth-at-half-raised-to-740") << 20300.0 << 4200.0 << 740.0;
    QTest::newRow("725-tenth-at-half-raised-to-730") << 19966.6667 << 4200.0 << 730.0;
    QTest::newRow("no-pay-no-increment") << 0.0 << 0.0 << 0.0;
}

void TestPayTable::increment() {
    QFETCH(double, bp);
    QFETCH(double, gp);
    QFETCH(double, increment);
    QCOMPARE(fiscora::increment(bp, gp), increment);
    const PayTable t = computePayTable(year(bp, gp));
    QCOMPARE(t.julyBasicPay.value_or(-1), bp + increment);
}

// July's new pay runs down to February 2013 over whatever was typed there; the months
// before July keep theirs.
void TestPayTable::incrementReplacesTypedPayFromJuly() {
    PayInputs in = year(21000, 4200);
    in.basicPay[4] = 20500;
    in.basicPay[9] = 30000;
    in.basicPay[13] = 1;
    const PayTable t = computePayTable(in);
    for (int row = 6; row <= 13; ++row) {
        QCOMPARE(t.basicPay[static_cast<std::size_t>(row)], 21760.0);
    }
    QCOMPARE(t.basicPay[4], 20500.0);
    QCOMPARE(t.basicPay[5], 21000.0);
}

void TestPayTable::incrementNotTicked() {
    PayInputs in = year(21000, 4200, "X", "A/A-1", "Y", false);
    in.basicPay[9] = 30000;
    const PayTable t = computePayTable(in);
    QVERIFY(!t.julyBasicPay);
    QCOMPARE(t.basicPay, in.basicPay);
    QCOMPARE(t.basicPayTotal, 21000.0 * 11 + 30000);
}

// The months from July read the new pay back from the cell, where it stands in 15 digits.
void TestPayTable::incrementShownAsFifteenDigits() {
    PayInputs in = year(20000.123456789012, 4200);
    const PayTable t = computePayTable(in);
    // Compared exactly: QCOMPARE would forgive the last digits.
    QVERIFY(t.julyBasicPay.value_or(0) == 20000.123456789012 + 730);
    QVERIFY(t.basicPay[7] == 20730.123456789);
    QVERIFY(t.basicPay[7] != *t.julyBasicPay);
}

void TestPayTable::dearnessAllowance_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("bp");
    QTest::addColumn<double>("gp");
    QTest::addColumn<double>("da");
    QTest::newRow("65pc-8027.5-rounds-to-even-8028") << 2 << 10150.0 << 2200.0 << 8028.0;
    QTest::newRow("65pc-8040.5-rounds-to-even-8040") << 5 << 10170.0 << 2200.0 << 8040.0;
    QTest::newRow("70pc-from-july") << 6 << 21000.0 << 4200.0 << 17640.0;
    QTest::newRow("70pc-last-month") << 13 << 10000.0 << 0.0 << 7000.0;
    QTest::newRow("arrears-21000-4200-gives-1764") << 0 << 21000.0 << 4200.0 << 1764.0;
    QTest::newRow("arrears-each-side-rounded-10-gives-0") << 1 << 10.0 << 0.0 << 0.0;
    QTest::newRow("arrears-each-side-rounded-50-gives-3") << 1 << 50.0 << 0.0 << 3.0;
    QTest::newRow("fractional-pay-used-as-typed") << 3 << 100.4 << 0.0 << 65.0;
}

void TestPayTable::dearnessAllowance() {
    QFETCH(int, row);
    QFETCH(double, bp);
    QFETCH(double, gp);
    QFETCH(double, da);
    QCOMPARE(computePayTable(oneRow(row, bp, gp)).da[static_cast<std::size_t>(row)], da);
}

void TestPayTable::houseRent_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("basis");
    QTest::addColumn<double>("hra");
    QTest::newRow("X-30pc") << "X" << 2 << 25200.0 << 7560.0;
    QTest::newRow("Y-20pc") << "Y" << 13 << 25960.0 << 5192.0;
    QTest::newRow("Z-basis-30000-gives-3000") << "Z" << 7 << 30000.0 << 3000.0;
    QTest::newRow("Z-half-rounds-to-even") << "Z" << 4 << 25.0 << 2.0;
    QTest::newRow("NA-gives-0") << "NA" << 3 << 30000.0 << 0.0;
    QTest::newRow("lower-case-x-keeps-cell") << "x" << 3 << 30000.0 << kept;
    QTest::newRow("blank-after-X-keeps-cell") << "X " << 3 << 30000.0 << kept;
    QTest::newRow("empty-text-keeps-cell") << "" << 3 << 30000.0 << kept;
    QTest::newRow("arrears-row-never-drawn") << "X" << 0 << 30000.0 << kept;
}

void TestPayTable::houseRent() {
    QFETCH(QString, city);
    QFETCH(int, row);
    QFETCH(double, basis);
    QFETCH(double, hra);
    const std::string text = city.toStdString();
    const PayTable t = computePayTable(oneRow(row, basis, 0, text.c_str()));
    QCOMPARE(cell(t.hra, row), hra);
    // Every salary month gets the same treatment: 0 pay gives 0, an unknown class keeps.
    const bool known = city == "X" || city == "Y" || city == "Z" || city == "NA";
    QCOMPARE(cell(t.hra, row == 2 ? 3 : 2), known ? 0.0 : kept);
}

void TestPayTable::transport_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("bp");
    QTest::addColumn<double>("gp");
    QTest::addColumn<double>("tpa");
    // Bands at their boundaries.
    QTest::newRow("gp-5400-band-1") << "A/A-1" << 2 << 15600.0 << 5400.0 << 5280.0;
    QTest::newRow("gp-5399-band-2") << "A/A-1" << 2 << 15600.0 << 5399.0 << 2640.0;
    QTest::newRow("gp-4200-band-2") << "A/A-1" << 6 << 9300.0 << 4200.0 << 2720.0;
    QTest::newRow("gp-4199-bp-7440-band-3") << "A/A-1" << 2 << 7440.0 << 4199.0 << 2640.0;
    QTest::newRow("gp-2800-bp-7440-band-3") << "Oth." << 2 << 7440.0 << 2800.0 << 1320.0;
    QTest::newRow("gp-2800-bp-7439-band-4") << "A/A-1" << 2 << 7439.0 << 2800.0 << 990.0;
    QTest::newRow("gp-1900-bp-0-no-band-keeps") << "A/A-1" << 2 << 0.0 << 1900.0 << kept;
    QTest::newRow("A-bp-0.4-is-paid") << "A/A-1" << 2 << 0.4 << 1900.0 << 990.0;
    QTest::newRow("A-negative-bp-no-band") << "A/A-1" << 2 << -5.0 << 1900.0 << kept;
    QTest::newRow("Oth-bp-0.4-rounds-to-0-no-band") << "Oth." << 2 << 0.4 << 1900.0 << kept;
    QTest::newRow("Oth-bp-0.5-rounds-to-even-0-no-band") << "Oth." << 2 << 0.5 << 1900.0 << kept;
    QTest::newRow("Oth-bp-1.5-rounds-to-2-band-4") << "Oth." << 2 << 1.5 << 1900.0 << 660.0;
    QTest::newRow("Oth-negative-bp-band-4") << "Oth." << 2 << -5.0 << 1900.0 << 660.0;
    // Amounts by month, for each base amount.
    QTest::newRow("3200-arrears-224") << "A/A-1" << 0 << 15600.0 << 5400.0 << 224.0;
    QTest::newRow("3200-65pc-5280") << "A/A-1" << 5 << 15600.0 << 5400.0 << 5280.0;
    QTest::newRow("3200-70pc-5440") << "A/A-1" << 6 << 15600.0 << 5400.0 << 5440.0;
    QTest::newRow("A-gp-4600-arrears-112") << "A/A-1" << 1 << 12000.0 << 4600.0 << 112.0;
    QTest::newRow("A-gp-4600-65pc-2640") << "A/A-1" << 3 << 12000.0 << 4600.0 << 2640.0;
    QTest::newRow("A-gp-4600-70pc-2720") << "A/A-1" << 8 << 12000.0 << 4600.0 << 2720.0;
    QTest::newRow("800-arrears-56") << "Oth." << 0 << 9300.0 << 4200.0 << 56.0;
    QTest::newRow("800-65pc-1320") << "Oth." << 4 << 9300.0 << 4200.0 << 1320.0;
    QTest::newRow("800-70pc-1360") << "Oth." << 12 << 9300.0 << 4200.0 << 1360.0;
    QTest::newRow("600-arrears-42") << "A/A-1" << 1 << 5200.0 << 1800.0 << 42.0;
    QTest::newRow("600-65pc-990") << "A/A-1" << 2 << 5200.0 << 1800.0 << 990.0;
    QTest::newRow("600-70pc-1020") << "A/A-1" << 13 << 5200.0 << 1800.0 << 1020.0;
    QTest::newRow("400-arrears-28") << "Oth." << 0 << 5200.0 << 1800.0 << 28.0;
    QTest::newRow("400-65pc-660") << "Oth." << 2 << 5200.0 << 1800.0 << 660.0;
    QTest::newRow("Oth-gp-1800-bp-7000-70pc-680") << "Oth." << 6 << 7000.0 << 1800.0 << 680.0;
    // Classes.
    QTest::newRow("NA-gives-0") << "NA" << 2 << 15600.0 << 5400.0 << 0.0;
    QTest::newRow("NA-gives-0-without-band") << "NA" << 2 << 0.0 << 0.0 << 0.0;
    QTest::newRow("lower-case-class-keeps") << "a/a-1" << 2 << 15600.0 << 5400.0 << kept;
    QTest::newRow("Oth-without-point-keeps") << "Oth" << 2 << 15600.0 << 5400.0 << kept;
}

void TestPayTable::transport() {
    QFETCH(QString, city);
    QFETCH(int, row);
    QFETCH(double, bp);
    QFETCH(double, gp);
    QFETCH(double, tpa);
    const std::string text = city.toStdString();
    const PayTable t = computePayTable(oneRow(row, bp, gp, "X", text.c_str()));
    QCOMPARE(cell(t.transport, row), tpa);
}

void TestPayTable::pension_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("bp");
    QTest::addColumn<double>("gp");
    QTest::addColumn<double>("mgc");
    QTest::newRow("Y-basis-25200-da-17640-gives-4284") << "Y" << 6 << 21000.0 << 4200.0 << 4284.0;
    QTest::newRow("Y-65pc-month") << "Y" << 2 << 21000.0 << 4200.0 << 4158.0;
    QTest::newRow("Y-arrears-176.4-gives-176") << "Y" << 0 << 21000.0 << 4200.0 << 176.0;
    QTest::newRow("Y-2.5-rounds-to-even-2") << "Y" << 2 << 15.0 << 0.0 << 2.0;
    QTest::newRow("N-gives-0") << "N" << 6 << 21000.0 << 4200.0 << 0.0;
    QTest::newRow("N-gives-0-on-arrears") << "N" << 1 << 21000.0 << 4200.0 << 0.0;
    QTest::newRow("lower-case-y-keeps") << "y" << 6 << 21000.0 << 4200.0 << kept;
    QTest::newRow("empty-keeps") << "" << 0 << 21000.0 << 4200.0 << kept;
}

void TestPayTable::pension() {
    QFETCH(QString, scheme);
    QFETCH(int, row);
    QFETCH(double, bp);
    QFETCH(double, gp);
    QFETCH(double, mgc);
    const std::string text = scheme.toStdString();
    const PayTable t = computePayTable(oneRow(row, bp, gp, "X", "A/A-1", text.c_str()));
    QCOMPARE(cell(t.mgc, row), mgc);
}

// Pay only in the arrears months: their pay never enters a total, their arrears do.
void TestPayTable::onlyArrearsRowsCarryAmounts() {
    PayInputs in = year(0, 0);
    in.transportShown.fill(0);
    in.hraShown.fill(0);
    for (std::size_t row : {0u, 1u}) {
        in.basicPay[row] = 21000;
        in.gradePay[row] = 4200;
    }
    const PayTable t = computePayTable(in);
    QCOMPARE(t.basicPayTotal, 0.0);
    QCOMPARE(t.gradePayTotal, 0.0);
    QCOMPARE(t.hraTotal, 0.0);
    QCOMPARE(t.daTotal, 3528.0);
    QCOMPARE(t.transportTotal, 224.0);
    QCOMPARE(t.mgcTotal, 352.0);
    QCOMPARE(t.totalTotal, 4104.0);
    QCOMPARE(t.grandTotal, 4104.0);
}

// A column left alone keeps its figures, and the totals add what the cells show.
void TestPayTable::keptCellsCountInTotals() {
    PayInputs in = year(10000, 2000, "x", "A/A-1", "N", false);
    in.hraShown.fill(100);
    const PayTable t = computePayTable(in);
    QCOMPARE(cell(t.hra, 5), kept);
    QCOMPARE(t.total[5], 10000 + 2000 + 7800 + 100 + 2640 + 0.0);
    QCOMPARE(t.total[6], 10000 + 2000 + 8400 + 100 + 2720 + 0.0);
    QCOMPARE(t.hraTotal, 1200.0);
    QCOMPARE(t.total[0], 840 + 112 + 0.0); // no HRA on the arrears rows
}

void TestPayTable::grandTotal_data() {
    QTest::addColumn<QList<double>>("annual");
    QTest::addColumn<double>("grand");
    QTest::newRow("annual-figures-0-equal-table-total") << QList<double>(6, 0.0) << 700280.0;
    QTest::newRow("each-annual-figure-adds")
        << QList<double>{12000, 3500, 800, 2400, 1000, 500} << 720480.0;
    QTest::newRow("fractions-as-typed") << QList<double>{0.5, 0, 0, 0, 0, 0.25} << 700280.75;
    QTest::newRow("negative-figure-subtracts") << QList<double>{-280, 0, 0, 0, 0, 0} << 700000.0;
}

void TestPayTable::grandTotal() {
    QFETCH(QList<double>, annual);
    QFETCH(double, grand);
    PayInputs in = year(21000, 4200);
    std::copy(annual.begin(), annual.end(), in.annual.begin());
    const PayTable t = computePayTable(in);
    QCOMPARE(t.totalTotal, 700280.0);
    QCOMPARE(t.grandTotal, grand);
}

void TestPayTable::exemptTransport_data() {
    QTest::addColumn<double>("arrears");
    QTest::addColumn<double>("monthly");
    QTest::addColumn<double>("exempt");
    QTest::newRow("2640-a-month-gives-12-times-800") << 112.0 << 2640.0 << 9600.0;
    QTest::newRow("660-a-month-gives-7920") << 28.0 << 660.0 << 7920.0;
    QTest::newRow("exactly-800-a-month") << 0.0 << 800.0 << 9600.0;
    QTest::newRow("801-a-month-capped") << 0.0 << 801.0 << 9600.0;
    QTest::newRow("arrears-rows-ignored") << 99999.0 << 0.0 << 0.0;
}

void TestPayTable::exemptTransport() {
    QFETCH(double, arrears);
    QFETCH(double, monthly);
    QFETCH(double, exempt);
    PayColumn transport;
    transport.fill(monthly);
    transport[0] = transport[1] = arrears;
    QCOMPARE(fiscora::exemptTransport(transport), exempt);
}

QTEST_MAIN(TestPayTable)
#include "tst_pay_table.moc"
