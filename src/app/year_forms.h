#pragma once
// The year file's side of the forms: what a form's controls hold, found by their names, and
// writing a saved year back into them as it was saved.
#include "app/year_file.h"

#include <QList>
#include <QPointer>
#include <functional>
#include <utility>

class QAbstractButton;
class QWidget;

namespace yearfile {

// Every named field of the form (outputs and hidden carriers included), selection, option
// and check box, in the order the form made them.
FormShape shapeOf(const QWidget& form);

// What each control of the shape shows now.
FormValues valuesOf(const QWidget& form, const FormShape& shape);

// Writes the values into the form exactly as saved. Options are chosen first, as a click
// would choose them, so that the form shows and hides what goes with them; every text,
// selection and check box is then written with the form's change reactions held back, so
// that no figure is copied down, recomputed or questioned on the way in.
void apply(QWidget& form, const FormValues& values);

// Calls `changed` whenever a control of the form's shape changes, by the user or the program.
void watch(const QWidget& form, const std::function<void()>& changed);

// A form as it was designed: its values and which of its buttons were enabled.
struct Design {
    FormValues values;
    QList<std::pair<QPointer<QAbstractButton>, bool>> buttons;
};

Design designOf(const QWidget& form);
// Puts the form back as it was designed (the reactions held back as in apply()).
void restore(QWidget& form, const Design& design);

} // namespace yearfile
