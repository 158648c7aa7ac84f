#include "toolkit/services.h"

#include "toolkit/form.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace toolkit {

void QtMessages::inform(const QString& text) {
    inform(QString::fromLatin1(applicationTitle), text);
}

void QtMessages::inform(const QString& title, const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), title, text, QMessageBox::Ok);
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
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(applicationTitle), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Save);
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Save"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Discard"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Cancel"));
    switch (box.exec()) {
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

const QString allFiles = QStringLiteral(";;All files (*)");

// The path chosen in a save dialog, given the extension unless it ends in it already (a name
// with a dot, "Asha.Devi", gets it too). The dialog asked before replacing only the name as
// typed: a file under the final name is replaced only when the user agrees here; otherwise
// the dialog comes back.
QString saveFileName(const QString& caption, const QString& suggested, const QString& filter,
                     const QString& extension) {
    QString start = QDir(documentsFolder()).filePath(suggested);
    for (;;) {
        const QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), caption,
                                                            start, filter + allFiles);
        if (chosen.isEmpty()) {
            return chosen;
        }
        const QString path = withExtension(chosen, extension);
        if (path == chosen || !QFileInfo::exists(path) ||
            QMessageBox::question(
                QApplication::activeWindow(), caption,
                QStringLiteral("\"%1\" already exists. Do you want to replace it?")
                    .arg(QFileInfo(path).fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes) {
            return path;
        }
        start = path;
    }
}

const QString yearFilter = QStringLiteral("Fiscora1213 years (*.fiscora)");

} // namespace

QString QtSaveDialog::pdfFileName(const QString& suggestedName) {
    return saveFileName(QStringLiteral("Save the page as a PDF file"), suggestedName,
                        QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
}

QString QtSaveDialog::yearFileName(const QString& suggested) {
    return saveFileName(QStringLiteral("Save the year"), suggested, yearFilter,
                        QStringLiteral("fiscora"));
}

QString QtSaveDialog::yearToOpen(const QString& folder) {
    return QFileDialog::getOpenFileName(
        QApplication::activeWindow(), QStringLiteral("Open a year"),
        folder.isEmpty() || !QDir(folder).exists() ? documentsFolder() : folder,
        yearFilter + allFiles);
}

QString withExtension(const QString& path, const QString& extension) {
    const QString dotted = QLatin1Char('.') + extension;
    return path.endsWith(dotted, Qt::CaseInsensitive) ? path : path + dotted;
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

void QtPrinters::preview(const std::function<bool(Printer&)>& page) {
    QPrintPreviewDialog dialog(QApplication::activeWindow());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&page](QPrinter* device) {
                         QtPrinter printer(*device);
                         page(printer);
                     });
    dialog.exec();
}

} // namespace toolkit
