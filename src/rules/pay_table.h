#pragma once
// The salary of 2012-13 month by month, as a central-government pay bill works it out:
// the July increment, dearness allowance and its arrears for January and February 2012,
// house rent allowance by city class, transport allowance by pay band and city class, and
// the Government's matching contribution to the New Pension Scheme, on the pay figures of
// the year (law.h).
#include "rules/law.h"

#include <array>
#include <optional>

namespace fiscora {

// Rows of the pay table, top to bottom.
inline constexpr int payRows = 14;
inline constexpr int janArrears = 0;    // "Jan 12": arrears of DA only
inline constexpr int febArrears = 1;    // "Feb 12": arrears of DA only
inline constexpr int firstSalary = 2;   // "Mar 12": the first month paid in the year
inline constexpr int incrementBase = 5; // "Jun 12": the pay the increment is worked on
inline constexpr int julyRow = 6;       // "Jul 12": the first month after the increment
inline constexpr int lastRow = 13;      // "Feb 13"
inline constexpr int annualFigures = 6; // arrears, bonus, OTA, tuition fee, honorarium, other

using PayColumn = std::array<double, payRows>;
// A column that a run may leave as it stands: no value means the cell keeps its figure.
using PayWrites = std::array<std::optional<double>, payRows>;

struct PayInputs {
    PayColumn basicPay{}; // pay in the pay band, as typed
    PayColumn gradePay{};
    std::array<double, annualFigures> annual{};
    bool increment = true; // "Calculate Increment" ticked
    // The selections, parsed from their texts with choose() (law.h).
    HraClass hraClass = HraClass::Unrecognised;
    TransportClass transportClass = TransportClass::Unrecognised;
    PensionScheme pensionScheme = PensionScheme::Unrecognised;
    // What the HRA, TPA and MGC cells show now; a cell this run does not write keeps it.
    PayColumn hraShown{};
    PayColumn transportShown{};
    PayColumn mgcShown{};
};

struct PayTable {
    // The basic pay of "Jul 12" after the increment, to be written there and carried down
    // to "Feb 13"; none when the increment is not asked for.
    std::optional<double> julyBasicPay;
    PayColumn basicPay{}; // as the cells read once the increment is written
    PayColumn da{};       // rows 0-1: the arrears of DA
    PayWrites hra{};      // rows 0-1 never written
    PayWrites transport{};
    PayWrites mgc{};
    PayColumn total{};

    double basicPayTotal = 0; // rows 2-13
    double gradePayTotal = 0; // rows 2-13
    double daTotal = 0;       // rows 0-13, arrears included
    double hraTotal = 0;
    double transportTotal = 0;
    double mgcTotal = 0;
    double totalTotal = 0;
    double grandTotal = 0; // the year's total with the annual figures
};

// The increment of the year: 3 % of basic pay plus grade pay of the month before it,
// rounded, then raised to the next multiple of ten.
double increment(const YearLaw& year, double basicPay, double gradePay);

PayTable computePayTable(const YearLaw& year, const PayInputs& in);

// The year's figures that the main worksheet takes from the salary.
struct SalaryTotals {
    double grossSalary = 0;
    double transportExempt = 0;
    double basicPay = 0;
    double da = 0;
    double hraReceived = 0;
    double gradePay = 0;
    double mgc = 0;
};

// s.10(14) with rule 2BB(2): transport allowance is exempt up to 800 rupees a month of
// salary; the arrears rows do not count.
double exemptTransport(const YearLaw& year, const PayColumn& transport);

// The texts a selection lists, in the order of the year's table.
template <typename Value> std::vector<std::string> choiceTexts(const Choices<Value>& choices) {
    std::vector<std::string> texts;
    for (const Choice<Value>& c : choices) {
        texts.push_back(c.text);
    }
    return texts;
}

} // namespace fiscora
