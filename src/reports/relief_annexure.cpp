#include "reports/relief_annexure.h"

#include "rules/relief89.h"

#include <QStringList>

namespace reports {

namespace {

// A note's width in characters of the small font, within the width of the page's table.
constexpr qsizetype noteWidth = 100;

// The text in lines of at most `width` characters, broken between words.
QStringList wrapped(const QString& text, qsizetype width) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && lines.last().size() + 1 + word.size() <= width) {
            lines.last() += QLatin1Char(' ') + word;
        } else {
            lines << word;
        }
    }
    return lines;
}

} // namespace

Page<ReliefData> reliefPage() {
    using D = ReliefData;
    constexpr Align L = Align::Left, R = Align::Right;
    constexpr double left = 1.0, indent = 1.25, value = 2.3;
    // Items 1 to 8 end where the last column of Table A ends.
    constexpr Column items{6.25, 7.25};
    const Font title{9, true, false, true}, bold{9, true}, plain{9}, small{8};
    auto item = [](std::size_t i) { return Text<D>([i](const D& d) { return d.items[i]; }); };
    // clang-format off
    Page<D> page{toolkit::Orientation::Portrait, {
        {0.40, title, {{L, left, "ANNEXURE I - ARREARS OF SALARY: RELIEF UNDER SECTION 89(1) FOR THE YEAR " + yearName()}}},
        {0.70, bold, {{L, left, "Name :-"}, {L, value, &D::name}}},
        {0.85, plain, {{L, left, "Date of birth :-"}, {L, value, &D::dateOfBirth}}},
        {1.00, plain, {{L, left, "Sex :-"}, {L, value, &D::sex}}},
        {1.30, plain, {{L, left, "1. Total income (excluding salary received in arrears or advance)"}, {items, item(0)}}},
        {1.45, plain, {{L, left, "2. Salary received in arrears or advance"}, {items, item(1)}}},
        {1.60, plain, {{L, left, "3. Total income (as increased by salary received in arrears or advance)"}, {items, item(2)}}},
        {1.75, plain, {{L, indent, "[Add item 1 and item 2]"}}},
        {1.90, plain, {{L, left, "4. Tax on total income [as per item 3]"}, {items, item(3)}}},
        {2.05, plain, {{L, left, "5. Tax on total income [as per item 1]"}, {items, item(4)}}},
        {2.20, plain, {{L, left, "6. Tax on salary received in arrears or advance"}, {items, item(5)}}},
        {2.35, plain, {{L, indent, "[Difference of item 4 and item 5]"}}},
        {2.50, plain, {{L, left, "7. Tax computed in accordance with Table \"A\""}, {items, item(6)}}},
        {2.65, plain, {{L, indent, "[Brought from column 7 of Table \"A\"]"}}},
        {2.80, bold, {{L, left, "8. Relief under section 89(1)"}, {items, item(7)}}},
        {2.95, plain, {{L, indent, "[Indicate the difference between the amounts mentioned"}}},
        {3.10, plain, {{L, indent, "against items 6 and 7]"}}},
        {3.40, bold, {{L, left, "TABLE \"A\" [See item 7 of Annexure I]"}}},
    },
    // Rules under the figures added or taken away, a little above the next line's top.
    {{items.left, items.right, 1.58}, {items.left, items.right, 2.18},
     {items.left, items.right, 2.78}, {items.left, items.right, 2.95}}};
    // clang-format on

    // Table A: the year, then seven columns right-aligned, each amount within the space
    // from the column before.
    constexpr double edges[] = {1.6, 2.45, 3.25, 4.05, 4.85, 5.65, 6.45, 7.25};
    const char* const heads[][3] = {
        {"Previous", "year", ""},
        {"Total", "income of", "the year"},
        {"Arrears of", "salary of", "the year"},
        {"Category", "of the", "taxpayer"},
        {"Total income", "with arrears", "(2) + (3)"},
        {"Tax on", "total income", "as per (2)"},
        {"Tax on", "total income", "as per (4)"},
        {"Difference", "in tax", "(6) - (5)"},
    };
    const char* const numbers[] = {"(1)", "(2)", "(3)", "", "(4)", "(5)", "(6)", "(7)"};
    for (std::size_t line = 0; line < 4; ++line) {
        Row<D> row{3.60 + 0.13 * static_cast<double>(line), small, {}};
        for (std::size_t c = 0; c < std::size(edges); ++c) {
            row.cells.push_back({R, edges[c], line < 3 ? heads[c][line] : numbers[c]});
        }
        page.rows.push_back(std::move(row));
    }
    constexpr QString ReliefYear::*columns[] = {
        &ReliefYear::year,           &ReliefYear::totalIncome,       &ReliefYear::arrears,
        &ReliefYear::category,       &ReliefYear::incomeWithArrears, &ReliefYear::taxOnIncome,
        &ReliefYear::taxWithArrears, &ReliefYear::difference};
    const char* const names[] = {"",
                                 "Total income",
                                 "Arrears",
                                 "",
                                 "Total income with arrears",
                                 "Tax on total income",
                                 "Tax on total income with arrears",
                                 "Difference in tax"};
    QStringList years;
    for (int row = 0; row < fiscora::earlierYears; ++row) {
        years << QString::fromStdString(fiscora::earlierYearName(row));
    }
    constexpr double top = 4.25, step = 0.18;
    for (std::size_t i = 0; i < static_cast<std::size_t>(years.size()); ++i) {
        Row<D> row{top + step * static_cast<double>(i), small, {}};
        for (std::size_t c = 0; c < std::size(columns); ++c) {
            Text<D> text = [i, field = columns[c]](const D& d) { return d.years[i].*field; };
            if (*names[c] == '\0') { // the year and the category are not amounts
                row.cells.push_back({R, edges[c], std::move(text)});
            } else {
                row.cells.push_back(
                    {Column{edges[c - 1], edges[c]}, std::move(text),
                     QStringLiteral("%1 of %2").arg(names[c], years[static_cast<qsizetype>(i)])});
            }
        }
        page.rows.push_back(std::move(row));
    }
    const double tableEnd = top + step * static_cast<double>(years.size());
    page.rules.push_back({left, edges[7], top - 0.07});
    page.rules.push_back({left, edges[7], tableEnd});
    // The notes the form shows on its face, under the table: what it leaves out, always;
    // the scale applied to a taxpayer of 60 or more, when the taxpayer is, in two lines.
    page.rows.push_back(
        {tableEnd + 0.12, small, {{L, left, QString::fromStdString(fiscora::beforeTableA())}}});
    for (std::size_t line = 0; line < 2; ++line) {
        page.rows.push_back({tableEnd + 0.27 + 0.13 * static_cast<double>(line),
                             small,
                             {{L, left, Text<D>([line](const D& d) {
                                   return wrapped(d.seniorNote, noteWidth).value(qsizetype(line));
                               })}}});
    }
    for (Row<D>& row : footer(&D::downloadPage)) {
        page.rows.push_back(std::move(row));
    }
    return named(std::move(page));
}

QString unprintable(const ReliefData& data) {
    return tooWide(reliefPage(), data);
}

bool printRelief(toolkit::Printer& printer, const ReliefData& data, const QString& law) {
    return printPage(printer, withLine(reliefPage(), 1.0, 6.10, Font{8}, law), data);
}

bool printRelief(toolkit::Printer& printer, const ReliefData& data) {
    return printRelief(printer, data, QString());
}

} // namespace reports
