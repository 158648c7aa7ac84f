#pragma once
// The law of each financial year as data: the slabs, surcharge and cess of income tax for
// 2005-06 to 2012-13, and for 2012-13 the pay of the year, the exemptions of salary, the
// deductions from house property and under chapter VI-A. Every figure, with its source,
// stands once in law.cpp; the rules read them from here, so a later year is added as data and
// a test can move a limit.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fiscora {

enum class Category { General, Woman, Senior, VerySenior };

// One slab of a scale: `rate` on the part of total income above `from`, up to the next slab's
// `from` (the last slab has no top). Income up to the first slab's `from` is nil-rated.
struct Slab {
    double from = 0;
    double rate = 0;
};
using Scale = std::vector<Slab>;

// A surcharge on income tax when total income exceeds `threshold`; with marginal relief, tax
// and surcharge never exceed the tax on `threshold` plus the income above it.
struct Surcharge {
    double rate = 0;
    double threshold = 0;
    bool marginalRelief = true;
};

// The salary form's selections, each parsed once from its text into one of these; a text that
// is none of the year's choices is Unrecognised, and the cells it governs keep their figures.
enum class HraClass { X, Y, Z, None, Unrecognised };
enum class TransportClass { A, Other, None, Unrecognised };
enum class PensionScheme { Member, NotMember, Unrecognised };

// One choice of a selection: the text the form lists and the value it stands for.
template <typename Value> struct Choice {
    std::string text{};
    Value value{};
    double rate = 0; // HRA: the share of basic pay plus grade pay; unused elsewhere
};
template <typename Value> using Choices = std::vector<Choice<Value>>;

// The value of a selection's text: exact text only ("x" is not "X").
template <typename Value> Value choose(const Choices<Value>& choices, std::string_view text) {
    for (const Choice<Value>& c : choices) {
        if (c.text == text) {
            return c.value;
        }
    }
    return Value::Unrecognised;
}

// Transport allowance a month, before the DA on it, in the A-1 and A class cities and
// elsewhere.
struct TransportRates {
    double classA = 0;
    double other = 0;
};

// The pay of a central-government employee in the year.
struct PayLaw {
    double daBefore = 0;      // DA rate on basic pay plus grade pay before January 2012
    double daFromJanuary = 0; // from 1 January 2012 (paid late: Jan and Feb come as arrears)
    double daFromJuly = 0;    // from 1 July 2012
    double incrementRate = 0; // of basic pay plus grade pay, on 1 July
    double incrementUnit = 0; // the increment is raised to the next multiple of it
    Choices<HraClass> hraClasses{};
    Choices<TransportClass> transportClasses{};
    Choices<PensionScheme> pensionSchemes{};
    // Transport allowance by pay level: grade pay from gradePayHigh; grade pay from
    // gradePayMiddle, or basic pay from basicPayMiddle; below those with any basic pay.
    double gradePayHigh = 0;
    double gradePayMiddle = 0;
    double basicPayMiddle = 0;
    TransportRates transportHigh{};
    TransportRates transportMiddle{};
    TransportRates transportLow{};
    double npsRate = 0; // the employee's share of pay plus DA, matched by the Government
};

// Allowances of salary that are exempt in part.
struct ExemptionLaw {
    double hraRentAbove = 0;             // s.10(13A), rule 2A: rent counts above this share
    double transportExemptEachMonth = 0; // s.10(14), rule 2BB(2)
};

// Income from house property (sections 22 to 24).
struct HouseLaw {
    double repairsRate = 0;           // s.24(a): of the annual value, whatever was spent
    double interestCapBefore1999 = 0; // s.24(b): self-occupied, loan before 1 April 1999
    double interestCapFrom1999 = 0;   // s.24(b): loan from 1 April 1999 to buy or build
};

// Deductions under chapter VI-A.
struct DeductionLaw {
    double limit80CCE = 0;      // 80C, 80CCC and the employee's 80CCD together
    double limit80CCF = 0;      // long-term infrastructure bonds
    double limit80DSelf = 0;    // mediclaim for self and family
    double limit80DParents = 0; // mediclaim for parents
    double limit80D = 0;        // the two together
};

// The law of one financial year for an individual. The years before 2012-13 hold only their
// tax: their pay, exemptions and deductions are not used and stay nil.
struct YearLaw {
    std::string name{}; // "2012-13"
    int firstYear = 0;  // 2012: the year runs from 1 April 2012 to 31 March 2013
    Scale general{};
    std::optional<Scale> woman{}; // a category the year lacks is absent
    std::optional<Scale> senior{};
    std::optional<Scale> verySenior{};
    int seniorAge = 0;
    int verySeniorAge = 0; // where the year has the category
    std::optional<Surcharge> surcharge{};
    double cessRate = 0;     // on tax plus surcharge
    double roundingUnit = 0; // s.288A: total income rounded to ten rupees
    PayLaw pay{};
    ExemptionLaw exemptions{};
    HouseLaw house{};
    DeductionLaw deductions{};

    bool has(Category c) const;
    // The scale of a category; the general scale for a category the year lacks.
    const Scale& scale(Category c) const;
};

// A figure as the law writes it, in the Indian grouping: "30,000", "1,50,000".
std::string lawFigure(double rupees);

// 2012-13 (assessment year 2013-14), the year this program works out in full.
const YearLaw& law2012();

// The seven years before it, oldest first: row 0 = 2005-06 ... row 6 = 2011-12.
inline constexpr int earlierYears = 7;
const YearLaw& earlierLaw(int row);

} // namespace fiscora
