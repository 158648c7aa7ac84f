#include "salary/pay_table.h"

#include "common/amount.h"

namespace fiscora {
namespace {

// Dearness allowance, in per cent of basic pay plus grade pay: 58 % from July 2011,
// raised to 65 % from January 2012 (paid late, so January and February 2012 come as
// arrears of the difference) and to 70 % from July 2012.
constexpr double daOld = 0.58;
constexpr double daFromJanuary = 0.65;
constexpr double daFromJuly = 0.70;

// The annual increment falls due on 1 July: 3 % of basic pay plus grade pay, rounded up
// to the next multiple of ten.
constexpr double incrementRate = 0.03;

// House rent allowance by class of city: X 30 %, Y 20 %, Z 10 % of basic pay plus grade pay.
constexpr double hraX = 0.30;
constexpr double hraY = 0.20;
constexpr double hraZ = 0.10;

// Transport allowance a month, before the DA on it, in the A-1 and A class cities and
// elsewhere: grade pay 5400 and above; grade pay 4200 to 4800; grade pay below 4200 with
// basic pay of 7440 and above; the rest.
constexpr double tpaHighA = 3200, tpaHighOther = 1600;
constexpr double tpaMiddleA = 1600, tpaMiddleOther = 800;
constexpr double tpaLowA = 600, tpaLowOther = 400;
constexpr double gradePayHigh = 5400;
constexpr double gradePayMiddle = 4200;
constexpr double basicPayMiddle = 7440;

// New Pension Scheme: the Government matches the employee's 10 % of pay plus DA.
constexpr double npsRate = 0.10;

const std::string classX = "X", classY = "Y", classZ = "Z", classNA = "NA";
const std::string tpaClassA = "A/A-1", tpaClassOther = "Oth.";
const std::string inScheme = "Y", notInScheme = "N";

bool isArrears(int row) {
    return row < firstSalary;
}

// The DA rate of a salary month.
double daRate(int row) {
    return row < julyRow ? daFromJanuary : daFromJuly;
}

// The rise of DA from 58 % to 65 % on an amount, each side rounded as it was paid.
double daArrears(double amount) {
    return roundHalfEven(amount * daFromJanuary) - roundHalfEven(amount * daOld);
}

// The monthly transport allowance before DA for a row, or none when the row falls in no
// band (grade pay below 4200 and no basic pay).
std::optional<double> transportBase(bool classA, double basicPay, double gradePay) {
    if (gradePay >= gradePayHigh) {
        return classA ? tpaHighA : tpaHighOther;
    }
    if (gradePay >= gradePayMiddle) {
        return classA ? tpaMiddleA : tpaMiddleOther;
    }
    if (basicPay >= basicPayMiddle) {
        return classA ? tpaMiddleA : tpaMiddleOther;
    }
    const bool paid = classA ? basicPay > 0 : roundHalfEven(basicPay) != 0;
    if (paid) {
        return classA ? tpaLowA : tpaLowOther;
    }
    return std::nullopt;
}

double transportAmount(int row, double base) {
    if (isArrears(row)) {
        return daArrears(base);
    }
    return base + roundHalfEven(base * daRate(row));
}

// What a cell shows: the figure written this run, or the one it already held.
double showing(const std::optional<double>& written, double before) {
    return written ? shown(*written) : before;
}

} // namespace

double increment(double basicPay, double gradePay) {
    double x = roundHalfEven((basicPay + gradePay) * incrementRate);
    const double q = roundHalfEven(x / 10);
    if (10 * q > x) {
        x = 10 * q;
    } else if (10 * q < x) {
        x = 10 * q + 10;
    }
    return x;
}

PayTable computePayTable(const PayInputs& in) {
    PayTable t;
    t.basicPay = in.basicPay;
    if (in.increment) {
        const double july = in.basicPay[incrementBase] +
                            increment(in.basicPay[incrementBase], in.gradePay[incrementBase]);
        t.julyBasicPay = july;
        for (int i = julyRow; i <= lastRow; ++i) {
            t.basicPay[i] = shown(july);
        }
    }
    const PayColumn& bp = t.basicPay;
    const PayColumn& gp = in.gradePay;

    for (int i = 0; i < payRows; ++i) {
        const double basis = bp[i] + gp[i];
        t.da[i] = isArrears(i) ? daArrears(basis) : roundHalfEven(basis * daRate(i));
    }

    double hraRate = 0;
    const bool hraKnown = in.hraClass == classX || in.hraClass == classY || in.hraClass == classZ ||
                          in.hraClass == classNA;
    if (in.hraClass == classX) {
        hraRate = hraX;
    } else if (in.hraClass == classY) {
        hraRate = hraY;
    } else if (in.hraClass == classZ) {
        hraRate = hraZ;
    }
    if (hraKnown) {
        for (int i = firstSalary; i < payRows; ++i) {
            t.hra[i] = in.hraClass == classNA ? 0.0 : roundHalfEven((bp[i] + gp[i]) * hraRate);
        }
    }

    if (in.transportClass == classNA) {
        t.transport.fill(0.0);
    } else if (in.transportClass == tpaClassA || in.transportClass == tpaClassOther) {
        const bool classA = in.transportClass == tpaClassA;
        for (int i = 0; i < payRows; ++i) {
            if (const auto base = transportBase(classA, bp[i], gp[i])) {
                t.transport[i] = transportAmount(i, *base);
            }
        }
    }

    PayColumn da{};
    for (int i = 0; i < payRows; ++i) {
        da[i] = shown(t.da[i]);
    }
    if (in.pensionScheme == inScheme) {
        for (int i = 0; i < payRows; ++i) {
            t.mgc[i] = isArrears(i) ? roundHalfEven(da[i] * npsRate)
                                    : roundHalfEven((gp[i] + bp[i] + da[i]) * npsRate);
        }
    } else if (in.pensionScheme == notInScheme) {
        t.mgc.fill(0.0);
    }

    PayColumn hra{}, tpa{}, mgc{};
    for (int i = 0; i < payRows; ++i) {
        hra[i] = showing(t.hra[i], in.hraShown[i]);
        tpa[i] = showing(t.transport[i], in.transportShown[i]);
        mgc[i] = showing(t.mgc[i], in.mgcShown[i]);
        t.total[i] = isArrears(i) ? da[i] + tpa[i] + mgc[i]
                                  : bp[i] + gp[i] + da[i] + hra[i] + tpa[i] + mgc[i];
    }

    for (int i = 0; i < payRows; ++i) {
        if (!isArrears(i)) {
            t.basicPayTotal += bp[i];
            t.gradePayTotal += gp[i];
            t.hraTotal += hra[i];
        }
        t.daTotal += da[i];
        t.mgcTotal += mgc[i];
        t.transportTotal += tpa[i];
        t.totalTotal += shown(t.total[i]);
    }

    t.grandTotal = shown(t.totalTotal);
    for (double figure : in.annual) {
        t.grandTotal += figure;
    }
    return t;
}

double exemptTransport(const PayColumn& transport) {
    // Rule 2BB(2): 800 rupees a month.
    constexpr double monthlyLimit = 800;
    double exempt = 0;
    for (int i = firstSalary; i < payRows; ++i) {
        exempt += transport[i] <= monthlyLimit ? transport[i] : monthlyLimit;
    }
    return exempt;
}

} // namespace fiscora
