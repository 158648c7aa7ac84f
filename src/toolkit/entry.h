#pragma once
// The behaviour shared by every amount a user types: a change withdraws the form's buttons
// that act on results computed before it (Print, Back), and an emptied field shows "0" at
// once, selected, so that every figure can always be read as a number.
#include <QList>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace toolkit {

enum class EmptyText {
    BecomesZero, // an amount: the empty text is replaced by "0"
    StaysEmpty,  // free text such as a name
};

using Guarded = QList<QAbstractButton*>;

// On every change of the field's text: disable each guarded button, then, for an amount,
// replace an empty text by "0". Also selects the whole text when the field gains focus.
void bindEntry(QLineEdit* field, const Guarded& guarded, EmptyText empty = EmptyText::BecomesZero);

// The change reaction alone, for fields whose focus behaviour differs.
void bindChange(QLineEdit* field, const Guarded& guarded, EmptyText empty = EmptyText::BecomesZero);

// Disable each of the buttons.
void withdraw(const Guarded& guarded);

// What the user puts into the field (typed, pasted, dropped) never carries invisible format
// or control characters: they are dropped as they come, tab and line feed aside (the reading
// of an amount skips those), so that the figure read is the figure seen. What the program
// writes into the field stands as written.
void keepVisible(QLineEdit* field);

// The user can put at most `length` characters into the field: a key typed into a full field
// is refused, and a longer paste is cut to what fits. What the program writes into the field
// stands whole, however long.
void limitTyping(QLineEdit* field, int length);

// The field is read for its leading number. While its text is not a number as a whole, the
// field shows it: a pale yellow background and the tooltip "Read as 7: only the leading
// number counts", with the figure as it is read. Nothing else changes.
void markPartialReading(QLineEdit* field);
// The marks brought up to date with texts written while the form's reactions were held back.
void refreshMarks(const QWidget& form);

} // namespace toolkit
