// The list of keys in docs/year-file.md is the schema's, written out: a key added, renamed or
// given another limit without the page following fails here. FISCORA_UPDATE_DOCS=1 writes the
// list afresh from the schema (then read the diff and commit it).
#include "year/schema.h"

#include <QFile>
#include <QtTest>

namespace {

const QString begin = QStringLiteral("<!-- The keys, written from the program's schema. -->\n");
const QString end = QStringLiteral("<!-- End of the keys. -->\n");

QString kindName(const year::Key& key) {
    switch (key.kind) {
    case year::Kind::Text:
        return QStringLiteral("field");
    case year::Kind::Selection:
        return QStringLiteral("selection");
    case year::Kind::Option:
        return QStringLiteral("option (%1)").arg(key.group);
    case year::Kind::Check:
        return QStringLiteral("check box");
    case year::Kind::Date:
        return QStringLiteral("date");
    }
    return {};
}

QString written(const year::Key& key) {
    switch (key.kind) {
    case year::Kind::Option:
        return key.design == QLatin1String("1") ? QStringLiteral("`true`")
                                                : QStringLiteral("`false`");
    case year::Kind::Check:
        return QStringLiteral("`%1`").arg(key.design);
    default:
        return QStringLiteral("`\"%1\"`").arg(key.design);
    }
}

QString keysText() {
    QString text;
    for (const year::FormSchema& form : year::schema()) {
        text += QStringLiteral("\n### `%1`\n\n| Key | Kind | Design | Longest | What it holds |\n"
                               "|---|---|---|---|---|\n")
                    .arg(form.name);
        for (const year::Key& key : form.keys) {
            const bool text_ = key.kind == year::Kind::Text || key.kind == year::Kind::Selection;
            QString longest = text_ ? QString::number(key.longest) : QString();
            if (key.typed < key.longest) {
                longest += QStringLiteral(" (typed: %1)").arg(key.typed);
            }
            text += QStringLiteral("| `%1` | %2 | %3 | %4 | %5 |\n")
                        .arg(key.name, kindName(key), written(key), longest,
                             QString(key.what).replace('|', "\\|"));
        }
    }
    return text + '\n';
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT
private slots:
    void docsListEveryKey() {
        QFile file(QStringLiteral(FISCORA_DOCS "/year-file.md"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString page = QString::fromUtf8(file.readAll());
        const qsizetype from = page.indexOf(begin), to = page.indexOf(end);
        QVERIFY2(from >= 0 && to > from, "the page has no list of keys");
        const QString listed = page.mid(from + begin.size(), to - from - begin.size());
        if (qEnvironmentVariableIsSet("FISCORA_UPDATE_DOCS")) {
            page.replace(from + begin.size(), listed.size(), keysText());
            file.close();
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(page.toUtf8());
            return;
        }
        QCOMPARE(listed, keysText());
    }
};

QTEST_MAIN(TestSchema)
#include "tst_schema.moc"
