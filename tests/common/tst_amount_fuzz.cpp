// A bounded randomized run over the amount rules: texts built from the characters that
// matter to a number, and figures across the whole range of a double. FISCORA_FUZZ_SEED
// and FISCORA_FUZZ_ROUNDS make another run.
#include "amount_properties.h"

#include <QtTest>
#include <cstring>
#include <random>

class TestAmountFuzz : public QObject {
    Q_OBJECT
    const quint64 seed = qEnvironmentVariableIsSet("FISCORA_FUZZ_SEED")
                             ? qgetenv("FISCORA_FUZZ_SEED").toULongLong()
                             : 20121213;
    const int rounds = qEnvironmentVariableIsSet("FISCORA_FUZZ_ROUNDS")
                           ? qEnvironmentVariableIntValue("FISCORA_FUZZ_ROUNDS")
                           : 30000;

private slots:
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

QTEST_APPLESS_MAIN(TestAmountFuzz)
#include "tst_amount_fuzz.moc"
