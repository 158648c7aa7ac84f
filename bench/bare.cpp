// The floor: a bare Qt window with as many fields as the worksheet, on screen whole, then
// closed. Prints what start.cpp prints, but for the splash and the tick.
#include "watch.h"

#include <QApplication>
#include <QLineEdit>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setObjectName(QStringLiteral("bare"));
    window.resize(754, 374);
    for (int i = 0; i < 23; ++i) { // the worksheet's fields and carriers
        auto* field = new QLineEdit(QStringLiteral("0"), &window);
        field->setGeometry(10 + (i % 2) * 300, 10 + (i / 2) * 26, 80, 19);
    }
    bench::FullPaint painted([&](long long at) {
        std::printf("worksheet %lld\npeak %ld\n", at, bench::peakKilobytes());
        std::printf("exit %lld\n", bench::monotonicMicros());
        std::fflush(stdout);
        QApplication::quit();
    });
    painted.arm(QStringLiteral("bare"));
    window.show();
    QTimer::singleShot(std::chrono::seconds(20), &app, [] {
        std::fprintf(stderr, "not on screen whole after 20 s\n");
        QCoreApplication::exit(1);
    });
    return QApplication::exec();
}
