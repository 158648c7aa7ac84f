#include "toolkit/figures.h"

#include "common/amount.h"
#include "toolkit/look.h"
#include "toolkit/textbox.h"

#include <QPainter>
#include <cmath>

namespace toolkit {

double readFigure(const QLineEdit* field) {
    return fiscora::readLenient(field->text().toStdString());
}

std::optional<double> readWholeFigure(const QLineEdit* field) {
    return fiscora::readStrict(field->text().toStdString());
}

void writeFigure(QLineEdit* field, double value) {
    field->setText(QString::fromStdString(fiscora::numberText(value)));
}

void refuse(Messages& messages, const QWidget* field, Refusal why) {
    QString text;
    switch (why) {
    case Refusal::NotANumber:
        text = QStringLiteral("The figure in \"%1\" is not a number that can be computed with. "
                              "Please correct it and Calculate again.");
        break;
    case Refusal::TooLarge:
        text = QStringLiteral("The figure in \"%1\" is too large to compute with. Please "
                              "correct it and Calculate again.");
        break;
    case Refusal::OutOfRange:
        text = QStringLiteral("\"%1\" comes out too large to compute. Please check the figures "
                              "that make it up.");
        break;
    case Refusal::CannotCarry:
        text = QStringLiteral("\"%1\" does not hold a figure that can be carried. Please "
                              "Calculate again.");
        break;
    case Refusal::PayNotANumber:
        text = QStringLiteral("The basic pay in \"%1\" is not a number. Please type it as a "
                              "number and Calculate again.");
        break;
    }
    messages.inform(text.arg(field->accessibleName()));
}

namespace {

std::optional<double> read(const QLineEdit* field, Reading reading) {
    const std::optional<double> figure =
        reading == Reading::Strict ? readWholeFigure(field) : readFigure(field);
    if (!figure || !std::isfinite(*figure)) {
        return std::nullopt;
    }
    return figure;
}

} // namespace

bool readInputs(Messages& messages, std::span<const Input> inputs, Reading reading) {
    for (const auto& [field, figure] : inputs) {
        const std::optional<double> value = read(field, reading);
        if (!value) {
            refuse(messages, field,
                   reading == Reading::Strict ? Refusal::NotANumber : Refusal::TooLarge);
            enter(field);
            return false;
        }
        *figure = *value;
    }
    return true;
}

std::optional<double> figureToCarry(Messages& messages, const QLineEdit* field, Reading reading) {
    const std::optional<double> value = read(field, reading);
    if (!value) {
        refuse(messages, field, Refusal::CannotCarry);
    }
    return value;
}

bool refuseOutOfRange(Messages& messages, std::span<const Figure> results) {
    for (const auto& [field, value] : results) {
        if (!std::isfinite(value)) {
            refuse(messages, field, Refusal::OutOfRange);
            return true;
        }
    }
    return false;
}

void writeFigures(std::span<const Figure> results) {
    for (const auto& [field, value] : results) {
        writeFigure(field, value);
    }
}

namespace {

// The desktop's own focus frame is hard to see on a teal face: a button with the focus also
// shows a dotted black rectangle just inside its edge, drawn over the face, nothing moved.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(2, 2, -3, -3));
        }
    }
};

} // namespace

QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption,
                           const QRect& place, const QFont& font) {
    auto* b = new CommandButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    b->setFont(font);
    paint(b, Qt::black, colour::teal);
    b->setAccessibleName(QString(caption).remove('&'));
    return b;
}

} // namespace toolkit
