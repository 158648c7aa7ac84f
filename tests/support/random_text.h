#pragma once
// Random texts as a user might type them, for the monkey and for random years.
#include <QString>
#include <QStringList>
#include <random>

namespace testing {

// What a user might type: figures of every size and sign, texts that are partly or not at all
// a number, other scripts' digits.
inline QString textFor(std::mt19937_64& random) {
    static const QStringList odd =
        QString::fromUtf8(
            "1e308|-1e308|1e309|9e307|1E+5|e5|-|.|-.5|1.2.3|1,000| |0x1A|00012|-0|2.5|12e|\t7|"
            "99999999999999999999|१२३४|１２３|₹5,000|漢字|\u200b7|Y|N|X|NA|Oth.")
            .split('|');
    switch (random() % 4) {
    case 0:
        return QString::number(qint64(random() % 2'000'000) - 100'000);
    case 1:
        return odd[qsizetype(random() % std::size_t(odd.size()))];
    case 2: // near the end of a double's range, where sums overflow
        return QStringLiteral("%1.%2e30%3")
            .arg(1 + random() % 9)
            .arg(random() % 100)
            .arg(5 + random() % 4);
    default: // beyond a double's range as typed
        return QStringLiteral("%1e400").arg(random() % 10);
    }
}

} // namespace testing
