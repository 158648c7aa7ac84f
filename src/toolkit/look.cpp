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

QPalette formPalette(const QColor& background) {
    struct Shade {
        QPalette::ColorRole role;
        QRgb normal;   // active and inactive
        QRgb disabled; // greyed, so that a disabled control looks disabled
    };
    // Fusion's light palette, as Qt 6.4 gives it.
    const Shade shades[] = {
        {QPalette::WindowText, 0xff000000, 0xffbebebe},
        {QPalette::Button, 0xffefefef, 0xffefefef},
        {QPalette::Light, 0xffffffff, 0xffffffff},
        {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
        {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text, 0xff000000, 0xffbebebe},
        {QPalette::BrightText, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe},
        {QPalette::Base, 0xffffffff, 0xffefefef},
        {QPalette::Window, 0xffefefef, 0xffefefef},
        {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
        {QPalette::Highlight, 0xff308cc6, 0xff919191},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link, 0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
        {QPalette::NoRole, 0xff000000, 0xff000000},
        {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
        {QPalette::ToolTipText, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    };
    static_assert(std::size(shades) == QPalette::NColorRoles, "every role given");
    QPalette p;
    for (const Shade& shade : shades) {
        p.setColor(QPalette::Active, shade.role, QColor::fromRgba(shade.normal));
        p.setColor(QPalette::Inactive, shade.role, QColor::fromRgba(shade.normal));
        p.setColor(QPalette::Disabled, shade.role, QColor::fromRgba(shade.disabled));
    }
    p.setColor(QPalette::Window, background);
    return p;
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
