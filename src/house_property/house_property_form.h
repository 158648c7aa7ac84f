#pragma once
// Form4: the income or loss of the year from one house, let out or self-occupied, that Back
// carries to the worksheet.
#include "toolkit/form.h"
#include "toolkit/services.h"
#include "toolkit/textbox.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class HousePropertyForm : public toolkit::Form {
    Q_OBJECT
public:
    explicit HousePropertyForm(toolkit::Messages& messages);

    // Calculate: the income from the house; enables Back. Refuses, with a message naming
    // the field and no field changed, a figure that is not a number or is too large.
    void calculate();
    // Back: hides the form and announces the income (or loss) with the form as it stands.
    void back();

signals:
    // Back was pressed: the income from house property for the worksheet.
    void returned(double income);

private:
    // The controls, each found by its object name (the same as here) from a test.
    QGroupBox* frmask;
    QRadioButton* optso;
    QRadioButton* optrent;

    QLabel* lblrent;
    toolkit::TextBox* txtarv;
    QLabel* lblptax;
    toolkit::TextBox* txtptax;
    QLabel* lblghi;
    toolkit::TextBox* txtghi;
    QLabel* lblrep;
    toolkit::TextBox* txtrep;

    QGroupBox* framintt;
    QRadioButton* optb499;
    QRadioButton* opta499;

    toolkit::TextBox* txtintt;
    QLabel* lbloth;
    toolkit::TextBox* txtoth;
    toolkit::TextBox* txttd;
    toolkit::TextBox* txtihp;

    QPushButton* cmdtot;
    QPushButton* cmdbk;

    void rentedOut();
    void selfOccupied();

    toolkit::Messages& messages_;
};
