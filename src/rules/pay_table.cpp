#include "rules/pay_table.h"

#include "common/amount.h"

namespace fiscora {
namespace {

bool isArrears(int row) {
    return row < firstSalary;
}

// The DA rate of a salary month.
double daRate(const PayLaw& pay, int row) {
    return row < julyRow ? pay.daFromJanuary : pay.daFromJuly;
}

// The rise of DA from January 2012 on an amount, each side rounded as it was paid.
double daArrears(const PayLaw& pay, double amount) {
    return roundHalfEven(amount * pay.daFromJanuary) - roundHalfEven(amount * pay.daBefore);
}

// The monthly transport allowance before DA for a row, or none when the row falls in no
// band (grade pay below the middle level and no basic pay).
std::optional<double> transportBase(const PayLaw& pay, bool classA, double basicPay,
                                    double gradePay) {
    const auto rate = [classA](const TransportRates& r) { return classA ? r.classA : r.other; };
    if (gradePay >= pay.gradePayHigh) {
        return rate(pay.transportHigh);
    }
    if (gradePay >= pay.gradePayMiddle || basicPay >= pay.basicPayMiddle) {
        return rate(pay.transportMiddle);
    }
    const bool paid = classA ? basicPay > 0 : roundHalfEven(basicPay) != 0;
    if (paid) {
        return rate(pay.transportLow);
    }
    return std::nullopt;
}

double transportAmount(const PayLaw& pay, int row, double base) {
    if (isArrears(row)) {
        return daArrears(pay, base);
    }
    return base + roundHalfEven(base * daRate(pay, row));
}

// What a cell shows: the figure written this run, or the one it already held.
double showing(const std::optional<double>& written, double before) {
    return written ? shown(*written) : before;
}

double hraRate(const PayLaw& pay, HraClass c) {
    for (const Choice<HraClass>& choice : pay.hraClasses) {
        if (choice.value == c) {
            return choice.rate;
        }
    }
    return 0;
}

} // namespace

double increment(const YearLaw& year, double basicPay, double gradePay) {
    const double unit = year.pay.incrementUnit;
    double x = roundHalfEven((basicPay + gradePay) * year.pay.incrementRate);
    const double q = roundHalfEven(x / unit);
    if (unit * q > x) {
        x = unit * q;
    } else if (unit * q < x) {
        x = unit * q + unit;
    }
    return x;
}

PayTable computePayTable(const YearLaw& year, const PayInputs& in) {
    const PayLaw& pay = year.pay;
    PayTable t;
    t.basicPay = in.basicPay;
    if (in.increment) {
        const double july = in.basicPay[incrementBase] +
                            increment(year, in.basicPay[incrementBase], in.gradePay[incrementBase]);
        t.julyBasicPay = july;
        for (int i = julyRow; i <= lastRow; ++i) {
            t.basicPay[i] = shown(july);
        }
    }
    const PayColumn& bp = t.basicPay;
    const PayColumn& gp = in.gradePay;

    for (int i = 0; i < payRows; ++i) {
        const double basis = bp[i] + gp[i];
        t.da[i] = isArrears(i) ? daArrears(pay, basis) : roundHalfEven(basis * daRate(pay, i));
    }

    if (in.hraClass != HraClass::Unrecognised) {
        const double rate = hraRate(pay, in.hraClass);
        for (int i = firstSalary; i < payRows; ++i) {
            t.hra[i] = in.hraClass == HraClass::None ? 0.0 : roundHalfEven((bp[i] + gp[i]) * rate);
        }
    }

    if (in.transportClass == TransportClass::None) {
        t.transport.fill(0.0);
    } else if (in.transportClass != TransportClass::Unrecognised) {
        const bool classA = in.transportClass == TransportClass::A;
        for (int i = 0; i < payRows; ++i) {
            if (const auto base = transportBase(pay, classA, bp[i], gp[i])) {
                t.transport[i] = transportAmount(pay, i, *base);
            }
        }
    }

    PayColumn da{};
    for (int i = 0; i < payRows; ++i) {
        da[i] = shown(t.da[i]);
    }
    if (in.pensionScheme == PensionScheme::Member) {
        for (int i = 0; i < payRows; ++i) {
            t.mgc[i] = isArrears(i) ? roundHalfEven(da[i] * pay.npsRate)
                                    : roundHalfEven((gp[i] + bp[i] + da[i]) * pay.npsRate);
        }
    } else if (in.pensionScheme == PensionScheme::NotMember) {
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

double exemptTransport(const YearLaw& year, const PayColumn& transport) {
    const double monthlyLimit = year.exemptions.transportExemptEachMonth;
    double exempt = 0;
    for (int i = firstSalary; i < payRows; ++i) {
        exempt += transport[i] <= monthlyLimit ? transport[i] : monthlyLimit;
    }
    return exempt;
}

} // namespace fiscora
