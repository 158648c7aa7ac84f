#include "app/program.h"

#include "reports/from_record.h"
#include "rules/law.h"
#include "toolkit/year_fields.h"

#include <QFileInfo>

// A detail form: discarded when the user closes its window, its Back handled by the hub.
template <typename F, typename Signal, typename Slot>
auto Program::detailForm(Signal back, Slot returned) {
    return [this, back, returned] {
        auto* f = new F(services_.messages);
        f->setLaw(law());
        f->setAttribute(Qt::WA_DeleteOnClose);
        connect(f, back, this, returned);
        year_.adopt(*f);
        connect(f, &toolkit::Form::closedByUser, this, [this, f] { year_.closing(*f); });
        return f;
    };
}

namespace {

// A form of the year, found by its name; a detail form goes back to its design by being
// discarded, the worksheet by being put back in place.
template <typename F>
YearKeeper::Form yearForm(const char* name, toolkit::Lazy<F>& lazy, bool discarded) {
    YearKeeper::Form form{QString::fromLatin1(name),
                          [&lazy]() -> QWidget* { return lazy.existing(); }, nullptr};
    if (discarded) {
        form.discard = [&lazy] { lazy.discard(); };
    }
    return form;
}

const QString programTitle = QStringLiteral("Fiscora1213 - Income Tax Calculator");

QStringList taxpayerKeys() {
    return {QStringLiteral("dtpdob"), QStringLiteral("optmale"), QStringLiteral("optfemale")};
}

} // namespace

Program::Program(toolkit::Services services)
    : services_(services), main_([this] {
          auto* w = new MainWorksheet(services_.messages);
          wireWorksheet(*w);
          menu_ = addMenu(*w);
          wireMenu();
          // The computation's export and preview follow Print: a page is only ever made of
          // figures worked out together.
          auto* print = w->findChild<QAbstractButton*>(QStringLiteral("cmdprint"));
          followEnabled(menu_.actExportComputation, print);
          followEnabled(menu_.actPreview, print);
          year_.adopt(*w);
          return w;
      }),
      deductions_(
          detailForm<DeductionsForm>(&DeductionsForm::returned, &Program::returnFromDeductions)),
      houseProperty_(detailForm<HousePropertyForm>(&HousePropertyForm::returned,
                                                   &Program::returnFromHouseProperty)),
      hra_(detailForm<HraForm>(&HraForm::returned, &Program::returnFromHra)), relief_([this] {
          ReliefForm* f =
              detailForm<ReliefForm>(&ReliefForm::returned, &Program::returnFromRelief)();
          connect(f, &ReliefForm::printRequested, this, &Program::printRelief);
          // The taxpayer's date of birth and sex are the worksheet's too: one fact of the year.
          year_.quietly([&] { toolkit::share(worksheet(), *f, taxpayerKeys()); });
          // Annexure I's export and preview follow the form's Print, found by its name.
          auto* print = f->findChild<QAbstractButton*>(QStringLiteral("cmdprn"));
          followEnabled(menu().actExportRelief, print);
          followEnabled(menu().actPreviewRelief, print);
          return f;
      }),
      salary_([this] {
          SalaryForm* f =
              detailForm<SalaryForm>(&SalaryForm::transferred, &Program::returnFromSalary)();
          connect(f, &SalaryForm::printRequested, this, &Program::printStatement);
          // The statement's export and preview follow the form's Print, found by its name.
          auto* print = f->findChild<QAbstractButton*>(QStringLiteral("cmdprn"));
          followEnabled(menu().actExportStatement, print);
          followEnabled(menu().actPreviewStatement, print);
          return f;
      }),
      year_(services_,
            {yearForm("frmmain", main_, false), yearForm("Form1", salary_, true),
             yearForm("Form2", hra_, true), yearForm("Form4", houseProperty_, true),
             yearForm("frmreb88", deductions_, true), yearForm("frmrel89", relief_, true)}) {
    const auto taken = [this](QWidget& form) { year_.taken(form); };
    main_.onTaken(taken);
    salary_.onTaken(taken);
    hra_.onTaken(taken);
    houseProperty_.onTaken(taken);
    deductions_.onTaken(taken);
    relief_.onTaken(taken);
    connect(&year_, &YearKeeper::stateChanged, this, &Program::showTitle);
    connect(&year_, &YearKeeper::replaced, this, &Program::yearReplaced);
}

