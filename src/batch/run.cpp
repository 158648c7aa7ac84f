#include "batch/run.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <optional>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace batch {
namespace {

// The signal that cut the run short, 0 while none has. A handler may only set it.
std::atomic<int> cutShortBy{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void noteSignal(int signal) {
    cutShortBy.store(signal);
}

const int stopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The handlers for the length of a run; the program's own come back after it.
class StopSignals {
public:
    StopSignals() {
        cutShortBy.store(0);
        struct sigaction note = {};
        note.sa_handler = noteSignal;
        sigemptyset(&note.sa_mask);
        note.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < std::size(stopSignals); ++i) {
            sigaction(stopSignals[i], &note, &before_[i]);
        }
    }
    ~StopSignals() {
        for (std::size_t i = 0; i < std::size(stopSignals); ++i) {
            sigaction(stopSignals[i], &before_[i], nullptr);
        }
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    struct sigaction before_[std::size(stopSignals)];
};

QString signalName(int signal) {
    switch (signal) {
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QStringLiteral("SIGINT");
    }
}

// A line a file; on a terminal one line rewritten in place, the failures kept above it.
class Progress {
public:
    explicit Progress(std::FILE* to) : to_(to), live_(to && isatty(fileno(to))) {}

    // A line of its own, in place of the live line if one shows.
    void line(const QString& text) {
        if (to_) {
            std::fputs(((live_ ? QStringLiteral("\r") : QString()) + text +
                        (live_ ? QStringLiteral("\x1b[K\n") : QStringLiteral("\n")))
                           .toLocal8Bit()
                           .constData(),
                       to_);
            std::fflush(to_);
        }
        shown_ = false;
    }

    void finished(qsizetype count, qsizetype total, const QString& file, const Done& done) {
        const QString text =
            QStringLiteral("[%1/%2] %3: %4")
                .arg(count)
                .arg(total)
                .arg(file, done.error.isEmpty() ? QStringLiteral("done") : done.error);
        if (!live_ || !done.error.isEmpty()) {
            line(text);
            return;
        }
        // Cut to the terminal's width, or the carriage return would go back to its last row.
        winsize size = {};
        const int width = ioctl(fileno(to_), TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
        std::fputs(('\r' + (width > 1 ? text.left(width - 1) : text) + QStringLiteral("\x1b[K"))
                       .toLocal8Bit()
                       .constData(),
                   to_);
        std::fflush(to_);
        shown_ = true;
    }

    // The live line stays as it last stood; what follows goes below it.
    void end() {
        if (shown_) {
            std::fputc('\n', to_);
        }
    }

private:
    std::FILE* to_;
    bool live_;
    bool shown_ = false;
};

// A spreadsheet must read a name as text, never as a formula.
QString csvField(QString text) {
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()) &&
        !QRegularExpression(QStringLiteral("^-?[0-9.]+$")).match(text).hasMatch()) {
        text.prepend(QLatin1Char('\''));
    }
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
               QLatin1Char('"');
    }
    return text;
}

// Where a path leads on disk, through every link; as given, made absolute, where it leads
// nowhere yet.
QString onDisk(const QFileInfo& path) {
    const QString canonical = path.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path.absoluteFilePath()) : canonical;
}

QSet<QString> inputPaths(const QStringList& files) {
    QSet<QString> paths;
    for (const QString& file : files) {
        paths << onDisk(QFileInfo(file));
    }
    return paths;
}

// The pages of each file under its base name, in the order of the files: "emp", then "emp-2",
// "emp-3" for the later ones of that name ("year" for a file named ".fiscora"), skipping a name
// any of whose pages would be written through a link, over an input or over a page reserved
// before it, or where something other than a file stands.
std::vector<Pages> reservePages(const QDir& out, const QStringList& files) {
    const QSet<QString> inputs = inputPaths(files);
    QSet<QString> taken;
    const auto free = [&](const QString& path) {
        const QFileInfo info(path);
        return !info.isSymbolicLink() && !(info.exists() && !info.isFile()) &&
               !taken.contains(path) && !inputs.contains(onDisk(info));
    };
    std::vector<Pages> reserved;
    for (const QString& file : files) {
        QString stem = QFileInfo(file).completeBaseName();
        if (stem.isEmpty()) {
            stem = QStringLiteral("year");
        }
        for (int n = 1;; ++n) {
            const QString name = n == 1 ? stem : stem + QLatin1Char('-') + QString::number(n);
            const Pages pages{out.absoluteFilePath(name + QStringLiteral("-computation.pdf")),
                              out.absoluteFilePath(name + QStringLiteral("-statement.pdf")),
                              out.absoluteFilePath(name + QStringLiteral("-relief.pdf"))};
            if (free(pages.computation) && free(pages.statement) && free(pages.relief)) {
                taken << pages.computation << pages.statement << pages.relief;
                reserved.push_back(pages);
                break;
            }
        }
    }
    return reserved;
}

