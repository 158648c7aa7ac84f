#pragma once
// Figures in fields: how every form reads, writes and checks them, the one set of messages
// with which a form refuses a figure, and the forms' command buttons.
#include "toolkit/services.h"

#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>
#include <optional>
#include <span>
#include <utility>

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

// Why a form will not go on with a figure; each message names the field.
enum class Refusal {
    NotANumber,    // an input read strictly is not a number
    TooLarge,      // an input is beyond the range of a double
    OutOfRange,    // a result comes out beyond that range
    CannotCarry,   // a figure that Back would carry is not one
    PayNotANumber, // a basic pay that the rise of DA is worked on is not a number
};

// Tells the user, naming the field by its accessible name (its caption).
void refuse(Messages& messages, const QWidget* field, Refusal why);

// A field bound by name to the rule input it fills: {txtgis, &in.cgegis}.
struct Input {
    QLineEdit* field;
    double* figure;
};

// Reads each field into its input, in the order given. When one cannot be computed with
// (not a number when read strictly, or beyond the range of a double), tells the user which
// field, puts the focus there and gives false, so that the caller changes nothing.
bool readInputs(Messages& messages, std::span<const Input> inputs, Reading reading);
inline bool readInputs(Messages& messages, std::initializer_list<Input> inputs, Reading reading) {
    return readInputs(messages, std::span(inputs.begin(), inputs.size()), reading);
}

// The figure of the field that a Back carries to the main worksheet, read as the form's rules
// read it. When it is not one that can be carried (it is not a number, or beyond range),
// tells the user which field and gives nothing, so that the form stays where it is.
std::optional<double> figureToCarry(Messages& messages, const QLineEdit* field, Reading reading);

// A result bound for a field, by name: {txtgt80, figures.grandTotal}.
using Figure = std::pair<QLineEdit*, double>;

// True, after telling the user which, when a result is not a finite number: the caller
// then writes none of them.
bool refuseOutOfRange(Messages& messages, std::span<const Figure> results);

// Writes the results in the order given; the change behaviour of each runs as it is written.
void writeFigures(std::span<const Figure> results);

// A command button of a form at its place in twips, on the program's teal face.
QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption,
                           const QRect& place, const QFont& font);

} // namespace toolkit
