#include "app/start.h"

#include "toolkit/icon.h"
#include "toolkit/look.h"

#include <QApplication>

namespace app {

void setUp() {
    QApplication::setApplicationName(QStringLiteral("Fiscora1213"));
    QApplication::setApplicationVersion(QStringLiteral(FISCORA_VERSION));
    QApplication::setWindowIcon(toolkit::programIcon());
    // The installed launcher's name, by which desktops match the window to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.fiscora.Fiscora1213"));
    toolkit::installFonts(); // before any form or page asks for a font
    // The program ends through Exit or the worksheet's close box, never by a hidden form.
    QApplication::setQuitOnLastWindowClosed(false);
}

Desktop::Desktop() : program_(services_.services()) {
    QObject::connect(&program_, &Program::finished, qApp, &QApplication::quit,
                     Qt::QueuedConnection);
}

} // namespace app
