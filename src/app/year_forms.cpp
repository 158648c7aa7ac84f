#include "app/year_forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <optional>

namespace yearfile {

namespace {

// The kind of a control the year keeps, or nothing for any other widget.
std::optional<Kind> kindOf(const QWidget* w) {
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) {
        return std::nullopt;
    }
    if (qobject_cast<const QLineEdit*>(w)) {
        // A selection's own line edit is kept as the selection.
        if (qobject_cast<const QComboBox*>(w->parentWidget())) {
            return std::nullopt;
        }
        return Kind::Text;
    }
    if (qobject_cast<const QComboBox*>(w)) {
        return Kind::Selection;
    }
    if (qobject_cast<const QRadioButton*>(w)) {
        return Kind::Option;
    }
    if (qobject_cast<const QCheckBox*>(w)) {
        return Kind::Check;
    }
    return std::nullopt;
}

void writeText(QWidget* w, const QString& text) {
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        const QSignalBlocker block(field);
        field->setText(text);
    } else if (auto* box = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker block(box);
        const QSignalBlocker blockText(box->lineEdit());
        box->setCurrentIndex(box->findText(text));
        if (box->isEditable()) {
            box->setEditText(text);
        }
    }
}

} // namespace

FormShape shapeOf(const QWidget& form) {
    FormShape shape{form.objectName(), {}};
    for (const QWidget* w : form.findChildren<QWidget*>()) {
        if (const auto kind = kindOf(w)) {
            int maxLength = Control{}.maxLength;
            if (const auto* field = qobject_cast<const QLineEdit*>(w)) {
                maxLength = field->maxLength();
            } else if (const auto* box = qobject_cast<const QComboBox*>(w);
                       box && box->lineEdit()) {
                maxLength = box->lineEdit()->maxLength();
            }
            shape.controls.push_back({w->objectName(), *kind, maxLength});
        }
    }
    return shape;
}

FormValues valuesOf(const QWidget& form, const FormShape& shape) {
    FormValues values{shape.name, {}};
    for (const Control& control : shape.controls) {
        const auto* w = form.findChild<QWidget*>(control.name);
        if (const auto* field = qobject_cast<const QLineEdit*>(w)) {
            values.entries.push_back({control.name, field->text()});
        } else if (const auto* box = qobject_cast<const QComboBox*>(w)) {
            values.entries.push_back({control.name, box->currentText()});
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            values.entries.push_back({control.name, button->isChecked()});
        }
    }
    return values;
}

void apply(QWidget& form, const FormValues& values) {
    // Deselections before selections, so that the selected option of a group wins.
    for (const bool selected : {false, true}) {
        for (const Entry& entry : values.entries) {
            auto* option = form.findChild<QRadioButton*>(entry.control);
            const bool* on = std::get_if<bool>(&entry.value);
            if (option && on && *on == selected) {
                option->setChecked(selected);
            }
        }
    }
    for (const Entry& entry : values.entries) {
        QWidget* w = form.findChild<QWidget*>(entry.control);
        if (const QString* text = std::get_if<QString>(&entry.value)) {
            writeText(w, *text);
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            const QSignalBlocker block(box);
            box->setChecked(std::get<bool>(entry.value));
        }
    }
}

void watch(const QWidget& form, const std::function<void()>& changed) {
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (!kindOf(w)) {
            continue;
        }
        if (auto* field = qobject_cast<QLineEdit*>(w)) {
            QObject::connect(field, &QLineEdit::textChanged, field, changed);
        } else if (auto* box = qobject_cast<QComboBox*>(w)) {
            QObject::connect(box, &QComboBox::currentTextChanged, box, changed);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QObject::connect(button, &QAbstractButton::toggled, button, changed);
        }
    }
}

Design designOf(const QWidget& form) {
    Design design{valuesOf(form, shapeOf(form)), {}};
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        design.buttons.append({button, button->isEnabled()});
    }
    return design;
}

void restore(QWidget& form, const Design& design) {
    apply(form, design.values);
    for (const auto& [button, enabled] : design.buttons) {
        if (button) {
            button->setEnabled(enabled);
        }
    }
}

} // namespace yearfile
