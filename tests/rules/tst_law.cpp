// 2012-13 under the Income-tax Act as enacted, against the program's own figures: each row
// is named for the provision or table it is worked from, and for what it shows. A row fails
// when its provision is undone (the law mode worked as the program's own).
#include "rules/hra_exemption.h"
#include "rules/pay_table.h"
#include "rules/relief89.h"
#include "rules/section80.h"
#include "rules/tax.h"
#include "support/table.h" // and QtTest

using testing::columns, testing::fetch;
using namespace fiscora;
using Figures = QList<double>;

Q_DECLARE_METATYPE(Category)
Q_DECLARE_METATYPE(TaxInputs)
Q_DECLARE_METATYPE(HraInputs)
Q_DECLARE_METATYPE(Section80Inputs)
Q_DECLARE_METATYPE(ReliefInputs)
Q_DECLARE_METATYPE(Mode)

namespace {

const YearLaw& enacted = law2012(Mode::Enacted);
const YearLaw& program = law2012(Mode::Program);

// net taxable income, gross tax, cess, total tax, balance
Figures tax(const YearLaw& law, const TaxInputs& in) {
    const TaxFigures t = computeTax(law, in);
    return {t.netTaxableIncome, t.grossTax, t.cess, t.totalTax, t.balanceTax};
}

TaxInputs income(double gross, Category c = Category::General, double relief = 0,
                 double deducted = 0, double employmentTax = 0) {
    TaxInputs in;
    in.grossSalary = gross;
    in.category = c;
    in.relief89 = relief;
    in.taxDeducted = deducted;
    in.employmentTax = employmentTax;
    return in;
}

Section80Inputs mediclaim(double family, double parents, bool selfSenior, bool parentSenior) {
    Section80Inputs in;
    in.mediclaim = family;
    in.mediclaimParents = parents;
    in.selfSenior = selfSenior;
    in.parentSenior = parentSenior;
    return in;
}

} // namespace

class TestLaw : public QObject {
    Q_OBJECT
private slots:
    void worksheet_data() {
        columns<TaxInputs, Figures, Figures>("in", "enacted", "program");
        const auto S = Category::Senior, V = Category::VerySenior;
        // clang-format off
        // Finance Act 2012, First Schedule, Part III: the scales by age.
        QTest::newRow("fa2012-iii-senior-600000-pays-46350") << income(600000, S) << Figures{600000, 45000, 1350, 46350, 46350} << Figures{600000, 50000, 1500, 51500, 51500};
        QTest::newRow("fa2012-iii-senior-250000-nil") << income(250000, S) << Figures{250000, 0, 0, 0, 0} << Figures{250000, 5000, 150, 5150, 5150};
        QTest::newRow("fa2012-iii-very-senior-600000") << income(600000, V) << Figures{600000, 20000, 600, 20600, 20600} << Figures{600000, 50000, 1500, 51500, 51500};
        QTest::newRow("fa2012-iii-very-senior-1000000") << income(1000000, V) << Figures{1000000, 100000, 3000, 103000, 103000} << Figures{1000000, 130000, 3900, 133900, 133900};
        QTest::newRow("fa2012-iii-senior-1200000") << income(1200000, S) << Figures{1200000, 185000, 5550, 190550, 190550} << Figures{1200000, 190000, 5700, 195700, 195700};
        // Circular No. 8/2012 of the CBDT, Example 7: a pensioner of 60 to 79, pension less PPF.
        QTest::newRow("cbdt-8-2012-ex7-i-pension-450000-ppf-70000") << income(380000, S) << Figures{380000, 13000, 390, 13390, 13390} << Figures{380000, 18000, 540, 18540, 18540};
        QTest::newRow("cbdt-8-2012-ex7-ii-pension-800000-ppf-70000") << income(730000, S) << Figures{730000, 71000, 2130, 73130, 73130} << Figures{730000, 76000, 2280, 78280, 78280};
        // s.288A: paise dropped, a last figure of five or more up.
        QTest::newRow("s288a-123465-becomes-123470") << income(123465) << Figures{123470, 0, 0, 0, 0} << Figures{123460, 0, 0, 0, 0};
        QTest::newRow("s288a-104.99-becomes-100") << income(104.99) << Figures{100, 0, 0, 0, 0} << Figures{100, 0, 0, 0, 0};
        QTest::newRow("s288a-312345-up") << income(312345) << Figures{312350, 11235, 337, 11570, 11570} << Figures{312340, 11234, 337, 11571, 11571};
        // s.288B: the tax payable and the balance to the nearest ten, the total rounded.
        QTest::newRow("s288b-11571-becomes-11570") << income(312340, Category::General, 0, 1234) << Figures{312340, 11234, 337, 11570, 10340} << Figures{312340, 11234, 337, 11571, 10337};
        QTest::newRow("s288b-a-refund-rounded-alike") << income(312340, Category::General, 0, 20004) << Figures{312340, 11234, 337, 11570, -8430} << Figures{312340, 11234, 337, 11571, -8433};
        // s.16(iii): tax on employment up to 2,500, from salary.
        QTest::newRow("s16iii-3000-paid-2500-allowed") << income(502500, Category::General, 0, 0, 3000) << Figures{500000, 30000, 900, 30900, 30900} << Figures{502500, 30500, 915, 31415, 31415};
        QTest::newRow("s16iii-1200-paid-all-allowed") << income(501200, Category::General, 0, 0, 1200) << Figures{500000, 30000, 900, 30900, 30900} << Figures{501200, 30240, 907, 31147, 31147};
        QTest::newRow("s16iii-no-more-than-the-salary") << income(1000, Category::General, 0, 0, 2400) << Figures{0, 0, 0, 0, 0} << Figures{1000, 0, 0, 0, 0};
        // s.80A(2): the deductions no more than the gross total income.
        QTest::newRow("s80a2-deductions-above-income-nil") << []{ TaxInputs in = income(12600); in.deductions80 = 65000; return in; }() << Figures{0, 0, 0, 0, 0} << Figures{-52400, 0, 0, 0, 0};
        // s.89 with rule 21A: the relief comes off the tax and cess together.
        QTest::newRow("s89-relief-10000-after-cess") << income(600000, Category::General, 10000) << Figures{600000, 50000, 1500, 41500, 41500} << Figures{600000, 50000, 1200, 41200, 41200};
        QTest::newRow("s89-relief-above-tax-and-cess-nil") << income(300000, Category::General, 10500) << Figures{300000, 10000, 300, 0, 0} << Figures{300000, 10000, 0, 0, 0};
        // clang-format on
    }
    void worksheet() {
        auto [in, law, own] = fetch<TaxInputs, Figures, Figures>("in", "enacted", "program");
        QCOMPARE(tax(enacted, in), law);
        QCOMPARE(tax(program, in), own);
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
        PayInputs in;
        in.basicPay.fill(21000);
        in.gradePay.fill(4200);
        in.hraClass = HraClass::X;
        in.transportClass = TransportClass::A;
        in.pensionScheme = PensionScheme::Member;
        const PayTable law = computePayTable(enacted, in);
        const PayTable own = computePayTable(program, in);
        for (const int row : {julyRow, lastRow}) {
            QCOMPARE(law.da[row], 18691.0);        // 72% of 25960
            QCOMPARE(own.da[row], 18172.0);        // 70%
            QCOMPARE(*law.transport[row], 2752.0); // 1600 and 72% on it
            QCOMPARE(*own.transport[row], 2720.0);
            QCOMPARE(*law.mgc[row], 4465.0); // 10% of 25960 + 18691
        }
        QCOMPARE(law.da[julyRow - 1], own.da[julyRow - 1]); // June: 65% in both
    }

