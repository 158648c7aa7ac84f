#include "house_property/house_income.h"

#include "common/amount.h"

namespace fiscora {

double allowedInterest(const HouseInputs& in) {
    if (in.occupancy != Occupancy::SelfOccupied) {
        return in.interest;
    }
    const double cap = in.loan == LoanTaken::Before1April1999 ? interestCapLoanBefore1999
                                                              : interestCapLoanFrom1999;
    return in.interest > cap ? cap : in.interest;
}

HouseFigures computeHouseIncome(const HouseInputs& in) {
    HouseFigures f;
    f.grossIncome = in.rentalValue - in.propertyTaxes;
    f.repairs = roundHalfEven(f.grossIncome * repairsRate);
    f.deductions = allowedInterest(in) + f.repairs + in.others;
    f.income = f.grossIncome - f.deductions;
    return f;
}

} // namespace fiscora
