#include "toolkit/look.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace toolkit {

void installFonts() {
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) {
        return; // the system's own, or loaded already
    }
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        const QString path = QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file);
        if (QFileInfo::exists(path)) {
            QFontDatabase::addApplicationFont(path);
        }
    }
}

QString typeface(const QString& family) {
    const QString tahoma = QStringLiteral("Tahoma");
    const QString arial = QStringLiteral("Arial");
    if (family == QLatin1String("MS Sans Serif") ||
        family == QLatin1String("Microsoft Sans Serif")) {
        // MS Sans Serif is a bitmap font where it exists at all; its successor stands in.
        return QFontDatabase::hasFamily(tahoma) ? tahoma : QStringLiteral("Microsoft Sans Serif");
    }
    if (family == arial && !QFontDatabase::hasFamily(arial) &&
        QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        return QStringLiteral("Liberation Sans");
    }
    return family;
}

QFont font(const QString& family, double points, bool bold, bool italic) {
    QFont f(typeface(family));
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
