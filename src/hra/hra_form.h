#pragma once
// Form2: the exempt part of the house rent allowance, worked out from the pay of the year
// and the rent paid; Back carries it to the worksheet.
#include "toolkit/form.h"
#include "toolkit/services.h"
#include "toolkit/textbox.h"

#include <QCheckBox>
#include <QPushButton>

// The pay of the year that the salary form worked out, for the HRA form to start from.
struct HraPay {
    double basicPay = 0;
    double gradePay = 0;
    double dearness = 0;
    double hraDrawn = 0;
};

class HraForm : public toolkit::Form {
    Q_OBJECT
public:
    explicit HraForm(toolkit::Messages& messages);

    // Writes the pay over whatever the fields held, then puts the focus on the rent paid,
    // which is the user's to type. A figure that changes a field withdraws BACK.
    void fillPay(const HraPay& pay);

    // The most characters a user may type into an entry field.
    static constexpr int typedLength = 10;

    // CALCULATE: total salary and the exemption; enables BACK. Refuses, with a message
    // naming the field and no field changed, a figure that is not a number or too large.
    void calculate();
    // BACK: hides the form and announces the exemption.
    void back();

signals:
    // BACK was pressed: the exempt house rent allowance for the worksheet.
    void returned(double exemption);

protected:
    void lawChanged() override;

private:
    // The controls, each found by its object name (the same as here) from a test.
    toolkit::TextBox* txtbp;
    toolkit::TextBox* txtnpa;
    toolkit::TextBox* txtda;
    toolkit::TextBox* txtns;
    toolkit::TextBox* txthra;
    toolkit::TextBox* txtRP;
    toolkit::TextBox* txthrx;
    QCheckBox* chkmetro; // under the law as enacted

    QPushButton* cmdcal;
    QPushButton* cmdback;

    toolkit::Messages& messages_;
};
