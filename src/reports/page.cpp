#include "reports/page.h"

#include "common/amount.h"
#include "rules/law.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>

namespace reports {

QString yearName() {
    return QString::fromStdString(fiscora::law2012().name);
}

namespace {

// Widths are measured at the resolution the pages are painted at, as the printer measures.
constexpr int dotsPerInch = 1200;

} // namespace

double measuredWidth(const QString& text, const Font& font) {
    QImage device(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    QFont f(typeface);
    f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return QFontMetricsF(f, &device).horizontalAdvance(text) / device.logicalDpiX();
}

QString tooWideMessage(const QString& name) {
    return QStringLiteral("The amount of \"%1\" is too wide for its column on the page. Please "
                          "correct it and print again.")
        .arg(name);
}

QString captionName(const QString& caption) {
    static const QRegularExpression tail(QStringLiteral("[ :-]+$"));
    return QString(caption).remove(tail);
}

double figure(const QString& text) {
    return fiscora::readLenient(text.toStdString());
}

std::optional<QString> amountText(double value) {
    if (!fiscora::allFinite(value)) {
        return std::nullopt;
    }
    return QString::fromStdString(fiscora::numberText(value));
}

} // namespace reports
