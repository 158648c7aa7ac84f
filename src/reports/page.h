#pragma once
// A printed page as data: rows at a height on the paper, each in one font, holding texts
// placed at an x, and thin rules. One function draws every page from its table; another
// refuses a page whose amount would run past the left edge of its column's space.
#include "toolkit/printer.h"

#include <QString>
#include <concepts>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace reports {

inline const QString typeface = QStringLiteral("Tahoma");

// The year the pages are of, as the year's law names it: "2012-13".
QString yearName();

// The font of a row: the typeface at a size in points, with its styles.
struct Font {
    double size = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class Align { Left, Right, Centre };

// The text of a cell: a fixed text of the page, a field of the page's data, or a text the
// page works out from its data.
template <typename Data> class Text {
public:
    Text(const char* fixed) : fixed_(QString::fromUtf8(fixed)) {}
    Text(QString fixed) : fixed_(std::move(fixed)) {}
    Text(QString Data::*field) : from_([field](const Data& d) { return d.*field; }) {}
    template <std::invocable<const Data&> F> Text(F from) : from_(std::move(from)) {}

    QString operator()(const Data& data) const { return from_ ? from_(data) : fixed_; }
    // The text when it is fixed, else nothing.
    std::optional<QString> fixed() const { return from_ ? std::nullopt : std::optional(fixed_); }

private:
    QString fixed_;
    std::function<QString(const Data&)> from_;
};

// The space of a column of amounts: from its left bound to the right edge its amounts end at.
struct Column {
    double left;
    double right;
};

template <typename Data> struct Cell {
    // A text whose left edge, right edge or centre stands at x (inches from the left).
    Cell(Align align, double x, Text<Data> text) : align(align), x(x), text(std::move(text)) {}
    // An amount flush at the column's right edge; `name` names it when it does not fit
    // (by default the row's caption).
    Cell(Column column, Text<Data> text, QString name = {})
        : align(Align::Right), x(column.right), text(std::move(text)), bound(column.left),
          name(std::move(name)) {}

    Align align;
    double x;
    Text<Data> text;
    std::optional<double> bound; // amounts: the left bound of the column's space
    QString name;
};

template <typename Data> struct Row {
    double y; // the top of the line, inches from the top
    Font font;
    std::vector<Cell<Data>> cells;
};

// A thin rule across the page at y, from x = from to x = to.
struct Rule {
    double from;
    double to;
    double y;
};

template <typename Data> struct Page {
    toolkit::Orientation orientation;
    std::vector<Row<Data>> rows;
    std::vector<Rule> rules;
};

// The width of the text on paper in the typeface and font, in inches.
double measuredWidth(const QString& text, const Font& font);

// Why an amount does not fit in its column, naming its line.
QString tooWideMessage(const QString& name);

// The caption a row's amounts are named by: its first fixed text without the " :-" after it.
QString captionName(const QString& caption);

// Names each unnamed amount after the first fixed text of its row.
template <typename Data> Page<Data> named(Page<Data> page) {
    for (Row<Data>& row : page.rows) {
        QString caption;
        for (Cell<Data>& cell : row.cells) {
            if (caption.isEmpty() && cell.text.fixed()) {
                caption = captionName(*cell.text.fixed());
            }
            if (cell.bound && cell.name.isEmpty()) {
                cell.name = caption;
            }
        }
    }
    return page;
}

// The page with one more line of its own: a text left-aligned at x, at y, in the font; the
// page as it is when the text is empty.
template <typename Data>
Page<Data> withLine(Page<Data> page, double x, double y, Font font, const QString& text) {
    if (!text.isEmpty()) {
        page.rows.push_back({y, font, {{Align::Left, x, Text<Data>(text)}}});
    }
    return page;
}

// Prints the page: its orientation, each row in its font, each cell aligned at its x, then
// the rules; ends the document. True when the page came out.
template <typename Data>
bool printPage(toolkit::Printer& printer, const Page<Data>& page, const Data& data) {
    printer.setOrientation(page.orientation);
    printer.setFontName(typeface);
    for (const Row<Data>& row : page.rows) {
        printer.setFontSize(row.font.size);
        printer.setBold(row.font.bold);
        printer.setItalic(row.font.italic);
        printer.setUnderline(row.font.underline);
        for (const Cell<Data>& cell : row.cells) {
            const QString text = cell.text(data);
            const double width = cell.align == Align::Left ? 0 : printer.textWidth(text);
            printer.print(cell.x - (cell.align == Align::Centre ? width / 2 : width), row.y, text);
        }
    }
    for (const Rule& rule : page.rules) {
        printer.drawLine(rule.from, rule.y, rule.to, rule.y);
    }
    return printer.endDocument();
}

// The first amount of the page, in the order printed, that would run past the left bound of
// its column, as a message naming it; an empty text when every amount fits.
template <typename Data> QString tooWide(const Page<Data>& page, const Data& data) {
    for (const Row<Data>& row : page.rows) {
        for (const Cell<Data>& cell : row.cells) {
            if (cell.bound && cell.x - measuredWidth(cell.text(data), row.font) < *cell.bound) {
                return tooWideMessage(cell.name);
            }
        }
    }
    return {};
}

// The two lines at the foot of a portrait page, naming the program and its download page.
template <typename Data> std::vector<Row<Data>> footer(QString Data::*downloadPage) {
    const Font small{8, false, true};
    auto line = [downloadPage](const char* text) {
        return Text<Data>([downloadPage, text](const Data& d) {
            return QString::fromUtf8(text).arg(d.*downloadPage);
        });
    };
    return {
        {10.10,
         small,
         {{Align::Left, 1.0,
           line("Generated by Fiscora1213 :- The Fiscora Team, Fiscora Project (Free Download:- "
                "%1)")}}},
        {10.30,
         small,
         {{Align::Left, 1.0, line("Suggestions and reports of faults are welcome at %1/issues")}}},
    };
}

// The leading number of a field's text (0 for none), as every sum on a page reads it.
double figure(const QString& text);

// The plain decimal text of a figure worked out on the page; nothing when it is beyond
// what can be printed (the texts it came from hold a number too large to add).
std::optional<QString> amountText(double value);

} // namespace reports
