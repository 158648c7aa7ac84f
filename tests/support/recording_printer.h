#pragma once
// A printer that records every text and rule of its pages: where, and in which font.
#include "toolkit/printer.h"

#include <QList>
#include <QString>

namespace testing {

struct FontState {
    QString name;
    double size = 10;
    bool bold = false, italic = false, underline = false;
    bool operator==(const FontState&) const = default;
};

struct PageMark {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    double x = 0, y = 0;   // text: left edge, top of its line; rule: first end
    double x2 = 0, y2 = 0; // rule: second end
    QString text;
    FontState font; // the font the text was printed in
    bool operator==(const PageMark&) const = default;
};

struct RecordedPage {
    toolkit::Orientation orientation = toolkit::Orientation::Portrait;
    QList<PageMark> marks; // in the order printed and drawn
};

class RecordingPrinter : public toolkit::Printer {
public:
    // Half an em a character, a tenth wider in bold: a width in the wrong font shows.
    static double widthOf(const QString& text, const FontState& font) {
        return text.size() * 0.5 * font.size / 72.0 * (font.bold ? 1.1 : 1.0);
    }

    void setOrientation(toolkit::Orientation o) override { orientation = o; }
    void setFontName(const QString& name) override { font.name = name; }
    void setFontSize(double points) override { font.size = points; }
    void setBold(bool on) override { font.bold = on; }
    void setItalic(bool on) override { font.italic = on; }
    void setUnderline(bool on) override { font.underline = on; }
    double textWidth(const QString& text) override { return widthOf(text, font); }
    void print(double x, double y, const QString& text) override {
        mark({PageMark::Kind::Text, x, y, 0, 0, text, font});
    }
    void drawLine(double x1, double y1, double x2, double y2) override {
        mark({PageMark::Kind::Line, x1, y1, x2, y2, {}, {}});
    }
    bool endDocument() override;
    QString failure() const override { return failure_; }

    // Settings in force, kept from one document to the next as a real printer keeps them.
    toolkit::Orientation orientation = toolkit::Orientation::Portrait;
    FontState font;

    QList<RecordedPage> pages; // documents that came out
    // Where documents come out; a copy of this printer hands them to the original.
    QList<RecordedPage>* out = &pages;
    // When not empty, every document fails at its end with this reason, as a jammed printer.
    QString failWith;

private:
    void mark(const PageMark& m);
    bool started_ = false;
    RecordedPage current_;
    QString failure_;
};

} // namespace testing
