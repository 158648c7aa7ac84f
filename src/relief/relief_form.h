#pragma once
// frmrel89: relief under section 89(1) for salary received in arrears in 2012-13, worked
// out as Form 10E, Annexure I lays it down (Table A for the earlier years, then items 1 to
// 8 for the year of receipt); Back carries the relief to the worksheet.
#include "toolkit/form.h"
#include "toolkit/services.h"
#include "toolkit/textbox.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <optional>

class ReliefForm : public toolkit::Form {
    Q_OBJECT
public:
    static constexpr int years = 7; // 2005-06 .. 2011-12
    using Column = std::array<toolkit::TextBox*, years>;

    explicit ReliefForm(toolkit::Messages& messages);

    // What the worksheet and the salary form give at every Calc.: item 3 takes the net
    // taxable income as the worksheet shows it, when its figures are fresh (none: item 3
    // stays as typed or opened); the DA arrears of a calculated salary table go into the
    // arrears of 2011-12 while that field shows "0" (a figure the user typed stays). Then
    // the focus goes to the date of birth, where the user starts.
    void fill(const std::optional<QString>& netTaxableIncome, std::optional<double> salaryArrears);

    QDateEdit* dtpdob;
    QGroupBox* frasex;
    QRadioButton* optmale;
    QRadioButton* optfemale;
    QLabel* lblsenior; // shown when the taxpayer is 60 or more on 31 March 2013

    std::array<QLabel*, years> lblfy{};
    Column txtti{};
    Column txtarr{};
    Column txtcat{};
    Column txtti2{};
    Column txttax1{};
    Column txttax2{};
    Column txtdiff{};

    std::array<toolkit::TextBox*, 9> txtitem{}; // 1 to 8; 3 is typed, the others worked out

    QPushButton* cmdcal;
    QPushButton* cmdprn;
    QPushButton* cmdbak;

    // Calculate: Table A and items 1 to 8 from the figures as they stand; enables Print and
    // Back. Refuses, with a message and no field changed, a figure that is not a number (the
    // focus goes there), a date of birth outside 1 January 1900 to 31 March 2013, arrears
    // larger than item 3 (item 1 below nil), or a result too large to compute.
    void calculate();
    // Back: hides the form and announces the relief (item 8).
    void back();

signals:
    // Back was pressed: the relief for the worksheet.
    void returned(double relief);
    // The user asked for the printed Annexure I.
    void printRequested();

protected:
    void lawChanged() override;

private:
    toolkit::TextBox* field(const QString& name, toolkit::TextBox::Kind kind, int left, int top,
                            const QString& accessible);
    void withdraw();
    void showSeniorNote();

    toolkit::Messages& messages_;
};
