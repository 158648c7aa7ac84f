#include "app/year_file.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <optional>

namespace yearfile {

namespace {

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QJsonValue toJsonValue(Kind kind, const Value& value) {
    if (const QString* text = std::get_if<QString>(&value)) {
        return *text;
    }
    const bool on = std::get<bool>(value);
    return kind == Kind::Check ? QJsonValue(on ? 1 : 0) : QJsonValue(on);
}

// The value of one control as the file gives it, or what is wrong with it.
std::variant<Value, QString> controlValue(const Control& control, const QJsonValue& json,
                                          const QString& where) {
    switch (control.kind) {
    case Kind::Text:
    case Kind::Selection: {
        if (!json.isString()) {
            return where + QStringLiteral(" is not a text");
        }
        const QString text = json.toString();
        if (text.size() > control.maxLength) {
            return where + QStringLiteral(" is longer than its field allows (%1 characters)")
                               .arg(control.maxLength);
        }
        return Value(text);
    }
    case Kind::Option:
        if (!json.isBool()) {
            return where + QStringLiteral(" is not true or false");
        }
        return Value(json.toBool());
    case Kind::Check: {
        if (!json.isDouble()) {
            return where + QStringLiteral(" is not a number");
        }
        if (!std::isfinite(json.toDouble())) {
            return where + QStringLiteral(" is not a finite number");
        }
        const double figure = json.toDouble();
        if (figure != 0 && figure != 1) {
            return where + QStringLiteral(" is not 0 or 1");
        }
        return Value(figure == 1);
    }
    }
    return where + QStringLiteral(" is of a kind this program does not know");
}

// What is wrong with the heading of the file (format, version, year), if anything.
std::optional<QString> headingProblem(const QJsonObject& top) {
    if (top.value(QLatin1String("format")) != QJsonValue(QLatin1String(format))) {
        return QStringLiteral("it is not a year file of Fiscora1213 (\"format\" is not \"%1\")")
            .arg(QLatin1String(format));
    }
    const QJsonValue v = top.value(QLatin1String("version"));
    if (!v.isDouble()) {
        return QStringLiteral("its \"version\" is not a number");
    }
    if (!std::isfinite(v.toDouble())) {
        return QStringLiteral("its \"version\" is not a finite number");
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
    if (top.value(QLatin1String("year")) != QJsonValue(QLatin1String(year))) {
        return QStringLiteral("it is not a year of %1 (\"year\" is not \"%1\")")
            .arg(QLatin1String(year));
    }
    return std::nullopt;
}

} // namespace

QByteArray toJson(const Year& year, const Shape& shape) {
    QJsonObject top{{QStringLiteral("format"), QLatin1String(format)},
                    {QStringLiteral("version"), version},
                    {QStringLiteral("year"), QLatin1String(yearfile::year)}};
    for (const FormValues& form : year) {
        const auto shaped = std::find_if(shape.begin(), shape.end(),
                                         [&](const FormShape& s) { return s.name == form.form; });
        QJsonObject controls;
        for (const Entry& entry : form.entries) {
            Kind kind = std::holds_alternative<QString>(entry.value) ? Kind::Text : Kind::Option;
            if (shaped != shape.end()) {
                for (const Control& c : shaped->controls) {
                    if (c.name == entry.control) {
                        kind = c.kind;
                    }
                }
            }
            controls.insert(entry.control, toJsonValue(kind, entry.value));
        }
        top.insert(form.form, controls);
    }
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

std::variant<Year, QString> fromJson(const QByteArray& text, const Shape& shape) {
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
    Year year;
    for (const FormShape& form : shape) {
        const QJsonValue held = top.value(form.name);
        if (held.isUndefined()) {
            continue; // the form keeps its design values
        }
        if (!held.isObject()) {
            return quoted(form.name) + QStringLiteral(" is not an object");
        }
        const QJsonObject controls = held.toObject();
        FormValues values{form.name, {}};
        for (const Control& control : form.controls) {
            const QJsonValue json = controls.value(control.name);
            if (json.isUndefined()) {
                continue;
            }
            auto value = controlValue(control, json,
                                      quoted(form.name) + QLatin1Char(' ') + quoted(control.name));
            if (const QString* problem = std::get_if<QString>(&value)) {
                return *problem;
            }
            values.entries.push_back({control.name, std::get<Value>(value)});
        }
        year.push_back(std::move(values));
    }
    return year;
}

std::variant<Year, QString> readFile(const QString& path, const Shape& shape) {
    const auto refuse = [&path](const QString& problem) {
        return QStringLiteral("The file \"%1\" cannot be opened: %2. Nothing has been changed.")
            .arg(path, problem);
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refuse(file.errorString());
    }
    // One byte past the limit tells a file that is too large, whatever its reported size.
    const QByteArray text = file.read(largestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        return refuse(file.errorString());
    }
    auto year = fromJson(text, shape);
    if (const QString* problem = std::get_if<QString>(&year)) {
        return refuse(*problem);
    }
    return year;
}

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

QString writeFile(const QString& path, const Year& year, const Shape& shape) {
    const QByteArray text = toJson(year, shape);
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

} // namespace yearfile
