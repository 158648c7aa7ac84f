#include "batch/worker.h"

#include "reports/from_record.h"
#include "rules/law.h"
#include "toolkit/printer.h"
#include "year/file.h"
#include "year/work.h"

#include <QElapsedTimer>

namespace batch {

namespace {

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

Done workOut(const QString& file, const Pages& pages, bool writePages,
             std::atomic<double>* pdfSeconds) {
    Done done;
    auto read = year::readFile(file);
    if (const QString* problem = std::get_if<QString>(&read)) {
        done.error = *problem;
        return done;
    }
    year::Worked worked =
        year::workOut(std::get<year::Record>(std::move(read)), fiscora::law2012());
    done.warnings = std::move(worked.warnings);
    if (worked.refusal) {
        done.error = worked.refusal->message;
        return done;
    }
    const year::Record& record = worked.record;
    const year::FormRecord& w = *record.find(year::form::worksheet);
    for (const char* key : {"txtname", "txtgs", "txtnti", "txtttax", "txtdedtax", "txtbaltax"}) {
        done.figures << w[QLatin1String(key)];
    }
    if (!writePages) {
        return done;
    }
    // A form the year does not hold prints its design figures, as the window does.
    const auto held = [&record](const QString& form) {
        const year::FormRecord* f = record.find(form);
        return f ? *f : year::FormRecord(*year::formSchema(form));
    };
    QElapsedTimer pdfTime;
    pdfTime.start();
    done.error = writePage(
        pages.computation,
        reports::computationData(w, held(year::form::houseProperty), held(year::form::deductions)),
        reports::printComputation);
    done.computation = done.error.isEmpty();
    if (const year::FormRecord* salary = record.find(year::form::salary);
        salary && done.error.isEmpty()) {
        done.error = writePage(pages.statement, reports::statementData(*salary),
                               reports::printSalaryStatement);
        done.statement = done.error.isEmpty();
    }
    // Annexure I when the year holds arrears of salary to relieve (item 2).
    if (const year::FormRecord* relief = record.find(year::form::relief);
        relief && done.error.isEmpty() &&
        reports::figure((*relief)[year::indexed("txtitem", 2)]) != 0) {
        done.error =
            writePage(pages.relief, reports::reliefData(*relief, w[QStringLiteral("txtname")]),
                      reports::printRelief);
        done.relief = done.error.isEmpty();
    }
    if (pdfSeconds) {
        *pdfSeconds += static_cast<double>(pdfTime.nsecsElapsed()) / 1e9;
    }
    return done;
}

} // namespace

Worker recordWorker(std::atomic<double>* pdfSeconds) {
    return [pdfSeconds](const QString& file, const Pages& pages, bool writePages) {
        return workOut(file, pages, writePages, pdfSeconds);
    };
}

} // namespace batch
