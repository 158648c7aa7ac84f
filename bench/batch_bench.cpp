// The batch of an accounts office on this machine: a thousand generated year files (salary
// table, HRA, house property and deductions, figures varied from file to file) through the
// batch's run on the program's worker, as `fiscora --batch` runs it. Prints files a second and
// the share of the time spent drawing and writing the PDF files.
#include "app/batch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QByteArray yearFile(QRandomGenerator& random, int n) {
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
               R"({"format": "fiscora-year", "version": 1, "year": "2012-13",
"frmmain": {"txtname": "Employee %1", "txtos": "%2", "txtdedtax": "%3"},
"Form1": {%4},
"Form2": {"txtbp": "%5", "txtnpa": "50400", "txtda": "214424", "txthra": "92544", "txtRP": "%6"},
"Form4": {"optso": true, "optrent": false, "txtintt": "%7"},
"frmreb88": {"txtgpf": "%8", "txtlic": "20000", "txt80d": "15000"}})")
        .arg(n)
        .arg(random.bounded(20000))
        .arg(random.bounded(50000))
        .arg(salary)
        .arg(basicPay * 12)
        .arg(60000 + random.bounded(100000))
        .arg(random.bounded(200000))
        .arg(random.bounded(120000))
        .toUtf8();
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    QTemporaryDir dir;
    QRandomGenerator random(1213);
    QStringList files;
    for (int n = 0; n < count; ++n) {
        QFile file(dir.filePath(QStringLiteral("employee-%1.fiscora").arg(n)));
        if (!file.open(QIODevice::WriteOnly)) {
            return 2;
        }
        file.write(yearFile(random, n));
        files << file.fileName();
    }
    double pdfSeconds = 0;
    QElapsedTimer clock;
    clock.start();
    batch::Options options;
    options.jobs = 1; // the program's worker is on widgets
    const int status =
        batch::run(dir.filePath("out"), files, options, batch::programWorker(&pdfSeconds), nullptr);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    std::printf("batch of %d year files: %.1f s, %.1f files a second, %.0f%% of the time on PDF "
                "(exit status %d)\n",
                count, seconds, count / seconds, 100 * pdfSeconds / seconds, status);
    return status;
}
