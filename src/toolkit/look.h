#pragma once
// Geometry, colours and fonts of the forms, given as the form designs give them.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

class QWidget;
class QLabel;

namespace toolkit {

// 15 twips to a logical pixel (1440 twips to the inch at 96 dots to the inch).
constexpr int twips(int t) {
    return (t * 2 + 15) / 30;
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

namespace colour {
inline const QColor teal{0, 192, 192};   // form backgrounds and button faces
inline const QColor pink{255, 192, 192}; // caption backgrounds
inline const QColor lightCyan{192, 255, 255};
inline const QColor paleYellow{255, 255, 192}; // a field read only in part
inline const QColor navy{0, 0, 128};           // captions
inline const QColor darkRed{128, 0, 0};        // output figures
inline const QColor green{0, 128, 0};
inline const QColor darkGreen{0, 64, 0};
inline const QColor blue{0, 0, 255};
inline const QColor grey{192, 192, 192};
} // namespace colour

// Makes the typefaces of the layouts available where the system lacks them: Wine's Tahoma
// (metric-compatible, Debian's fonts-wine) when it is installed. Call once at start-up.
void installFonts();

// The typeface that stands in for a family of the layouts on this system: Tahoma, when
// present, for MS Sans Serif and Microsoft Sans Serif (never Wine's bitmap MS Sans Serif);
// Liberation Sans for Arial where Arial itself is missing. Any other family, or one with
// nothing to stand in, is asked for by its own name.
QString typeface(const QString& family);

// A font of the layouts, in the typeface that stands in for the family.
QFont font(const QString& family, double points, bool bold = false, bool italic = false);
inline QFont arial(double points, bool bold = false) {
    return font("Arial", points, bold);
}
inline QFont sansSerif(double points, bool bold = false) {
    return font("MS Sans Serif", points, bold);
}

// The palette of a form and of every control in it: the light one the forms were made
// against, every role of every group given, so that no colour of the desktop's (a dark or
// high-contrast theme) mixes with the forms' own; `background` is the form's.
QPalette formPalette(const QColor& background);

// Text colour and, when given, an opaque background.
void paint(QWidget* widget, const QColor& text, const QColor& background = QColor());

// A caption label at (left, top) in twips, as wide as its text and `height` high.
QLabel* caption(QWidget* parent, const QString& name, const QString& text, int left, int top,
                int height, const QFont& font, const QColor& text_colour,
                const QColor& background = QColor());

} // namespace toolkit