Program::~Program() {
    delete splash_.data();
}

void Program::start(std::chrono::milliseconds splashDelay, const QString& yearFile) {
    splash_ = new SplashForm(splashDelay);
    connect(splash_, &SplashForm::timeUp, this, [this, yearFile] {
        showWorksheet();
        splash_->Timer1.stop();
        splash_->close();
        splash_->deleteLater();
        splash_ = nullptr;
        if (!yearFile.isEmpty()) {
            year_.open(yearFile);
        }
        prepareDetailForms();
    });
    splash_->showForm();
    // While the splash shows, the worksheet is built, polished and given its window, unseen,
    // so that the tick has only to show it.
    QTimer::singleShot(0, this, [this] {
        MainWorksheet& w = main_.get();
        w.ensurePolished();
        w.winId(); // the native window, not shown
    });
}

void Program::showWorksheet() {
    main_.show();
}

void Program::prepareDetailForms() {
    const std::function<void()> steps[] = {
        [this] { salary_.prepare(); }, [this] { hra_.prepare(); },
        [this] { houseProperty_.prepare(); }, [this] { deductions_.prepare(); },
        [this] { relief_.prepare(); }};
    // Each in a pass of its own, so that a key or click in between waits for one form at most.
    int delay = 0;
    for (const auto& step : steps) {
        QTimer::singleShot(delay++, this, [this, step] {
            if (!ended_) {
                step();
            }
        });
    }
}

void Program::wireWorksheet(MainWorksheet& w) {
    connect(&w, &MainWorksheet::exitAsked, this, &Program::requestExit);
    // Closing the worksheet's window ends the program, as Exit does: the detail forms,
    // hidden or not, must not keep it running without its hub.
    w.setCloseGuard([this] { return year_.settle(); });
    connect(&w, &toolkit::Form::closedByUser, this, &Program::exit);
    connect(&w, &MainWorksheet::downloadPageAsked, this, &Program::openDownloadPage);
    connect(&w, &MainWorksheet::hraAsked, this, &Program::openHra);
    connect(&w, &MainWorksheet::deductionsAsked, this, &Program::openDeductions);
    // House property: nothing is copied in; the form keeps what it held.
    connect(&w, &MainWorksheet::housePropertyAsked, this, [this] { houseProperty_.show(); });
    connect(&w, &MainWorksheet::salaryAsked, this, &Program::openSalary);
    connect(&w, &MainWorksheet::reliefAsked, this, &Program::openRelief);
    connect(&w, &MainWorksheet::printAsked, this, &Program::printComputation);
}

// Detail forms refuse a figure that is not finite before they announce it, and the
// worksheet's carriers hold only what the salary form carried: every figure that crosses
// here can be written as it is.

// Deductions: the year's NPS contribution goes into both 80CCD fields every time, over
// whatever they held.
void Program::openDeductions() {
    const double contribution = worksheet().carriedPay().mgc;
    DeductionsForm& form = deductions_.show();
    year_.quietly([&] { form.fillPension(contribution); });
}

void Program::returnFromDeductions(double grandTotal) {
    deductionsCarried_ = toolkit::recordOf(deductions_.get());
    main_.show().takeDeductions(grandTotal);
}

void Program::returnFromHouseProperty(double income) {
    housePropertyCarried_ = toolkit::recordOf(houseProperty_.get());
    main_.show().takeHouseProperty(income);
}

// HRA: the pay of the year that the salary form left in the carriers; then the rent paid
// is the user's to type.
void Program::openHra() {
    const MainWorksheet::CarriedPay pay = worksheet().carriedPay();
    HraForm& form = hra_.show();
    year_.quietly([&] { form.fillPay({pay.basicPay, pay.gradePay, pay.da, pay.hraReceived}); });
}

