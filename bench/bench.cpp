// Figures for this machine: start-up to the worksheet's first paint and peak memory,
// against a bare Qt window with as many fields as the floor; then the time of the
// operations a user waits for. Medians of several runs.
#include "app/program.h"
#include "toolkit/services.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {

// System-wide monotonic clock in microseconds, comparable between processes.
long long monotonicMicros() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Prints "<first paint time> <peak KiB>" once the watched window has painted, then quits.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            const long long at = monotonicMicros();
            QTimer::singleShot(0, qApp, [at] {
                std::printf("%lld %ld\n", at, peakKilobytes());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

struct Silent : toolkit::Messages,
                toolkit::Browser,
                toolkit::Printers,
                toolkit::Questions,
                toolkit::SaveDialog {
    void inform(const QString&) override {}
    bool open(const QUrl&) override { return true; }
    toolkit::Printer* defaultPrinter() override { return nullptr; }
    std::unique_ptr<toolkit::Printer> pdfFile(const QString&) override { return nullptr; }
    bool ask(const QString&) override { return false; }
    QString pdfFileName(const QString&) override { return {}; }
};

int childWorksheet(int argc, char** argv) {
    QApplication app(argc, argv);
    Silent silent;
    Program program({silent, silent, silent, silent, silent});
    FirstPaint watcher;
    program.worksheet().installEventFilter(&watcher);
    program.showWorksheet();
    return QApplication::exec();
}

int childBare(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(754, 374);
    for (int i = 0; i < 23; ++i) { // the worksheet's fields and carriers
        auto* field = new QLineEdit(QStringLiteral("0"), &window);
        field->setGeometry(10 + (i % 2) * 300, 10 + (i / 2) * 26, 80, 19);
    }
    FirstPaint watcher;
    window.installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Runs this program in a child mode `runs` times: median milliseconds to first paint and
// median peak memory in MiB.
std::pair<double, double> measureStartup(const QString& mode, int runs) {
    std::vector<double> millis;
    std::vector<double> mebibytes;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        const long long started = monotonicMicros();
        child.start(QCoreApplication::applicationFilePath(), {mode});
        child.waitForFinished(30000);
        const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
        if (out.size() != 2) {
            std::fprintf(stderr, "%s run failed: %s\n", qPrintable(mode),
                         child.readAllStandardError().constData());
            continue;
        }
        millis.push_back((out[0].toLongLong() - started) / 1000.0);
        mebibytes.push_back(out[1].toLong() / 1024.0);
    }
    return {median(millis), median(mebibytes)};
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--worksheet") == 0) {
        return childWorksheet(argc, argv);
    }
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        return childBare(argc, argv);
    }
    QCoreApplication core(argc, argv);
    const int runs = 9;
    std::printf("Fiscora1213 benchmarks (platform %s, medians of %d runs)\n",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default"
                                                     : qgetenv("QT_QPA_PLATFORM").constData(),
                runs);
    const auto [ours, oursMem] = measureStartup("--worksheet", runs);
    const auto [bare, bareMem] = measureStartup("--bare", runs);
    std::printf("%-44s %9.1f ms   (bare Qt window: %.1f ms)\n", "start to worksheet's first paint",
                ours, bare);
    std::printf("%-44s %9.1f MiB  (bare Qt window: %.1f MiB)\n", "peak memory", oursMem, bareMem);
    return 0;
}
