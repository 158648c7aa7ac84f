#include "toolkit/printer.h"

#include "toolkit/look.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace toolkit {

namespace {

constexpr double ruleWidthInches = 0.007; // half a point: a thin rule on any device
constexpr int pdfDotsPerInch = 1200;      // as a high-resolution printer writes a PDF

} // namespace

// One PDF document: the painter draws on the writer, the writer writes into the save file,
// and the save file becomes the file at its path only when committed. Destroyed uncommitted,
// it leaves nothing behind.
struct QtPrinter::PdfDocument {
    PdfDocument(const QString& path, QPageLayout::Orientation orientation)
        : file(path), writer(&file) {
        writer.setResolution(pdfDotsPerInch);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(), QPageLayout::Inch));
        writer.setTitle(QString::fromLatin1(title));
        writer.setCreator(QString::fromLatin1(title));
    }
    static constexpr const char* title = "Fiscora1213";
    QSaveFile file;
    QPdfWriter writer; // after the file, so that it goes first
};

std::unique_ptr<QtPrinter> QtPrinter::systemDefault() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // Coordinates count from the paper's corner; the printable area's offset is added here.
    printer->setFullPage(true);
    printer->setDocName(QString::fromLatin1(PdfDocument::title));
    printer->setCreator(QString::fromLatin1(PdfDocument::title));
    return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(printer), QString()));
}

std::unique_ptr<QtPrinter> QtPrinter::pdfFile(const QString& path) {
    return std::unique_ptr<QtPrinter>(new QtPrinter(nullptr, path));
}

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer, const QString& path)
    : printer_(std::move(printer)), path_(path) {
    if (!printer_) {
        pdf_ = std::make_unique<PdfDocument>(path_, QPageLayout::Portrait);
    }
    font_.setPointSizeF(10);
    // Every letter printed as a letter of its own: a text copied out of a PDF must read as
    // it was written ("fi" stays two letters, not one ligature). Letter spacing of 100 %
    // leaves every advance as it is, kerning included, and Qt shapes letter-spaced text
    // without ligatures.
    font_.setLetterSpacing(QFont::PercentageSpacing, 100);
}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive()) {
        painter_->end(); // a PDF file not ended is discarded with its document
    }
}

QPagedPaintDevice& QtPrinter::device() const {
    if (printer_) {
        return *printer_;
    }
    return pdf_->writer;
}

void QtPrinter::setOrientation(Orientation orientation) {
    device().setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

void QtPrinter::setFontName(const QString& name) {
    font_.setFamily(typeface(name));
}

void QtPrinter::setFontSize(double points) {
    font_.setPointSizeF(points);
}

void QtPrinter::setBold(bool on) {
    font_.setBold(on);
}

void QtPrinter::setItalic(bool on) {
    font_.setItalic(on);
}

void QtPrinter::setUnderline(bool on) {
    font_.setUnderline(on);
}

double QtPrinter::textWidth(const QString& text) {
    // Measured against the printer: screen metrics would put right edges off by a hair.
    return QFontMetricsF(font_, &device()).horizontalAdvance(text) / device().logicalDpiX();
}

QPointF QtPrinter::device(double x, double y) const {
    return {(origin_.x() + x) * device().logicalDpiX(), (origin_.y() + y) * device().logicalDpiY()};
}

bool QtPrinter::begin() {
    if (failed_) {
        return false;
    }
    if (painter_) {
        return true;
    }
    failure_.clear();
    if (!printer_) {
        // Only a file is ever replaced: never a device or a pipe that a link leads to.
        const QFileInfo target(path_);
        QString reason;
        if (target.exists() && !target.isFile()) {
            reason = QStringLiteral("it is not a file");
        } else if (!pdf_->file.open(QIODevice::WriteOnly)) {
            reason = pdf_->file.errorString();
        }
        if (!reason.isEmpty()) {
            failed_ = true;
            failure_ =
                QStringLiteral("The file \"%1\" could not be written: %2.").arg(path_, reason);
            return false;
        }
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&device())) {
        painter_.reset();
        failed_ = true;
        failure_ = printer_ ? QStringLiteral("The printer \"%1\" could not start the page.")
                                  .arg(printer_->printerName())
                            : QStringLiteral("The file \"%1\" could not be written.").arg(path_);
        return false;
    }
    origin_ = QPointF();
    if (printer_) {
        // A printer cannot mark the paper's very edge: count from its printable area.
        QPageLayout layout = printer_->pageLayout();
        layout.setUnits(QPageLayout::Inch);
        origin_ = {layout.minimumMargins().left(), layout.minimumMargins().top()};
    }
    return true;
}

void QtPrinter::print(double x, double y, const QString& text) {
    if (!begin()) {
        return;
    }
    // y is the top of the line; the painter wants the baseline.
    const QFontMetricsF metrics(font_, &device());
    painter_->setFont(font_);
    painter_->setPen(Qt::black);
    painter_->drawText(device(x, y) + QPointF(0, metrics.ascent()), text);
}

void QtPrinter::drawLine(double x1, double y1, double x2, double y2) {
    if (!begin()) {
        return;
    }
    QPen pen(Qt::black);
    pen.setWidthF(ruleWidthInches * device().logicalDpiY());
    pen.setCapStyle(Qt::FlatCap);
    painter_->setPen(pen);
    painter_->drawLine(device(x1, y1), device(x2, y2));
}

bool QtPrinter::endDocument() {
    bool produced = begin(); // an empty document is still one (blank) page
    if (produced && printer_) {
        produced = painter_->end() && printer_->printerState() != QPrinter::Error &&
                   printer_->printerState() != QPrinter::Aborted;
        if (!produced) {
            failure_ = QStringLiteral("The printer \"%1\" reported an error while printing "
                                      "the page.")
                           .arg(printer_->printerName());
        }
    } else if (produced) {
        produced = finishFile();
    }
    painter_.reset();
    if (!printer_) {
        // A fresh document for the next page, on paper of the same orientation.
        pdf_ = std::make_unique<PdfDocument>(path_, pdf_->writer.pageLayout().orientation());
    }
    failed_ = false;
    return produced;
}

bool QtPrinter::finishFile() {
    // The writer reports no error of the file, and the save file keeps the last of the page
    // in its buffer until it closes, where a failure to write it out would pass unseen:
    // flush it first. Only a file written whole takes the place of the old one.
    const bool whole = painter_->end() && pdf_->file.flush() &&
                       pdf_->file.error() == QFileDevice::NoError && pdf_->file.commit();
    if (!whole) {
        const QString reason = pdf_->file.errorString();
        failure_ = QStringLiteral("The file \"%1\" could not be completed: %2.").arg(path_, reason);
    }
    return whole;
}

} // namespace toolkit
