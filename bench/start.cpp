// The program's real start, as main.cpp makes it, with one change: the splash's tick comes
// as soon as the splash is on screen and the program idle, instead of three seconds later. Prints
// the moments (monotonic microseconds) the splash and then the worksheet were on screen whole, the
// tick, and the press of Exit, and the peak memory; the bench measures the rest from outside.
#include "app/start.h"
#include "watch.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app::setUp();
    app::Desktop desktop;
    Program& program = desktop.program();

    bool worksheetNext = false;
    bench::FullPaint painted([&](long long at) {
        if (!worksheetNext) {
            std::printf("splash %lld\n", at);
            worksheetNext = true;
            painted.arm(QStringLiteral("frmmain"));
            // The tick, once the program has nothing left to do while the splash shows.
            QObject::connect(
                QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                &program,
                [&] {
                    QTimer::singleShot(0, &program, [&] {
                        std::printf("tick %lld\n", bench::monotonicMicros());
                        emit program.splash()->timeUp(); // what Timer1's tick does
                    });
                },
                Qt::SingleShotConnection);
            return;
        }
        std::printf("worksheet %lld\npeak %ld\n", at, bench::peakKilobytes());
        std::printf("exit %lld\n", bench::monotonicMicros());
        std::fflush(stdout);
        program.worksheet().findChild<QAbstractButton*>("cmdexit")->click();
    });
    painted.arm(QStringLiteral("frmSplash"));
    program.start();
    QTimer::singleShot(std::chrono::seconds(20), &app, [] {
        std::fprintf(stderr, "not on screen whole after 20 s\n");
        QCoreApplication::exit(1);
    });
    return QApplication::exec();
}
