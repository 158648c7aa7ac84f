#include "app/batch.h"

#include "app/program.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>

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
    bool ask(const QString&) override { return false; }
    Choice saveChanges(const QString&) override { return Choice::Discard; }
    QString pdfFileName(const QString&) override { return {}; }
    QString yearFileName(const QString&) override { return {}; }
    QString yearToOpen(const QString&) override { return {}; }
    toolkit::Services services() { return {*this, *this, *this, *this, *this}; }

    QString told;
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

struct Outcome {
    MainWorksheet::Snapshot figures;
    QString error;
};

Outcome workOut(const QString& file, const QDir& out, double* pdfSeconds) {
    BatchServices desktop;
    Program program(desktop.services());
    program.year().setRemembering(false); // the user's recent files are the user's
    const auto failed = [&](const QString& fallback) {
        return Outcome{{}, desktop.told.isEmpty() ? fallback : desktop.told};
    };
    if (!program.year().open(file)) {
        return failed(QStringLiteral("The file could not be opened."));
    }
    const year::Record held = program.year().record();
    const bool hasSalary = held.holds(year::form::salary);
    const auto form = [&held](auto& lazy, const QString& name) -> QWidget* {
        return held.holds(name) ? &lazy.get() : nullptr;
    };
    // In the order of the year: salary, HRA, house property, deductions, relief.
    const struct {
        QWidget* form;
        const char* calculate;
        const char* back;
    } steps[] = {
        {form(program.salary(), year::form::salary), "cmdcal", "cmdbak"},
        {form(program.hra(), year::form::hra), "cmdcal", "cmdback"},
        {form(program.houseProperty(), year::form::houseProperty), "cmdtot", "cmdbk"},
        {form(program.deductions(), year::form::deductions), "cmdtot", "cmdbk"},
        {form(program.relief(), year::form::relief), "cmdcal", "cmdbak"},
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
    const QString stem = QFileInfo(file).completeBaseName();
    QElapsedTimer pdfTime;
    pdfTime.start();
    QString error =
        program.exportPage(Program::Page::Computation, out.filePath(stem + "-computation.pdf"));
    if (error.isEmpty() && hasSalary) {
        error = program.exportPage(Program::Page::Statement, out.filePath(stem + "-statement.pdf"));
    }
    if (pdfSeconds) {
        *pdfSeconds += static_cast<double>(pdfTime.nsecsElapsed()) / 1e9;
    }
    Outcome outcome{w.snapshot(), error};
    program.exit();
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
        const MainWorksheet::Snapshot& f = o.figures;
        QStringList row{
            files[i],   f.name,        f.grossSalary, f.netTaxableIncome,
            f.totalTax, f.taxDeducted, f.balanceTax,  QString(o.error).replace('\n', ' ')};
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
