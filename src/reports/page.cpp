#include "reports/page.h"

#include "common/amount.h"

namespace reports {

void printRight(toolkit::Printer& printer, double edge, double y, const QString& text) {
    printer.print(edge - printer.textWidth(text), y, text);
}

void printCentred(toolkit::Printer& printer, double axis, double y, const QString& text) {
    printer.print(axis - printer.textWidth(text) / 2, y, text);
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
