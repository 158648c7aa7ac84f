#pragma once
// The hub: owns every form, starts the program, and is the one place where forms meet
// (the Calc. buttons that open the detail forms, the Back transfers, Exit).
#include "app/splash.h"
#include "app/year_keeper.h"
#include "deductions/deductions_form.h"
#include "house_property/house_property_form.h"
#include "hra/hra_form.h"
#include "relief/relief_form.h"
#include "salary/salary_form.h"
#include "toolkit/lazy.h"
#include "toolkit/services.h"
#include "worksheet/main_worksheet.h"
#include "worksheet/worksheet_menu.h"

#include <QObject>
#include <QPointer>
#include <chrono>
#include <functional>

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(toolkit::Services services);
    ~Program() override;

    // Shows the splash; after `splashDelay` the main worksheet replaces it and opens the
    // year file, if one is given.
    void start(std::chrono::milliseconds splashDelay = std::chrono::milliseconds(3000),
               const QString& yearFile = QString());
    // Shows the main worksheet at once.
    void showWorksheet();
    // Builds the detail forms ahead, one at a time while the program is idle, salary first,
    // so that no Calc. waits for a form to be made; a form the user closed comes back afresh.
    void prepareDetailForms();
    // Ends the program as Exit does: every form closes at once.
    void exit();
    // Exit as the user asks for it: a year changed since it was saved is first offered to
    // be saved (Save, Discard or Cancel).
    void requestExit();
    // New and Open of the File menu, with the same question first.
    void newYear();
    void openYear(const QString& path);

    enum class Page { Computation, Statement, Relief };
    // Writes the page that Print would print to a PDF file; the reason when it was not.
    QString exportPage(Page page, const QString& path);
    // The worksheet's Print: the computation of income tax, from the worksheet as it stands
    // and the house property and deductions forms as they stood at their last Back (their
    // design values if there was none), so that every figure agrees with the worksheet.
    void printComputation();
    // The salary form's Print: the statement of salary from its table as it stands.
    void printStatement();
    // The relief form's Print: Annexure I from the form as it stands, under the worksheet's
    // name.
    void printRelief();

    MainWorksheet& worksheet() { return main_.get(); }
    YearKeeper& year() { return year_; }
    const WorksheetMenu& menu() {
        main_.get();
        return menu_;
    }
    toolkit::Lazy<DeductionsForm>& deductions() { return deductions_; }
    toolkit::Lazy<HousePropertyForm>& houseProperty() { return houseProperty_; }
    toolkit::Lazy<HraForm>& hra() { return hra_; }
    toolkit::Lazy<ReliefForm>& relief() { return relief_; }
    toolkit::Lazy<SalaryForm>& salary() { return salary_; }
    SplashForm* splash() const { return splash_.data(); }
    bool ended() const { return ended_; }

signals:
    // The program has ended; the application should quit.
    void finished();

private:
    template <typename F, typename Signal, typename Slot>
    auto detailForm(Signal back, Slot returned);
    void wireWorksheet(MainWorksheet& w);
    void openDownloadPage();
    void wireMenu();
    void showTitle();
    // A new year, or one just opened: the detail forms count as carried as they now stand,
    // and every form works under the law the year keeps.
    void yearReplaced();
    // The law the year is worked out under, as the worksheet's Year menu has it.
    const fiscora::YearLaw& law() const { return fiscora::law2012(mode_); }
    // Every form in use works under the year's law from now on.
    void showLaw();
    // The user switched the law: the figures worked out under the other law are withdrawn.
    void switchLaw(bool enacted);
    // The Help page of what the program's own figures depart from the law in.
    QString differencesFromTheLaw() const;
    void exportFromMenu(Page page);
    // The page as Print would print it: why it cannot be printed, if so, the file name to
    // offer and the drawing.
    struct PageToPrint {
        QString unprintable;
        QString pdfName;
        std::function<bool(toolkit::Printer&)> draw;
    };
    PageToPrint page(Page which);
    // Sends a page to the default printer or, when there is none and the user agrees, to a
    // PDF file; says so when the page could not be produced. `unprintable` is the reason
    // the page cannot be printed at all, if there is one.
    void printPage(const QString& unprintable, const QString& pdfName,
                   const std::function<bool(toolkit::Printer&)>& page);
    void openDeductions();
    void returnFromDeductions(double grandTotal);
    void returnFromHouseProperty(double income);
    void openHra();
    void returnFromHra(double exemption);
    void openRelief();
    void returnFromRelief(double relief);
    void openSalary();
    void returnFromSalary(const fiscora::SalaryTotals& totals);

    toolkit::Services services_;
    toolkit::Lazy<MainWorksheet> main_;
    toolkit::Lazy<DeductionsForm> deductions_;
    toolkit::Lazy<HousePropertyForm> houseProperty_;
    toolkit::Lazy<HraForm> hra_;
    toolkit::Lazy<ReliefForm> relief_;
    toolkit::Lazy<SalaryForm> salary_;
    // The detail forms as their last Back carried them into the worksheet.
    year::FormRecord housePropertyCarried_{*year::formSchema(year::form::houseProperty)};
    year::FormRecord deductionsCarried_{*year::formSchema(year::form::deductions)};
    YearKeeper year_;
    WorksheetMenu menu_{};
    QPointer<SplashForm> splash_;
    bool ended_ = false;
    fiscora::Mode mode_ = fiscora::Mode::Program;
};