// Hands the files out to `jobs` threads (or works them on this one when there is one job),
// each the next in order, until all are given out or a signal came; reports each as it ends.
std::vector<std::optional<Done>> workOut(const QStringList& files, const std::vector<Pages>& pages,
                                         const Options& options, const Worker& worker,
                                         Progress& progress) {
    const qsizetype total = files.size();
    std::vector<std::optional<Done>> done(static_cast<std::size_t>(total));
    std::atomic<qsizetype> next{0};
    const auto take = [&]() -> qsizetype {
        if (cutShortBy.load() != 0) {
            return -1;
        }
        const qsizetype i = next++;
        return i < total ? i : -1;
    };
    const auto work = [&](qsizetype i) {
        const auto at = static_cast<std::size_t>(i);
        return worker(files[i], pages[at], options.pages);
    };
    qsizetype finished = 0;
    const int jobs = options.jobs > 0 ? options.jobs : QThread::idealThreadCount();
    if (jobs <= 1) {
        for (qsizetype i = take(); i >= 0; i = take()) {
            done[static_cast<std::size_t>(i)] = work(i);
            progress.finished(++finished, total, files[i], *done[static_cast<std::size_t>(i)]);
        }
        return done;
    }
    std::mutex mutex;
    std::condition_variable told;
    std::deque<qsizetype> ended; // files done and not yet reported
    int running = static_cast<int>(std::min<qsizetype>(jobs, total));
    std::vector<std::jthread> threads;
    for (int t = running; t > 0; --t) {
        threads.emplace_back([&] {
            for (qsizetype i = take(); i >= 0; i = take()) {
                Done d = work(i);
                const std::lock_guard lock(mutex);
                done[static_cast<std::size_t>(i)] = std::move(d);
                ended.push_back(i);
                told.notify_one();
            }
            const std::lock_guard lock(mutex);
            --running;
            told.notify_one();
        });
    }
    std::unique_lock lock(mutex);
    while (running > 0 || !ended.empty()) {
        told.wait(lock, [&] { return running == 0 || !ended.empty(); });
        while (!ended.empty()) {
            const qsizetype i = ended.front();
            ended.pop_front();
            progress.finished(++finished, total, files[i], *done[static_cast<std::size_t>(i)]);
        }
    }
    return done;
}

} // namespace

int run(const QString& outDir, const QStringList& files, const Options& options,
        const Worker& worker, std::FILE* progressTo) {
    Progress progress(progressTo);
    const QDir out(QDir::cleanPath(QDir(outDir).absolutePath()));
    const QFileInfo summaryPath(out.absoluteFilePath(QStringLiteral("summary.csv")));
    if (inputPaths(files).contains(onDisk(summaryPath))) {
        progress.line(QStringLiteral("fiscora: the summary \"%1\" is one of the year files; "
                                     "nothing was done.")
                          .arg(summaryPath.filePath()));
        return 2;
    }
    if (!QDir().mkpath(outDir)) {
        progress.line(QStringLiteral("fiscora: the folder \"%1\" cannot be made.").arg(outDir));
        return 2;
    }
    // One batch at a time into a folder: a second would mix its pages and summary with ours.
    QLockFile lock(out.absoluteFilePath(QStringLiteral(".fiscora-batch.lock")));
    if (!lock.tryLock(0)) {
        progress.line(lock.error() == QLockFile::LockFailedError
                          ? QStringLiteral("fiscora: another batch is writing to \"%1\"; nothing "
                                           "was done.")
                                .arg(outDir)
                          : QStringLiteral("fiscora: the folder \"%1\" cannot be written to; "
                                           "nothing was done.")
                                .arg(outDir));
        return 2;
    }
    const std::vector<Pages> pages =
        options.pages ? reservePages(out, files)
                      : std::vector<Pages>(static_cast<std::size_t>(files.size()));
    const StopSignals stopSignals;
    const std::vector<std::optional<Done>> done = workOut(files, pages, options, worker, progress);
    progress.end();

    const Done notWorkedOut{{},
                            false,
                            false,
                            false,
                            {},
                            QStringLiteral("not worked out: the batch was cut short by ") +
                                signalName(cutShortBy.load())};
    QString summary = QStringLiteral("file,name,gross salary,net taxable income,total tax,"
                                     "tax deducted,balance,computation,statement,relief,error,"
                                     "warnings,law\n");
    qsizetype worked = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const Done& d = done[at] ? *done[at] : notWorkedOut;
        const auto written = [](bool page, const QString& path) {
            return page ? QFileInfo(path).fileName() : QString();
        };
        QStringList row{files[i]};
        for (int f = 0; f < 6; ++f) {
            row << d.figures.value(f);
        }
        row << written(d.computation, pages[at].computation)
            << written(d.statement, pages[at].statement) << written(d.relief, pages[at].relief)
            << QString(d.error).replace(QLatin1Char('\n'), QLatin1Char(' '))
            << d.warnings.join(QStringLiteral("; ")) << d.figures.value(6);
        for (QString& field : row) {
            field = csvField(field);
        }
        summary += row.join(QLatin1Char(',')) + QLatin1Char('\n');
        worked += d.error.isEmpty() ? 1 : 0;
    }
    QSaveFile csv(summaryPath.filePath());
    const QByteArray text = summary.toUtf8();
    if (!csv.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || csv.write(text) != text.size() ||
        csv.size() != text.size() || !csv.commit()) {
        progress.line(QStringLiteral("fiscora: the summary \"%1\" was not written: %2")
                          .arg(csv.fileName(), csv.errorString()));
        return 2;
    }
    progress.line(QStringLiteral("%1 of %2 files done; summary in %3")
                      .arg(worked)
                      .arg(files.size())
                      .arg(csv.fileName()));
    if (const int signal = cutShortBy.load()) {
        return 128 + signal;
    }
    return worked == files.size() ? 0 : 1;
}

} // namespace batch
