#pragma once
// A form's part of the year, read from and written into its controls by the schema's keys:
// each key is the name of the control that holds it.
#include "toolkit/services.h"
#include "year/record.h"
#include "year/work.h"

#include <QList>
#include <QPointer>
#include <functional>
#include <utility>

class QAbstractButton;
class QWidget;

namespace toolkit {

// What each control of the form's schema shows now.
year::FormRecord recordOf(const QWidget& form);

// Writes the record into the form exactly as it stands. Options are chosen first, as a click
// would choose them, so that the form shows and hides what goes with them; every text,
// selection, check box and date is then written with the form's change reactions held back,
// so that no figure is copied down, recomputed or questioned on the way in.
void apply(QWidget& form, const year::FormRecord& record);

// A step of the form run on its own controls: each text is written into its field in order,
// so that the field's change behaviour runs as it is written. A refusal is told to the user
// and the focus goes where it says, nothing written. True when the step was written.
bool carryOut(QWidget& form, Messages& messages, const year::Step& step);
// The figure a Back carries, or nothing after telling the user why not.
std::optional<double> carryOut(Messages& messages, const year::Carried& figure);

// Calls `changed` whenever a control of the form's schema changes, by the user or the program.
void watch(const QWidget& form, const std::function<void()>& changed);

// Keys that two forms show of one fact (the taxpayer's date of birth and sex on the
// worksheet and the relief form): `to` takes `from`'s values now, and from then on a change
// on either form is written into the other, with its reactions, for as long as both live.
void share(QWidget& from, QWidget& to, const QStringList& keys);

// Which of the form's buttons were enabled as it was made, to put it back to its design.
using Buttons = QList<std::pair<QPointer<QAbstractButton>, bool>>;
Buttons buttonsOf(const QWidget& form);
// Puts the form back as it was designed (the reactions held back as in apply()).
void restore(QWidget& form, const Buttons& buttons);

} // namespace toolkit
