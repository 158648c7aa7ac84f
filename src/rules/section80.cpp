#include "rules/section80.h"

#include "common/amount.h"

#include <algorithm>

namespace fiscora {

// Each total is taken as the form shows it before the next one is worked out from it.
Section80Figures computeSection80(const YearLaw& year, const Section80Inputs& in) {
    const DeductionLaw& law = year.deductions;
    Section80Figures f;
    f.total80C = in.cgegis + in.houseBuildingAdvance + in.lifeInsurance + in.ppf + in.nsc +
                 in.nscInterest + in.tuitionChild1 + in.tuitionChild2 + in.infrastructureBonds +
                 in.otherSavings + in.gpf;
    f.combinedBeforeLimit = shown(f.total80C) + in.jeevanSuraksha + in.npsEmployee;
    const double beforeLimit = shown(f.combinedBeforeLimit);
    // The government's contribution stands outside the 80CCE limit.
    f.combined = beforeLimit > law.limit80CCE ? law.limit80CCE + in.npsGovernment
                                              : beforeLimit + in.npsGovernment;
    f.allowed80CCF =
        in.infrastructure80CCF > law.limit80CCF ? law.limit80CCF.value : in.infrastructure80CCF;
    f.allowed80DFamily = in.mediclaim;
    if (law.limit80DSenior > 0) {
        const double self = in.selfSenior ? law.limit80DSenior.value : law.limit80DSelf.value;
        const double parents =
            in.parentSenior ? law.limit80DSenior.value : law.limit80DParents.value;
        f.allowed80DFamily = std::clamp(in.mediclaim, 0.0, self);
        f.allowed80DParents = std::clamp(in.mediclaimParents, 0.0, parents);
    }
    f.allowed80D = f.allowed80DFamily + f.allowed80DParents;
    f.allowed80TTA = std::clamp(in.savingsInterest, 0.0, law.limit80TTA.value);
    f.grandTotal = shown(f.combined) + f.allowed80D + in.donations + f.allowed80CCF +
                   in.otherDeductions + f.allowed80TTA;
    return f;
}

bool above80DLimit(const YearLaw& year, std::string_view text) {
    return readStrict(text).value_or(readLenient(text)) > year.deductions.limit80D;
}

} // namespace fiscora
