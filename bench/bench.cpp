// Figures for this machine: start-up to the worksheet's first paint and peak memory,
// against a bare Qt window with as many fields as the floor; then the time of the
// operations a user waits for. Medians of several runs.
#include "app/program.h"
#include "toolkit/printer.h"
#include "toolkit/services.h"

#include <QApplication>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
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
    void inform(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool open(const QUrl&) override { return true; }
    // No printer: Print offers a PDF file, the user agrees and names pdfPath.
    toolkit::Printer* defaultPrinter() override { return nullptr; }
    std::unique_ptr<toolkit::Printer> pdfFile(const QString& path) override {
        return toolkit::QtPrinter::pdfFile(path);
    }
    bool ask(const QString&) override { return true; }
    QString pdfFileName(const QString&) override { return pdfPath; }
    Choice saveChanges(const QString&) override { return Choice::Discard; }
    QString yearFileName(const QString&) override { return {}; }
    QString yearToOpen() override { return {}; }
    QString pdfPath;
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

using Clock = std::chrono::steady_clock;

// Median microseconds of `runs` runs of `once`, each followed by the painting it causes.
template <typename F> double medianMicros(int runs, F once) {
    std::vector<double> micros;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        once(i);
        QCoreApplication::processEvents();
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return median(micros);
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void report(const char* what, double micros) {
    if (micros >= 1000) {
        std::printf("%-44s %9.2f ms\n", what, micros / 1000);
    } else {
        std::printf("%-44s %9.0f us\n", what, micros);
    }
}

// The worked year through every form, then each operation timed on it.
void measureOperations(int argc, char** argv, int runs) {
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules("default.warning=false"); // offscreen: "no raise()"
    QTemporaryDir folder;
    Silent silent;
    Program program({silent, silent, silent, silent, silent});
    program.showWorksheet();
    MainWorksheet& w = program.worksheet();
    (void)QTest::qWaitForWindowExposed(&w);

    click(w.cmdcalgs);
    SalaryForm& salary = program.salary().get();
    (void)QTest::qWaitForWindowExposed(&salary);
    salary.cbonps->setCurrentText("Y");
    salary.txtbp[0]->setText("21000");
    salary.txtgp[0]->setText("4200");
    // One key typed into "Jan 12" basic pay runs down all fourteen months; the figure
    // alternates so that every key is a change.
    QLineEdit* jan = salary.txtbp[0];
    report("keystroke in Jan 12 basic pay (14-row copy)", medianMicros(runs * 10, [&](int i) {
               jan->setCursorPosition(int(jan->text().size()));
               if (i % 2) {
                   QTest::keyClick(jan, Qt::Key_Backspace);
               } else {
                   QTest::keyClick(jan, '0');
               }
           }));
    jan->setText("21000");
    report("Calculate, salary form", medianMicros(runs, [&](int) { click(salary.cmdcal); }));
    silent.pdfPath = folder.filePath("salary.pdf");
    report("Print to PDF, statement of salary",
           medianMicros(runs, [&](int) { click(salary.cmdprn); }));
    click(salary.cmdbak);

    click(w.cmdcalhr);
    HraForm& hra = program.hra().get();
    hra.txtRP->setText("120000");
    report("Calculate, HRA form", medianMicros(runs, [&](int) { click(hra.cmdcal); }));
    click(hra.cmdback);
    w.txtos->setText("5000");

    click(w.cmdcalhp);
    HousePropertyForm& house = program.houseProperty().get();
    QTest::mouseClick(house.optso, Qt::LeftButton, {}, QPoint(5, house.optso->height() / 2));
    house.txtintt->setText("180000");
    report("Calculate, house property form", medianMicros(runs, [&](int) { click(house.cmdtot); }));
    click(house.cmdbk);

    click(w.cmdcalded80);
    DeductionsForm& deductions = program.deductions().get();
    deductions.txtlic->setText("30000");
    deductions.txtppf->setText("20000");
    deductions.txttf1->setText("12000");
    deductions.txt80ccf->setText("25000");
    deductions.txt80d->setText("18000");
    deductions.txt80g->setText("2000");
    report("Calculate, deductions form",
           medianMicros(runs, [&](int) { click(deductions.cmdtot); }));
    click(deductions.cmdbk);

    w.txtdedtax->setText("20000");
    report("Calculate, main worksheet", medianMicros(runs, [&](int) { click(w.cmdcalc); }));
    silent.pdfPath = folder.filePath("computation.pdf");
    report("Print to PDF, computation of income tax",
           medianMicros(runs, [&](int) { click(w.cmdprint); }));
    const QFileInfo pdf(silent.pdfPath);
    if (!pdf.exists() || pdf.size() == 0 || w.txtbaltax->text() != "-11175") {
        std::fprintf(stderr, "the worked year did not come out as expected (balance %s)\n",
                     qPrintable(w.txtbaltax->text()));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--worksheet") == 0) {
        return childWorksheet(argc, argv);
    }
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        return childBare(argc, argv);
    }
    const int runs = 9;
    std::printf("Fiscora1213 benchmarks (platform %s, medians of %d runs)\n",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default"
                                                     : qgetenv("QT_QPA_PLATFORM").constData(),
                runs);
    {
        QCoreApplication core(argc, argv);
        const auto [ours, oursMem] = measureStartup("--worksheet", runs);
        const auto [bare, bareMem] = measureStartup("--bare", runs);
        std::printf("%-44s %9.1f ms   (bare Qt window: %.1f ms)\n",
                    "start to worksheet's first paint", ours, bare);
        std::printf("%-44s %9.1f MiB  (bare Qt window: %.1f MiB)\n", "peak memory", oursMem,
                    bareMem);
    }
    measureOperations(argc, argv, runs);
    return 0;
}
