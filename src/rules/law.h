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

// Where a figure of the law stands: the provision, and the day from which it holds.
struct Source {
    std::string reference{}; // "Finance Act 2012, First Schedule, Part III"
    std::string from{};      // "2012-04-01"
};

// A figure of the law with its source, read wherever the figure itself is read.
template <typename T> struct Sourced {
    T value{};
    Source source{};
    Sourced() = default;
    Sourced(T v) : value(std::move(v)) {} // NOLINT: a figure stands for itself
    Sourced(T v, Source s) : value(std::move(v)), source(std::move(s)) {}
    operator const T&() const { return value; } // NOLINT: read as the figure
};

// Which law a year is worked out under: the program's own figures, as its forms were
// designed, or the Income-tax Act as enacted for the year.
enum class Mode { Program, Enacted };

// How the total income is rounded to the nearest ten rupees: a half to the even ten (the
// program's way), or as s.288A has it: paise dropped, then a last figure of five or more up.
enum class Rounding { HalfEven, FiveUp };

// One place where the program's figures are not the law's: what it is, the provision, and
// each side's figure.
struct Departure {
    std::string what{};
    std::string reference{};
    std::string program{};
    std::string law{};
};

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
    Sourced<double> daBefore = 0;      // DA on basic pay plus grade pay before January 2012
    Sourced<double> daFromJanuary = 0; // from 1 January 2012 (Jan and Feb come as arrears)
    Sourced<double> daFromJuly = 0;    // from 1 July 2012
    Sourced<double> incrementRate = 0; // of basic pay plus grade pay, on 1 July
    Sourced<double> incrementUnit = 0; // the increment is raised to the next multiple of it
    Choices<HraClass> hraClasses{};
    Choices<TransportClass> transportClasses{};
    Choices<PensionScheme> pensionSchemes{};
    // Transport allowance by pay level: grade pay from gradePayHigh; grade pay from
    // gradePayMiddle, or basic pay from basicPayMiddle; below those with any basic pay.
    Sourced<double> gradePayHigh = 0;
    Sourced<double> gradePayMiddle = 0;
    Sourced<double> basicPayMiddle = 0;
    Sourced<TransportRates> transportHigh{};
    Sourced<TransportRates> transportMiddle{};
    Sourced<TransportRates> transportLow{};
    Sourced<double> npsRate = 0; // the employee's share of pay plus DA, matched by Government
};

// Allowances of salary that are exempt in part.
struct ExemptionLaw {
    Sourced<double> hraRentAbove = 0;             // s.10(13A), rule 2A: rent above this share
    Sourced<double> transportExemptEachMonth = 0; // s.10(14), rule 2BB(2)
    // s.10(13A), rule 2A: at most this share of salary, in the four cities and elsewhere; nil
    // where the limb is not applied.
    Sourced<double> hraMetroShare = 0;
    Sourced<double> hraElsewhereShare = 0;
    Sourced<double> employmentTaxLimit = 0; // s.16(iii): nil where it is not allowed
};

// Income from house property (sections 22 to 24).
struct HouseLaw {
    Sourced<double> repairsRate = 0;           // s.24(a): of the annual value
    Sourced<double> interestCapBefore1999 = 0; // s.24(b): self-occupied, loan before 1999
    Sourced<double> interestCapFrom1999 = 0;   // s.24(b): loan from 1 April 1999
};

// Deductions under chapter VI-A.
struct DeductionLaw {
    Sourced<double> limit80CCE = 0;      // 80C, 80CCC and the employee's 80CCD together
    Sourced<double> limit80CCF = 0;      // long-term infrastructure bonds
    Sourced<double> limit80DSelf = 0;    // mediclaim for self and family
    Sourced<double> limit80DParents = 0; // mediclaim for parents
    Sourced<double> limit80D = 0;        // the two together, on the form's one field
    // Where the family's and the parents' premiums are asked apart (nil: one field): the
    // limit where the taxpayer or spouse, or a parent, is a senior citizen.
    Sourced<double> limit80DSenior = 0;
    Sourced<double> limit80TTA = 0; // interest on savings bank deposits; nil: not allowed
};

// The law of one financial year for an individual. The years before 2012-13 hold only their
// tax: their pay, exemptions and deductions are not used and stay nil.
struct YearLaw {
    std::string name{}; // "2012-13"
    int firstYear = 0;  // 2012: the year runs from 1 April 2012 to 31 March 2013
    Mode mode = Mode::Program;
    Sourced<Scale> general{};
    std::optional<Sourced<Scale>> woman{}; // a category the year lacks is absent
    std::optional<Sourced<Scale>> senior{};
    std::optional<Sourced<Scale>> verySenior{};
    Sourced<int> seniorAge = 0;
    Sourced<int> verySeniorAge = 0; // where the year has the category
    std::optional<Surcharge> surcharge{};
    Sourced<double> cessRate = 0;     // on tax plus surcharge
    Sourced<double> roundingUnit = 0; // s.288A: total income rounded to ten rupees
    Sourced<Rounding> rounding = Rounding::HalfEven;
    Sourced<double> taxRoundingUnit = 0; // s.288B: tax payable rounded; nil: not rounded
    // s.89: the relief comes off the tax and cess together (the cess worked out on the tax
    // before relief), not off the tax before the cess.
    Sourced<bool> reliefAfterCess = false;
    // s.80A(2): chapter VI-A deductions no larger than the gross total income.
    Sourced<bool> deductionsWithinIncome = false;
    // What the program's own figures depart from the law in (none under the law itself).
    std::vector<Departure> departures{};
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

// 2012-13 (assessment year 2013-14), the year this program works out in full: as the
// program's forms were designed, or under the law as enacted.
const YearLaw& law2012(Mode mode = Mode::Program);

// The seven years before it, oldest first: row 0 = 2005-06 ... row 6 = 2011-12; under the
// law as enacted, their total income rounded as s.288A has it.
inline constexpr int earlierYears = 7;
const YearLaw& earlierLaw(int row, Mode mode = Mode::Program);

// What the law mode covers not: said in Help beside the departures.
const std::vector<std::string>& notCovered();

} // namespace fiscora
