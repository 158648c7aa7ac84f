#include "app/program.h"
#include "toolkit/icon.h"
#include "toolkit/services.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fiscora1213"));
    QApplication::setWindowIcon(toolkit::programIcon());
    // The installed launcher's name, by which desktops match the window to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.fiscora.Fiscora1213"));
    // The program ends through Exit or the worksheet's close box, never by a hidden form.
    QApplication::setQuitOnLastWindowClosed(false);

    toolkit::QtMessages messages;
    toolkit::QtBrowser browser;
    toolkit::QtPrinters printers;
    toolkit::QtQuestions questions;
    toolkit::QtSaveDialog saveDialog;
    Program program({messages, browser, printers, questions, saveDialog});
    QObject::connect(&program, &Program::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    program.start();
    return QApplication::exec();
}
