#pragma once
// The year worked out on its record, as a user works it through the forms: every step of
// every form (its Calculate, its Back, and what the worksheet's Calc. copies in) on the
// form's record as it stands, with no widget. The forms run the same steps on their own
// controls, so the window and the batch cannot come to different figures.
#include "rules/law.h"
#include "rules/pay_table.h"
#include "rules/relief89.h"
#include "year/record.h"

#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

namespace year {

// Why a form will not go on, as the form tells the user: the message names the field.
struct Refusal {
    enum class Focus {
        Stays, // the focus is left where it is
        Enter, // the field is entered, its figure selected
        Set,   // the focus goes to the field as it stands
    };
    QString form;
    QString key;
    QString message;
    Focus focus = Focus::Stays;
};

// What a step writes, in the order it is written: a key and its new text.
struct Write {
    QString key;
    QString text;
};
using Writes = std::vector<Write>;
// A step's writes, or why it wrote nothing.
using Step = std::variant<Writes, Refusal>;
// A figure that a Back carries, or why it carries nothing.
using Carried = std::variant<double, Refusal>;

// Figures read only in part ("10,000" read as 10) are told here, e.g. "TAX DEDUCTED read
// as 10", when a caller asks to know.
using Warnings = QStringList;

// The salary form: Calculate fills the table; Back carries the year's totals.
Step calculateSalary(const FormRecord& salary, const fiscora::YearLaw& law,
                     Warnings* warnings = nullptr);
std::variant<fiscora::SalaryTotals, Refusal> salaryTotals(const FormRecord& salary,
                                                          const fiscora::YearLaw& law);
// The DA arrears of January and February 2012 in a table that Calculate filled.
double arrearsOfDa(const FormRecord& salary);

// The HRA form.
Step calculateHra(const FormRecord& hra, const fiscora::YearLaw& law);
Carried hraExemption(const FormRecord& hra);

// The house property form.
Step calculateHouseProperty(const FormRecord& house, const fiscora::YearLaw& law);
Carried houseIncome(const FormRecord& house);

// The deductions form.
Step calculateDeductions(const FormRecord& deductions, const fiscora::YearLaw& law,
                         Warnings* warnings = nullptr);
Carried deductionsTotal(const FormRecord& deductions);

// The worksheet's Calculate.
Step calculateWorksheet(const FormRecord& worksheet, const fiscora::YearLaw& law,
                        Warnings* warnings = nullptr);

// The relief form. Its Calc. brings item 3 (the worksheet's net taxable income, while the
// worksheet's figures are fresh) and the DA arrears of 2011-12 (while the salary table stands
// as Calculate left it), into arrears of 2011-12 that show "0".
Writes fillRelief(const FormRecord& relief, const std::optional<QString>& netTaxableIncome,
                  std::optional<double> arrearsOfDa);
Step calculateRelief(const FormRecord& relief, fiscora::Mode mode);
// The note the relief form shows when the taxpayer is 60 or more in the year of receipt and
// the year of receipt is taxed on the scale of those below 60; empty otherwise.
QString seniorNote(const FormRecord& relief, fiscora::Mode mode);
Carried reliefFigure(const FormRecord& relief);

// The taxpayer's date of birth on a form that asks it, when it is a day the forms take.
std::optional<fiscora::Date> birthOf(const FormRecord& form);
fiscora::Sex sexOf(const FormRecord& form);

// The law a year is worked out under, as its worksheet keeps it.
fiscora::Mode modeOf(const Record& record);

// Writes the texts into the record in order. The salary form's pay of July runs down to
// February 2013 as it is written, as it does on the form.
void apply(FormRecord& form, const Writes& writes);

struct Worked {
    Record record;
    std::optional<Refusal> refusal; // the step that refused; the record as it then stood
    Warnings warnings;
};

// The record a user gets by pressing through the forms in the order the worksheet leads
// them: salary Calculate and Back; HRA Calc., Calculate and Back; house property Calculate
// and Back; deductions Calc., Calculate and Back; worksheet Calculate; relief Calc.,
// Calculate and Back; worksheet Calculate. A form the record does not hold is passed over.
// `law` is the year's under the mode the record keeps (modeOf) or one the caller imposes.
Worked workOut(Record record, const fiscora::YearLaw& law);

} // namespace year
