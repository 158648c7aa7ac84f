#pragma once
// frmreb88: the savings and payments of the year deductible under section 80, their limits
// and the grand total that Back carries to the worksheet.
#include "toolkit/form.h"
#include "toolkit/services.h"
#include "toolkit/textbox.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

class DeductionsForm : public toolkit::Form {
    Q_OBJECT
public:
    explicit DeductionsForm(toolkit::Messages& messages);

    // The message shown when the mediclaim figure goes above the 80D limit.
    static QString mediclaimLimitMessage();

    // The year's contribution to the New Pension Scheme, written into both 80CCD fields over
    // whatever they held: the government's share matches the employee's.
    void fillPension(double contribution);

    // Calculate: the totals with their limits; enables Back. Refuses, with a message and
    // no field changed, when a figure is too large to work with.
    void calculate();
    // Back: hides the form and announces the grand total with the form as it stands.
    void back();

signals:
    // Back was pressed: the grand total of deductions for the worksheet.
    void returned(double grandTotal);

protected:
    void lawChanged() override;

private:
    QList<QWidget*> lawControls() const;
    // The controls, each found by its object name (the same as here) from a test.
    // Section 80C
    toolkit::TextBox* txtgpf;
    toolkit::TextBox* txtgis;
    toolkit::TextBox* txthba;
    toolkit::TextBox* txtlic;
    toolkit::TextBox* txtppf;
    toolkit::TextBox* txtnsc;
    toolkit::TextBox* txtnsci;
    toolkit::TextBox* txttf1;
    toolkit::TextBox* txttf2;
    toolkit::TextBox* txtinf;
    toolkit::TextBox* txtos;
    toolkit::TextBox* txt80c;

    // Sections 80CCC to 80G
    toolkit::TextBox* txt80ccc;
    toolkit::TextBox* txt80ccdec;
    toolkit::TextBox* txt80ccdgc;
    toolkit::TextBox* txttot1;
    toolkit::TextBox* txt80ccf;
    toolkit::TextBox* txt80d;
    toolkit::TextBox* txt80g;
    toolkit::TextBox* txtoth;
    toolkit::TextBox* txtgt80;
    // Asked under the law as enacted.
    QLabel* lbl80dp;
    toolkit::TextBox* txt80dp;
    QCheckBox* chk80dsen;
    QCheckBox* chk80dpsen;
    QLabel* lbl80tta;
    toolkit::TextBox* txt80tta;
    QLabel* lbl80ccf;

    QPushButton* cmdtot;
    QPushButton* cmdbk;

    void checkMediclaim();
    toolkit::TextBox* field(const char* name, toolkit::TextBox::Kind kind, int left, int top,
                            const QString& accessible);

    toolkit::Messages& messages_;
};
