#include "support/fakes.h"

#include <QtTest>

namespace testing {

void RecordingMessages::inform(const QString& text) {
    shown << text;
    if (onInform) {
        onInform(text);
    }
}

namespace {

// Hands every call on to a printer that outlives it.
class ForwardingPrinter : public toolkit::Printer {
public:
    explicit ForwardingPrinter(toolkit::Printer& to) : to_(to) {}
    void setOrientation(toolkit::Orientation o) override { to_.setOrientation(o); }
    void setFontName(const QString& name) override { to_.setFontName(name); }
    void setFontSize(double points) override { to_.setFontSize(points); }
    void setBold(bool on) override { to_.setBold(on); }
    void setItalic(bool on) override { to_.setItalic(on); }
    void setUnderline(bool on) override { to_.setUnderline(on); }
    double textWidth(const QString& text) override { return to_.textWidth(text); }
    void print(double x, double y, const QString& text) override { to_.print(x, y, text); }
    void drawLine(double x1, double y1, double x2, double y2) override {
        to_.drawLine(x1, y1, x2, y2);
    }
    bool endDocument() override { return to_.endDocument(); }
    QString failure() const override { return to_.failure(); }

private:
    toolkit::Printer& to_;
};

} // namespace

std::unique_ptr<toolkit::Printer> RecordingPrinters::pdfFile(const QString& path) {
    pdfPaths << path;
    if (realPdf) {
        return toolkit::QtPrinter::pdfFile(path);
    }
    return std::make_unique<ForwardingPrinter>(pdf);
}

void typeText(QWindow* window, const QString& text) {
    for (QChar c : text) {
        QTest::keyClick(window, c.toLatin1());
    }
}

} // namespace testing
