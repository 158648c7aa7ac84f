#include "app/batch.h"

#include "reports/from_record.h"
#include "rules/law.h"
#include "toolkit/printer.h"
#include "year/file.h"
#include "year/work.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>

namespace {

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

struct Outcome {
    QStringList figures; // name, gross salary, net taxable income, total tax, tax deducted, balance
    QString error;
};

// Draws the page into a PDF file; the reason when it was not written.
template <typename Data, typename Draw>
QString writePage(const QString& path, const Data& data, Draw draw) {
    if (const QString why = reports::unprintable(data); !why.isEmpty()) {
        return why;
    }
    const std::unique_ptr<toolkit::Printer> file = toolkit::QtPrinter::pdfFile(path);
    if (!draw(*file, data)) {
        return QStringLiteral("The page was not saved to \"%1\". %2").arg(path, file->failure());
    }
    return {};
}

// The year in the file worked out as a user works it through the forms, and its pages.
Outcome workOut(const QString& file, const QDir& out, double* pdfSeconds) {
    auto read = year::readFile(file);
    if (const QString* problem = std::get_if<QString>(&read)) {
        return {{}, *problem};
    }
    const year::Worked worked =
        year::workOut(std::get<year::Record>(std::move(read)), fiscora::law2012());
    if (worked.refusal) {
        return {{}, worked.refusal->message};
    }
    const year::Record& record = worked.record;
    const year::FormRecord& w = *record.find(year::form::worksheet);
    const auto held = [&record](const QString& form) {
        const year::FormRecord* f = record.find(form);
        return f ? *f : year::FormRecord(*year::formSchema(form));
    };
    Outcome outcome{{}, {}};
    for (const char* key : {"txtname", "txtgs", "txtnti", "txtttax", "txtdedtax", "txtbaltax"}) {
        outcome.figures << w[QLatin1String(key)];
    }
    const QString stem = QFileInfo(file).completeBaseName();
    QElapsedTimer pdfTime;
    pdfTime.start();
    QString& error = outcome.error;
    error = writePage(
        out.filePath(stem + "-computation.pdf"),
        reports::computationData(w, held(year::form::houseProperty), held(year::form::deductions)),
        reports::printComputation);
    if (const year::FormRecord* salary = record.find(year::form::salary);
        salary && error.isEmpty()) {
        error = writePage(out.filePath(stem + "-statement.pdf"), reports::statementData(*salary),
                          reports::printSalaryStatement);
    }
    // Annexure I when the year holds arrears of salary to relieve (item 2).
    if (const year::FormRecord* relief = record.find(year::form::relief);
        relief && error.isEmpty() && reports::figure((*relief)[year::indexed("txtitem", 2)]) != 0) {
        error = writePage(out.filePath(stem + "-relief.pdf"),
                          reports::reliefData(*relief, w[QStringLiteral("txtname")]),
                          reports::printRelief);
    }
    if (pdfSeconds) {
        *pdfSeconds += static_cast<double>(pdfTime.nsecsElapsed()) / 1e9;
    }
    return outcome;
}

} // namespace

int runBatch(const QString& outDir, const QStringList& files, QTextStream& progress,
             double* pdfSeconds) {
    const QDir out(outDir);
    if (!QDir().mkpath(outDir)) {
        progress << "fiscora: the folder \"" << outDir << "\" cannot be made.\n";
        return 2;
    }
    QString summary = QStringLiteral("file,name,gross salary,net taxable income,total tax,"
                                     "tax deducted,balance,error\n");
    int failures = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const Outcome o = workOut(files[i], out, pdfSeconds);
        QStringList row = QStringList{files[i]} +
                          (o.figures.isEmpty() ? QStringList(6, QString()) : o.figures) +
                          QStringList{QString(o.error).replace('\n', ' ')};
        for (QString& field : row) {
            field = csvField(field);
        }
        summary += row.join(QLatin1Char(',')) + QLatin1Char('\n');
        progress << '[' << i + 1 << '/' << files.size() << "] " << files[i] << ": "
                 << (o.error.isEmpty() ? QStringLiteral("done") : o.error) << '\n';
        progress.flush();
        failures += o.error.isEmpty() ? 0 : 1;
    }
    QSaveFile csv(out.filePath(QStringLiteral("summary.csv")));
    const QByteArray text = summary.toUtf8();
    if (!csv.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || csv.write(text) != text.size() ||
        csv.size() != text.size() || !csv.commit()) {
        progress << "fiscora: the summary \"" << csv.fileName()
                 << "\" was not written: " << csv.errorString() << '\n';
        return 2;
    }
    progress << files.size() - failures << " of " << files.size() << " files done; summary in "
             << csv.fileName() << '\n';
    return failures == 0 ? 0 : 1;
}
