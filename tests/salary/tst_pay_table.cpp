// The pay table of 2012-13 worked out month by month from the pay typed.
#include "salary/pay_table.h"

#include <QtTest>

using namespace fiscora;

class TestPayTable : public QObject {
    Q_OBJECT
private slots:
    void workedYear();
    void increment_data();
    void increment();
    void incrementShownAsFifteenDigits();
    void monthCell_data();
    void monthCell();
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

// A written figure, or `kept` when the run leaves the cell alone.
double cell(const PayWrites& column, int row) {
    return column[static_cast<std::size_t>(row)].value_or(kept);
}

} // namespace

// Basic pay 21000 and grade pay 4200 from "Jan 12", increment ticked, "X", "A/A-1", "Y"
// (the salary form's test checks every cell of that year).
void TestPayTable::workedYear() {
    const PayTable t = computePayTable(year(21000, 4200));
    const QList<double> totals = {t.basicPayTotal,  t.gradePayTotal, t.daTotal,    t.hraTotal,
                                  t.transportTotal, t.mgcTotal,      t.totalTotal, t.grandTotal};
    QCOMPARE(totals, QList<double>({258080, 50400, 214424, 92544, 32544, 52288, 700280, 700280}));
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
    QCOMPARE(computePayTable(year(bp, gp)).julyBasicPay.value_or(-1), bp + increment);
}

// The months from July read the new pay back from the cell, where it stands in 15 digits.
void TestPayTable::incrementShownAsFifteenDigits() {
    const PayTable t = computePayTable(year(20000.123456789012, 4200));
    // Compared exactly: QCOMPARE would forgive the last digits.
    QVERIFY(t.julyBasicPay.value_or(0) == 20000.123456789012 + 730);
    QVERIFY(t.basicPay[7] == 20730.123456789);
}

