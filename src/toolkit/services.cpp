#include "toolkit/services.h"

#include "toolkit/form.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace toolkit {

void QtMessages::inform(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QString::fromLatin1(applicationTitle),
                             text, QMessageBox::Ok);
}

bool QtBrowser::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool QtQuestions::ask(const QString& question) {
    return QMessageBox::question(
               QApplication::activeWindow(), QString::fromLatin1(applicationTitle), question,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

QString QtSaveDialog::pdfFileName(const QString& suggestedName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    QString path = QFileDialog::getSaveFileName(
        QApplication::activeWindow(), QStringLiteral("Save the page as a PDF file"),
        QDir(folder).filePath(suggestedName), QStringLiteral("PDF files (*.pdf)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    return path;
}

Printer* QtPrinters::defaultPrinter() {
    if (!default_) {
        default_ = QtPrinter::systemDefault();
    }
    return default_.get();
}

std::unique_ptr<Printer> QtPrinters::pdfFile(const QString& path) {
    return QtPrinter::pdfFile(path);
}

} // namespace toolkit
