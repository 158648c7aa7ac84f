// Figures for this machine. The program's real start (to the worksheet on screen whole) and
// its exit, run in turn with a bare Qt window of as many fields, the floor; then the
// operations a user waits for on the worked year, the first press beside the warm ones.
// Minimum, median and maximum of each.
#include "app/program.h"
#include "toolkit/look.h"
#include "toolkit/printer.h"
#include "toolkit/services.h"
#include "watch.h"

#include <QApplication>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

namespace {

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
    void preview(const std::function<bool(toolkit::Printer&)>&) override {}
    bool ask(const QString&) override { return true; }
    QString pdfFileName(const QString&) override { return pdfPath; }
    Choice saveChanges(const QString&) override { return Choice::Discard; }
    QString yearFileName(const QString&) override { return {}; }
    QString yearToOpen(const QString&) override { return {}; }
    QString pdfPath;
};

// "min median max" of a sample, in the unit it is given in.
QString spread(std::vector<double> v, const char* format) {
    if (v.empty()) {
        return QStringLiteral("(no runs)");
    }
    std::sort(v.begin(), v.end());
    return QString::asprintf(format, v.front(), v[v.size() / 2], v.back());
}

void row(const char* what, const QString& figures) {
    std::printf("  %-46s %s\n", what, qPrintable(figures));
}

void heading(const QString& title, const char* first) {
    std::printf("\n%-48s %8s %8s %8s %8s\n", qPrintable(title), first, "min", "median", "max");
}

// One run of a start-up child: the moments it printed, by name, with its launch and end.
std::map<QByteArray, long long> runChild(const QString& name) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long launched = bench::monotonicMicros();
    child.start(QCoreApplication::applicationDirPath() + '/' + name, QStringList());
    const bool finished = child.waitForFinished(60000);
    std::map<QByteArray, long long> moments{{"launched", launched},
                                            {"ended", bench::monotonicMicros()}};
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2) {
            moments[words[0]] = words[1].toLongLong();
        }
    }
    if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
        !moments.count("exit")) {
        std::fprintf(stderr, "%s: a run failed\n", qPrintable(name));
        return {};
    }
    return moments;
}

// Start and exit of ours and the floor, one run of each in turn so that the machine's
// load falls on both alike.
void measureStart(int runs) {
    std::vector<double> splash, ours, step, bare, oursExit, bareExit, oursMem, bareMem;
    auto millis = [](std::map<QByteArray, long long>& m, const char* to, const char* from) {
        return (m[to] - m[from]) / 1000.0;
    };
    for (int i = 0; i < runs; ++i) {
        if (auto m = runChild(QStringLiteral("fiscora_bench_start")); !m.empty()) {
            splash.push_back(millis(m, "splash", "launched"));
            ours.push_back(millis(m, "worksheet", "launched") - millis(m, "tick", "splash"));
            step.push_back(millis(m, "worksheet", "tick"));
            oursExit.push_back(millis(m, "ended", "exit"));
            oursMem.push_back(m["peak"] / 1024.0);
        }
        if (auto m = runChild(QStringLiteral("fiscora_bench_bare")); !m.empty()) {
            bare.push_back(millis(m, "worksheet", "launched"));
            bareExit.push_back(millis(m, "ended", "exit"));
            bareMem.push_back(m["peak"] / 1024.0);
        }
    }
    const char* ms = "%17.1f %8.1f %8.1f ms"; // under min, median, max
    heading(QStringLiteral("Start and exit, ours and the floor in turn, %1 runs").arg(runs), "");
    row("launch to the splash on screen", spread(splash, ms));
    row("launch to the worksheet on screen (no wait)", spread(ours, ms));
    row("  the step after the splash's tick", spread(step, ms));
    row("floor: launch to a bare window on screen", spread(bare, ms));
    row("Exit to the process ended", spread(oursExit, ms));
    row("floor: quit to the process ended", spread(bareExit, ms));
    row("peak memory", spread(oursMem, "%17.1f %8.1f %8.1f MiB"));
    row("floor: peak memory", spread(bareMem, "%17.1f %8.1f %8.1f MiB"));
}

using Clock = std::chrono::steady_clock;

// Times `once` (with the painting it causes) `runs` times, and prints the first press
// beside the warm ones.
template <typename F> void operation(const char* what, int runs, F once) {
    std::vector<double> micros;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        once(i);
        QCoreApplication::processEvents();
        micros.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const double first = micros.front();
    micros.erase(micros.begin());
    row(what, QString::asprintf("%8.2f ", first) +
                  (micros.empty() ? QStringLiteral("ms") : spread(micros, "%8.2f %8.2f %8.2f ms")));
}

