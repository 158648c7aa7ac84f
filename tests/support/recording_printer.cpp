#include "support/recording_printer.h"

namespace testing {

QList<PageMark> RecordedPage::texts() const {
    QList<PageMark> out;
    for (const PageMark& m : marks) {
        if (m.kind == PageMark::Kind::Text) {
            out << m;
        }
    }
    return out;
}

QList<PageMark> RecordedPage::rules() const {
    QList<PageMark> out;
    for (const PageMark& m : marks) {
        if (m.kind == PageMark::Kind::Line) {
            out << m;
        }
    }
    return out;
}

double RecordingPrinter::widthOf(const QString& text, const FontState& font) {
    return text.size() * 0.5 * font.size / 72.0 * (font.bold ? 1.1 : 1.0);
}

void RecordingPrinter::setOrientation(toolkit::Orientation o) {
    orientation = o;
}
void RecordingPrinter::setFontName(const QString& name) {
    font.name = name;
}
void RecordingPrinter::setFontSize(double points) {
    font.size = points;
}
void RecordingPrinter::setBold(bool on) {
    font.bold = on;
}
void RecordingPrinter::setItalic(bool on) {
    font.italic = on;
}
void RecordingPrinter::setUnderline(bool on) {
    font.underline = on;
}

double RecordingPrinter::textWidth(const QString& text) {
    return widthOf(text, font);
}

void RecordingPrinter::mark(PageMark m) {
    if (!started_) {
        // The page takes the orientation in force at its first mark, as paper would.
        started_ = true;
        current_ = RecordedPage{orientation, {}};
    }
    current_.marks << m;
}

void RecordingPrinter::print(double x, double y, const QString& text) {
    PageMark m;
    m.kind = PageMark::Kind::Text;
    m.x = x;
    m.y = y;
    m.text = text;
    m.font = font;
    m.width = widthOf(text, font);
    mark(m);
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2) {
    PageMark m;
    m.kind = PageMark::Kind::Line;
    m.x = x1;
    m.y = y1;
    m.x2 = x2;
    m.y2 = y2;
    mark(m);
}

bool RecordingPrinter::endDocument() {
    if (!started_) {
        current_ = RecordedPage{orientation, {}};
    }
    started_ = false;
    if (!failWith.isEmpty()) {
        failure_ = failWith;
        failedPages << current_;
        return false;
    }
    failure_.clear();
    pages << current_;
    return true;
}

} // namespace testing
