#include "app/program.h"

#include "app/report_data.h"
#include "rules/law.h"

// A detail form: discarded when the user closes its window, its Back handled by the hub.
template <typename F, typename Signal, typename Slot>
auto Program::detailForm(Signal back, Slot returned) {
    return [this, back, returned] {
        auto* f = new F(services_.messages);
        f->setAttribute(Qt::WA_DeleteOnClose);
        connect(f, back, this, returned);
        return f;
    };
}

Program::Program(toolkit::Services services)
    : services_(services), main_([this] {
          auto* w = new MainWorksheet(services_.messages);
          wireWorksheet(*w);
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
          return f;
      }),
      salary_([this] {
          SalaryForm* f =
              detailForm<SalaryForm>(&SalaryForm::transferred, &Program::returnFromSalary)();
          connect(f, &SalaryForm::printRequested, this, &Program::printStatement);
          return f;
      }) {}

Program::~Program() {
    delete splash_.data();
}

void Program::start(std::chrono::milliseconds splashDelay) {
    splash_ = new SplashForm(splashDelay);
    connect(splash_, &SplashForm::timeUp, this, [this] {
        showWorksheet();
        splash_->Timer1.stop();
        splash_->close();
        splash_->deleteLater();
        splash_ = nullptr;
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

void Program::wireWorksheet(MainWorksheet& w) {
    connect(&w, &MainWorksheet::exitAsked, this, &Program::exit);
    // Closing the worksheet's window ends the program, as Exit does: the detail forms,
    // hidden or not, must not keep it running without its hub.
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
    deductions_.show().fillPension(contribution);
}

void Program::returnFromDeductions(double grandTotal, const DeductionsForm::Snapshot& shown) {
    deductionsCarried_ = shown;
    main_.show().takeDeductions(grandTotal);
}

void Program::returnFromHouseProperty(double income, const HousePropertyForm::Snapshot& shown) {
    housePropertyCarried_ = shown;
    main_.show().takeHouseProperty(income);
}

// HRA: the pay of the year that the salary form left in the carriers; then the rent paid
// is the user's to type.
void Program::openHra() {
    const MainWorksheet::CarriedPay pay = worksheet().carriedPay();
    hra_.show().fillPay({pay.basicPay, pay.gradePay, pay.da, pay.hraReceived});
}

void Program::returnFromHra(double exemption) {
    main_.show().takeHraExemption(exemption);
}

// Relief u/s 89: item 3 is the net taxable income as the worksheet shows it, at every
// opening; the DA arrears of a calculated salary table relate to 2011-12.
void Program::openRelief() {
    const QString income = worksheet().snapshot().netTaxableIncome;
    const SalaryForm* salary = salary_.existing();
    relief_.show().fill(income, salary ? salary->arrearsOfDa() : std::nullopt);
}

void Program::returnFromRelief(double relief) {
    main_.show().takeRelief(relief);
}

void Program::openSalary() {
    const QString name = worksheet().name();
    salary_.show().takeName(name);
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

void Program::printComputation() {
    const reports::ComputationData data =
        computationData(worksheet().snapshot(), housePropertyCarried_, deductionsCarried_);
    printPage(
        reports::unprintable(data), QStringLiteral("Income tax %1.pdf").arg(yearName()),
        [&data](toolkit::Printer& printer) { return reports::printComputation(printer, data); });
}

void Program::printStatement() {
    const reports::SalaryStatementData data = statementData(salary_.get().snapshot());
    printPage(reports::unprintable(data), QStringLiteral("Salary %1.pdf").arg(yearName()),
              [&data](toolkit::Printer& printer) {
                  return reports::printSalaryStatement(printer, data);
              });
}

void Program::printRelief() {
    const reports::ReliefData data =
        reliefData(relief_.get().snapshot(), worksheet().snapshot().name);
    printPage(reports::unprintable(data), QStringLiteral("Relief u-s 89(1) 2012-13.pdf"),
              [&data](toolkit::Printer& printer) { return reports::printRelief(printer, data); });
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