// A control of a form, by its object name.
template <typename W = QLineEdit> W* at(const QWidget& form, const char* name) {
    return form.findChild<W*>(QString::fromLatin1(name));
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void click(const QWidget& form, const char* name) {
    click(at<QAbstractButton>(form, name));
}

// The worked year through every form, then each operation timed on it.
void measureOperations(int runs) {
    QLoggingCategory::setFilterRules("default.warning=false"); // offscreen: "no raise()"
    heading(QStringLiteral("Operations, first press and %1 warm ones").arg(runs - 1), "first");
    QTemporaryDir folder;
    Silent silent;
    Program program({silent, silent, silent, silent, silent});
    program.showWorksheet();
    program.prepareDetailForms(); // as the splash's tick does after showing the worksheet
    MainWorksheet& w = program.worksheet();
    (void)QTest::qWaitForWindowExposed(&w);
    QTest::qWait(100); // the program idle, the detail forms built

    bool salaryShown = false;
    bench::FullPaint painted([&](long long) { salaryShown = true; });
    painted.arm(QStringLiteral("Form1"));
    operation("Calc. opens the salary form, on screen whole", 1, [&](int) {
        click(w, "cmdcalgs");
        // Polled each millisecond: QTRY's steps of 50 ms would hide what is measured.
        for (int ms = 0; !salaryShown && ms < 10000; ++ms) {
            QTest::qWait(1);
        }
    });
    SalaryForm& salary = program.salary().get();
    at<QComboBox>(salary, "cbonps")->setCurrentText("Y");
    at(salary, "txtbp(0)")->setText("21000");
    at(salary, "txtgp(0)")->setText("4200");
    // One key typed into "Jan 12" basic pay runs down all fourteen months; the figure
    // alternates so that every key is a change.
    QLineEdit* jan = at(salary, "txtbp(0)");
    operation("keystroke in Jan 12 basic pay (14-row copy)", runs * 10, [&](int i) {
        jan->setCursorPosition(int(jan->text().size()));
        QTest::keyClick(jan, i % 2 ? Qt::Key_Backspace : Qt::Key_0);
    });
    jan->setText("21000");
    operation("Calculate, salary form", runs, [&](int) { click(salary, "cmdcal"); });
    silent.pdfPath = folder.filePath("salary.pdf");
    operation("Print to PDF, statement of salary", runs, [&](int) { click(salary, "cmdprn"); });
    click(salary, "cmdbak");

    click(w, "cmdcalhr");
    HraForm& hra = program.hra().get();
    at(hra, "txtRP")->setText("120000");
    operation("Calculate, HRA form", runs, [&](int) { click(hra, "cmdcal"); });
    click(hra, "cmdback");
    at(w, "txtos")->setText("5000");

    click(w, "cmdcalhp");
    HousePropertyForm& house = program.houseProperty().get();
    auto* selfOccupied = at<QRadioButton>(house, "optso");
    QTest::mouseClick(selfOccupied, Qt::LeftButton, {}, QPoint(5, selfOccupied->height() / 2));
    at(house, "txtintt")->setText("180000");
    operation("Calculate, house property form", runs, [&](int) { click(house, "cmdtot"); });
    click(house, "cmdbk");

    click(w, "cmdcalded80");
    DeductionsForm& deductions = program.deductions().get();
    at(deductions, "txtlic")->setText("30000");
    at(deductions, "txtppf")->setText("20000");
    at(deductions, "txttf1")->setText("12000");
    at(deductions, "txt80ccf")->setText("25000");
    at(deductions, "txt80d")->setText("18000");
    at(deductions, "txt80g")->setText("2000");
    operation("Calculate, deductions form", runs, [&](int) { click(deductions, "cmdtot"); });
    click(deductions, "cmdbk");

    at(w, "txtdedtax")->setText("20000");
    operation("Calculate, main worksheet", runs, [&](int) { click(w, "cmdcalc"); });
    silent.pdfPath = folder.filePath("computation.pdf");
    operation("Print to PDF, computation of income tax", runs, [&](int) { click(w, "cmdprint"); });
    const QFileInfo pdf(silent.pdfPath);
    if (!pdf.exists() || pdf.size() == 0 || at(w, "txtbaltax")->text() != "-11175") {
        std::fprintf(stderr, "the worked year did not come out as expected (balance %s)\n",
                     qPrintable(at(w, "txtbaltax")->text()));
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    toolkit::installFonts(); // as the program does: the pages ask for Tahoma
    const int runs = qEnvironmentVariableIntValue("FISCORA_BENCH_RUNS") > 1
                         ? qEnvironmentVariableIntValue("FISCORA_BENCH_RUNS")
                         : 15;
    std::printf("Fiscora1213 bench on platform %s\n", qPrintable(QGuiApplication::platformName()));
    measureStart(runs);
    measureOperations(runs);
    return 0;
}