void Program::returnFromHra(double exemption) {
    main_.show().takeHraExemption(exemption);
}

// Relief u/s 89: item 3 is the net taxable income as the worksheet shows it, while its
// figures are fresh (its Print enabled): a figure not worked out leaves item 3 as it stands.
// The DA arrears of a calculated salary table relate to 2011-12.
void Program::openRelief() {
    MainWorksheet& w = worksheet();
    const std::optional<QString> income =
        w.figuresFresh() ? std::optional(toolkit::recordOf(w)[QStringLiteral("txtnti")])
                         : std::nullopt;
    const SalaryForm* salary = salary_.existing();
    const std::optional<double> arrears = salary ? salary->arrearsOfDa() : std::nullopt;
    ReliefForm& form = relief_.show();
    year_.quietly([&] { form.fill(income, arrears); });
}

void Program::returnFromRelief(double relief) {
    main_.show().takeRelief(relief);
}

void Program::openSalary() {
    const QString name = worksheet().name();
    SalaryForm& form = salary_.show();
    year_.quietly([&] { form.takeName(name); });
}

// The year's salary lands on the worksheet; the salary form stays open behind it.
void Program::returnFromSalary(const fiscora::SalaryTotals& totals) {
    main_.show().takeSalary(totals);
}

namespace {
QString yearName() {
    return QString::fromStdString(fiscora::law2012().name);
}
} // namespace

Program::PageToPrint Program::page(Page which) {
    switch (which) {
    case Page::Computation: {
        const reports::ComputationData data = reports::computationData(
            toolkit::recordOf(worksheet()), housePropertyCarried_, deductionsCarried_);
        return {reports::unprintable(data), QStringLiteral("Income tax %1.pdf").arg(yearName()),
                [data, law = reports::lawLine(mode_)](toolkit::Printer& printer) {
                    return reports::printComputation(printer, data, law);
                }};
    }
    case Page::Statement: {
        const reports::SalaryStatementData data =
            reports::statementData(toolkit::recordOf(salary_.get()));
        return {reports::unprintable(data), QStringLiteral("Salary %1.pdf").arg(yearName()),
                [data, law = reports::lawLine(mode_)](toolkit::Printer& printer) {
                    return reports::printSalaryStatement(printer, data, law);
                }};
    }
    case Page::Relief:
        break;
    }
    const reports::ReliefData data =
        reports::reliefData(toolkit::recordOf(relief_.get()), worksheet().name(), mode_);
    return {reports::unprintable(data), QStringLiteral("Relief u-s 89(1) %1.pdf").arg(yearName()),
            [data, law = reports::lawLine(mode_)](toolkit::Printer& printer) {
                return reports::printRelief(printer, data, law);
            }};
}

void Program::printComputation() {
    const PageToPrint p = page(Page::Computation);
    printPage(p.unprintable, p.pdfName, p.draw);
}

void Program::printStatement() {
    const PageToPrint p = page(Page::Statement);
    printPage(p.unprintable, p.pdfName, p.draw);
}

QString Program::exportPage(Page which, const QString& path) {
    const PageToPrint p = page(which);
    if (!p.unprintable.isEmpty()) {
        return p.unprintable;
    }
    const std::unique_ptr<toolkit::Printer> file = services_.printers.pdfFile(path);
    if (!file || !p.draw(*file)) {
        return QStringLiteral("The page was not saved to \"%1\". %2")
            .arg(path, file ? file->failure() : QString());
    }
    return {};
}

void Program::exportFromMenu(Page which) {
    const PageToPrint p = page(which);
    if (!p.unprintable.isEmpty()) {
        services_.messages.inform(p.unprintable);
        return;
    }
    const QString path = services_.saveDialog.pdfFileName(p.pdfName);
    if (path.isEmpty()) {
        return;
    }
    const QString failure = exportPage(which, path);
    if (!failure.isEmpty()) {
        services_.messages.inform(failure);
    }
}

