#pragma once
// The year file: one JSON document holding, for every form the year holds, the text of
// every key of the schema. Reading checks the whole file before anything is taken from it,
// so that a bad file changes nothing.
#include "year/record.h"

#include <QByteArray>
#include <QString>
#include <variant>

namespace year {

inline constexpr const char* format = "fiscora-year";
inline constexpr int version = 1;
inline constexpr const char* yearName = "2012-13";
inline constexpr const char* extension = "fiscora";
// A year of the forms is a few tens of kilobytes; anything past this is not one.
inline constexpr qint64 largestFile = 1024 * 1024;

// The JSON text of the year: every form it holds, every key of each.
QByteArray toJson(const Record& record);

// The year in the text, or the first problem found with it (a short phrase such as
// "\"Form1\" \"txtnam\" is longer than its field allows (26 characters)"). A form the text
// leaves out is not held; a key it leaves out keeps its design value; forms and keys that
// the schema does not know are passed over.
std::variant<Record, QString> fromJson(const QByteArray& text);

// The year in the file, or one message naming the file and its first problem. A path that
// is not a regular file (a folder, a pipe, a device) is refused without being read.
std::variant<Record, QString> readFile(const QString& path);

// Writes the year to the file as a whole or not at all (the old file, if any, stays as it
// was). The message naming the file and the reason when it was not written; empty when it was.
QString writeFile(const QString& path, const Record& record);

} // namespace year
