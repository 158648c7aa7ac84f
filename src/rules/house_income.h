#pragma once
// Income from house property for 2012-13 (sections 22 to 24): one house, let out or
// occupied by the owner: s.24(a) allows a share of the annual value for repairs whatever was
// spent, s.24(b) the interest on a housing loan, capped for a self-occupied house by the date
// of the loan.
#include "rules/law.h"

namespace fiscora {

enum class Occupancy { LetOut, SelfOccupied };
enum class LoanTaken { Before1April1999, From1April1999 };

struct HouseInputs {
    Occupancy occupancy = Occupancy::LetOut;
    LoanTaken loan = LoanTaken::From1April1999;
    double rentalValue = 0;   // annual rental value
    double propertyTaxes = 0; // municipal taxes paid
    double interest = 0;      // interest on the housing loan for the year, as paid
    double others = 0;        // other deductions under section 24
};

// Every figure the form shows, in the order it is worked out.
struct HouseFigures {
    double grossIncome = 0; // annual value: rental value less property taxes
    double repairs = 0;     // 30% of it, rounded to the rupee; negative for a negative value
    double deductions = 0;  // interest (capped for a self-occupied house) + repairs + others
    double income = 0;      // a loss stays negative
};

// The interest allowed: capped by the date of the loan for a self-occupied house only.
double allowedInterest(const YearLaw& year, const HouseInputs& in);

HouseFigures computeHouseIncome(const YearLaw& year, const HouseInputs& in);

} // namespace fiscora
