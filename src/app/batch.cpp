#include "app/batch.h"

#include "app/program.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

// The desktop as the batch sees it: no printer, no browser, nobody to answer; whatever a
// form would tell the user is kept as the reason its file failed.
struct BatchServices : toolkit::Messages,
                       toolkit::Browser,
                       toolkit::Printers,
                       toolkit::Questions,
                       toolkit::SaveDialog {
    void inform(const QString& text) override {
        if (told.isEmpty()) {
            told = text;
        }
    }
    bool open(const QUrl&) override { return false; }
    toolkit::Printer* defaultPrinter() override { return nullptr; }
    std::unique_ptr<toolkit::Printer> pdfFile(const QString& path) override {
        return toolkit::QtPrinter::pdfFile(path);
    }
    void preview(const std::function<bool(toolkit::Printer&)>&) override {}
    // "No printer is installed. Would you like to save the page as a PDF file instead?": yes,
    // under the name reserved for the page, when there is one.
    bool ask(const QString&) override { return !pdfPath.isEmpty(); }
    Choice saveChanges(const QString&) override { return Choice::Discard; }
    QString pdfFileName(const QString&) override { return pdfPath; }
    QString yearFileName(const QString&) override { return {}; }
    QString yearToOpen(const QString&) override { return {}; }
    toolkit::Services services() { return {*this, *this, *this, *this, *this}; }

    QString told;
    QString pdfPath; // the page to be saved next
};

// Presses the form's Calculate and then its Back, found by their names as a user finds them
// by their captions; false when either was refused. No form: nothing to press.
bool calculateAndBack(QWidget* form, const char* calculate, const char* back) {
    if (!form) {
        return true;
    }
    form->findChild<QAbstractButton*>(QLatin1String(calculate))->click();
    auto* backButton = form->findChild<QAbstractButton*>(QLatin1String(back));
    if (!backButton->isEnabled()) {
        return false;
    }
    backButton->click();
    return true;
}

batch::Done workOut(const QString& file, const batch::Pages& pages, bool writePages,
                    double* pdfSeconds) {
    BatchServices desktop;
    Program program(desktop.services());
    program.year().setRemembering(false); // the user's recent files are the user's
    batch::Done done;
    const auto failed = [&](const QString& fallback) {
        done.error = desktop.told.isEmpty() ? fallback : desktop.told;
        return done;
    };
    if (!program.year().open(file)) {
        return failed(QStringLiteral("The file could not be opened."));
    }
    // In the order of the year: salary, HRA, house property, deductions, relief.
    const struct {
        QWidget* form;
        const char* calculate;
        const char* back;
    } steps[] = {
        {program.salary().existing(), "cmdcal", "cmdbak"},
        {program.hra().existing(), "cmdcal", "cmdback"},
        {program.houseProperty().existing(), "cmdtot", "cmdbk"},
        {program.deductions().existing(), "cmdtot", "cmdbk"},
        {program.relief().existing(), "cmdcal", "cmdbak"},
    };
    for (const auto& step : steps) {
        if (!calculateAndBack(step.form, step.calculate, step.back)) {
            return failed(
                QStringLiteral("The form \"%1\" did not calculate.").arg(step.form->windowTitle()));
        }
    }
    MainWorksheet& w = program.worksheet();
    w.findChild<QAbstractButton*>(QStringLiteral("cmdcalc"))->click();
    if (!w.findChild<QAbstractButton*>(QStringLiteral("cmdprint"))->isEnabled() ||
        !desktop.told.isEmpty()) {
        return failed(QStringLiteral("The worksheet did not calculate."));
    }
    const MainWorksheet::Snapshot f = w.snapshot();
    done.figures = {f.name,     f.grossSalary, f.netTaxableIncome,
                    f.totalTax, f.taxDeducted, f.balanceTax};
    if (writePages) {
        QElapsedTimer pdfTime;
        pdfTime.start();
        done.error = program.exportPage(Program::Page::Computation, pages.computation);
        done.computation = done.error.isEmpty();
        if (done.error.isEmpty() && program.salary().existing()) {
            done.error = program.exportPage(Program::Page::Statement, pages.statement);
            done.statement = done.error.isEmpty();
        }
        const ReliefForm* relief = program.relief().existing();
        auto* print =
            relief ? relief->findChild<QAbstractButton*>(QStringLiteral("cmdprn")) : nullptr;
        if (print && print->isEnabled() && done.error.isEmpty()) {
            desktop.pdfPath = pages.relief;
            print->click();
            done.error = desktop.told;
            done.relief = done.error.isEmpty();
        }
        if (pdfSeconds) {
            *pdfSeconds += static_cast<double>(pdfTime.nsecsElapsed()) / 1e9;
        }
    }
    program.exit();
    return done;
}

} // namespace

namespace batch {

Worker programWorker(double* pdfSeconds) {
    return [pdfSeconds](const QString& file, const Pages& pages, bool writePages) {
        return workOut(file, pages, writePages, pdfSeconds);
    };
}

} // namespace batch
