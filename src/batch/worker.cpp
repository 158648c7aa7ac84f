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

Done workOut(const QString& file, const Pages& pages, bool writePages, bool enacted,
             std::atomic<double>* pdfSeconds) {
    Done done;
    auto read = year::readFile(file);
    if (const QString* problem = std::get_if<QString>(&read)) {
        done.error = *problem;
        return done;
    }
    year::Record given = std::get<year::Record>(std::move(read));
    if (enacted) { // the law as enacted for every file, kept as each file's own would be
        given.hold(year::form::worksheet).setOn(QStringLiteral("actLawAsEnacted"), true);
    }
    const fiscora::Mode mode = year::modeOf(given);
    year::Worked worked = year::workOut(std::move(given), fiscora::law2012(mode));
    const QString law = QLatin1String(mode == fiscora::Mode::Enacted ? "enacted" : "program");
    done.warnings = std::move(worked.warnings);
    if (worked.refusal) {
        done.error = worked.refusal->message;
        done.figures = QStringList(6, QString()) << law;
        return done;
    }
    const year::Record& record = worked.record;
    const year::FormRecord& w = *record.find(year::form::worksheet);
    for (const char* key : {"txtname", "txtgs", "txtnti", "txtttax", "txtdedtax", "txtbaltax"}) {
        done.figures << w[QLatin1String(key)];
    }
    done.figures << law;
    if (!writePages) {
        return done;
    }
    // A form the year does not hold prints its design figures, as the window does.
    const auto held = [&record](const QString& form) {
        const year::FormRecord* f = record.find(form);
        return f ? *f : year::FormRecord(*year::formSchema(form));
    };
    const QString line = reports::lawLine(mode);
    // Each page with the line naming the law, when it is the law as enacted.
    const auto computation = [&line](toolkit::Printer& p, const reports::ComputationData& d) {
        return reports::printComputation(p, d, line);
    };
    const auto statement = [&line](toolkit::Printer& p, const reports::SalaryStatementData& d) {
        return reports::printSalaryStatement(p, d, line);
    };
    const auto annexure = [&line](toolkit::Printer& p, const reports::ReliefData& d) {
        return reports::printRelief(p, d, line);
    };
    QElapsedTimer pdfTime;
    pdfTime.start();
    done.error = writePage(
        pages.computation,
        reports::computationData(w, held(year::form::houseProperty), held(year::form::deductions)),
        computation);
    done.computation = done.error.isEmpty();
    if (const year::FormRecord* salary = record.find(year::form::salary);
        salary && done.error.isEmpty()) {
        done.error = writePage(pages.statement, reports::statementData(*salary), statement);
        done.statement = done.error.isEmpty();
    }
    // Annexure I when the year holds arrears of salary to relieve (item 2).
    if (const year::FormRecord* relief = record.find(year::form::relief);
        relief && done.error.isEmpty() &&
        reports::figure((*relief)[year::indexed("txtitem", 2)]) != 0) {
        done.error =
            writePage(pages.relief,
                      reports::reliefData(*relief, w[QStringLiteral("txtname")], mode), annexure);
        done.relief = done.error.isEmpty();
    }
    if (pdfSeconds) {
        *pdfSeconds += static_cast<double>(pdfTime.nsecsElapsed()) / 1e9;
    }
    return done;
}

} // namespace

Worker recordWorker(std::atomic<double>* pdfSeconds, bool enacted) {
    return [pdfSeconds, enacted](const QString& file, const Pages& pages, bool writePages) {
        return workOut(file, pages, writePages, enacted, pdfSeconds);
    };
}

} // namespace batch
