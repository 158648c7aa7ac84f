// Amounts read and written: odd texts and figures (their properties: the fuzz target).
#include "common/amount.h"
#include "support/table.h"

#include <cfloat>

using testing::columns, testing::fetch;
using namespace fiscora;

class TestAmount : public QObject {
    Q_OBJECT

private slots:
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

QTEST_APPLESS_MAIN(TestAmount)
#include "tst_amount.moc"
