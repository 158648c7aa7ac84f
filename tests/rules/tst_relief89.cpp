// The tax of 2005-06 to 2012-13 on each year's own law, the category of each year, and
// relief under s.89(1) as Form 10E, Annexure I works it out.
#include "rules/relief89.h"

#include <QtTest>

using namespace fiscora;
using Years = std::array<double, earlierYears>;
using Figures = QList<double>;

Q_DECLARE_METATYPE(Category)
Q_DECLARE_METATYPE(Years)

namespace {

constexpr int receipt = earlierYears; // the row of 2012-13 in these tables

const YearLaw& yearAt(int row) {
    return row == receipt ? law2012() : earlierLaw(row);
}

const auto G = Category::General, W = Category::Woman, S = Category::Senior,
           V = Category::VerySenior;

} // namespace

class TestRelief89 : public QObject {
    Q_OBJECT
private slots:
    void taxOfYear_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<Category>("category");
        QTest::addColumn<double>("income");
        QTest::addColumn<double>("tax"); // slab tax + surcharge + cess
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
        QFETCH(int, year);
        QFETCH(Category, category);
        QFETCH(double, income);
        QFETCH(double, tax);
        QCOMPARE(fiscora::taxOfYear(yearAt(year), category, income), tax);
    }

    void category_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<bool>("female");
        QTest::addColumn<Category>("category");
        QTest::addColumn<bool>("seniorInReceipt"); // 60 or more on 31 March 2013
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
        QFETCH(int, year);
        QFETCH(QDate, birth);
        QFETCH(bool, female);
        QFETCH(Category, category);
        QFETCH(bool, seniorInReceipt);
        const Date d{birth.year(), birth.month(), birth.day()};
        QCOMPARE(categoryOf(yearAt(year), d, female ? Sex::Female : Sex::Male), category);
        QCOMPARE(seniorInYearOfReceipt(d), seniorInReceipt);
    }

    // Male, born 01/01/1960, so General in every year.
    void relief_data() {
        QTest::addColumn<Years>("income");
        QTest::addColumn<Years>("arrears");
        QTest::addColumn<double>("item3");
        QTest::addColumn<Figures>("items");   // items 0 (unused) to 8
        QTest::addColumn<Figures>("row2011"); // income with arrears, both taxes, difference
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
        QFETCH(Years, income);
        QFETCH(Years, arrears);
        QFETCH(double, item3);
        QFETCH(Figures, items);
        QFETCH(Figures, row2011);
        ReliefInputs in;
        in.birth = {1960, 1, 1};
        in.totalIncome = income;
        in.arrears = arrears;
        in.incomeWithArrears = item3;
        const ReliefFigures f = computeRelief(in);
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

    void names() {
        QCOMPARE(QString::fromStdString(earlierYearName(6)), QString("2011-12"));
        QCOMPARE(QString::fromStdString(categoryName(V)), QString("Very senior"));
    }

    // A copy of the year with one figure moved gives another tax: the rules read the data.
    void rulesReadTheLaw() {
        YearLaw year = law2012();
        year.general[0].from = 250000;
        QCOMPARE(fiscora::taxOfYear(year, G, 505000), 26780.0); // 26000 + 780
        year.cessRate = 0.02;
        year.surcharge = Surcharge{0.10, 500000, false};
        QCOMPARE(fiscora::taxOfYear(year, G, 505000), 29172.0); // 26000 + 2600 + 572
    }
};

QTEST_APPLESS_MAIN(TestRelief89)
#include "tst_relief89.moc"
