#include "rules/house_income.h"

#include "common/amount.h"

namespace fiscora {

double allowedInterest(const YearLaw& year, const HouseInputs& in) {
    if (in.occupancy != Occupancy::SelfOccupied) {
        return in.interest;
    }
    const double cap = in.loan == LoanTaken::Before1April1999 ? year.house.interestCapBefore1999
                                                              : year.house.interestCapFrom1999;
    return in.interest > cap ? cap : in.interest;
}

HouseFigures computeHouseIncome(const YearLaw& year, const HouseInputs& in) {
    HouseFigures f;
    f.grossIncome = in.rentalValue - in.propertyTaxes;
    f.repairs = roundHalfEven(f.grossIncome * year.house.repairsRate);
    f.deductions = allowedInterest(year, in) + f.repairs + in.others;
    f.income = f.grossIncome - f.deductions;
    return f;
}

} // namespace fiscora
