// The rules of 2012-13 and the earlier years, by worked examples and boundaries; 2012-13 under
// the Income-tax Act as enacted against the program's own figures, each row named for the
// provision it is worked from (it fails when that is undone); the amounts the rules read.
#include "common/amount.h"
#include "rules/house_income.h"
#include "rules/hra_exemption.h"
#include "rules/pay_table.h"
#include "rules/relief89.h"
#include "rules/section80.h"
#include "rules/tax.h"
#include "support/table.h" // and QtTest

#include <cfloat>

using testing::columns, testing::fetch;
using namespace fiscora;
using Figures = QList<double>;
using Years = std::array<double, earlierYears>;

// A rule worked on the law given, for the two laws of 2012-13.
using Rule = std::function<Figures(const YearLaw&)>;

Q_DECLARE_METATYPE(Category)
Q_DECLARE_METATYPE(Years)
Q_DECLARE_METATYPE(Rule)
Q_DECLARE_METATYPE(Mode)

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

const YearLaw& enacted = law2012(Mode::Enacted);
const YearLaw& program = law2012(Mode::Program);

// The worksheet: net taxable income, gross tax, cess, total tax, balance.
Rule worksheet(const TaxInputs& in) {
    return [in](const YearLaw& under) {
        const TaxFigures t = computeTax(under, in);
        return Figures{t.netTaxableIncome, t.grossTax, t.cess, t.totalTax, t.balanceTax};
    };
}
// The HRA exempt; the grand total of chapter VI-A.
Rule exempt(const HraInputs& in) {
    return [in](const YearLaw& under) { return Figures{computeHraExemption(under, in).exemption}; };
}
Rule chapterVIA(const Section80Inputs& in) {
    return [in](const YearLaw& under) { return Figures{computeSection80(under, in).grandTotal}; };
}

