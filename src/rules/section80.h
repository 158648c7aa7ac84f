#pragma once
// Deductions from gross total income under chapter VI-A for 2012-13 (sections 80C to 80G).
// s.80CCE: 80C, 80CCC and the employee's own 80CCD contribution share one limit; the
// government's contribution stands outside it. s.80CCF and s.80D have limits of their own.
#include "rules/law.h"

#include <string_view>

namespace fiscora {

struct Section80Inputs {
    // s.80C items
    double gpf = 0;
    double cgegis = 0;
    double houseBuildingAdvance = 0;
    double lifeInsurance = 0;
    double ppf = 0;
    double nsc = 0;
    double nscInterest = 0; // interest accrued on NSC, deemed reinvested
    double tuitionChild1 = 0;
    double tuitionChild2 = 0;
    double infrastructureBonds = 0;
    double otherSavings = 0;
    double jeevanSuraksha = 0;      // s.80CCC: pension fund
    double npsEmployee = 0;         // s.80CCD(1): the employee's NPS contribution
    double npsGovernment = 0;       // s.80CCD(2): the government's matching contribution
    double infrastructure80CCF = 0; // s.80CCF, as typed
    double mediclaim = 0;           // s.80D, the form's one field
    // s.80D under the law as enacted: the family's premium and the parents' apart, each with
    // its own limit, the higher one where the taxpayer or a parent is a senior citizen.
    double mediclaimParents = 0;
    bool selfSenior = false;
    bool parentSenior = false;
    double savingsInterest = 0; // s.80TTA: interest on savings bank deposits
    double donations = 0;       // s.80G, taken at the full amount
    double otherDeductions = 0;
};

// Every figure the form shows, in the order it is worked out.
struct Section80Figures {
    double total80C = 0;            // the eleven 80C items, not limited by themselves
    double combinedBeforeLimit = 0; // 80C + 80CCC + employee's 80CCD
    double combined = 0;            // limited by 80CCE, then the government's 80CCD on top
    double allowed80CCF = 0;        // at most the 80CCF limit
    double allowed80DFamily = 0;    // the form's one field, or the family's premium as limited
    double allowed80DParents = 0;   // the parents' premium as limited; nil on one field
    double allowed80D = 0;          // the two together
    double allowed80TTA = 0;        // at most the 80TTA limit
    double grandTotal = 0;
};

Section80Figures computeSection80(const YearLaw& year, const Section80Inputs& in);

// Whether a mediclaim figure must be cut back to the 80D limit: the whole text when it is a
// number; otherwise its leading figure, as Calculate reads it, so that no mediclaim above
// the limit reaches the total. A text without a figure ("-", letters) is not above it.
bool above80DLimit(const YearLaw& year, std::string_view text);

} // namespace fiscora
