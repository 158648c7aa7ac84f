#pragma once
// The year as a plain value: for every form it holds, the text of every key of that form.
// A form it does not hold stands at its design values and is left out of the year file.
#include "year/schema.h"

#include <QString>
#include <optional>
#include <vector>

namespace year {

// One form's part of the year: a text for each key of its schema, in the schema's order.
class FormRecord {
public:
    // The form as it was designed.
    explicit FormRecord(const FormSchema& schema);

    const FormSchema& schema() const { return *schema_; }
    const QString& name() const { return schema_->name; }
    // The text of a key the form has (a key it lacks is a slip of the caller: it reads "").
    const QString& operator[](const QString& key) const;
    void set(const QString& key, const QString& text);
    // Options and check boxes: selected or ticked.
    bool on(const QString& key) const { return (*this)[key] == QLatin1String("1"); }
    void setOn(const QString& key, bool on) { set(key, QLatin1String(on ? "1" : "0")); }

    const std::vector<QString>& texts() const { return texts_; }
    bool isDesign() const;
    bool operator==(const FormRecord& other) const {
        return schema_ == other.schema_ && texts_ == other.texts_;
    }

private:
    const FormSchema* schema_;
    std::vector<QString> texts_;
};

class Record {
public:
    Record();

    // The form's part, or null when the record does not hold the form.
    FormRecord* find(const QString& form);
    const FormRecord* find(const QString& form) const;
    bool holds(const QString& form) const { return find(form) != nullptr; }
    // The form's part, taken at its design values when the record did not hold it.
    FormRecord& hold(const QString& form);
    void put(FormRecord form);
    void drop(const QString& form);
    // The forms held, in the order of the schema.
    std::vector<const FormRecord*> forms() const;

    bool operator==(const Record& other) const { return forms_ == other.forms_; }

private:
    std::vector<std::optional<FormRecord>> forms_; // by the schema's order
};

} // namespace year
