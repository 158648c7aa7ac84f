#include "app/program.h"

#include "app/report_data.h"
#include "common/amount.h"
#include "toolkit/figures.h"

// Detail forms refuse a figure that is not finite before they announce it; the carriers
// are checked where they are read.
using toolkit::writeFigure;

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
      hra_(detailForm<HraForm>(&HraForm::returned, &Program::returnFromHra)),
      relief_(detailForm<ReliefForm>(&ReliefForm::returned, &Program::returnFromRelief)),
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
}

void Program::showWorksheet() {
    main_.show();
}

void Program::wireWorksheet(MainWorksheet& w) {
    connect(w.cmdexit, &QPushButton::clicked, this, &Program::exit);
    // Closing the worksheet's window ends the program, as Exit does: the detail forms,
    // hidden or not, must not keep it running without its hub.
    connect(&w, &toolkit::Form::closedByUser, this, &Program::exit);
    connect(w.Label7, &toolkit::LinkLabel::clicked, this, &Program::openDownloadPage);
    connect(w.cmdcalhr, &QPushButton::clicked, this, &Program::openHra);
    connect(w.cmdcalded80, &QPushButton::clicked, this, &Program::openDeductions);
    // House property: nothing is copied in; the form keeps what it held.
    connect(w.cmdcalhp, &QPushButton::clicked, this, [this] { houseProperty_.show(); });
    connect(w.cmdcalgs, &QPushButton::clicked, this, &Program::openSalary);
    connect(w.cmdcalrel89, &QPushButton::clicked, this, &Program::openRelief);
    connect(w.cmdprint, &QPushButton::clicked, this, &Program::printComputation);
}

// Deductions: the year's NPS contribution goes into both 80CCD fields every time, over
// whatever they held; the government's share is matched to the employee's.
void Program::openDeductions() {
    MainWorksheet& w = worksheet();
    const double nps = fiscora::readLenient(w.txtmgc->text().toStdString());
    if (!fiscora::allFinite(nps)) {
        services_.messages.inform(QStringLiteral("The New Pension Scheme contribution is too "
                                                 "large to carry over. Nothing has been changed."));
        return;
    }
    DeductionsForm& f = deductions_.show();
    writeFigure(f.txt80ccdec, nps);
    writeFigure(f.txt80ccdgc, nps);
}

void Program::returnFromDeductions(double grandTotal) {
    MainWorksheet& w = main_.show();
    writeFigure(w.txtded80, grandTotal);
    w.txtrel89->setFocus();
}

void Program::returnFromHouseProperty(double income) {
    MainWorksheet& w = main_.show();
    writeFigure(w.txthp, income);
    w.cmdcalded80->setFocus();
}

// HRA: the pay of the year that the salary form left in the carriers, each of which must
// be a number; then the rent paid is the user's to type.
void Program::openHra() {
    MainWorksheet& w = worksheet();
    const std::pair<QLineEdit*, const char*> carriers[] = {
        {w.txtbp, "basic pay"},
        {w.txtda, "dearness allowance"},
        {w.txthrr, "house rent allowance"},
        {w.txtnpa, "grade pay"},
    };
    double figures[std::size(carriers)];
    for (std::size_t i = 0; i < std::size(carriers); ++i) {
        const auto figure = fiscora::readStrict(carriers[i].first->text().toStdString());
        if (!figure) {
            services_.messages.inform(QStringLiteral("The %1 carried over from the salary form "
                                                     "is not a number. Nothing has been changed.")
                                          .arg(QString::fromLatin1(carriers[i].second)));
            return;
        }
        figures[i] = *figure;
    }
    const auto [basicPay, dearness, hraDrawn, gradePay] = figures;
    HraForm& f = hra_.show();
    writeFigure(f.txtbp, basicPay);
    writeFigure(f.txtnpa, gradePay);
    writeFigure(f.txtda, dearness);
    writeFigure(f.txthra, hraDrawn);
    f.txtRP->setFocus();
}

void Program::returnFromHra(double exemption) {
    MainWorksheet& w = main_.show();
    writeFigure(w.txthra, exemption);
    w.txtos->setFocus();
}

// Relief u/s 89: the net taxable income as the worksheet shows it is item 3 at every
// opening; the arrears of DA that a calculated salary form holds belong to 2011-12.
void Program::openRelief() {
    const QString income = worksheet().txtnti->text();
    ReliefForm& f = relief_.show();
    f.txtitem[3]->setText(income);
    if (const SalaryForm* s = salary_.existing(); s && s->cmdbak->isEnabled()) {
        f.offerArrears(toolkit::readFigure(s->txtttl[fiscora::janArrears]) +
                       toolkit::readFigure(s->txtttl[fiscora::febArrears]));
    }
    f.dtpdob->setFocus();
}

void Program::returnFromRelief(double relief) {
    MainWorksheet& w = main_.show();
    writeFigure(w.txtrel89, relief);
    w.txtdedtax->setFocus();
}

void Program::openSalary() {
    const QString name = main_.get().txtname->text();
    SalaryForm& f = salary_.show();
    f.txtnam->setText(name);
    f.cbonps->setFocus();
}

// The year's salary lands on the worksheet; the salary form stays open behind it.
void Program::returnFromSalary(const fiscora::SalaryTotals& totals) {
    MainWorksheet& w = main_.show();
    writeFigure(w.txtgs, totals.grossSalary);
    writeFigure(w.txttp, totals.transportExempt);
    writeFigure(w.txtbp, totals.basicPay);
    writeFigure(w.txtda, totals.da);
    writeFigure(w.txthrr, totals.hraReceived);
    writeFigure(w.txtnpa, totals.gradePay);
    writeFigure(w.txtmgc, totals.mgc);
    w.cmdcalhr->setFocus();
}

// A detail form that was never opened is created unseen, so its amounts print as "0".
void Program::printComputation() {
    reports::ComputationData data;
    takeWorksheet(data, worksheet());
    takeHouseProperty(data, houseProperty_.get());
    takeDeductions(data, deductions_.get());
    printPage(
        reports::unprintable(data), QStringLiteral("Income tax 2012-13.pdf"),
        [&data](toolkit::Printer& printer) { return reports::printComputation(printer, data); });
}

void Program::printStatement() {
    const reports::SalaryStatementData data = statementData(salary_.get());
    printPage(reports::unprintable(data), QStringLiteral("Salary 2012-13.pdf"),
              [&data](toolkit::Printer& printer) {
                  return reports::printSalaryStatement(printer, data);
              });
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