// One month's cell from one month's pay, every other month 0; the selection is that of the
// cell's column ("X" and "A/A-1" and "Y" for the others).
void TestPayTable::monthCell_data() {
    QTest::addColumn<QString>("cell"); // column:selection
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("bp");
    QTest::addColumn<double>("gp");
    QTest::addColumn<double>("shown");
    // Dearness allowance.
    QTest::newRow("da-65pc-8027.5-to-even-8028") << "DA:" << 2 << 10150.0 << 2200.0 << 8028.0;
    QTest::newRow("da-65pc-8040.5-to-even-8040") << "DA:" << 5 << 10170.0 << 2200.0 << 8040.0;
    QTest::newRow("da-70pc-from-july") << "DA:" << 6 << 21000.0 << 4200.0 << 17640.0;
    QTest::newRow("da-arrears-21000-4200-gives-1764") << "DA:" << 0 << 21000.0 << 4200.0 << 1764.0;
    QTest::newRow("da-arrears-each-side-rounded-10-gives-0") << "DA:" << 1 << 10.0 << 0.0 << 0.0;
    QTest::newRow("da-arrears-each-side-rounded-50-gives-3") << "DA:" << 1 << 50.0 << 0.0 << 3.0;
    QTest::newRow("da-fractional-pay-used-as-typed") << "DA:" << 3 << 100.4 << 0.0 << 65.0;
    // House rent allowance by class of city.
    QTest::newRow("hra-X-30pc") << "HRA:X" << 2 << 25200.0 << 0.0 << 7560.0;
    QTest::newRow("hra-Y-20pc") << "HRA:Y" << 13 << 25960.0 << 0.0 << 5192.0;
    QTest::newRow("hra-Z-basis-30000-gives-3000") << "HRA:Z" << 7 << 30000.0 << 0.0 << 3000.0;
    QTest::newRow("hra-Z-half-rounds-to-even") << "HRA:Z" << 4 << 25.0 << 0.0 << 2.0;
    QTest::newRow("hra-NA-gives-0") << "HRA:NA" << 3 << 30000.0 << 0.0 << 0.0;
    QTest::newRow("hra-lower-case-x-keeps-cell") << "HRA:x" << 3 << 30000.0 << 0.0 << kept;
    QTest::newRow("hra-blank-after-X-keeps-cell") << "HRA:X " << 3 << 30000.0 << 0.0 << kept;
    QTest::newRow("hra-arrears-row-never-drawn") << "HRA:X" << 0 << 30000.0 << 0.0 << kept;
    // Transport allowance: bands at their boundaries.
    QTest::newRow("tpa-gp-5400-band-1") << "TPA:A/A-1" << 2 << 15600.0 << 5400.0 << 5280.0;
    QTest::newRow("tpa-gp-5399-band-2") << "TPA:A/A-1" << 2 << 15600.0 << 5399.0 << 2640.0;
    QTest::newRow("tpa-gp-4200-band-2") << "TPA:A/A-1" << 6 << 9300.0 << 4200.0 << 2720.0;
    QTest::newRow("tpa-gp-4199-bp-7440-band-3") << "TPA:A/A-1" << 2 << 7440.0 << 4199.0 << 2640.0;
    QTest::newRow("tpa-gp-2800-bp-7440-band-3") << "TPA:Oth." << 2 << 7440.0 << 2800.0 << 1320.0;
    QTest::newRow("tpa-gp-2800-bp-7439-band-4") << "TPA:A/A-1" << 2 << 7439.0 << 2800.0 << 990.0;
    QTest::newRow("tpa-gp-1900-bp-0-no-band-keeps") << "TPA:A/A-1" << 2 << 0.0 << 1900.0 << kept;
    QTest::newRow("tpa-A-bp-0.4-is-paid") << "TPA:A/A-1" << 2 << 0.4 << 1900.0 << 990.0;
    QTest::newRow("tpa-A-negative-bp-no-band") << "TPA:A/A-1" << 2 << -5.0 << 1900.0 << kept;
    QTest::newRow("tpa-Oth-bp-0.4-rounds-to-0-no-band") << "TPA:Oth." << 2 << 0.4 << 1900.0 << kept;
    QTest::newRow("tpa-Oth-bp-0.5-to-even-0-no-band") << "TPA:Oth." << 2 << 0.5 << 1900.0 << kept;
    QTest::newRow("tpa-Oth-bp-1.5-rounds-to-2-band-4") << "TPA:Oth." << 2 << 1.5 << 1900.0 << 660.0;
    QTest::newRow("tpa-Oth-negative-bp-band-4") << "TPA:Oth." << 2 << -5.0 << 1900.0 << 660.0;
    QTest::newRow("tpa-NA-gives-0") << "TPA:NA" << 2 << 15600.0 << 5400.0 << 0.0;
    QTest::newRow("tpa-NA-gives-0-without-band") << "TPA:NA" << 2 << 0.0 << 0.0 << 0.0;
    QTest::newRow("tpa-lower-case-class-keeps") << "TPA:a/a-1" << 2 << 15600.0 << 5400.0 << kept;
    QTest::newRow("tpa-Oth-without-point-keeps") << "TPA:Oth" << 2 << 15600.0 << 5400.0 << kept;
    // Transport allowance: the base amounts in arrears and 70 % months.
    QTest::newRow("tpa-3200-arrears-224") << "TPA:A/A-1" << 0 << 15600.0 << 5400.0 << 224.0;
    QTest::newRow("tpa-3200-70pc-5440") << "TPA:A/A-1" << 6 << 15600.0 << 5400.0 << 5440.0;
    QTest::newRow("tpa-1600-arrears-112") << "TPA:A/A-1" << 1 << 12000.0 << 4600.0 << 112.0;
    QTest::newRow("tpa-800-arrears-56") << "TPA:Oth." << 0 << 9300.0 << 4200.0 << 56.0;
    QTest::newRow("tpa-800-70pc-1360") << "TPA:Oth." << 12 << 9300.0 << 4200.0 << 1360.0;
    QTest::newRow("tpa-600-arrears-42") << "TPA:A/A-1" << 1 << 5200.0 << 1800.0 << 42.0;
    QTest::newRow("tpa-600-70pc-1020") << "TPA:A/A-1" << 13 << 5200.0 << 1800.0 << 1020.0;
    QTest::newRow("tpa-400-arrears-28") << "TPA:Oth." << 0 << 5200.0 << 1800.0 << 28.0;
    QTest::newRow("tpa-Oth-gp-1800-bp-7000-70pc-680")
        << "TPA:Oth." << 6 << 7000.0 << 1800.0 << 680.0;
    // The Government's contribution to the pension scheme.
    QTest::newRow("mgc-Y-25200-da-17640-gives-4284") << "MGC:Y" << 6 << 21000.0 << 4200.0 << 4284.0;
    QTest::newRow("mgc-Y-arrears-176.4-gives-176") << "MGC:Y" << 0 << 21000.0 << 4200.0 << 176.0;
    QTest::newRow("mgc-Y-2.5-rounds-to-even-2") << "MGC:Y" << 2 << 15.0 << 0.0 << 2.0;
    QTest::newRow("mgc-N-gives-0") << "MGC:N" << 6 << 21000.0 << 4200.0 << 0.0;
    QTest::newRow("mgc-N-gives-0-on-arrears") << "MGC:N" << 1 << 21000.0 << 4200.0 << 0.0;
    QTest::newRow("mgc-lower-case-y-keeps") << "MGC:y" << 6 << 21000.0 << 4200.0 << kept;
    QTest::newRow("mgc-empty-keeps") << "MGC:" << 0 << 21000.0 << 4200.0 << kept;
}

