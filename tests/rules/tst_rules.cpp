// The rules on the law of 2012-13 and the earlier years, by worked examples and boundaries.
#include "rules/house_income.h"
#include "rules/hra_exemption.h"
#include "rules/pay_table.h"
#include "rules/relief89.h"
#include "rules/section80.h"
#include "rules/tax.h"
#include "support/table.h" // and QtTest

using testing::columns, testing::fetch;
using namespace fiscora;
using Figures = QList<double>;
using Years = std::array<double, earlierYears>;

Q_DECLARE_METATYPE(Category)
Q_DECLARE_METATYPE(Years)

namespace {

const YearLaw& law = law2012();
constexpr double kept = -999; // what a cell showed before the run, to see it kept

// The same pay in every month, as typed into "Jan 12"; the selections parsed as the form does.
PayInputs year(double bp, double gp, const std::string& hra = "X", const std::string& tpa = "A/A-1",
               const std::string& nps = "Y", bool increment = true) {
    PayInputs in;
    in.basicPay.fill(bp);
    in.gradePay.fill(gp);
    in.increment = increment;
    in.hraClass = choose(law.pay.hraClasses, hra);
    in.transportClass = choose(law.pay.transportClasses, tpa);
    in.pensionScheme = choose(law.pay.pensionSchemes, nps);
    in.hraShown.fill(kept);
    in.transportShown.fill(kept);
    in.mgcShown.fill(kept);
    return in;
}

// The increment, and the new basic pay from July it gives.
Figures increment(double bp, double gp) {
    return {fiscora::increment(law, bp, gp),
            computePayTable(law, year(bp, gp)).julyBasicPay.value_or(-1)};
}
// 1 when the 80D figure, as Calculate would read the text, is above the limit.
Figures above80D(const std::string& text) {
    return {above80DLimit(law, text) ? 1.0 : 0.0};
}
// exempt, salary, GTI, NTI, gross tax, net tax, cess, total tax, balance
Figures tax(const TaxInputs& in) {
    const TaxFigures t = computeTax(law, in);
    return {t.exemptAllowances, t.salaryIncome, t.grossTotalIncome, t.netTaxableIncome, t.grossTax,
            t.netTax,           t.cess,         t.totalTax,         t.balanceTax};
}
// Only the gross salary, deductions, relief and TDS.
Figures income(double gs, double ded = 0, double rel = 0, double tds = 0) {
    return tax({gs, 0, 0, 0, 0, ded, rel, tds});
}
// s.10(14): 800 a month; the arrears rows (here 99999) never count.
Figures transport(double monthly) {
    PayColumn transport;
    transport.fill(monthly);
    transport[0] = transport[1] = 99999;
    return {exemptTransport(law, transport)};
}
// Basic pay, DA, HRA drawn, grade pay, rent paid: total salary, its tenth, exemption.
Figures hra(const HraInputs& in) {
    const HraFigures f = computeHraExemption(law, in);
    return {f.totalSalary, f.tenthOfSalary, f.exemption};
}
// Gross income, repairs, total deductions, income.
Figures house(const HouseInputs& in) {
    const HouseFigures f = computeHouseIncome(law, in);
    return {f.grossIncome, f.repairs, f.deductions, f.income};
}
// 80C total, 80C + 80CCC + 80CCD(1), after the limit with 80CCD(2), 80CCF, grand total.
Figures deductions(const Section80Inputs& in) {
    const Section80Figures f = computeSection80(law, in);
    return {f.total80C, f.combinedBeforeLimit, f.combined, f.allowed80CCF, f.grandTotal};
}
HouseInputs let(double rent, double taxes, double interest = 0, double others = 0) {
    return {Occupancy::LetOut, LoanTaken::Before1April1999, rent, taxes, interest, others};
}
HouseInputs own(LoanTaken loan, double interest) {
    return {Occupancy::SelfOccupied, loan, 0, 0, interest, 0};
}

constexpr int receipt = earlierYears; // the row of 2012-13 in these tables

const YearLaw& yearAt(int row) {
    return row == receipt ? law2012() : earlierLaw(row);
}

const auto G = Category::General, W = Category::Woman, S = Category::Senior,
           V = Category::VerySenior;

} // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:
    // Each rule on its inputs, and the figures it gives, as listed beside each rule above.
    void figures_data() {
        columns<Figures, Figures>("given", "expected");
        // clang-format off
        QTest::newRow("tax-worked-example") << tax({700000, 9600, 60000, -150000, 5000, 100000, 0, 40000}) << Figures{69600, 630400, 485400, 385400, 18540, 18540, 556, 19096, -20904};
        QTest::newRow("tax-boundary-500000-gives-30000") << income(500000) << Figures{0, 500000, 500000, 500000, 30000, 30000, 900, 30900, 30900};
        QTest::newRow("tax-boundary-1000000-gives-130000") << income(1000000) << Figures{0, 1e6, 1e6, 1e6, 130000, 130000, 3900, 133900, 133900};
        QTest::newRow("tax-1000010-gives-130003") << income(1000010) << Figures{0, 1000010, 1000010, 1000010, 130003, 130003, 3900, 133903, 133903};
        QTest::newRow("tax-200005-rounds-down-to-even-tens") << income(200005) << Figures{0, 200005, 200005, 200000, 0, 0, 0, 0, 0};
        QTest::newRow("tax-200015-rounds-up-to-even-tens") << income(200015) << Figures{0, 200015, 200015, 200020, 2, 2, 0, 2, 2};
        QTest::newRow("tax-net-tax-50-cess-1.5-to-2") << income(200500) << Figures{0, 200500, 200500, 200500, 50, 50, 2, 52, 52};
        QTest::newRow("tax-net-tax-150-cess-4.5-to-4") << income(201500) << Figures{0, 201500, 201500, 201500, 150, 150, 4, 154, 154};
        QTest::newRow("tax-relief-above-tax-gives-nil") << income(300000, 0, 50000, 1000) << Figures{0, 300000, 300000, 300000, 10000, 0, 0, 0, -1000};
        QTest::newRow("tax-deductions-above-income-negative-nti") << income(100000, 150000) << Figures{0, 100000, 100000, -50000, 0, 0, 0, 0, 0};
        QTest::newRow("tax-fractions-kept-until-tens") << tax({250000.4, 0.2, 0.1, 0, 0.25, 0, 0, 0}) << Figures{0.3, 250000.1, 250000.35, 250000, 5000, 5000, 150, 5150, 5150};
        QTest::newRow("transport-2640-a-month-gives-12-times-800") << transport(2640) << Figures{9600};
        QTest::newRow("transport-660-a-month-gives-7920") << transport(660) << Figures{7920};
        QTest::newRow("transport-801-a-month-capped") << transport(801) << Figures{9600};
        QTest::newRow("hra-tenth-1234.5-to-1234") << hra({10000, 345, 60000, 2000, 50000}) << Figures{12345, 1234, 48766};
        QTest::newRow("hra-tenth-1235.5-to-1236") << hra({10000, 355, 60000, 2000, 50000}) << Figures{12355, 1236, 48764};
        QTest::newRow("hra-rent-equal-to-a-tenth") << hra({10000, 345, 60000, 2000, 1234}) << Figures{12345, 1234, 0};
        QTest::newRow("hra-rent-one-above-a-tenth") << hra({10000, 345, 60000, 2000, 1235}) << Figures{12345, 1234, 1};
        QTest::newRow("hra-drawn-smaller-than-excess") << hra({10000, 345, 20000, 2000, 50000}) << Figures{12345, 1234, 20000};
        QTest::newRow("hra-negative-drawn-gives-nil") << hra({10000, 345, -500, 2000, 50000}) << Figures{12345, 1234, 0};
        QTest::newRow("hra-fractions-kept") << hra({1000.25, 0, 9999, 0, 5000.75}) << Figures{1000.25, 100, 4900.75};
        QTest::newRow("house-worked-example-let-out-not-capped") << house(let(120000, 6000, 200000)) << Figures{114000, 34200, 234200, -120200};
        QTest::newRow("house-after-1999-capped") << house(own(LoanTaken::From1April1999, 200000)) << Figures{0, 0, 150000, -150000};
        QTest::newRow("house-before-1999-capped") << house(own(LoanTaken::Before1April1999, 200000)) << Figures{0, 0, 30000, -30000};
        QTest::newRow("house-after-1999-149999-below") << house(own(LoanTaken::From1April1999, 149999)) << Figures{0, 0, 149999, -149999};
        QTest::newRow("house-before-1999-20000-below") << house(own(LoanTaken::Before1April1999, 20000)) << Figures{0, 0, 20000, -20000};
        QTest::newRow("house-repairs-4.5-to-4") << house(let(15, 0)) << Figures{15, 4, 4, 11};
        QTest::newRow("house-repairs-7.5-to-8") << house(let(25, 0)) << Figures{25, 8, 8, 17};
        QTest::newRow("house-negative-repairs-minus-4.5-to-4") << house(let(0, 15)) << Figures{-15, -4, -4, -11};
        QTest::newRow("house-others-deducted") << house(let(100000, 0, 0, 5000)) << Figures{100000, 30000, 35000, 65000};
        QTest::newRow("80c-worked-example") << deductions({.gpf = 60000, .lifeInsurance = 30000, .ppf = 20000, .jeevanSuraksha = 10000, .npsEmployee = 12000, .npsGovernment = 12000, .infrastructure80CCF = 25000, .mediclaim = 20000, .donations = 5000}) << Figures{110000, 132000, 112000, 20000, 157000};
        QTest::newRow("80cce-exactly-100000-not-limited") << deductions({.gpf = 90000, .jeevanSuraksha = 10000, .npsGovernment = 5000}) << Figures{90000, 100000, 105000, 0, 105000};
        QTest::newRow("80cce-one-rupee-over-cut-to-100000") << deductions({.gpf = 90000, .jeevanSuraksha = 10000, .npsEmployee = 1, .npsGovernment = 5000}) << Figures{90000, 100001, 105000, 0, 105000};
        QTest::newRow("80c-half-rupee-over-cut-to-100000") << deductions({.gpf = 100000.5}) << Figures{100000.5, 100000.5, 100000, 0, 100000};
        QTest::newRow("nps-employee-inside-government-outside") << deductions({.npsEmployee = 120000, .npsGovernment = 5000}) << Figures{0, 120000, 105000, 0, 105000};
        QTest::newRow("80ccf-exactly-20000-stays") << deductions({.infrastructure80CCF = 20000}) << Figures{0, 0, 0, 20000, 20000};
        QTest::newRow("80ccf-20001-cut-to-20000") << deductions({.infrastructure80CCF = 20001}) << Figures{0, 0, 0, 20000, 20000};
        QTest::newRow("increment-756-raised-to-760") << increment(21000, 4200) << Figures{760, 21760};
        QTest::newRow("increment-half-730.5-rounds-to-730-already-tens") << increment(20150, 4200) << Figures{730, 20880};
        QTest::newRow("increment-half-733.5-rounds-to-734-raised-to-740") << increment(20250, 4200) << Figures{740, 20990};
        QTest::newRow("increment-multiple-of-ten-stays") << increment(5800, 4200) << Figures{300, 6100};
        QTest::newRow("increment-735-tenth-at-half-raised-to-740") << increment(20300, 4200) << Figures{740, 21040};
        QTest::newRow("increment-725-tenth-at-half-raised-to-730") << increment(19966.6667, 4200) << Figures{730, 20696.6667};
        QTest::newRow("increment-no-pay-none") << increment(0, 0) << Figures{0, 0};
        QTest::newRow("80d-30000-at-limit") << above80D("30000") << Figures{0};
        QTest::newRow("80d-30000.01-above") << above80D("30000.01") << Figures{1};
        QTest::newRow("80d-letters") << above80D("abc") << Figures{0};
        QTest::newRow("80d-letters-after-figure-above") << above80D("40000abc") << Figures{1};
        QTest::newRow("80d-blanks-inside-figure-above") << above80D("3 0001") << Figures{1};
        QTest::newRow("80d-beyond-range") << above80D("1e400") << Figures{1};
        // clang-format on
    }
    void figures() {
        auto [given, expected] = fetch<Figures, Figures>("given", "expected");
        QCOMPARE(given, expected);
    }

    // One month's cell from one month's pay, every other month 0 ("X", "A/A-1", "Y" elsewhere).
    void payCell_data() {
        // cell: column:selection
        columns<QString, int, double, double, double>("cell", "row", "bp", "gp", "shown");
        // clang-format off
        QTest::newRow("da-65pc-8027.5-to-even-8028") << "DA:" << 2 << 10150.0 << 2200.0 << 8028.0;
        QTest::newRow("da-70pc-from-july") << "DA:" << 6 << 21000.0 << 4200.0 << 17640.0;
        QTest::newRow("da-arrears-each-side-rounded-10-gives-0") << "DA:" << 1 << 10.0 << 0.0 << 0.0;
        QTest::newRow("da-arrears-each-side-rounded-50-gives-3") << "DA:" << 1 << 50.0 << 0.0 << 3.0;
        QTest::newRow("hra-X-30pc") << "HRA:X" << 2 << 25200.0 << 0.0 << 7560.0;
        QTest::newRow("hra-Y-20pc") << "HRA:Y" << 13 << 25960.0 << 0.0 << 5192.0;
        QTest::newRow("hra-Z-half-rounds-to-even") << "HRA:Z" << 4 << 25.0 << 0.0 << 2.0;
        QTest::newRow("hra-NA-gives-0") << "HRA:NA" << 3 << 30000.0 << 0.0 << 0.0;
        QTest::newRow("hra-lower-case-x-keeps-cell") << "HRA:x" << 3 << 30000.0 << 0.0 << kept;
        QTest::newRow("hra-arrears-row-never-drawn") << "HRA:X" << 0 << 30000.0 << 0.0 << kept;
        QTest::newRow("tpa-gp-5400-band-1") << "TPA:A/A-1" << 2 << 15600.0 << 5400.0 << 5280.0;
        QTest::newRow("tpa-gp-5399-band-2") << "TPA:A/A-1" << 2 << 15600.0 << 5399.0 << 2640.0;
        QTest::newRow("tpa-gp-4200-bp-7439-band-2") << "TPA:A/A-1" << 2 << 7439.0 << 4200.0 << 2640.0;
        QTest::newRow("tpa-gp-2800-bp-7440-band-3") << "TPA:Oth." << 2 << 7440.0 << 2800.0 << 1320.0;
        QTest::newRow("tpa-gp-2800-bp-7439-band-4") << "TPA:A/A-1" << 2 << 7439.0 << 2800.0 << 990.0;
        QTest::newRow("tpa-gp-1900-bp-0-no-band-keeps") << "TPA:A/A-1" << 2 << 0.0 << 1900.0 << kept;
        QTest::newRow("tpa-A-bp-0.4-is-paid") << "TPA:A/A-1" << 2 << 0.4 << 1900.0 << 990.0;
        QTest::newRow("tpa-Oth-bp-0.5-to-even-0-no-band") << "TPA:Oth." << 2 << 0.5 << 1900.0 << kept;
        QTest::newRow("tpa-Oth-bp-1.5-rounds-to-2-band-4") << "TPA:Oth." << 2 << 1.5 << 1900.0 << 660.0;
        QTest::newRow("tpa-Oth-negative-bp-band-4") << "TPA:Oth." << 2 << -5.0 << 1900.0 << 660.0;
        QTest::newRow("tpa-NA-gives-0-without-band") << "TPA:NA" << 2 << 0.0 << 0.0 << 0.0;
        QTest::newRow("tpa-lower-case-class-keeps") << "TPA:a/a-1" << 2 << 15600.0 << 5400.0 << kept;
        QTest::newRow("tpa-800-arrears-56") << "TPA:Oth." << 0 << 9300.0 << 4200.0 << 56.0;
        QTest::newRow("tpa-600-70pc-1020") << "TPA:A/A-1" << 13 << 5200.0 << 1800.0 << 1020.0;
        QTest::newRow("tpa-400-arrears-28") << "TPA:Oth." << 0 << 5200.0 << 1800.0 << 28.0;
        QTest::newRow("mgc-Y-25200-da-17640-gives-4284") << "MGC:Y" << 6 << 21000.0 << 4200.0 << 4284.0;
        QTest::newRow("mgc-Y-arrears-176.4-gives-176") << "MGC:Y" << 0 << 21000.0 << 4200.0 << 176.0;
        QTest::newRow("mgc-N-gives-0-on-arrears") << "MGC:N" << 1 << 21000.0 << 4200.0 << 0.0;
        QTest::newRow("mgc-lower-case-y-keeps") << "MGC:y" << 6 << 21000.0 << 4200.0 << kept;
        // clang-format on
    }
    void payCell() {
        auto [cell, row, bp, gp, shown] =
            fetch<QString, int, double, double, double>("cell", "row", "bp", "gp", "shown");
        const QString column = cell.section(':', 0, 0);
        const std::string text = cell.section(':', 1).toStdString();
        PayInputs in = year(0, 0, column == "HRA" ? text : "X", column == "TPA" ? text : "A/A-1",
                            column == "MGC" ? text : "Y", false);
        const auto r = static_cast<std::size_t>(row);
        in.basicPay[r] = bp;
        in.gradePay[r] = gp;
        const PayTable t = computePayTable(law, in);
        const PayWrites& written = column == "HRA" ? t.hra : column == "TPA" ? t.transport : t.mgc;
        QCOMPARE(column == "DA" ? t.da[r] : written[r].value_or(kept), shown);
    }

    // The months from July read the new pay back from the cell, where it has 15 digits.
    void incrementShownAsFifteenDigits() {
        const PayTable t = computePayTable(law, year(20000.123456789012, 4200));
        QVERIFY(t.basicPay[7] == 20730.123456789); // exactly: QCOMPARE would forgive digits
    }

    // 21000 + 4200 from "Jan 12" (or only in the arrears months), "X", "A/A-1", "Y".
    void payTotals_data() {
        // totals: BP, GP, DA, HRA, TPA, MGC, total, grand total
        columns<bool, Figures, Figures>("arrearsOnly", "annual", "totals");
        const Figures none(annualFigures, 0.0);
        const Figures table = {258080, 50400, 214424, 92544, 32544, 52288, 700280};
        // clang-format off
        QTest::newRow("worked-year") << false << none << table + Figures{700280};
        QTest::newRow("each-annual-figure-adds") << false << Figures{12000, 3500, 800, 2400, 1000, 500} << table + Figures{720480};
        QTest::newRow("fractions-as-typed") << false << Figures{0.5, 0, 0, 0, 0, 0.25} << table + Figures{700280.75};
        QTest::newRow("negative-figure-subtracts") << false << Figures{-280, 0, 0, 0, 0, 0} << table + Figures{700000};
        QTest::newRow("arrears-pay-never-in-totals") << true << none << Figures{0, 0, 3528, 0, 224, 352, 4104, 4104};
        // clang-format on
    }
    void payTotals() {
        auto [arrearsOnly, annual, totals] =
            fetch<bool, Figures, Figures>("arrearsOnly", "annual", "totals");
        PayInputs in = year(arrearsOnly ? 0 : 21000, arrearsOnly ? 0 : 4200);
        if (arrearsOnly) {
            in.transportShown.fill(0);
            in.hraShown.fill(0);
            in.basicPay[0] = in.basicPay[1] = 21000;
            in.gradePay[0] = in.gradePay[1] = 4200;
        }
        std::copy(annual.begin(), annual.end(), in.annual.begin());
        const PayTable t = computePayTable(law, in);
        QCOMPARE(Figures({t.basicPayTotal, t.gradePayTotal, t.daTotal, t.hraTotal, t.transportTotal,
                          t.mgcTotal, t.totalTotal, t.grandTotal}),
                 totals);
    }

    // A column left alone keeps its figures, and the totals add what the cells show.
    void keptCellsCountInTotals() {
        PayInputs in = year(10000, 2000, "x", "A/A-1", "N", false);
        in.hraShown.fill(100);
        const PayTable t = computePayTable(law, in);
        QCOMPARE(t.total[5], 10000 + 2000 + 7800 + 100 + 2640 + 0.0);
        QCOMPARE(t.hraTotal, 1200.0);
        QCOMPARE(t.total[0], 840 + 112 + 0.0); // no HRA on the arrears rows
    }

    void taxOfYear_data() {
        // tax: slab tax + surcharge + cess
        columns<int, Category, double, double>("year", "category", "income", "tax");
        // clang-format off
        QTest::newRow("2005-general-150000-5000-cess-2pc") << 0 << G << 150000.0 << 5100.0;
        QTest::newRow("2005-general-250010-30pc") << 0 << G << 250010.0 << 25503.0;
        QTest::newRow("2005-woman-150000") << 0 << W << 150000.0 << 1530.0;
        QTest::newRow("2005-senior-250000-20pc") << 0 << S << 250000.0 << 13260.0;
        QTest::newRow("2005-no-surcharge-at-1000000") << 0 << G << 1000000.0 << 255000.0;
        QTest::newRow("2005-1000004-rounds-below-threshold") << 0 << G << 1000004.0 << 255000.0;
        QTest::newRow("2005-marginal-relief-1000010") << 0 << G << 1000010.0 << 255010.0;
        QTest::newRow("2005-marginal-relief-1030000") << 0 << G << 1030000.0 << 285600.0;
        QTest::newRow("2005-full-surcharge-1040000") << 0 << G << 1040000.0 << 293964.0;
        QTest::newRow("2006-as-2005") << 1 << W << 150000.0 << 1530.0;
        QTest::newRow("2007-general-150000-cess-3pc") << 2 << G << 150000.0 << 4120.0;
        QTest::newRow("2007-general-250000") << 2 << G << 250000.0 << 24720.0;
        QTest::newRow("2007-woman-150000") << 2 << W << 150000.0 << 515.0;
        QTest::newRow("2007-senior-250000") << 2 << S << 250000.0 << 11330.0;
        QTest::newRow("2007-general-1010000-marginal-relief") << 2 << G << 1010000.0 << 266770.0;
        QTest::newRow("2007-senior-1010000-relief-on-own-scale") << 2 << S << 1010000.0 << 253380.0;
        QTest::newRow("2008-general-500000") << 3 << G << 500000.0 << 56650.0;
        QTest::newRow("2008-woman-300000-nil-to-180000") << 3 << W << 300000.0 << 12360.0;
        QTest::newRow("2008-senior-300000-nil-to-225000") << 3 << S << 300000.0 << 7725.0;
        QTest::newRow("2008-marginal-relief-1000010") << 3 << G << 1000010.0 << 211160.0;
        QTest::newRow("2008-full-surcharge-1100000") << 3 << G << 1100000.0 << 266255.0;
        QTest::newRow("2009-general-500000") << 4 << G << 500000.0 << 55620.0;
        QTest::newRow("2009-no-surcharge-1100000") << 4 << G << 1100000.0 << 241020.0;
        QTest::newRow("2009-woman-300000-nil-to-190000") << 4 << W << 300000.0 << 11330.0;
        QTest::newRow("2009-senior-300000-nil-to-240000") << 4 << S << 300000.0 << 6180.0;
        QTest::newRow("2010-general-800000") << 5 << G << 800000.0 << 96820.0;
        QTest::newRow("2010-woman-500000") << 5 << W << 500000.0 << 31930.0;
        QTest::newRow("2010-senior-500000") << 5 << S << 500000.0 << 26780.0;
        QTest::newRow("2011-general-800000") << 6 << G << 800000.0 << 94760.0;
        QTest::newRow("2011-woman-500000") << 6 << W << 500000.0 << 31930.0;
        QTest::newRow("2011-senior-500000-nil-to-250000") << 6 << S << 500000.0 << 25750.0;
        QTest::newRow("2011-very-senior-nil-to-500000") << 6 << V << 500000.0 << 0.0;
        QTest::newRow("2011-very-senior-800000") << 6 << V << 800000.0 << 61800.0;
        QTest::newRow("2011-very-senior-800010-30pc") << 6 << V << 800010.0 << 61803.0;
        QTest::newRow("2011-495005-rounds-to-even-495000") << 6 << G << 495005.0 << 32445.0;
        QTest::newRow("2012-senior-on-the-worksheet-scale") << receipt << S << 500000.0 << 30900.0;
        // clang-format on
    }

    void taxOfYear() {
        auto [year, category, income, tax] =
            fetch<int, Category, double, double>("year", "category", "income", "tax");
        QCOMPARE(fiscora::taxOfYear(yearAt(year), category, income), tax);
    }

    void category_data() {
        // seniorInReceipt: 60 or more on 31 March 2013
        columns<int, QDate, bool, Category, bool>("year", "birth", "female", "category",
                                                  "seniorInReceipt");
        // clang-format off
        QTest::newRow("2011-60-on-birthday-31-march") << 6 << QDate(1952, 3, 31) << false << S << true;
        QTest::newRow("2011-born-1-april-60-the-day-before") << 6 << QDate(1952, 4, 1) << false << S << true;
        QTest::newRow("2011-born-2-april-still-59") << 6 << QDate(1952, 4, 2) << false << G << true;
        QTest::newRow("2011-very-senior-born-1-april") << 6 << QDate(1932, 4, 1) << false << V << true;
        QTest::newRow("2011-79-senior") << 6 << QDate(1932, 4, 2) << true << S << true;
        QTest::newRow("2011-born-in-may-still-59") << 6 << QDate(1952, 5, 15) << false << G << true;
        QTest::newRow("2011-woman-59") << 6 << QDate(1952, 4, 2) << true << W << true;
        QTest::newRow("2010-61-not-senior-at-65") << 5 << QDate(1950, 4, 1) << false << G << true;
        QTest::newRow("2010-65-born-1-april") << 5 << QDate(1946, 4, 1) << true << S << true;
        QTest::newRow("2010-woman-64") << 5 << QDate(1946, 4, 2) << true << W << true;
        QTest::newRow("2010-85-no-very-senior-yet") << 5 << QDate(1925, 6, 1) << false << S << true;
        QTest::newRow("2005-man-general") << 0 << QDate(1960, 1, 1) << false << G << false;
        QTest::newRow("2005-65-on-31-march-2006") << 0 << QDate(1941, 3, 31) << false << S << true;
        QTest::newRow("2012-no-woman-category") << receipt << QDate(1960, 1, 1) << true << G << false;
        QTest::newRow("2012-60-born-1-april-1953") << receipt << QDate(1953, 4, 1) << false << G << true;
        QTest::newRow("2012-59-born-2-april-1953") << receipt << QDate(1953, 4, 2) << false << G << false;
        // clang-format on
    }

    void category() {
        auto [year, birth, female, category, seniorInReceipt] =
            fetch<int, QDate, bool, Category, bool>("year", "birth", "female", "category",
                                                    "seniorInReceipt");
        const Date d{birth.year(), birth.month(), birth.day()};
        QCOMPARE(categoryOf(yearAt(year), d, female ? Sex::Female : Sex::Male), category);
        QCOMPARE(seniorInYearOfReceipt(d), seniorInReceipt);
    }

    // Male, born 01/01/1960, so General in every year.
    void relief_data() {
        // items: items 0 (unused) to 8; row2011: income with arrears, both taxes, difference
        columns<Years, Years, double, Figures, Figures>("income", "arrears", "item3", "items",
                                                        "row2011");
        const Figures worked2011 = {499104, 32445, 32867, 422};
        // clang-format off
        QTest::newRow("no-arrears-no-relief") << Years{} << Years{} << 505000.0 << Figures{0, 505000, 0, 505000, 31930, 31930, 0, 0, 0} << Figures{0, 0, 0, 0};
        // 2012-13: 300000 -> 10300, 280000 -> 8240.
        QTest::newRow("negative-difference-gives-nil") << Years{0, 0, 0, 0, 0, 0, 790000} << Years{0, 0, 0, 0, 0, 0, 20000} << 300000.0 << Figures{0, 280000, 20000, 300000, 10300, 8240, 2060, 5150, 0} << Figures{810000, 92700, 97850, 5150};
        // 2005-06: 140000 -> 4080, 160000 -> 7140; 2012-13: 490896 is taxed as 490900.
        QTest::newRow("two-years-summed") << Years{140000, 0, 0, 0, 0, 0, 495000} << Years{20000, 0, 0, 0, 0, 0, 4104} << 515000.0 << Figures{0, 490896, 24104, 515000, 33990, 29963, 4027, 3482, 545} << worked2011;
        // The worked example: 505000 in 2012-13 with 4104 of arrears for 2011-12 (495000).
        QTest::newRow("worked-example-423-row-without-arrears-ignored") << Years{140000, 0, 0, 0, 0, 0, 495000} << Years{0, 0, 0, 0, 0, 0, 4104} << 505000.0 << Figures{0, 500896, 4104, 505000, 31930, 31085, 845, 422, 423} << worked2011;
        // clang-format on
    }

    void relief() {
        auto [income, arrears, item3, items, row2011] =
            fetch<Years, Years, double, Figures, Figures>("income", "arrears", "item3", "items",
                                                          "row2011");
        const ReliefFigures f = computeRelief({{1960, 1, 1}, Sex::Male, income, arrears, item3},
                                              reliefLaws(Mode::Program));
        QCOMPARE(Figures(f.items.begin(), f.items.end()), items);
        const ReliefRow& r = f.rows[6];
        QCOMPARE(Figures({r.incomeWithArrears, r.taxOnIncome, r.taxWithArrears, r.difference}),
                 row2011);
        for (std::size_t i = 0; i < earlierYears; ++i) {
            QCOMPARE(f.rows[i].category, Category::General);
            if (arrears[i] == 0) {
                QCOMPARE(f.rows[i].taxOnIncome + f.rows[i].incomeWithArrears, 0.0);
            }
        }
    }

    // A copy of the year with one figure moved gives another tax: the rules read the data.
    void rulesReadTheLaw() {
        YearLaw year = law2012();
        year.general.value[0].from = 250000;
        QCOMPARE(fiscora::taxOfYear(year, G, 505000), 26780.0); // 26000 + 780
        year.cessRate = 0.02;
        year.surcharge = Surcharge{0.10, 500000, false};
        QCOMPARE(fiscora::taxOfYear(year, G, 505000), 29172.0); // 26000 + 2600 + 572
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
