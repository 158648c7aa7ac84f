#pragma once
// Driving the detail forms as a user does: opened by the worksheet's Calc. buttons, left by
// Back, with the recording fakes behind the program. Header only: the form tests link the app.
#include "app/program.h"
#include "support/fakes.h"

#include <QtTest>
#include <memory>

namespace testing {

// A program with its worksheet showing; one for each test function.
struct Hub {
    FakeServices fakes;
    Program program{fakes.services()};
    MainWorksheet& w = program.worksheet();
    Hub() { program.showWorksheet(); }
    const QStringList& shown() const { return fakes.messages.shown; }
};

// Clicks the worksheet's Calc. button; the form it opened.
template <typename F> F& open(QAbstractButton* calc, toolkit::Lazy<F>& form) {
    QTest::mouseClick(calc, Qt::LeftButton);
    return form.get();
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

// Types as a user does: the field entered, its whole text selected, replaced key by key.
inline void typeInto(QLineEdit* field, const QString& text) {
    activate(field->window());
    field->setFocus();
    QTRY_COMPARE(field->selectedText(), field->text());
    typeText(field->window()->windowHandle(), text);
}

// "optso;txtintt=30001": clicks each option named and sets each field's text, in turn.
inline void fill(QWidget* form, const QString& entries) {
    for (const QString& entry : entries.split(';', Qt::SkipEmptyParts)) {
        if (auto* option = form->findChild<QRadioButton*>(entry)) {
            option->click();
        } else {
            form->findChild<QLineEdit*>(entry.section('=', 0, 0))->setText(entry.section('=', 1));
        }
    }
}

inline QString texts(const QList<QLineEdit*>& fields) {
    QStringList shown;
    for (const QLineEdit* field : fields) {
        shown << field->text();
    }
    return shown.join(' ');
}

// Fills the form and presses Calculate, its default button, for each step of "a=1|b=2".
// Refused: one message naming the field by its caption, the focus there if it is an entry,
// the results as the step before left them, Back withdrawn.
inline void checkCalculate(Hub& hub, toolkit::Form* form, QAbstractButton* back,
                           const QString& steps, const QString& refused,
                           const QList<QLineEdit*>& results, const QString& expected) {
    activate(form);
    for (const QString& step : steps.split('|')) {
        fill(form, step);
        form->defaultButton()->click();
    }
    QCOMPARE(texts(results), expected);
    QCOMPARE(back->isEnabled(), refused.isEmpty());
    QCOMPARE(hub.shown().size(), refused.isEmpty() ? 0 : 1);
    QVERIFY2(refused.isEmpty() || hub.shown()[0].contains('"' + refused + '"'),
             qPrintable(hub.shown().value(0)));
    for (const auto* box : form->findChildren<toolkit::TextBox*>()) {
        if (!refused.isEmpty() && box->accessibleName() == refused && !box->isReadOnly()) {
            QTRY_VERIFY(box->hasFocus());
        }
    }
}

// Every change withdraws Back until Calculate gives it back: a figure typed into each entry
// field, then each option named chosen, in turn.
inline void checkChangesWithdrawBack(toolkit::Form* form, QAbstractButton* back,
                                     QStringList changes = {}) {
    for (const auto* box : form->findChildren<toolkit::TextBox*>()) {
        if (!box->isReadOnly()) {
            changes.prepend(box->objectName() + "=5");
        }
    }
    for (const QString& change : changes) {
        form->defaultButton()->click();
        QVERIFY(back->isEnabled());
        fill(form, change);
        QVERIFY2(!back->isEnabled(), qPrintable(change));
    }
}

// Back hides the form, writes the figure into the worksheet's field (so the tax beside it
// can no longer be printed) and puts the focus where the user goes next.
inline void checkBack(Hub& hub, QWidget* form, QAbstractButton* back, QLineEdit* field,
                      const QString& figure, QWidget* focus) {
    hub.w.cmdcalc->click();
    QVERIFY(hub.w.cmdprint->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QVERIFY(!form->isVisible() && hub.w.isVisible());
    QCOMPARE(field->text(), figure);
    QVERIFY(!hub.w.cmdprint->isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(&hub.w));
    QTRY_VERIFY(focus->hasFocus());
    QVERIFY(hub.shown().isEmpty());
}

// Hidden by Back, a form keeps its figures; closed by its close box it is discarded, and the
// next use (a Calc. button, or a report's read) finds its design values.
template <typename F>
void checkLifecycle(toolkit::Lazy<F>& lazy, QAbstractButton* calc, toolkit::TextBox* F::*figure,
                    QPushButton* F::*back) {
    QPointer<F> first = &open(calc, lazy);
    (first->*figure)->setText("8000");
    first->defaultButton()->click();
    (first->*back)->click();
    QCOMPARE(&open(calc, lazy), first.data());
    QVERIFY(first->isVisible() && (first->*figure)->text() == "8000");
    QVERIFY((first->*back)->isEnabled()); // Calc. wrote nothing that changed a figure

    QVERIFY(first->close());
    QVERIFY(!lazy.exists());
    QTRY_VERIFY(first.isNull());
    F& read = lazy.get();
    QVERIFY(!read.isVisible());
    for (const toolkit::TextBox* box : read.template findChildren<toolkit::TextBox*>()) {
        QCOMPARE(box->text(), QString("0"));
    }
    QVERIFY(!(read.*back)->isEnabled());
    QCOMPARE(&open(calc, lazy), &read);
}

} // namespace testing
