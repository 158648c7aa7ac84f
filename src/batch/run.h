#pragma once
// The batch of an accounts office: many year files worked out without a window, each giving
// its printed pages as PDF files and a row of OUTDIR/summary.csv. This is the run around the
// work on one file, which is the worker's: the names of the pages, the order of the rows, the
// files worked out at once, the summary, the lock on the folder, a run cut short by a signal.
// Qt Core only.
#include <QString>
#include <QStringList>
#include <cstdio>
#include <functional>

namespace batch {

// Where one file's pages go: absolute paths reserved for this file in this run, never a link,
// an input, or a page of another file of the run.
struct Pages {
    QString computation, statement, relief;
};

// What the work on one file gave.
struct Done {
    // name, gross salary, net taxable income, total tax, tax deducted, balance; then the law
    // the year was worked out under ("program" or "enacted"), the summary's last column
    QStringList figures;
    bool computation = false, statement = false, relief = false; // the pages written
    QStringList warnings;                                        // e.g. "TAX DEDUCTED read as 10"
    QString error; // empty when the file was worked out
};

// Works out one file and, when `writePages` is true, writes those of its pages it has (only to
// the paths given). Called from several threads at once when the run takes more than one job.
using Worker = std::function<Done(const QString& file, const Pages& pages, bool writePages)>;

struct Options {
    int jobs = 0;      // the files worked out at once; 0: one for each core
    bool pages = true; // false: the summary only, no PDF file
};

// Works out every file through `worker` and writes OUTDIR/summary.csv, one row per file in the
// order given, whatever finishes first. Progress and refusals go to `progress` (none when null):
// a line a file, or one line rewritten in place when it is a terminal. The exit status: 0 when
// every file was worked out, 1 when any was not, 2 when the run was refused or the summary not
// written, 128 + the signal when SIGINT, SIGTERM or SIGHUP cut it short (the files begun are
// finished, the others get their rows as not worked out).
int run(const QString& outDir, const QStringList& files, const Options& options,
        const Worker& worker, std::FILE* progress);

} // namespace batch
