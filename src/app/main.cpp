#include "app/batch.h"
#include "app/start.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <cstdio>
#include <string_view>

int main(int argc, char* argv[]) {
    // The batch and the help texts need no display: they must run where there is none.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
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
        QTextStream progress(stderr);
        return runBatch(parser.value(batch), files, progress);
    }
    if (files.size() > 1) {
        std::fputs("fiscora: one year file at a time (or --batch OUTDIR FILE...).\n", stderr);
        return 2;
    }

    app::Desktop desktop;
    desktop.program().start(std::chrono::milliseconds(3000), files.value(0));
    return QApplication::exec();
}
