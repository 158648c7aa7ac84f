#pragma once
// Figures in fields: how every form reads, writes and checks them, and its command buttons.
#include "toolkit/services.h"

#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace toolkit {

// The field's leading number; a text without one is 0.
double readFigure(const QLineEdit* field);
// The field's whole text as a number, or nothing when it is not one.
std::optional<double> readWholeFigure(const QLineEdit* field);
// The plain decimal text of the figure.
void writeFigure(QLineEdit* field, double value);

enum class Reading {
    Lenient, // the leading number; must be within range
    Strict,  // the whole text must be a number
};

// The figures of the fields, in order. When one cannot be computed with (not a number when
// read strictly, or beyond the range of a double), tells the user which field, puts the
// focus there and gives nothing, so that the caller changes nothing.
std::optional<std::vector<double>>
readInputs(Messages& messages, std::initializer_list<QLineEdit*> fields, Reading reading);

// The figure of the field that a Back carries to the main worksheet, read as the form's rules
// read it. When it is not one that can be carried (it is not a number, or beyond range),
// tells the user which field and gives nothing, so that the form stays where it is.
std::optional<double> figureToCarry(Messages& messages, const QLineEdit* field, Reading reading);

// A result bound for a field.
using Figure = std::pair<QLineEdit*, double>;

// True, after telling the user which, when a result is not a finite number: the caller
// then writes none of them.
bool refuseOutOfRange(Messages& messages, std::span<const Figure> results);

// A command button of a form at its place in twips, on the program's teal face.
QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption,
                           const QRect& place, const QFont& font);

} // namespace toolkit
