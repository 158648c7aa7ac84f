#pragma once
// What a year keeps of every form, declared once: each control by its name (the key of the
// year file), its kind, its design value, the longest text it may hold and what it holds.
// The year file, the forms' record of themselves, the modified mark and the batch all read
// this one table. Qt Core only.
#include <QHash>
#include <QString>
#include <vector>

namespace year {

// The most characters a field holds when its form sets no limit of its own.
inline constexpr int anyLength = 32767;

enum class Kind {
    Text,      // a field: its text as shown
    Selection, // an editable selection: its text as shown
    Option,    // an option button of a group: "1" when selected, "0" when not
    Check,     // a check box: "1" when ticked, "0" when not
    Date,      // a date edit: the date in ISO 8601 ("1958-08-15")
};

struct Key {
    QString name;
    Kind kind = Kind::Text;
    QString design;          // the text the form is made with
    int longest = anyLength; // texts and selections: the most characters it may hold
    QString group;           // options: the group of which exactly one is selected
    QString what;            // a few words of what it holds, as the form names it
    // The most characters the user may type into it: its form's limit. The program may write
    // a longer text into a field that takes a figure carried in whole (`longest` allows it).
    int typed = longest;
};

struct FormSchema {
    QString name;              // the form's name, as the year file keys it
    std::vector<Key> keys;     // in the order the form makes its controls
    QHash<QString, int> index; // a key's place in `keys`
    // The key's place, or -1 when the form has no such key.
    int find(const QString& key) const { return index.value(key, -1); }
    // A key the form has.
    const Key& key(const QString& name) const { return keys.at(std::size_t(find(name))); }
};

// Every form the year keeps, in the order the worksheet leads through them: the worksheet,
// salary, HRA, house property, deductions, relief.
const std::vector<FormSchema>& schema();
// The form of that name, or null.
const FormSchema* formSchema(const QString& name);

// The forms' names, as the year file keys them.
namespace form {
inline const QString worksheet = QStringLiteral("frmmain");
inline const QString salary = QStringLiteral("Form1");
inline const QString hra = QStringLiteral("Form2");
inline const QString houseProperty = QStringLiteral("Form4");
inline const QString deductions = QStringLiteral("frmreb88");
inline const QString relief = QStringLiteral("frmrel89");
} // namespace form

// The name of element i of a control array: "txtbp(3)".
QString indexed(const char* name, int i);
// The month of row r of the salary table: "Jan 12" to "Feb 13".
QString monthName(int row);

// The dates a date of birth may take: a taxpayer born after the year of receipt has no
// arrears of earlier years.
inline constexpr const char* earliestBirth = "1900-01-01";
inline constexpr const char* latestBirth = "2013-03-31";

} // namespace year
