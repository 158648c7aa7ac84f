#include "rules/hra_exemption.h"

#include "common/amount.h"

#include <algorithm>

namespace fiscora {

HraFigures computeHraExemption(const YearLaw& year, const HraInputs& in) {
    HraFigures f;
    f.totalSalary = in.basicPay + in.dearness + in.gradePay;
    f.tenthOfSalary = roundHalfEven(f.totalSalary * year.exemptions.hraRentAbove);
    const double excessRent = in.rentPaid - f.tenthOfSalary;
    // The lesser amount is written, then read back and raised to nil if below it.
    double lesser = shown(excessRent < in.hraDrawn ? excessRent : in.hraDrawn);
    const double share =
        in.metro ? year.exemptions.hraMetroShare : year.exemptions.hraElsewhereShare;
    if (share > 0) {
        lesser = std::min(lesser, roundHalfEven(f.totalSalary * share));
    }
    f.exemption = lesser < 0 ? 0 : lesser;
    return f;
}

} // namespace fiscora
