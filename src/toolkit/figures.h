#pragma once
// Figures in fields: how the forms read and write them, and the forms' command buttons.
// (What a form reads and checks of its figures is in its step, year/work.h.)
#include "toolkit/services.h"

#include <QLineEdit>
#include <QPushButton>
#include <span>
#include <utility>

namespace toolkit {

// The field's leading number; a text without one is 0.
double readFigure(const QLineEdit* field);
// The plain decimal text of the figure.
void writeFigure(QLineEdit* field, double value);

// A result bound for a field, by name: {txtgt80, figures.grandTotal}.
using Figure = std::pair<QLineEdit*, double>;

// Writes the results in the order given; the change behaviour of each runs as it is written.
void writeFigures(std::span<const Figure> results);

// A command button of a form at its place in twips, on the program's teal face.
QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption,
                           const QRect& place, const QFont& font);

} // namespace toolkit
