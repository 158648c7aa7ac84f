#include "toolkit/printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>

namespace toolkit {

namespace {

constexpr double ruleWidthInches = 0.007; // half a point: a thin rule on any device

} // namespace

std::unique_ptr<QtPrinter> QtPrinter::systemDefault() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(printer), false));
}

std::unique_ptr<QtPrinter> QtPrinter::pdfFile(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(printer), true));
}

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer, bool isFile)
    : printer_(std::move(printer)), isFile_(isFile) {
    // Coordinates count from the paper's corner; the printable area's offset is added here.
    printer_->setFullPage(true);
    printer_->setDocName(QStringLiteral("Fiscora1213"));
    printer_->setCreator(QStringLiteral("Fiscora1213"));
    font_.setPointSizeF(10);
}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
}

void QtPrinter::setOrientation(Orientation orientation) {
    printer_->setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
}

void QtPrinter::setFontName(const QString& name) {
    font_.setFamily(name);
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
    return QFontMetricsF(font_, printer_.get()).horizontalAdvance(text) / printer_->logicalDpiX();
}

QPointF QtPrinter::device(double x, double y) const {
    return {(origin_.x() + x) * printer_->logicalDpiX(),
            (origin_.y() + y) * printer_->logicalDpiY()};
}

bool QtPrinter::begin() {
    if (failed_) {
        return false;
    }
    if (painter_) {
        return true;
    }
    failure_.clear();
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        failed_ = true;
        failure_ = isFile_ ? QStringLiteral("The file \"%1\" could not be written.")
                                 .arg(printer_->outputFileName())
                           : QStringLiteral("The printer \"%1\" could not start the page.")
                                 .arg(printer_->printerName());
        return false;
    }
    origin_ = QPointF();
    if (!isFile_) {
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
    const QFontMetricsF metrics(font_, printer_.get());
    painter_->setFont(font_);
    painter_->setPen(Qt::black);
    painter_->drawText(device(x, y) + QPointF(0, metrics.ascent()), text);
}

void QtPrinter::drawLine(double x1, double y1, double x2, double y2) {
    if (!begin()) {
        return;
    }
    QPen pen(Qt::black);
    pen.setWidthF(ruleWidthInches * printer_->logicalDpiY());
    pen.setCapStyle(Qt::FlatCap);
    painter_->setPen(pen);
    painter_->drawLine(device(x1, y1), device(x2, y2));
}

bool QtPrinter::endDocument() {
    bool produced = begin(); // an empty document is still one (blank) page
    if (produced) {
        produced = painter_->end() && printer_->printerState() != QPrinter::Error &&
                   printer_->printerState() != QPrinter::Aborted;
        if (!produced) {
            failure_ = isFile_ ? QStringLiteral("The file \"%1\" could not be completed.")
                                     .arg(printer_->outputFileName())
                               : QStringLiteral("The printer \"%1\" reported an error while "
                                                "printing the page.")
                                     .arg(printer_->printerName());
        }
    }
    painter_.reset();
    failed_ = false;
    return produced;
}

} // namespace toolkit