void Program::wireMenu() {
    connect(menu_.actNew, &QAction::triggered, this, &Program::newYear);
    connect(menu_.actOpen, &QAction::triggered, this, [this] { openYear(QString()); });
    connect(menu_.actSave, &QAction::triggered, &year_, &YearKeeper::save);
    connect(menu_.actSaveAs, &QAction::triggered, &year_, &YearKeeper::saveAs);
    connect(menu_.actExportComputation, &QAction::triggered, this,
            [this] { exportFromMenu(Page::Computation); });
    connect(menu_.actExportStatement, &QAction::triggered, this,
            [this] { exportFromMenu(Page::Statement); });
    connect(menu_.actExportRelief, &QAction::triggered, this,
            [this] { exportFromMenu(Page::Relief); });
    const std::pair<QAction*, Page> previews[] = {{menu_.actPreview, Page::Computation},
                                                  {menu_.actPreviewStatement, Page::Statement},
                                                  {menu_.actPreviewRelief, Page::Relief}};
    for (const auto& [action, which] : previews) {
        connect(action, &QAction::triggered, this, [this, which] {
            const PageToPrint p = page(which);
            if (!p.unprintable.isEmpty()) {
                services_.messages.inform(p.unprintable);
                return;
            }
            services_.printers.preview(p.draw);
        });
    }
    connect(menu_.actExit, &QAction::triggered, this, &Program::requestExit);
    connect(menu_.actAbout, &QAction::triggered, this, [this] {
        services_.messages.inform(
            QStringLiteral("About Fiscora1213"),
            QStringLiteral("Fiscora1213 version %1\n\nIncome tax of a salaried employee of the "
                           "central government for the financial year 2012-13 "
                           "(assessment year 2013-14).\n\nFree software under the GNU General "
                           "Public License, version 3 or later.\n\nFree download: %2")
                .arg(QStringLiteral(FISCORA_VERSION), reports::downloadPage()));
    });
    connect(menu_.actLawNotes, &QAction::triggered, this, [this] {
        services_.messages.inform(QStringLiteral("Differences from the Law"),
                                  differencesFromTheLaw());
    });
    connect(menu_.actLawAsEnacted, &QAction::triggered, this, &Program::switchLaw);
    showTitle();
}

void Program::showTitle() {
    MainWorksheet* w = main_.existing();
    if (!w) {
        return;
    }
    const QString path = year_.path();
    // The modified mark with a file follows its name; a year with no file yet is marked too.
    // Under the law as enacted the title says so; the program's own law is not named.
    const QString title = mode_ == fiscora::Mode::Enacted
                              ? programTitle + QStringLiteral(" (Law as Enacted)")
                              : programTitle;
    w->setWindowTitle(path.isEmpty()
                          ? QStringLiteral("[*]") + title
                          : QFileInfo(path).fileName() + QStringLiteral("[*] - ") + title);
    w->setWindowModified(year_.modified());
    menu_.showRecent(year_.recent(), [this](const QString& file) { openYear(file); });
}

void Program::yearReplaced() {
    const year::Record held = year_.record();
    const auto carried = [&held](const QString& form) {
        const year::FormRecord* shown = held.find(form);
        return shown ? *shown : year::FormRecord(*year::formSchema(form));
    };
    housePropertyCarried_ = carried(year::form::houseProperty);
    deductionsCarried_ = carried(year::form::deductions);
    mode_ = year::modeOf(held);
    showLaw();
}

void Program::showLaw() {
    for (toolkit::Form* form : std::initializer_list<toolkit::Form*>{
             main_.existing(), salary_.existing(), hra_.existing(), houseProperty_.existing(),
             deductions_.existing(), relief_.existing()}) {
        if (form) {
            form->setLaw(law());
        }
    }
    showTitle();
}

// Switching asks nothing: the year is marked changed (the menu's action is one of its keys)
// and nothing worked out under the other law stands until it is worked out again.
void Program::switchLaw(bool enacted) {
    mode_ = enacted ? fiscora::Mode::Enacted : fiscora::Mode::Program;
    showLaw();
    worksheet().withdrawFigures();
}

