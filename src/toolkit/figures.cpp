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

void writeFigure(QLineEdit* field, double value) {
    field->setText(QString::fromStdString(fiscora::numberText(value)));
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
