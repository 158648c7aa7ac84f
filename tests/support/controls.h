#pragma once
// Driving a form as a user does, by the object names of its controls. Header only.
#include "support/fakes.h"
#include "support/table.h"
#include "toolkit/form.h"
#include "toolkit/textbox.h"

#include <QComboBox>
#include <QDateEdit>

namespace testing {

// A control of a form by its object name; a name that is not there ends the test at once.
template <typename W = QLineEdit> W* find(const QWidget* form, const QString& name) {
    W* w = form->findChild<W*>(name);
    if (!w) {
        qFatal("%s has no %s", qPrintable(form->objectName()), qPrintable(name));
    }
    return w;
}
inline QAbstractButton* button(const QWidget* form, const QString& name) {
    return find<QAbstractButton>(form, name);
}

// The texts of the fields named, "txtns txthrx", joined by spaces.
inline QString texts(const QWidget* form, const QString& names) {
    return each(names.split(' '), [form](const QString& name) { return find(form, name)->text(); })
        .join(' ');
}

// What every field, selection (by its combo box's name), option and check box shows.
inline QMap<QString, QString> snapshot(const QWidget* form) {
    QMap<QString, QString> out;
    for (const QLineEdit* edit : form->findChildren<QLineEdit*>()) {
        const auto* combo = qobject_cast<QComboBox*>(edit->parentWidget());
        out[combo ? combo->objectName() : edit->objectName()] = edit->text();
    }
    for (const QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
        if (b->isCheckable()) {
            out[b->objectName()] = QString::number(b->isChecked());
        }
    }
    return out;
}

// "optso;txtintt=30001;cbonps=Y": clicks each button named, sets each field's text, in turn.
inline void fill(const QWidget* form, const QString& entries) {
    for (const QString& entry : entries.split(';', Qt::SkipEmptyParts)) {
        const QString name = entry.section('=', 0, 0), text = entry.section('=', 1);
        if (!entry.contains('=')) {
            button(form, entry)->click();
        } else if (auto* combo = form->findChild<QComboBox*>(name)) {
            combo->setEditText(text);
        } else if (auto* date = form->findChild<QDateEdit*>(name)) {
            date->setDate(QDate::fromString(text, Qt::ISODate));
        } else {
            find(form, name)->setText(text);
        }
    }
}

// A data row of texts, one for each column.
inline void row(const char* name, std::initializer_list<QString> texts) {
    QTestData& data = QTest::newRow(name);
    for (const QString& text : texts) {
        data << text;
    }
}

inline void activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// The controls that Tab visits from `first` on, `count` in all, by name.
inline QString tabChain(QWidget* first, int count) {
    activate(first->window());
    first->setFocus();
    QStringList seen;
    for (int i = 0; i < count; ++i) {
        const QWidget* at = QApplication::focusWidget();
        seen << (at->objectName().isEmpty() ? at->parentWidget() : at)->objectName();
        QTest::keyClick(first->window()->windowHandle(), Qt::Key_Tab);
    }
    return seen.join(' ');
}

// Types as a user does: the field entered, its whole text selected, replaced key by key.
inline void typeInto(QLineEdit* field, const QString& text) {
    activate(field->window());
    field->setFocus();
    QTRY_COMPARE(field->selectedText(), field->text());
    typeText(field->window()->windowHandle(), text);
}

// Fills and calculates each step of "a=1|b=2". Refused: one message naming the field by its
// caption, the focus there if an entry, the results as they were, Back (Print) not enabled.
inline void checkCalculate(const QStringList& messages, toolkit::Form* form, const QString& guarded,
                           const QString& steps, const QString& refused, const QString& results,
                           const QString& expected) {
    activate(form);
    for (const QString& step : steps.split('|')) {
        fill(form, step);
        form->defaultButton()->click();
    }
    QCOMPARE(texts(form, results), expected);
    QCOMPARE(button(form, guarded)->isEnabled(), refused.isEmpty());
    QCOMPARE(messages.size(), refused.isEmpty() ? 0 : 1);
    QVERIFY2(refused.isEmpty() || messages[0].contains('"' + refused + '"'),
             qPrintable(messages.value(0)));
    for (const auto* box : form->findChildren<toolkit::TextBox*>()) {
        if (!refused.isEmpty() && box->accessibleName() == refused && !box->isReadOnly()) {
            QTRY_VERIFY(box->hasFocus());
        }
    }
}

} // namespace testing
