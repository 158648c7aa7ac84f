#pragma once
// Relief under s.89(1) for arrears of salary received in 2012-13, as Form 10E, Annexure I
// works it out: the tax of each earlier year with and without its arrears, on that year's
// own law, against the tax of the year of receipt with and without all the arrears.
#include "rules/law.h"

#include <array>
#include <string>

namespace fiscora {

enum class Sex { Male, Female };

struct Date {
    int year = 1960;
    int month = 1;
    int day = 1;
};

// Table A runs over the seven financial years before the year of receipt (earlierYears in
// law.h): row 0 = 2005-06 ... row 6 = 2011-12.

// "2005-06" ... "2011-12" for rows 0..6.
std::string earlierYearName(int row);
// The note under Table A, on the form and on its page: the years before row 0 are not in it.
std::string beforeTableA();
// "General", "Woman", "Senior", "Very senior".
std::string categoryName(Category c);

// The age reached on or before 31 March that ends the year beginning in April of
// `firstYear`: someone born on 1 April reaches an age on the 31 March before the birthday.
int ageAtYearEnd(const Date& birth, int firstYear);

// The category of a taxpayer in a year on that year's law, by the age reached on or before
// 31 March of the year: very senior, senior, woman, in that order where the year has them.
Category categoryOf(const YearLaw& year, const Date& birth, Sex sex);

// The whole tax of a year on a total income: income rounded to ten rupees as the worksheet
// rounds it, slab tax of the year and category, surcharge with marginal relief where the
// year had one (rounded to the rupee), cess on tax plus surcharge (rounded to the rupee).
double taxOfYear(const YearLaw& year, Category category, double totalIncome);

struct ReliefInputs {
    Date birth;
    Sex sex = Sex::Male;
    std::array<double, earlierYears> totalIncome{}; // txtti(i)
    std::array<double, earlierYears> arrears{};     // txtarr(i)
    double incomeWithArrears = 0;                   // item 3 (txtitem(3))
};

struct ReliefRow {
    Category category = Category::General; // txtcat(i)
    double incomeWithArrears = 0;          // txtti2(i); 0 when the row's arrears are 0
    double taxOnIncome = 0;                // txttax1(i); 0 when the row's arrears are 0
    double taxWithArrears = 0;             // txttax2(i); 0 when the row's arrears are 0
    double difference = 0;                 // txtdiff(i); 0 when the row's arrears are 0
};

struct ReliefFigures {
    std::array<ReliefRow, earlierYears> rows{};
    // items[1] .. items[8] as Form 10E, Annexure I numbers them (items[0] unused):
    // 1 = 3 - 2, 2 = sum of arrears, 3 = as given, 4 = tax on 3, 5 = tax on 1, 6 = 4 - 5,
    // 7 = sum of differences, 8 = 6 - 7 when positive, else 0.
    std::array<double, 9> items{};
};

// The laws Annexure I works on: the year of receipt, and the seven years before it.
struct ReliefLaws {
    const YearLaw* receipt = nullptr;
    std::array<const YearLaw*, earlierYears> earlier{};
};
// 2012-13 and the years before it, under the program's law or the law as enacted.
ReliefLaws reliefLaws(Mode mode);

// Relief under s.89(1) for arrears received in 2012-13. Each year is taxed on the taxpayer's
// scale of that year; the program's 2012-13 has one scale for everyone, so there the year of
// receipt is taxed on the scale of those below 60.
ReliefFigures computeRelief(const ReliefInputs& in, const ReliefLaws& laws);

// True when the taxpayer is 60 or more on 31 March 2013 (the form then says that the
// worksheet's scale for taxpayers below 60 is applied).
bool seniorInYearOfReceipt(const Date& birth);

} // namespace fiscora
