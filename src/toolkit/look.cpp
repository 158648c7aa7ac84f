#include "toolkit/look.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace toolkit {

QFont font(const QString& family, double points, bool bold, bool italic) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void paint(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette p = widget->palette();
    // The disabled look stays the style's own, so that a disabled button looks disabled.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::ButtonText, text);
    }
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        p.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(p);
}

QLabel* caption(QWidget* parent, const QString& name, const QString& text, int left, int top,
                int height, const QFont& font, const QColor& text_colour,
                const QColor& background) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    paint(label, text_colour, background);
    label->adjustSize();
    label->setGeometry(twips(left), twips(top), label->sizeHint().width() + 2,
                       std::max(twips(height), label->sizeHint().height()));
    return label;
}

} // namespace toolkit
