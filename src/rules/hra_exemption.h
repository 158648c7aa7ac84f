#pragma once
// The exempt part of the house rent allowance drawn in 2012-13 (s.10(13A), rule 2A), as
// this program works it: the lesser of the allowance drawn and the rent paid in excess of a
// tenth of salary, never below nil. Salary here is basic pay, grade pay and dearness
// allowance. Under the law as enacted the third limb too: at most half of salary in the four
// cities, two fifths elsewhere.
#include "rules/law.h"

namespace fiscora {

struct HraInputs {
    double basicPay = 0;
    double dearness = 0; // arrears included
    double hraDrawn = 0;
    double gradePay = 0;
    double rentPaid = 0; // for the year
    bool metro = false;  // the rented house in Delhi, Mumbai, Kolkata or Chennai
};

struct HraFigures {
    double totalSalary = 0;   // basic pay + dearness allowance + grade pay
    double tenthOfSalary = 0; // rounded to the rupee, a half to the even rupee
    double exemption = 0;
};

HraFigures computeHraExemption(const YearLaw& year, const HraInputs& in);

} // namespace fiscora
