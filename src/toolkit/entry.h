#pragma once
// The behaviour shared by every amount a user types: a change withdraws the form's buttons
// that act on results computed before it (Print, Back), and an emptied field shows "0" at
// once, selected, so that every figure can always be read as a number.
#include <QList>

class QAbstractButton;
class QLineEdit;

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

} // namespace toolkit
