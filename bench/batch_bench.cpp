// The batch of an accounts office on this machine: a thousand generated year files (the
// salary table and every detail form, figures varied from file to file) through the batch's
// run on the record's worker, as `fiscora --batch` runs it: with their computation and
// statement pages and the summary alone, on one job and on every core; and once more with the
// relief form kept too, so that Annexure I is drawn as a third page. Beside them the floor:
// the same run whose worker only reads each file. Each figure is files a second over a few runs,
// minimum, median and maximum, with the share of the time spent drawing and writing PDFs.
#include "batch/worker.h"
#include "toolkit/look.h"
#include "year/file.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray yearFile(QRandomGenerator& random, int n, bool relief) {
    const int basicPay = 9000 + 100 * static_cast<int>(random.bounded(300));
    const char* const gradePays[] = {"1800", "2400", "4200", "4600", "5400", "6600"};
    const char* gradePay = gradePays[random.bounded(6)];
    QString salary = QStringLiteral(R"("cbonps": "%1", "cboclass1": "%2")")
                         .arg(random.bounded(2) ? "Y" : "N", random.bounded(2) ? "X" : "Y");
    for (int row = 0; row < 14; ++row) {
        salary += QStringLiteral(R"j(, "txtbp(%1)": "%2", "txtgp(%1)": "%3")j")
                      .arg(row)
                      .arg(basicPay)
                      .arg(gradePay);
    }
    return QStringLiteral(
               R"j({"format": "fiscora-year", "version": 1, "year": "2012-13",
"frmmain": {"txtname": "Employee %1", "txtos": "%2", "txtdedtax": "%3"},
"Form1": {%4},
"Form2": {"txtRP": "%5"},
"Form4": {"optso": true, "optrent": false, "txtintt": "%6"},
"frmreb88": {"txtgpf": "%7", "txtlic": "20000", "txt80d": "15000"}%8})j")
        .arg(n)
        .arg(random.bounded(20000))
        .arg(random.bounded(50000))
        .arg(salary)
        .arg(60000 + random.bounded(100000))
        .arg(random.bounded(50000))  // a self-occupied house's loss: the year keeps an income
        .arg(random.bounded(100000)) // to relieve arrears from
        .arg(relief ? QStringLiteral(R"j(,
"frmrel89": {"dtpdob": "1958-08-15", "txtti(5)": "%1", "txtarr(5)": "%2"})j")
                          .arg(200000 + random.bounded(200000))
                          .arg(random.bounded(10000))
                    : QString())
        .toUtf8();
}

struct Figure {
    std::vector<double> filesPerSecond;
    std::vector<double> pdfShare;
};

void print(const char* what, Figure f) {
    std::sort(f.filesPerSecond.begin(), f.filesPerSecond.end());
    std::sort(f.pdfShare.begin(), f.pdfShare.end());
    const std::size_t mid = f.filesPerSecond.size() / 2;
    std::printf("%-34s files a second: min %7.1f  median %7.1f  max %7.1f;  on PDF %3.0f%%\n", what,
                f.filesPerSecond.front(), f.filesPerSecond[mid], f.filesPerSecond.back(),
                100 * f.pdfShare[mid]);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::installFonts(); // as the batch starts: its pages are set in Tahoma
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    QTemporaryDir dir;
    QRandomGenerator random(1213);
    QStringList files;
    QStringList withRelief;
    for (int n = 0; n < count; ++n) {
        for (const bool relief : {false, true}) {
            QFile file(dir.filePath(
                QStringLiteral("employee-%1%2.fiscora").arg(n).arg(relief ? "-relief" : "")));
            if (!file.open(QIODevice::WriteOnly)) {
                return 2;
            }
            file.write(yearFile(random, n, relief));
            (relief ? withRelief : files) << file.fileName();
        }
    }
    const int cores = QThread::idealThreadCount();
    const batch::Worker floor = [](const QString& file, const batch::Pages&, bool) {
        batch::Done done;
        done.error = std::holds_alternative<QString>(year::readFile(file)) ? "unread" : "";
        return done;
    };
    struct Case {
        const char* what;
        int jobs;
        bool pages;
        bool floor;
        bool relief = false;
    };
    const Case cases[] = {
        {"floor (read only), 1 job", 1, false, true},
        {"floor (read only), all jobs", cores, false, true},
        {"summary alone (--no-pages), 1 job", 1, false, false},
        {"summary alone (--no-pages), all", cores, false, false},
        {"with the pages, 1 job", 1, true, false},
        {"with the pages, all jobs", cores, true, false},
        {"with Annexure I too, 1 job", 1, true, false, true},
        {"with Annexure I too, all jobs", cores, true, false, true},
    };
    std::printf("batch of %d year files, %d cores, %d runs each\n", count, cores, runs);
    int status = 0;
    for (const Case& c : cases) {
        Figure figure;
        for (int run = 0; run < runs; ++run) {
            std::atomic<double> pdfSeconds = 0;
            QElapsedTimer clock;
            clock.start();
            QDir(dir.filePath("out")).removeRecursively();
            const batch::Options options{c.jobs, c.pages};
            const int ran = batch::run(dir.filePath("out"), c.relief ? withRelief : files, options,
                                       c.floor ? floor : batch::recordWorker(&pdfSeconds), nullptr);
            if (ran != 0 && status == 0) { // a file refused: the bench's years must all work
                QFile summary(dir.filePath("out/summary.csv"));
                summary.open(QIODevice::ReadOnly);
                for (const QByteArray& row : summary.readAll().split('\n')) {
                    const QList<QByteArray> fields = row.split(','); // the bench's names hold none
                    if (fields.size() > 10 && !fields[10].isEmpty() && !row.startsWith("file,")) {
                        std::printf("refused: %s\n", row.constData());
                        break;
                    }
                }
            }
            status |= ran;
            const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            figure.filesPerSecond.push_back(count / seconds);
            figure.pdfShare.push_back(pdfSeconds / c.jobs / seconds);
        }
        print(c.what, figure);
    }
    return status;
}
