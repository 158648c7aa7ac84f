// Reading and writing amounts, what every form relies on to turn text into figures: odd texts
// and figures by table, then a bounded randomized run of the properties every text and every
// figure keeps (FISCORA_FUZZ_SEED and FISCORA_FUZZ_ROUNDS make another run), rounding included.
#include "amount_properties.h"
#include "support/table.h"

#include <QtTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using testing::columns, testing::fetch;
using namespace fiscora;

class TestAmount : public QObject {
    Q_OBJECT
    const quint64 seed = qEnvironmentVariableIsSet("FISCORA_FUZZ_SEED")
                             ? qgetenv("FISCORA_FUZZ_SEED").toULongLong()
                             : 20121213;
    const int rounds = qEnvironmentVariableIsSet("FISCORA_FUZZ_ROUNDS")
                           ? qEnvironmentVariableIntValue("FISCORA_FUZZ_ROUNDS")
                           : 30000;

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
        QTest::newRow("rupee-sign-first") << QString::fromUtf8("\u20b9100") << 0.0 << false;
        QTest::newRow("devanagari-digits-are-not-digits")
            << QString::fromUtf8("\u0967\u0968") << 0.0 << false;
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
        QTest::newRow("small-fraction-in-full") << 0.000012 << "0.000012";
        QTest::newRow("tiny-in-full") << 1e-20 << "0.00000000000000000001";
        QTest::newRow("1e20-in-full") << 1e20 << "100000000000000000000";
        QTest::newRow("1e15") << 1e15 << "1000000000000000";
        QTest::newRow("15-significant-digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("16-digits-rounded-to-15") << 1234567890123456.0 << "1234567890123460";
        QTest::newRow("binary-noise-dropped") << 0.1 + 0.2 << "0.3";
        QTest::newRow("556.2") << 556.2 << "556.2";
        QTest::newRow("rounds-up-to-next-power") << 9.9999999999999999e5 << "1000000";
        QTest::newRow("largest-double-has-no-exponent")
            << std::numeric_limits<double>::max() << QString("179769313486232") + QString(294, '0');
        QTest::newRow("infinity-is-never-written")
            << std::numeric_limits<double>::infinity() << "0";
    }

    void numberText() {
        auto [value, text] = fetch<double, QString>("value", "text");
        QCOMPARE(QString::fromStdString(fiscora::numberText(value)), text);
    }

    void randomTexts() {
        std::mt19937_64 rng(seed);
        static const char alphabet[] = "0123456789000111555999+-..eE \t\n,xa\r";
        for (int i = 0; i < rounds; ++i) {
            std::string text(rng() % 25, ' ');
            for (char& c : text) { // mostly number-like characters, now and then any byte at all
                c = rng() % 16 ? alphabet[rng() % std::strlen(alphabet)] : char(1 + rng() % 255);
            }
            const std::string why = properties::checkText(text);
            QVERIFY2(why.empty(),
                     qPrintable(QString("seed %1 text \"%2\": %3")
                                    .arg(seed)
                                    .arg(QString::fromLatin1(text.c_str()), why.c_str())));
        }
    }

    void randomFigures() {
        std::mt19937_64 rng(seed);
        for (int i = 0; i < rounds; ++i) {
            double x;
            const std::uint64_t bits = rng();
            std::memcpy(&x, &bits, sizeof x); // any double at all
            const double half = double(rng() % 2'000'000) - 1e6 + 0.5;
            for (double figure : {x, half, std::ldexp(x, -1000)}) {
                std::string why = properties::checkRounding(figure);
                if (why.empty() && std::isfinite(figure)) {
                    why = properties::checkText(fiscora::numberText(figure));
                }
                QVERIFY2(why.empty(), qPrintable(QString("seed %1 figure %2: %3")
                                                     .arg(seed)
                                                     .arg(figure, 0, 'g', 17)
                                                     .arg(why.c_str())));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestAmount)
#include "tst_amount.moc"
