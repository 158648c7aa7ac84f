#include "toolkit/year_fields.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "toolkit/entry.h"
#include "toolkit/textbox.h"

namespace toolkit {

namespace {

const year::FormSchema& schemaOf(const QWidget& form) {
    const year::FormSchema* schema = year::formSchema(form.objectName());
    Q_ASSERT(schema);
    return *schema;
}

QString textOf(const QObject* w) {
    if (const auto* action = qobject_cast<const QAction*>(w)) { // the year's law, in the menu
        return QLatin1String(action->isChecked() ? "1" : "0");
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(w)) {
        return field->text();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(w)) {
        return box->currentText();
    }
    if (const auto* date = qobject_cast<const QDateEdit*>(w)) {
        return date->date().toString(Qt::ISODate);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return QLatin1String(button->isChecked() ? "1" : "0");
    }
    return {};
}

void write(QObject* w, const QString& text) {
    // A date goes in with its reactions: they only show what goes with it (the relief form's
    // note on the scale of a taxpayer of 60 or more) and withdraw what Calculate gave.
    if (auto* date = qobject_cast<QDateEdit*>(w)) {
        date->setDate(QDate::fromString(text, Qt::ISODate));
        return;
    }
    const QSignalBlocker block(w);
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        field->setText(text);
    } else if (auto* box = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker blockText(box->lineEdit());
        box->setCurrentIndex(box->findText(text));
        if (box->isEditable()) {
            box->setEditText(text);
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        check->setChecked(text == QLatin1String("1"));
    } else if (auto* action = qobject_cast<QAction*>(w)) {
        action->setChecked(text == QLatin1String("1"));
    }
}

} // namespace

year::FormRecord recordOf(const QWidget& form) {
    year::FormRecord record(schemaOf(form));
    for (const year::Key& key : record.schema().keys) {
        record.set(key.name, textOf(form.findChild<QObject*>(key.name)));
    }
    return record;
}

void apply(QWidget& form, const year::FormRecord& record) {
    const std::vector<year::Key>& keys = record.schema().keys;
    // Deselections before selections, so that the selected option of a group wins.
    for (const bool selected : {false, true}) {
        for (const year::Key& key : keys) {
            if (key.kind == year::Kind::Option && record.on(key.name) == selected) {
                form.findChild<QRadioButton*>(key.name)->setChecked(selected);
            }
        }
    }
    for (const year::Key& key : keys) {
        if (key.kind != year::Kind::Option) {
            write(form.findChild<QObject*>(key.name), record[key.name]);
        }
    }
    refreshMarks(form); // a figure read only in part shows so, however it came in
}

namespace {

void tell(QWidget& form, Messages& messages, const year::Refusal& refusal) {
    messages.inform(refusal.message);
    QWidget* field = form.findChild<QWidget*>(refusal.key);
    switch (refusal.focus) {
    case year::Refusal::Focus::Stays:
        break;
    case year::Refusal::Focus::Enter:
        enter(field);
        break;
    case year::Refusal::Focus::Set:
        field->setFocus();
        break;
    }
}

} // namespace

bool carryOut(QWidget& form, Messages& messages, const year::Step& step) {
    if (const auto* refusal = std::get_if<year::Refusal>(&step)) {
        tell(form, messages, *refusal);
        return false;
    }
    for (const year::Write& w : std::get<year::Writes>(step)) {
        form.findChild<QLineEdit*>(w.key)->setText(w.text);
    }
    return true;
}

std::optional<double> carryOut(Messages& messages, const year::Carried& figure) {
    if (const auto* refusal = std::get_if<year::Refusal>(&figure)) {
        messages.inform(refusal->message);
        return std::nullopt;
    }
    return std::get<double>(figure);
}

void watch(const QWidget& form, const std::function<void()>& changed) {
    for (const year::Key& key : schemaOf(form).keys) {
        QObject* w = form.findChild<QObject*>(key.name);
        if (auto* action = qobject_cast<QAction*>(w)) {
            QObject::connect(action, &QAction::toggled, action, changed);
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            QObject::connect(field, &QLineEdit::textChanged, field, changed);
        } else if (auto* box = qobject_cast<QComboBox*>(w)) {
            QObject::connect(box, &QComboBox::currentTextChanged, box, changed);
        } else if (auto* date = qobject_cast<QDateEdit*>(w)) {
            QObject::connect(date, &QDateEdit::dateChanged, date, changed);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QObject::connect(button, &QAbstractButton::toggled, button, changed);
        }
    }
}

namespace {

// One key's value written from one form into the other as a change on the first would be.
void copyKey(const QWidget& from, QWidget& to, const QString& key) {
    QObject* source = from.findChild<QObject*>(key);
    QObject* target = to.findChild<QObject*>(key);
    if (auto* date = qobject_cast<QDateEdit*>(target)) {
        date->setDate(qobject_cast<QDateEdit*>(source)->date());
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setChecked(qobject_cast<QAbstractButton*>(source)->isChecked());
    }
}

void follow(QWidget& from, QWidget& to, const QString& key) {
    QObject* source = from.findChild<QObject*>(key);
    const auto copy = [&from, &to, key] { copyKey(from, to, key); };
    if (auto* date = qobject_cast<QDateEdit*>(source)) {
        QObject::connect(date, &QDateEdit::dateChanged, &to, copy);
    } else if (auto* button = qobject_cast<QAbstractButton*>(source)) {
        QObject::connect(button, &QAbstractButton::toggled, &to, copy);
    }
}

} // namespace

void share(QWidget& from, QWidget& to, const QStringList& keys) {
    for (const QString& key : keys) {
        copyKey(from, to, key);
    }
    for (const QString& key : keys) {
        follow(from, to, key);
        follow(to, from, key);
    }
}

Buttons buttonsOf(const QWidget& form) {
    Buttons buttons;
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        buttons.append({button, button->isEnabled()});
    }
    return buttons;
}

void restore(QWidget& form, const Buttons& buttons) {
    apply(form, year::FormRecord(schemaOf(form)));
    for (const auto& [button, enabled] : buttons) {
        if (button) {
            button->setEnabled(enabled);
        }
    }
}

} // namespace toolkit
