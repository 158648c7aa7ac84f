#pragma once
// Income from house property for 2012-13 (sections 22 to 24): one house, let out or
// occupied by the owner.
namespace fiscora {

// s.24(a): a standard deduction of 30% of the annual value for repairs, whatever was spent.
inline constexpr double repairsRate = 0.3;
// s.24(b) second proviso: interest on a loan for a self-occupied house taken before
// 1 April 1999.
inline constexpr double interestCapLoanBefore1999 = 30000;
// s.24(b) third proviso: a loan taken on or after 1 April 1999 to buy or build the house.
inline constexpr double interestCapLoanFrom1999 = 150000;

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
double allowedInterest(const HouseInputs& in);

HouseFigures computeHouseIncome(const HouseInputs& in);

} // namespace fiscora
