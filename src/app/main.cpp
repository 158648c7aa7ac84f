#include "app/start.h"
#include "batch/worker.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <string_view>

namespace {

// In the batch standard error carries its progress and refusals only: Qt's own notes (a
// runtime folder it would like, a font it misses) are nothing the accounts office can act on.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "fiscora: %s\n", qPrintable(message));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // The batch and the help texts need no display: they must run where there is none.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--batch" || arg.starts_with("--batch=")) {
            qInstallMessageHandler(keepQtQuiet);
        }
        if (arg == "--batch" || arg.starts_with("--batch=") || arg == "--help" || arg == "-h" ||
            arg == "--version" || arg == "-v") {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    QApplication app(argc, argv);
    app::setUp();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Income tax of a salaried central-government employee, 2012-13."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption batch(
        QStringLiteral("batch"),
        QStringLiteral("Work out each year FILE without a window: its pages as PDF files and a "
                       "row of summary.csv, in OUTDIR."),
        QStringLiteral("OUTDIR"));
    parser.addOption(batch);
    const QCommandLineOption jobs(
        QStringLiteral("jobs"),
        QStringLiteral(
            "With --batch, the files worked out at once (by default one for each core)."),
        QStringLiteral("N"));
    parser.addOption(jobs);
    const QCommandLineOption noPages(
        QStringLiteral("no-pages"),
        QStringLiteral("With --batch, the summary only: no PDF file is written."));
    parser.addOption(noPages);
    const QCommandLineOption law(
        QStringLiteral("law"),
        QStringLiteral("With --batch, every year worked out under the Income-tax Act as enacted "
                       "(by default each under the law its file keeps)."));
    parser.addOption(law);
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A year file (.fiscora) to open; with --batch, the files to work out."),
        QStringLiteral("[FILE...]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    if (parser.isSet(batch)) {
        if (files.isEmpty()) {
            std::fputs("fiscora: --batch needs at least one year file.\n", stderr);
            return 2;
        }
        batch::Options options;
        options.pages = !parser.isSet(noPages);
        if (parser.isSet(jobs)) {
            bool whole = false;
            options.jobs = parser.value(jobs).toInt(&whole);
            if (!whole || options.jobs < 1) {
                std::fputs("fiscora: --jobs needs a number of files, 1 or more.\n", stderr);
                return 2;
            }
        }
        return batch::run(parser.value(batch), files, options,
                          batch::recordWorker(nullptr, parser.isSet(law)), stderr);
    }
    if (parser.isSet(jobs) || parser.isSet(noPages) || parser.isSet(law)) {
        std::fputs("fiscora: --jobs, --no-pages and --law go with --batch.\n", stderr);
        return 2;
    }
    if (files.size() > 1) {
        std::fputs("fiscora: one year file at a time (or --batch OUTDIR FILE...).\n", stderr);
        return 2;
    }

    app::Desktop desktop;
    desktop.program().start(std::chrono::milliseconds(3000), files.value(0));
    return QApplication::exec();
}
