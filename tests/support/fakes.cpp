#include "support/fakes.h"

#include <QtTest>

namespace testing {

void RecordingMessages::inform(const QString& text) {
    shown << text;
    if (onInform) {
        onInform(text);
    }
}

std::unique_ptr<toolkit::Printer> RecordingPrinters::pdfFile(const QString& path) {
    pdfPaths << path;
    if (realPdf) {
        return toolkit::QtPrinter::pdfFile(path);
    }
    return std::make_unique<RecordingPrinter>(pdf); // its pages come out in pdf.pages
}

void typeText(QWindow* window, const QString& text) {
    for (QChar c : text) {
        QTest::keyClick(window, c.toLatin1());
    }
}

} // namespace testing