QString Program::differencesFromTheLaw() const {
    const fiscora::YearLaw& program = fiscora::law2012(fiscora::Mode::Program);
    const QString year = QString::fromStdString(program.name);
    QString text;
    if (mode_ == fiscora::Mode::Enacted) {
        text = QStringLiteral("The year is worked out under the Income-tax Act as enacted for "
                              "%1: no figure departs from the law.\n")
                   .arg(year);
    } else {
        text = QStringLiteral("Where this program's figures differ from the law of %1 (Year > "
                              "Work out under the Law as Enacted follows the law):\n")
                   .arg(year);
        for (const fiscora::Departure& d : program.departures) {
            text += QStringLiteral("\n- %1: %2; the law: %3 (%4).")
                        .arg(QString::fromStdString(d.what), QString::fromStdString(d.program),
                             QString::fromStdString(d.law), QString::fromStdString(d.reference));
        }
        text += QLatin1Char('\n');
    }
    text += QStringLiteral("\nThe program does not cover:");
    for (const std::string& gap : fiscora::notCovered()) {
        text += QStringLiteral("\n- ") + QString::fromStdString(gap) + QLatin1Char(';');
    }
    text.chop(1);
    return text + QLatin1Char('.');
}

void Program::newYear() {
    if (year_.settle()) {
        year_.clear();
    }
}

void Program::openYear(const QString& path) {
    if (!year_.settle()) {
        return;
    }
    const QString file =
        path.isEmpty() ? services_.saveDialog.yearToOpen(year_.lastFolder()) : path;
    if (!file.isEmpty()) {
        year_.open(file);
    }
}

void Program::requestExit() {
    if (year_.settle()) {
        exit();
    }
}

void Program::printRelief() {
    const PageToPrint p = page(Page::Relief);
    printPage(p.unprintable, p.pdfName, p.draw);
}

void Program::printPage(const QString& unprintable, const QString& pdfName,
                        const std::function<bool(toolkit::Printer&)>& page) {
    if (!unprintable.isEmpty()) {
        services_.messages.inform(unprintable);
        return;
    }
    if (toolkit::Printer* printer = services_.printers.defaultPrinter()) {
        if (!page(*printer)) {
            services_.messages.inform(
                QStringLiteral("The page was not printed. %1\nEvery figure is as it was: "
                               "check the printer and press Print again.")
                    .arg(printer->failure()));
        }
        return;
    }
    if (!services_.questions.ask(QStringLiteral("No printer is installed. Would you like to "
                                                "save the page as a PDF file instead?"))) {
        return;
    }
    const QString path = services_.saveDialog.pdfFileName(pdfName);
    if (path.isEmpty()) {
        return;
    }
    const std::unique_ptr<toolkit::Printer> file = services_.printers.pdfFile(path);
    if (!file || !page(*file)) {
        services_.messages.inform(
            QStringLiteral("The page was not saved. %1\nEvery figure is as it was: choose "
                           "another folder and press Print again.")
                .arg(file ? file->failure() : QString()));
    }
}

void Program::openDownloadPage() {
    if (!services_.browser.open(MainWorksheet::downloadAddress())) {
        services_.messages.inform(QStringLiteral("Unable to start Web browser !"));
    }
}

void Program::exit() {
    if (ended_) {
        return;
    }
    ended_ = true;
    // Hide now, delete with the program: a form may be in the middle of its own click.
    if (MainWorksheet* w = main_.existing()) {
        w->hide();
    }
    if (DeductionsForm* f = deductions_.existing()) {
        f->hide();
    }
    if (HousePropertyForm* f = houseProperty_.existing()) {
        f->hide();
    }
    if (HraForm* f = hra_.existing()) {
        f->hide();
    }
    if (SalaryForm* f = salary_.existing()) {
        f->hide();
    }
    if (ReliefForm* f = relief_.existing()) {
        f->hide();
    }
    if (splash_) {
        splash_->hide();
    }
    emit finished();
}