TaxInputs salary(double gross, Category c = Category::General, double relief = 0,
                 double deducted = 0, double employmentTax = 0) {
    TaxInputs in;
    in.grossSalary = gross;
    in.category = c;
    in.relief89 = relief;
    in.taxDeducted = deducted;
    in.employmentTax = employmentTax;
    return in;
}

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
        // From July the new pay is read back from its cell, to 15 digits (lists compare exactly).
        QTest::newRow("increment-read-back-to-15-digits") << Figures{computePayTable(law, year(20000.123456789012, 4200)).basicPay[7]} << Figures{20730.123456789};
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
    // Each rule on the two laws: under the law as enacted, under the program's own.
    void underBothLaws_data() {
        columns<Rule, Figures, Figures>("rule", "enacted", "program");
        // clang-format off
        // Finance Act 2012, First Schedule, Part III: the scales by age.
        QTest::newRow("fa2012-iii-senior-600000-pays-46350") << worksheet(salary(600000, S)) << Figures{600000, 45000, 1350, 46350, 46350} << Figures{600000, 50000, 1500, 51500, 51500};
        QTest::newRow("fa2012-iii-senior-250000-nil") << worksheet(salary(250000, S)) << Figures{250000, 0, 0, 0, 0} << Figures{250000, 5000, 150, 5150, 5150};
        QTest::newRow("fa2012-iii-very-senior-600000") << worksheet(salary(600000, V)) << Figures{600000, 20000, 600, 20600, 20600} << Figures{600000, 50000, 1500, 51500, 51500};
        QTest::newRow("fa2012-iii-very-senior-1000000") << worksheet(salary(1000000, V)) << Figures{1000000, 100000, 3000, 103000, 103000} << Figures{1000000, 130000, 3900, 133900, 133900};
        QTest::newRow("fa2012-iii-senior-1200000") << worksheet(salary(1200000, S)) << Figures{1200000, 185000, 5550, 190550, 190550} << Figures{1200000, 190000, 5700, 195700, 195700};
        // Circular No. 8/2012 of the CBDT, Example 7: a pensioner of 60 to 79, pension less PPF.
        QTest::newRow("cbdt-8-2012-ex7-i-pension-450000-ppf-70000") << worksheet(salary(380000, S)) << Figures{380000, 13000, 390, 13390, 13390} << Figures{380000, 18000, 540, 18540, 18540};
        QTest::newRow("cbdt-8-2012-ex7-ii-pension-800000-ppf-70000") << worksheet(salary(730000, S)) << Figures{730000, 71000, 2130, 73130, 73130} << Figures{730000, 76000, 2280, 78280, 78280};
        // s.288A: paise dropped, a last figure of five or more up.
        QTest::newRow("s288a-123465-becomes-123470") << worksheet(salary(123465)) << Figures{123470, 0, 0, 0, 0} << Figures{123460, 0, 0, 0, 0};
        QTest::newRow("s288a-104.99-becomes-100") << worksheet(salary(104.99)) << Figures{100, 0, 0, 0, 0} << Figures{100, 0, 0, 0, 0};
        QTest::newRow("s288a-312345-up") << worksheet(salary(312345)) << Figures{312350, 11235, 337, 11570, 11570} << Figures{312340, 11234, 337, 11571, 11571};
        // s.288B: the tax payable and the balance to the nearest ten, the total rounded.
        QTest::newRow("s288b-11571-becomes-11570") << worksheet(salary(312340, Category::General, 0, 1234)) << Figures{312340, 11234, 337, 11570, 10340} << Figures{312340, 11234, 337, 11571, 10337};
        QTest::newRow("s288b-a-refund-rounded-alike") << worksheet(salary(312340, Category::General, 0, 20004)) << Figures{312340, 11234, 337, 11570, -8430} << Figures{312340, 11234, 337, 11571, -8433};
        // s.16(iii): tax on employment up to 2,500, from salary.
        QTest::newRow("s16iii-3000-paid-2500-allowed") << worksheet(salary(502500, Category::General, 0, 0, 3000)) << Figures{500000, 30000, 900, 30900, 30900} << Figures{502500, 30500, 915, 31415, 31415};
        QTest::newRow("s16iii-1200-paid-all-allowed") << worksheet(salary(501200, Category::General, 0, 0, 1200)) << Figures{500000, 30000, 900, 30900, 30900} << Figures{501200, 30240, 907, 31147, 31147};
        QTest::newRow("s16iii-no-more-than-the-salary") << worksheet(salary(1000, Category::General, 0, 0, 2400)) << Figures{0, 0, 0, 0, 0} << Figures{1000, 0, 0, 0, 0};
        // s.80A(2): the deductions no more than the gross total income.
        QTest::newRow("s80a2-deductions-above-income-nil") << worksheet([]{ TaxInputs in = salary(12600); in.deductions80 = 65000; return in; }()) << Figures{0, 0, 0, 0, 0} << Figures{-52400, 0, 0, 0, 0};
        // s.89 with rule 21A: the relief comes off the tax and cess together.
        QTest::newRow("s89-relief-10000-after-cess") << worksheet(salary(600000, Category::General, 10000)) << Figures{600000, 50000, 1500, 41500, 41500} << Figures{600000, 50000, 1200, 41200, 41200};
        QTest::newRow("s89-relief-above-tax-and-cess-nil") << worksheet(salary(300000, Category::General, 10500)) << Figures{300000, 10000, 300, 0, 0} << Figures{300000, 10000, 0, 0, 0};
        // s.10(13A), rule 2A: the least of the HRA drawn, rent above a tenth of salary, and half of salary in the four cities (two fifths elsewhere).
        QTest::newRow("rule2a-elsewhere-two-fifths-binds") << exempt({150000, 50000, 95000, 0, 120000, false}) << Figures{80000} << Figures{95000};
        QTest::newRow("rule2a-metro-drawn-binds") << exempt({150000, 50000, 95000, 0, 120000, true}) << Figures{95000} << Figures{95000};
        QTest::newRow("rule2a-metro-half-binds") << exempt({150000, 50000, 150000, 0, 200000, true}) << Figures{100000} << Figures{150000};
        QTest::newRow("rule2a-rent-below-a-tenth-nil") << exempt({150000, 50000, 95000, 0, 15000, true}) << Figures{0} << Figures{0};
        // s.80CCF (nil: it names the assessment years 2011-12 and 2012-13 only), s.80D as the Finance Act 2012 left it, s.80TTA: the grand total of chapter VI-A.
        QTest::newRow("s80ccf-nil-in-2012-13") << chapterVIA({.infrastructure80CCF = 20000}) << Figures{0} << Figures{20000};
        QTest::newRow("s80d-15000-and-15000") << chapterVIA({.mediclaim = 18000, .mediclaimParents = 25000}) << Figures{30000} << Figures{18000};
        QTest::newRow("s80d-self-senior-20000") << chapterVIA({.mediclaim = 25000, .mediclaimParents = 25000, .selfSenior = true}) << Figures{35000} << Figures{25000};
        QTest::newRow("s80d-parent-senior-20000") << chapterVIA({.mediclaim = 12000, .mediclaimParents = 25000, .parentSenior = true}) << Figures{32000} << Figures{12000};
        QTest::newRow("s80d-within-limits-whole") << chapterVIA({.mediclaim = 9000, .mediclaimParents = 11000}) << Figures{20000} << Figures{9000};
        QTest::newRow("s80tta-12000-allowed-10000") << chapterVIA({.savingsInterest = 12000}) << Figures{10000} << Figures{0};
        QTest::newRow("s80tta-6500-whole") << chapterVIA({.savingsInterest = 6500}) << Figures{6500} << Figures{0};
        // clang-format on
    }
    void underBothLaws() {
        auto [rule, law, own] = fetch<Rule, Figures, Figures>("rule", "enacted", "program");
        QCOMPARE(rule(enacted), law);
        QCOMPARE(rule(program), own);
    }

    // The age at any time in the year: at 31 March 2013, one born on 1 April reaching it on
    // the day before the birthday. Under the program's own law one scale serves every age.
    void age_data() {
        columns<QDate, Category>("born", "category");
        QTest::newRow("born-1952-08-15-senior") << QDate(1952, 8, 15) << Category::Senior;
        QTest::newRow("born-1953-04-01-senior-on-31-march")
            << QDate(1953, 4, 1) << Category::Senior;
        QTest::newRow("born-1953-04-02-below-60") << QDate(1953, 4, 2) << Category::General;
        QTest::newRow("born-1933-04-01-very-senior") << QDate(1933, 4, 1) << Category::VerySenior;
        QTest::newRow("born-1933-04-02-senior") << QDate(1933, 4, 2) << Category::Senior;
    }
    void age() {
        auto [born, category] = fetch<QDate, Category>("born", "category");
        const Date birth{born.year(), born.month(), born.day()};
        for (const Sex sex : {Sex::Male, Sex::Female}) { // no women's scale in 2012-13
            QCOMPARE(categoryOf(enacted, birth, sex), category);
            QCOMPARE(categoryOf(program, birth, sex), Category::General);
        }
    }

    // O.M. No. 1(8)/2012-E-II(B): DA 72% from July 2012, on pay, on transport allowance and in
    // the pension share. Basic pay 21000, grade pay 4200; the increment makes July's 21760.
    void dearnessFromJuly() {
        const PayTable law = computePayTable(enacted, year(21000, 4200));
        const PayTable own = computePayTable(program, year(21000, 4200));
        for (const int row : {julyRow, lastRow}) {
            QCOMPARE(law.da[row], 18691.0);        // 72% of 25960
            QCOMPARE(own.da[row], 18172.0);        // 70%
            QCOMPARE(*law.transport[row], 2752.0); // 1600 and 72% on it
            QCOMPARE(*own.transport[row], 2720.0);
            QCOMPARE(*law.mgc[row], 4465.0); // 10% of 25960 + 18691
        }
        QCOMPARE(law.da[julyRow - 1], own.da[julyRow - 1]); // June: 65% in both
    }

    // Form 10E, Annexure I: items 4 and 5 on the taxpayer's own scale of 2012-13 under the
    // law; Table A on each year's own scale in both. Born 1950 (senior in both years); 50000
    // of arrears of 2011-12 on an income of 160000 then; 260000 with them in 2012-13.
    void reliefOnOwnScale_data() {
        columns<Mode, Figures>("mode", "items");
        QTest::newRow("form10e-senior-scale-items-4-5")
            << Mode::Enacted << Figures{0, 210000, 50000, 260000, 1030, 0, 1030, 0, 1030};
        QTest::newRow("form10e-program-scale-below-60")
            << Mode::Program << Figures{0, 210000, 50000, 260000, 6180, 1030, 5150, 0, 5150};
    }
    void reliefOnOwnScale() {
        auto [mode, items] = fetch<Mode, Figures>("mode", "items");
        ReliefInputs in{{1950, 6, 1}, Sex::Male, {}, {}, 260000};
        in.totalIncome[6] = 160000;
        in.arrears[6] = 50000;
        const ReliefFigures f = computeRelief(in, reliefLaws(mode));
        QCOMPARE(Figures(f.items.begin(), f.items.end()), items);
        QCOMPARE(f.rows[6].category, Category::Senior);
        // The laws are arguments: a year of receipt with another cess gives other taxes.
        YearLaw moved = *reliefLaws(mode).receipt;
        moved.cessRate = 0;
        ReliefLaws laws = reliefLaws(mode);
        laws.receipt = &moved;
        QCOMPARE(computeRelief(in, laws).items[4], mode == Mode::Enacted ? 1000.0 : 6000.0);
    }

    // Every departure of the program's own law is data with its reference and both figures;
    // under the law itself there is none, and every figure of it cites its source.
    void departuresAreData() {
        QVERIFY(enacted.departures.empty());
        QCOMPARE(program.departures.size(), std::size_t(13));
        for (const Departure& d : program.departures) {
            QVERIFY(!d.reference.empty() && !d.program.empty() && !d.law.empty());
            QVERIFY(d.program != d.law);
        }
        for (const Source* s :
             {&enacted.senior->source, &enacted.verySenior->source, &enacted.pay.daFromJuly.source,
              &enacted.rounding.source, &enacted.taxRoundingUnit.source,
              &enacted.reliefAfterCess.source, &enacted.exemptions.hraMetroShare.source,
              &enacted.exemptions.employmentTaxLimit.source, &enacted.deductions.limit80TTA.source,
              &enacted.deductions.limit80DSenior.source}) {
            QVERIFY(!s->reference.empty());
            QCOMPARE(QDate::fromString(QString::fromStdString(s->from), Qt::ISODate).isValid(),
                     true);
        }
        QCOMPARE(QString::fromStdString(enacted.pay.daFromJuly.source.reference),
                 "O.M. No. 1(8)/2012-E-II(B) of 28 September 2012");
        QCOMPARE(enacted.name, program.name);
    }

    // The amounts the rules read and write: odd texts and figures (their properties: the fuzz
    // target).
    // Each row: the text, its lenient reading, and whether it is an amount under strict reading.
    void readingOddTexts_data() {
        columns<QString, double, bool>("text", "lenient", "strict");

        QTest::newRow("plain") << "30000" << 30000.0 << true;
        QTest::newRow("empty-is-0-and-no-amount") << "" << 0.0 << false;
        QTest::newRow("blank-inside-is-skipped") << "1 000" << 1000.0 << true;
        QTest::newRow("comma-ends-the-number") << "1,000" << 1.0 << false;
        QTest::newRow("letters-end-the-number") << "12abc" << 12.0 << false;
        QTest::newRow("letters-only") << "abc" << 0.0 << false;
        QTest::newRow("lone-minus") << "-" << 0.0 << false;
        QTest::newRow("lone-point") << "." << 0.0 << false;
        QTest::newRow("exponent-without-digits-is-left") << "1e" << 1.0 << false;
        QTest::newRow("exponent-sign-without-digits") << "1e+" << 1.0 << false;
        QTest::newRow("exponent") << "1e5" << 100000.0 << true;
        QTest::newRow("capital-exponent-negative") << "25E-1" << 2.5 << true;
        QTest::newRow("plus-and-leading-point") << "+.5" << 0.5 << true;
        QTest::newRow("trailing-point") << "5." << 5.0 << true;
        QTest::newRow("second-point-ends-it") << "1.2.3" << 1.2 << false;
        QTest::newRow("leading-blank") << " 5" << 5.0 << true;
        QTest::newRow("trailing-blank") << "5 " << 5.0 << true;
        QTest::newRow("tab-inside") << "1\t2" << 12.0 << true;
        QTest::newRow("line-feed-inside") << "1\n2" << 12.0 << true;
        QTest::newRow("only-a-blank") << " " << 0.0 << false;
        QTest::newRow("carriage-return-ends-it") << "1\r2" << 1.0 << false;
        QTest::newRow("negative") << "-150000" << -150000.0 << true;
        QTest::newRow("sign-then-blank") << "- 5" << -5.0 << true;
        QTest::newRow("two-signs") << "--5" << 0.0 << false;
        QTest::newRow("blank-inside-exponent") << "1 e 2" << 100.0 << true;
        QTest::newRow("hex-is-not-a-number") << "0x10" << 0.0 << false;
        QTest::newRow("infinity-word-is-not-a-number") << "inf" << 0.0 << false;
        QTest::newRow("nan-word-is-not-a-number") << "nan" << 0.0 << false;
        QTest::newRow("rupee-sign-first") << u"\u20b9100"_qs << 0.0 << false;
        QTest::newRow("devanagari-digits-are-not-digits") << u"\u0967\u0968"_qs << 0.0 << false;
        QTest::newRow("underflow-reads-as-0") << "1e-400" << 0.0 << true;
        // Beyond a double's range: infinity, for the caller to refuse; never an amount.
        QTest::newRow("beyond-range-infinite") << "1e400" << qInf() << false;
        QTest::newRow("below-range-infinite") << "-1e400" << -qInf() << false;
    }

    void readingOddTexts() {
        auto [text, lenient, strict] = fetch<QString, double, bool>("text", "lenient", "strict");
        const std::string s = text.toStdString();
        QCOMPARE(readLenient(s), lenient);
        const std::optional<double> r = readStrict(s);
        QCOMPARE(r.has_value(), strict);
        if (strict) {
            QCOMPARE(*r, lenient);
        }
    }

    void numberText_data() {
        columns<double, QString>("value", "text");

        QTest::newRow("whole") << 30000.0 << "30000";
        QTest::newRow("half") << 2.5 << "2.5";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative-zero") << -0.0 << "0";
        QTest::newRow("negative") << -20904.0 << "-20904";
        QTest::newRow("negative-fraction") << -0.25 << "-0.25";
        QTest::newRow("tiny-in-full") << 1e-20 << "0.00000000000000000001";
        QTest::newRow("1e20-in-full") << 1e20 << "100000000000000000000";
        QTest::newRow("15-significant-digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("16-digits-rounded-to-15") << 1234567890123456.0 << "1234567890123460";
        QTest::newRow("binary-noise-dropped") << 0.1 + 0.2 << "0.3";
        QTest::newRow("rounds-up-to-next-power") << 9.9999999999999999e5 << "1000000";
        QTest::newRow("largest-double-has-no-exponent")
            << DBL_MAX << "179769313486232" + QString(294, '0');
        QTest::newRow("infinity-is-never-written") << qInf() << "0";
    }

    void numberText() {
        auto [value, text] = fetch<double, QString>("value", "text");
        QCOMPARE(QString::fromStdString(fiscora::numberText(value)), text);
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
