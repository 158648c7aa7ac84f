#pragma once
// The year file: one JSON document holding every field, selection, option and check box of
// every form, by the form's name and the control's name. Reading checks the whole file
// against the shape of the forms before anything is taken from it, so that a bad file
// changes nothing. Plain Qt Core: no widgets here (the forms' side is in year_forms.h).
#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

namespace yearfile {

inline constexpr const char* format = "fiscora-year";
inline constexpr int version = 1;
inline constexpr const char* year = "2012-13";
inline constexpr const char* extension = "fiscora";
// A year of the forms is a few tens of kilobytes; anything past this is not one.
inline constexpr qint64 largestFile = 1024 * 1024;

enum class Kind {
    Text,      // a field: its text as shown, a JSON string
    Selection, // a selection: its text as shown, a JSON string
    Option,    // an option button: true when selected
    Check,     // a check box: 1 when ticked, 0 when not
};

struct Control {
    QString name;
    Kind kind = Kind::Text;
    int maxLength = 32767; // texts only: the most characters the control holds
};

// The controls of one form that a year keeps, in the order they are written back.
struct FormShape {
    QString name;
    std::vector<Control> controls;
};

using Shape = std::vector<FormShape>;

// A text for fields and selections; selected or ticked for options and check boxes.
using Value = std::variant<QString, bool>;

struct Entry {
    QString control;
    Value value;
};

// What a year holds of one form: the controls the file names, in the order of the shape.
struct FormValues {
    QString form;
    std::vector<Entry> entries;
};

// The forms a year holds, in the order of the shape.
using Year = std::vector<FormValues>;

// The JSON text of the year: every form and control it holds, by name.
QByteArray toJson(const Year& year, const Shape& shape);

// The year in the text, or the first problem found with it (a short phrase such as
// "\"Form1\" \"txtnam\" is longer than its field allows (26 characters)"). Forms and
// controls that the shape does not know are passed over.
std::variant<Year, QString> fromJson(const QByteArray& text, const Shape& shape);

// The year in the file, or one message naming the file and its first problem.
std::variant<Year, QString> readFile(const QString& path, const Shape& shape);

// Writes the year to the file as a whole or not at all (the old file, if any, stays as it
// was). The message naming the file and the reason when it was not written; empty when it was.
QString writeFile(const QString& path, const Year& year, const Shape& shape);

} // namespace yearfile
