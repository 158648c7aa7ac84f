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

QtQuestions::Choice QtQuestions::saveChanges(const QString& question) {
    switch (QMessageBox::warning(
        QApplication::activeWindow(), QString::fromLatin1(applicationTitle), question,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        return Choice::Save;
    case QMessageBox::Discard:
        return Choice::Discard;
    default:
        return Choice::Cancel;
    }
}

namespace {

QString documentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).exists() ? folder : QDir::homePath();
}

// The path chosen in a save dialog, given the extension when the user typed none.
QString saveFileName(const QString& caption, const QString& suggestedName, const QString& filter,
                     const QString& extension) {
    QString path =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), caption,
                                     QDir(documentsFolder()).filePath(suggestedName), filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + extension;
    }
    return path;
}

const QString yearFilter = QStringLiteral("Fiscora1213 years (*.fiscora)");

} // namespace

QString QtSaveDialog::pdfFileName(const QString& suggestedName) {
    return saveFileName(QStringLiteral("Save the page as a PDF file"), suggestedName,
                        QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
}

QString QtSaveDialog::yearFileName(const QString& suggestedName) {
    return saveFileName(QStringLiteral("Save the year"), suggestedName, yearFilter,
                        QStringLiteral("fiscora"));
}

QString QtSaveDialog::yearToOpen() {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Open a year"),
                                        documentsFolder(), yearFilter);
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
