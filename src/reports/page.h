#pragma once
// What the two printed pages share: the typeface, amounts flush at a column's right edge,
// centred titles, and the sums a page works out for itself from the texts of fields.
#include "toolkit/printer.h"

#include <QString>
#include <initializer_list>
#include <optional>

namespace reports {

inline const QString typeface = QStringLiteral("Tahoma");

// Prints the text so that it ends at `edge`, whatever its length, measured in the font
// in force.
void printRight(toolkit::Printer& printer, double edge, double y, const QString& text);

// Prints the text centred on the vertical line `axis` inches from the left.
void printCentred(toolkit::Printer& printer, double axis, double y, const QString& text);

// The leading number of a field's text (0 for none), as every sum on a page reads it.
double figure(const QString& text);

// The plain decimal text of a figure worked out on the page; nothing when it is beyond
// what can be printed (the texts it came from hold a number too large to add).
std::optional<QString> amountText(double value);

} // namespace reports
