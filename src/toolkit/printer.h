#pragma once
// The printed page as the reports see it: positions in inches from the top-left corner of
// the printable area, x to the right and y downwards; one font at a time; texts printed at
// explicit positions; thin black rules. Each report is one document of one page.
#include <QFont>
#include <QPointF>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace toolkit {

enum class Orientation { Portrait, Landscape };

class Printer {
public:
    virtual ~Printer() = default;

    // The page of the document about to be printed. Like every setting below, it stays in
    // force from one document to the next until it is changed.
    virtual void setOrientation(Orientation orientation) = 0;

    // The font of every text printed after the call.
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setItalic(bool on) = 0;
    virtual void setUnderline(bool on) = 0;

    // The width of the text in the font in force, in inches.
    virtual double textWidth(const QString& text) = 0;
    // Prints the text with its left edge at x and the top of its line at y.
    virtual void print(double x, double y, const QString& text) = 0;
    // A thin black line from (x1, y1) to (x2, y2).
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;

    // Ends the document and sends its page out. True only when the page was produced;
    // otherwise failure() says what went wrong. The next print starts a new document.
    virtual bool endDocument() = 0;
    virtual QString failure() const = 0;
};

// A printer of the system or a PDF file, painted at the device's full resolution. Inches
// are turned into device units here and widths are measured against the device itself,
// so a right-aligned amount ends exactly at its edge on paper. A PDF file is written whole
// or not at all: the page goes to a temporary file that replaces the old one only once
// every byte of it is on disk.
class QtPrinter : public Printer {
public:
    // The default printer of the system (null when none is installed).
    static std::unique_ptr<QtPrinter> systemDefault();
    // Writes the page to a PDF file (A4) at the path, replacing any file there; a file that
    // could not be written whole leaves the old one as it was.
    static std::unique_ptr<QtPrinter> pdfFile(const QString& path);

    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    void setOrientation(Orientation orientation) override;
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setBold(bool on) override;
    void setItalic(bool on) override;
    void setUnderline(bool on) override;
    double textWidth(const QString& text) override;
    void print(double x, double y, const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    bool endDocument() override;
    QString failure() const override { return failure_; }

private:
    struct PdfDocument;
    QtPrinter(std::unique_ptr<QPrinter> printer, const QString& path);

    // The printer, or the PDF document about to be written.
    QPagedPaintDevice& device() const;
    // Starts the document at the first mark on the page; false when the device refused.
    bool begin();
    // Ends the PDF document and puts its file in place; false when it is not whole.
    bool finishFile();
    QPointF device(double x, double y) const;

    std::unique_ptr<QPrinter> printer_; // null for a PDF file
    QString path_;                      // the PDF file
    std::unique_ptr<PdfDocument> pdf_;  // the next (or current) document of the PDF file
    std::unique_ptr<QPainter> painter_;
    bool failed_ = false; // the current document can no longer be produced
    QString failure_;
    QFont font_;
    QPointF origin_; // top-left corner of the printable area, in inches from the paper's
};

} // namespace toolkit
