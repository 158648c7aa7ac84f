#include "year/file.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>
#include <optional>

namespace year {

namespace {

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QJsonValue toJsonValue(const Key& key, const QString& text) {
    switch (key.kind) {
    case Kind::Option:
        return text == QLatin1String("1");
    case Kind::Check:
        return text == QLatin1String("1") ? 1 : 0;
    case Kind::Text:
    case Kind::Selection:
    case Kind::Date:
        break;
    }
    return text;
}

// The text of one key as the file gives it, or what is wrong with it.
std::variant<QString, QString> keyText(const Key& key, const QJsonValue& json,
                                       const QString& where) {
    using Result = std::variant<QString, QString>;
    const auto problem = [&where](const QString& what) {
        return Result(std::in_place_index<1>, where + what);
    };
    switch (key.kind) {
    case Kind::Text:
    case Kind::Selection: {
        if (!json.isString()) {
            return problem(QStringLiteral(" is not a text"));
        }
        const QString text = json.toString();
        if (text.size() > key.longest) {
            return problem(QStringLiteral(" is longer than its field allows (%1 characters)")
                               .arg(key.longest));
        }
        return Result(std::in_place_index<0>, text);
    }
    case Kind::Date: {
        const QDate date = QDate::fromString(json.toString(), Qt::ISODate);
        // Only the plain ISO form: "1958-08-15", nothing more, nothing less.
        if (!json.isString() || !date.isValid() || date.toString(Qt::ISODate) != json.toString() ||
            date < QDate::fromString(QLatin1String(earliestBirth), Qt::ISODate) ||
            date > QDate::fromString(QLatin1String(latestBirth), Qt::ISODate)) {
            return problem(QStringLiteral(" is not a date between %1 and %2 written as %1")
                               .arg(QLatin1String(earliestBirth), QLatin1String(latestBirth)));
        }
        return Result(std::in_place_index<0>, json.toString());
    }
    case Kind::Option:
        if (!json.isBool()) {
            return problem(QStringLiteral(" is not true or false"));
        }
        return Result(std::in_place_index<0>, QLatin1String(json.toBool() ? "1" : "0"));
    case Kind::Check: {
        if (!json.isDouble() || !std::isfinite(json.toDouble())) {
            return problem(QStringLiteral(" is not a number"));
        }
        const double figure = json.toDouble();
        if (figure != 0 && figure != 1) {
            return problem(QStringLiteral(" is not 0 or 1"));
        }
        return Result(std::in_place_index<0>, QLatin1String(figure == 1 ? "1" : "0"));
    }
    }
    return problem(QStringLiteral(" is of a kind this program does not know"));
}

// What is wrong with the heading of the file (format, version, year), if anything.
std::optional<QString> headingProblem(const QJsonObject& top) {
    if (top.value(QLatin1String("format")) != QJsonValue(QLatin1String(format))) {
        return QStringLiteral("it is not a year file of Fiscora1213 (\"format\" is not \"%1\")")
            .arg(QLatin1String(format));
    }
    const QJsonValue v = top.value(QLatin1String("version"));
    if (!v.isDouble() || !std::isfinite(v.toDouble())) {
        return QStringLiteral("its \"version\" is not a number");
    }
    const double number = v.toDouble();
    if (number > version) {
        return QStringLiteral("it was written by a later version of the program (year file "
                              "version %1; this one reads version %2)")
            .arg(number)
            .arg(version);
    }
    if (number != version) {
        return QStringLiteral("its \"version\" %1 is not one this program knows").arg(number);
    }
    if (top.value(QLatin1String("year")) != QJsonValue(QLatin1String(yearName))) {
        return QStringLiteral("it is not a year of %1 (\"year\" is not \"%1\")")
            .arg(QLatin1String(yearName));
    }
    return std::nullopt;
}

// Options of a group exclude one another: one the file selects deselects the others, and
// the group must then hold exactly one selected.
std::optional<QString> groupProblem(FormRecord& form, const QJsonObject& given) {
    const std::vector<Key>& keys = form.schema().keys;
    for (const Key& key : keys) {
        if (key.kind != Kind::Option || given.value(key.name) != QJsonValue(true)) {
            continue;
        }
        for (const Key& other : keys) {
            if (other.group == key.group && other.name != key.name) {
                if (given.value(other.name) == QJsonValue(true)) {
                    return quoted(form.name()) + QStringLiteral(" options %1 and %2 are both "
                                                                "selected; choose one")
                                                     .arg(quoted(key.name), quoted(other.name));
                }
                form.setOn(other.name, false);
            }
        }
    }
    for (const Key& key : keys) {
        if (key.kind != Kind::Option) {
            continue;
        }
        QStringList group;
        int selected = 0;
        for (const Key& member : keys) {
            if (member.group == key.group) {
                group << quoted(member.name);
                selected += form.on(member.name) ? 1 : 0;
            }
        }
        if (selected != 1) {
            return quoted(form.name()) + QStringLiteral(" options %1: none is selected; choose one")
                                             .arg(group.join(QStringLiteral(", ")));
        }
    }
    return std::nullopt;
}

// The taxpayer's date of birth and sex are one fact of the year, which the worksheet and the
// relief form both show: what the file gives on one form goes to the other, and a file that
// gives them differently on the two is refused.
std::optional<QString> sharedFacts(Record& record, const QJsonObject& top) {
    if (!record.find(form::relief)) {
        return std::nullopt;
    }
    FormRecord& worksheet = record.hold(form::worksheet);
    FormRecord& relief = *record.find(form::relief);
    const QJsonObject onWorksheet = top.value(form::worksheet).toObject();
    const QJsonObject onRelief = top.value(form::relief).toObject();
    const auto given = [](const QJsonObject& form) {
        return form.contains(QLatin1String("dtpdob")) || form.contains(QLatin1String("optmale")) ||
               form.contains(QLatin1String("optfemale"));
    };
    const bool fromWorksheet = given(onWorksheet);
    for (const char* name : {"dtpdob", "optmale", "optfemale"}) {
        const QString key = QLatin1String(name);
        if (fromWorksheet && given(onRelief) && worksheet[key] != relief[key]) {
            return QStringLiteral("%1 and %2 give different %3; they are one fact of the year")
                .arg(quoted(form::worksheet), quoted(form::relief),
                     key == QLatin1String("dtpdob") ? QStringLiteral("dates of birth")
                                                    : QStringLiteral("sexes"));
        }
        (fromWorksheet ? relief : worksheet).set(key, (fromWorksheet ? worksheet : relief)[key]);
    }
    return std::nullopt;
}

} // namespace

QByteArray toJson(const Record& record) {
    QJsonObject top{{QStringLiteral("format"), QLatin1String(format)},
                    {QStringLiteral("version"), version},
                    {QStringLiteral("year"), QLatin1String(yearName)}};
    for (const FormRecord* form : record.forms()) {
        QJsonObject keys;
        const std::vector<Key>& schema = form->schema().keys;
        for (std::size_t i = 0; i < schema.size(); ++i) {
            keys.insert(schema[i].name, toJsonValue(schema[i], form->texts()[i]));
        }
        top.insert(form->name(), keys);
    }
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

std::variant<Record, QString> fromJson(const QByteArray& text) {
    if (text.size() > largestFile) {
        return QStringLiteral("it is larger than 1 MB");
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (document.isNull()) {
        return QStringLiteral("it is not a year file: it is not JSON (%1 at character %2)")
            .arg(error.errorString())
            .arg(error.offset);
    }
    if (!document.isObject()) {
        return QStringLiteral("it is not a year file of Fiscora1213 (not a JSON object)");
    }
    const QJsonObject top = document.object();
    if (const auto problem = headingProblem(top)) {
        return *problem;
    }
    Record record;
    for (const FormSchema& schema : year::schema()) {
        const QJsonValue held = top.value(schema.name);
        if (held.isUndefined()) {
            continue; // the form keeps its design values
        }
        if (!held.isObject()) {
            return quoted(schema.name) + QStringLiteral(" is not an object");
        }
        const QJsonObject given = held.toObject();
        FormRecord form(schema);
        for (const Key& key : schema.keys) {
            const QJsonValue json = given.value(key.name);
            if (json.isUndefined()) {
                continue;
            }
            auto text =
                keyText(key, json, quoted(schema.name) + QLatin1Char(' ') + quoted(key.name));
            if (text.index() == 1) {
                return std::get<1>(text);
            }
            form.set(key.name, std::get<0>(text));
        }
        if (const auto problem = groupProblem(form, given)) {
            return *problem;
        }
        record.put(std::move(form));
    }
    if (const auto problem = sharedFacts(record, top)) {
        return *problem;
    }
    return record;
}

std::variant<Record, QString> readFile(const QString& path) {
    const auto refuse = [&path](const QString& problem) {
        return QStringLiteral("The file \"%1\" cannot be opened: %2. Nothing has been changed.")
            .arg(path, problem);
    };
    // Opening a pipe would wait for a writer, and a device may never end: neither is read.
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || info.isDir())) {
        return refuse(QStringLiteral("it is not a file but a folder, a pipe or a device"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refuse(file.errorString());
    }
    if (file.isSequential()) {
        return refuse(QStringLiteral("it is not a file but a folder, a pipe or a device"));
    }
    // One byte past the limit tells a file that is too large, whatever its reported size.
    const QByteArray text = file.read(largestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        return refuse(file.errorString());
    }
    auto record = fromJson(text);
    if (const QString* problem = std::get_if<QString>(&record)) {
        return refuse(*problem);
    }
    return record;
}

namespace {

// Every byte written, each write straight to the file: Qt's buffered QSaveFile commits a
// file cut short when the disk fills during its last flush (Qt 6.4), so nothing is left to
// a buffer and the size is checked before the file takes the old one's place.
bool writeAll(QSaveFile& file, const QByteArray& text) {
    qint64 done = 0;
    while (done < text.size()) {
        const qint64 written = file.write(text.constData() + done, text.size() - done);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return file.size() == text.size();
}

} // namespace

QString writeFile(const QString& path, const Record& record) {
    const QByteArray text = toJson(record);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, text) &&
        file.commit()) {
        return {};
    }
    const QString reason = file.errorString();
    file.cancelWriting();
    return QStringLiteral("The year was not saved to \"%1\": %2. A file already there is "
                          "unchanged.")
        .arg(path, reason);
}

} // namespace year
