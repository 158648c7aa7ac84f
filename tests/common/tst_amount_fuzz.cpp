// A bounded randomized run over the amount rules: texts built from the characters that
// matter to a number, and figures across the whole range of a double.
#include "amount_properties.h"

#include <QtTest>
#include <cstring>
#include <random>

class TestAmountFuzz : public QObject {
    Q_OBJECT
private slots:
    void randomTexts();
    void randomFigures();
};

namespace {

std::uint64_t seed() {
    if (const char* s = std::getenv("FISCORA_FUZZ_SEED")) {
        return std::strtoull(s, nullptr, 10);
    }
    return 20121213;
}

int rounds() {
    if (const char* s = std::getenv("FISCORA_FUZZ_ROUNDS")) {
        return std::atoi(s);
    }
    return 30000;
}

} // namespace

void TestAmountFuzz::randomTexts() {
    std::mt19937_64 rng(seed());
    static const char alphabet[] = "0123456789000111555999+-..eE \t\n,xa\r";
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, std::strlen(alphabet) - 1);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int i = 0; i < rounds(); ++i) {
        std::string text;
        const int n = length(rng);
        for (int k = 0; k < n; ++k) {
            // Mostly number-like characters, now and then any byte at all.
            text.push_back(rng() % 16 ? alphabet[pick(rng)] : static_cast<char>(byte(rng)));
        }
        const std::string why = properties::checkText(text);
        QVERIFY2(why.empty(), qPrintable(QString("seed %1 text \"%2\": %3")
                                             .arg(seed())
                                             .arg(QString::fromLatin1(text.c_str()))
                                             .arg(QString::fromStdString(why))));
    }
}

void TestAmountFuzz::randomFigures() {
    std::mt19937_64 rng(seed());
    std::uniform_real_distribution<double> halves(-1e6, 1e6);
    for (int i = 0; i < rounds(); ++i) {
        double x;
        std::uint64_t bits = rng();
        std::memcpy(&x, &bits, sizeof x); // any double at all
        const double half = std::floor(halves(rng)) + 0.5;
        for (double figure : {x, half, std::ldexp(x, -1000)}) {
            const std::string why = properties::checkRounding(figure);
            QVERIFY2(why.empty(), qPrintable(QString("seed %1 figure %2: %3")
                                                 .arg(seed())
                                                 .arg(figure, 0, 'g', 17)
                                                 .arg(QString::fromStdString(why))));
            if (std::isfinite(figure)) {
                const std::string text = fiscora::numberText(figure);
                const std::string back = properties::checkText(text);
                QVERIFY2(back.empty(), qPrintable(QString::fromStdString(text + ": " + back)));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestAmountFuzz)
#include "tst_amount_fuzz.moc"
