#include "toolkit/services.h"

#include "toolkit/form.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

namespace toolkit {

void QtMessages::inform(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QString::fromLatin1(applicationTitle),
                             text, QMessageBox::Ok);
}

bool QtBrowser::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace toolkit
