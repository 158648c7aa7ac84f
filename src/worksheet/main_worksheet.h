#pragma once
// The main worksheet: the heads of income down the left, the tax figures down the right.
#include "rules/pay_table.h"
#include "rules/tax.h"
#include "toolkit/form.h"
#include "toolkit/link_label.h"
#include "toolkit/services.h"
#include "toolkit/textbox.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class MainWorksheet : public toolkit::Form {
    Q_OBJECT
public:
    explicit MainWorksheet(toolkit::Messages& messages);

    // The download page that the link opens, and its text as shown.
    static QUrl downloadAddress();

    // What the detail forms carry in. Each writes its fields in order (every change
    // withdraws Print) and puts the focus where the user goes next.
    void takeSalary(const fiscora::SalaryTotals& totals);
    void takeHraExemption(double exemption);
    void takeHouseProperty(double income);
    void takeDeductions(double grandTotal);
    void takeRelief(double relief);

    // The pay of the year that the salary form left in the hidden carriers, exactly as they
    // show it, for the HRA and deductions forms to start from.
    struct CarriedPay {
        double basicPay = 0;
        double da = 0;
        double hraReceived = 0;
        double gradePay = 0;
        double mgc = 0; // the contribution to the New Pension Scheme
    };
    CarriedPay carriedPay() const;
    QString name() const;

    // Whether the tax stands as Calculate worked it out (Print enabled).
    bool figuresFresh() const { return cmdprint->isEnabled(); }

    // The worked-out figures put back to nil and Print withdrawn: they followed another law.
    void withdrawFigures();

    // Calculate: enables Print and works out every tax figure from the fields as they stand.
    // Refuses, with a message and no field changed, when a figure is too large to work with.
    void calculate();

signals:
    // The buttons and the link that take the user elsewhere, for the hub.
    void salaryAsked();
    void hraAsked();
    void housePropertyAsked();
    void deductionsAsked();
    void reliefAsked();
    void printAsked();
    void exitAsked();
    void downloadPageAsked();

protected:
    // Under the law as enacted the window grows by a strip that asks the taxpayer's date of
    // birth and sex and the tax on employment; nothing else moves.
    void lawChanged() override;

private:
    QList<QWidget*> lawControls() const;
    // The controls, each found by its object name (the same as here) from a test.
    // Heads of income and tax figures.
    toolkit::TextBox* txtname;
    toolkit::TextBox* txtgs;
    toolkit::TextBox* txttp;
    toolkit::TextBox* txthra;
    toolkit::TextBox* txtexall;
    toolkit::TextBox* txtnsal;
    toolkit::TextBox* txtos;
    toolkit::TextBox* txthp;
    toolkit::TextBox* txtgti;
    toolkit::TextBox* txtded80;
    toolkit::TextBox* txtnti;
    toolkit::TextBox* txtgtax;
    toolkit::TextBox* txtrel89;
    toolkit::TextBox* txtntax;
    toolkit::TextBox* txtcess;
    toolkit::TextBox* txtttax;
    toolkit::TextBox* txtdedtax;
    toolkit::TextBox* txtbaltax;
    // Asked under the law as enacted.
    QLabel* lbldob;
    QDateEdit* dtpdob;
    QWidget* frasex; // the sex options, one group
    QRadioButton* optmale;
    QRadioButton* optfemale;
    QLabel* lblpt;
    toolkit::TextBox* txtpt;

    // Hidden carriers, filled by the salary form and passed on by the Calc. buttons.
    toolkit::TextBox* txtbp;
    toolkit::TextBox* txtda;
    toolkit::TextBox* txthrr;
    toolkit::TextBox* txtnpa;
    toolkit::TextBox* txtmgc;

    QPushButton* cmdcalgs;
    QPushButton* cmdcalhr;
    QPushButton* cmdcalhp;
    QPushButton* cmdcalded80;
    QPushButton* cmdcalrel89;
    QPushButton* cmdcalc;
    QPushButton* cmdprint;
    QPushButton* cmdexit;

    toolkit::LinkLabel* Label7;

    toolkit::Messages& messages_;

    toolkit::TextBox* field(const char* name, toolkit::TextBox::Kind kind, int left, int top,
                            int width = 1215);
};
