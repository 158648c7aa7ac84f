// The limits of section 80 for 2012-13, from the form's figures.
#include "deductions/section80.h"

#include <QtTest>

using fiscora::Section80Figures;
using fiscora::Section80Inputs;

Q_DECLARE_METATYPE(Section80Inputs)
Q_DECLARE_METATYPE(Section80Figures)

class TestSection80 : public QObject {
    Q_OBJECT
private slots:
    void computation_data();
    void computation();
    void mediclaimLimit_data();
    void mediclaimLimit();
};

void TestSection80::computation_data() {
    QTest::addColumn<Section80Inputs>("in");
    QTest::addColumn<Section80Figures>("out");
    // Expected: 80C total, 80C+80CCC+80CCD(1), after the limit with 80CCD(2), 80CCF allowed,
    // grand total.

    QTest::newRow("worked-example") << Section80Inputs{.gpf = 60000,
                                                       .lifeInsurance = 30000,
                                                       .ppf = 20000,
                                                       .jeevanSuraksha = 10000,
                                                       .npsEmployee = 12000,
                                                       .npsGovernment = 12000,
                                                       .infrastructure80CCF = 25000,
                                                       .mediclaim = 20000,
                                                       .donations = 5000}
                                    << Section80Figures{110000, 132000, 112000, 20000, 157000};
    QTest::newRow("all-zero") << Section80Inputs{} << Section80Figures{};
    QTest::newRow("80cce-exactly-100000-not-limited")
        << Section80Inputs{.gpf = 100000, .npsGovernment = 5000}
        << Section80Figures{100000, 100000, 105000, 0, 105000};
    QTest::newRow("80cce-one-rupee-over-cut-to-100000")
        << Section80Inputs{.ppf = 90000,
                           .jeevanSuraksha = 10000,
                           .npsEmployee = 1,
                           .npsGovernment = 5000}
        << Section80Figures{90000, 100001, 105000, 0, 105000};
    QTest::newRow("80cce-half-rupee-over-cut-to-100000")
        << Section80Inputs{.gpf = 100000.5}
        << Section80Figures{100000.5, 100000.5, 100000, 0, 100000};
    QTest::newRow("80c-items-alone-above-limit")
        << Section80Inputs{.gpf = 250000} << Section80Figures{250000, 250000, 100000, 0, 100000};
    QTest::newRow("government-share-outside-limit")
        << Section80Inputs{.npsEmployee = 120000, .npsGovernment = 120000}
        << Section80Figures{0, 120000, 220000, 0, 220000};
    QTest::newRow("every-80c-item-counted-once") << Section80Inputs{.gpf = 1024,
                                                                    .cgegis = 1,
                                                                    .houseBuildingAdvance = 2,
                                                                    .lifeInsurance = 4,
                                                                    .ppf = 8,
                                                                    .nsc = 16,
                                                                    .nscInterest = 32,
                                                                    .tuitionChild1 = 64,
                                                                    .tuitionChild2 = 128,
                                                                    .infrastructureBonds = 256,
                                                                    .otherSavings = 512}
                                                 << Section80Figures{2047, 2047, 2047, 0, 2047};
    QTest::newRow("80ccf-exactly-20000-stays")
        << Section80Inputs{.infrastructure80CCF = 20000} << Section80Figures{0, 0, 0, 20000, 20000};
    QTest::newRow("80ccf-20001-cut-to-20000")
        << Section80Inputs{.infrastructure80CCF = 20001} << Section80Figures{0, 0, 0, 20000, 20000};
    QTest::newRow("80g-and-others-in-full")
        << Section80Inputs{.donations = 250000, .otherDeductions = 7000}
        << Section80Figures{0, 0, 0, 0, 257000};
    QTest::newRow("fractions-kept") << Section80Inputs{.gpf = 0.25,
                                                       .jeevanSuraksha = 0.5,
                                                       .npsGovernment = 0.125,
                                                       .mediclaim = 0.5}
                                    << Section80Figures{0.25, 0.75, 0.875, 0, 1.375};
    QTest::newRow("negative-figures-not-floored")
        << Section80Inputs{.gpf = -5000, .infrastructure80CCF = -300}
        << Section80Figures{-5000, -5000, -5000, -300, -5300};
}

void TestSection80::computation() {
    QFETCH(Section80Inputs, in);
    QFETCH(Section80Figures, out);
    const Section80Figures f = fiscora::computeSection80(in);
    QCOMPARE(f.total80C, out.total80C);
    QCOMPARE(f.combinedBeforeLimit, out.combinedBeforeLimit);
    QCOMPARE(f.combined, out.combined);
    QCOMPARE(f.allowed80CCF, out.allowed80CCF);
    QCOMPARE(f.grandTotal, out.grandTotal);
}

void TestSection80::mediclaimLimit_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("above");
    QTest::newRow("30000-at-limit") << "30000" << false;
    QTest::newRow("30001-above") << "30001" << true;
    QTest::newRow("30000.01-above") << "30000.01" << true;
    QTest::newRow("300001-sixth-digit") << "300001" << true;
    QTest::newRow("3e4-at-limit") << "3e4" << false;
    QTest::newRow("blanks-inside-figure") << "3 0001" << true;
    QTest::newRow("negative") << "-50000" << false;
    QTest::newRow("lone-minus") << "-" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("blank") << " " << false;
    // Calculate would read the leading figure: it must not get past the limit that way.
    QTest::newRow("letters-after-figure-above") << "40000abc" << true;
    QTest::newRow("letters-after-figure-below") << "20000abc" << false;
    QTest::newRow("beyond-range") << "1e400" << true;
}

void TestSection80::mediclaimLimit() {
    QFETCH(QString, text);
    QFETCH(bool, above);
    QCOMPARE(fiscora::above80DLimit(text.toStdString()), above);
}

QTEST_APPLESS_MAIN(TestSection80)
#include "tst_section80.moc"
