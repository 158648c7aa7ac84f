#pragma once
// The salary of the year month by month: basic pay and grade pay typed for each month
// (a figure typed into one month runs down to the months below it), the allowances and
// the pension contribution worked out by Calculate, and Back carrying the year's totals
// to the main worksheet.
#include "rules/pay_table.h"
#include "toolkit/form.h"
#include "toolkit/services.h"
#include "toolkit/textbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <map>
#include <optional>

class SalaryForm : public toolkit::Form {
    Q_OBJECT
public:
    explicit SalaryForm(toolkit::Messages& messages);

    // The name holds 26 characters, typed, pasted or copied in from the worksheet, so that a
    // year saved always opens again.
    static constexpr int nameLength = 26;

    // The worksheet's name, as far as this form's field takes it; then the focus goes to
    // the pension choice, where the user starts.
    void takeName(const QString& name);

    // The DA arrears of January and February 2012 received in the year (the totals of the two
    // arrears months), while the table stands as Calculate left it; nothing otherwise.
    std::optional<double> arrearsOfDa() const;

    // Calculate: fills every output of the table from the entries as they stand and
    // enables Print and Back. Refuses, with a message naming the cell and nothing changed,
    // an arrears basic pay that is not a number or a figure too large to compute with.
    void calculate();

    // Back: hands the year's totals to the main worksheet.
    void back();

signals:
    // The year's totals, for the main worksheet.
    void transferred(const fiscora::SalaryTotals& totals);
    // The user asked for the printed statement of salary.
    void printRequested();

protected:
    // The table was worked out on the other law's DA: Print and Back wait for Calculate.
    void lawChanged() override { withdraw(); }

private:
    using Column = std::array<toolkit::TextBox*, fiscora::payRows>;

    // The controls, each found by its object name (the same as here) from a test.
    toolkit::TextBox* txtnam;
    QComboBox* cbonps;
    QComboBox* cboclass1; // city class for HRA
    QComboBox* cboclass3; // city class for transport allowance
    QCheckBox* chkinc;

    Column txtbp{};
    Column txtgp{};
    Column txtda{};
    Column txthra{}; // rows 2 to 13 only: the arrears months draw no HRA
    Column txttpa2{};
    Column txtmgc{};
    Column txtttl{};

    toolkit::TextBox* txtbpt;
    toolkit::TextBox* txtgpt;
    toolkit::TextBox* txtdat;
    toolkit::TextBox* txthrat;
    toolkit::TextBox* txttpat;
    toolkit::TextBox* txtmgct;
    toolkit::TextBox* txtttlt;

    std::array<toolkit::TextBox*, fiscora::annualFigures> txtoth{};
    toolkit::TextBox* txtgtotal;

    QPushButton* cmdcal;
    QPushButton* cmdprn;
    QPushButton* cmdbak;

    // Row labels 0 to 13, column headings and captions 14 to 31.
    std::map<int, QLabel*> Label1;

    toolkit::TextBox* cell(const QString& name, toolkit::TextBox::Kind kind, int left, int top,
                           int width = 975, int height = 315);
    QLabel* label(int index, const QString& text, int left, int top, bool bold = true);
    QComboBox* combo(const char* name, const QStringList& entries, const QString& text, int left,
                     int top, int width);
    QPushButton* button(const char* name, const QString& caption, int left);
    void payChanged(Column& column, int row);
    void copyDown(Column& column, int row);
    void withdraw();

    toolkit::Messages& messages_;
};