    // s.10(13A), rule 2A: the least of the HRA drawn, rent above a tenth of salary, and half
    // of salary in the four cities (two fifths elsewhere).
    void hra_data() {
        columns<HraInputs, double, double>("in", "enacted", "program");
        QTest::newRow("rule2a-elsewhere-two-fifths-binds")
            << HraInputs{150000, 50000, 95000, 0, 120000, false} << 80000.0 << 95000.0;
        QTest::newRow("rule2a-metro-drawn-binds")
            << HraInputs{150000, 50000, 95000, 0, 120000, true} << 95000.0 << 95000.0;
        QTest::newRow("rule2a-metro-half-binds")
            << HraInputs{150000, 50000, 150000, 0, 200000, true} << 100000.0 << 150000.0;
        QTest::newRow("rule2a-rent-below-a-tenth-nil")
            << HraInputs{150000, 50000, 95000, 0, 15000, true} << 0.0 << 0.0;
    }
    void hra() {
        auto [in, law, own] = fetch<HraInputs, double, double>("in", "enacted", "program");
        QCOMPARE(computeHraExemption(enacted, in).exemption, law);
        QCOMPARE(computeHraExemption(program, in).exemption, own);
    }

    // s.80CCF (nil: it names the assessment years 2011-12 and 2012-13 only), s.80D as the
    // Finance Act 2012 left it, s.80TTA: the grand total of chapter VI-A.
    void deductions_data() {
        columns<Section80Inputs, double, double>("in", "enacted", "program");
        Section80Inputs bonds;
        bonds.infrastructure80CCF = 20000;
        QTest::newRow("s80ccf-nil-in-2012-13") << bonds << 0.0 << 20000.0;
        QTest::newRow("s80d-15000-and-15000")
            << mediclaim(18000, 25000, false, false) << 30000.0 << 18000.0;
        QTest::newRow("s80d-self-senior-20000")
            << mediclaim(25000, 25000, true, false) << 35000.0 << 25000.0;
        QTest::newRow("s80d-parent-senior-20000")
            << mediclaim(12000, 25000, false, true) << 32000.0 << 12000.0;
        QTest::newRow("s80d-within-limits-whole")
            << mediclaim(9000, 11000, false, false) << 20000.0 << 9000.0;
        Section80Inputs savings;
        savings.savingsInterest = 12000;
        QTest::newRow("s80tta-12000-allowed-10000") << savings << 10000.0 << 0.0;
        savings.savingsInterest = 6500;
        QTest::newRow("s80tta-6500-whole") << savings << 6500.0 << 0.0;
    }
    void deductions() {
        auto [in, law, own] = fetch<Section80Inputs, double, double>("in", "enacted", "program");
        QCOMPARE(computeSection80(enacted, in).grandTotal, law);
        QCOMPARE(computeSection80(program, in).grandTotal, own);
    }

    // Form 10E, Annexure I: items 4 and 5 on the taxpayer's own scale of 2012-13 under the
    // law; Table A on each year's own scale in both. Born 1950 (senior in both years); 50000
    // of arrears of 2011-12 on an income of 160000 then; 260000 with them in 2012-13.
    void relief_data() {
        columns<Mode, Figures>("mode", "items");
        QTest::newRow("form10e-senior-scale-items-4-5")
            << Mode::Enacted << Figures{0, 210000, 50000, 260000, 1030, 0, 1030, 0, 1030};
        QTest::newRow("form10e-program-scale-below-60")
            << Mode::Program << Figures{0, 210000, 50000, 260000, 6180, 1030, 5150, 0, 5150};
    }
    void relief() {
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
};

QTEST_APPLESS_MAIN(TestLaw)
#include "tst_law.moc"