void TestPayTable::monthCell() {
    QFETCH(QString, cell);
    const QString column = cell.section(':', 0, 0);
    QFETCH(int, row);
    QFETCH(double, bp);
    QFETCH(double, gp);
    QFETCH(double, shown);
    PayInputs in = year(0, 0, "X", "A/A-1", "Y", false);
    const std::string text = cell.section(':', 1).toStdString();
    (column == "HRA" ? in.hraClass : column == "TPA" ? in.transportClass : in.pensionScheme) = text;
    in.basicPay[static_cast<std::size_t>(row)] = bp;
    in.gradePay[static_cast<std::size_t>(row)] = gp;
    const PayTable t = computePayTable(in);
    const double got = column == "DA"    ? t.da[static_cast<std::size_t>(row)]
                       : column == "HRA" ? ::cell(t.hra, row)
                       : column == "TPA" ? ::cell(t.transport, row)
                                         : ::cell(t.mgc, row);
    QCOMPARE(got, shown);
}

// Pay only in the arrears months: their pay never enters a total, their arrears do.
void TestPayTable::onlyArrearsRowsCarryAmounts() {
    PayInputs in = year(0, 0);
    in.transportShown.fill(0);
    in.hraShown.fill(0);
    in.basicPay[0] = in.basicPay[1] = 21000;
    in.gradePay[0] = in.gradePay[1] = 4200;
    const PayTable t = computePayTable(in);
    const QList<double> totals = {t.basicPayTotal,  t.gradePayTotal, t.hraTotal,   t.daTotal,
                                  t.transportTotal, t.mgcTotal,      t.totalTotal, t.grandTotal};
    QCOMPARE(totals, QList<double>({0, 0, 0, 3528, 224, 352, 4104, 4104}));
}

// A column left alone keeps its figures, and the totals add what the cells show.
void TestPayTable::keptCellsCountInTotals() {
    PayInputs in = year(10000, 2000, "x", "A/A-1", "N", false);
    in.hraShown.fill(100);
    const PayTable t = computePayTable(in);
    QCOMPARE(t.total[5], 10000 + 2000 + 7800 + 100 + 2640 + 0.0);
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
    QCOMPARE(computePayTable(in).grandTotal, grand);
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
