#include "rules/relief89.h"

#include "common/amount.h"
#include "rules/tax.h"

namespace fiscora {

std::string earlierYearName(int row) {
    return earlierLaw(row).name;
}

std::string beforeTableA() {
    return "Arrears of years before " + earlierYearName(0) + " are outside this form.";
}

std::string categoryName(Category c) {
    switch (c) {
    case Category::General:
        break;
    case Category::Woman:
        return "Woman";
    case Category::Senior:
        return "Senior";
    case Category::VerySenior:
        return "Very senior";
    }
    return "General";
}

int ageAtYearEnd(const Date& birth, int firstYear) {
    const bool birthdayAfterFirstApril = birth.month > 4 || (birth.month == 4 && birth.day > 1);
    return firstYear + 1 - birth.year - (birthdayAfterFirstApril ? 1 : 0);
}

Category categoryOf(const YearLaw& year, const Date& birth, Sex sex) {
    const int age = ageAtYearEnd(birth, year.firstYear);
    if (year.has(Category::VerySenior) && age >= year.verySeniorAge) {
        return Category::VerySenior;
    }
    if (year.has(Category::Senior) && age >= year.seniorAge) {
        return Category::Senior;
    }
    if (year.has(Category::Woman) && sex == Sex::Female) {
        return Category::Woman;
    }
    return Category::General;
}

// Each figure is taken as its field shows it before the next is worked out from it.
double taxOfYear(const YearLaw& year, Category category, double totalIncome) {
    const double income = shown(roundedIncome(year, totalIncome));
    const double tax = shown(slabTax(year, category, income));
    const double taxAndSurcharge = shown(tax + shown(surchargeOn(year, category, income, tax)));
    return shown(taxAndSurcharge + shown(cessOn(year, taxAndSurcharge)));
}

ReliefLaws reliefLaws(Mode mode) {
    ReliefLaws laws;
    laws.receipt = &law2012(mode);
    for (int i = 0; i < earlierYears; ++i) {
        laws.earlier[static_cast<std::size_t>(i)] = &earlierLaw(i, mode);
    }
    return laws;
}

ReliefFigures computeRelief(const ReliefInputs& in, const ReliefLaws& laws) {
    ReliefFigures f;
    double arrears = 0;
    double differences = 0;
    for (int i = 0; i < earlierYears; ++i) {
        const YearLaw& year = *laws.earlier[static_cast<std::size_t>(i)];
        ReliefRow& row = f.rows[static_cast<std::size_t>(i)];
        const double income = in.totalIncome[static_cast<std::size_t>(i)];
        const double rowArrears = in.arrears[static_cast<std::size_t>(i)];
        row.category = categoryOf(year, in.birth, in.sex);
        arrears = shown(arrears + rowArrears);
        if (rowArrears == 0) {
            continue;
        }
        row.incomeWithArrears = shown(income + rowArrears);
        row.taxOnIncome = taxOfYear(year, row.category, income);
        row.taxWithArrears = taxOfYear(year, row.category, row.incomeWithArrears);
        row.difference = shown(row.taxWithArrears - row.taxOnIncome);
        differences = shown(differences + row.difference);
    }
    auto& item = f.items;
    item[2] = arrears;
    item[3] = in.incomeWithArrears;
    item[1] = shown(item[3] - item[2]);
    const YearLaw& receipt = *laws.receipt;
    const Category category = categoryOf(receipt, in.birth, in.sex);
    item[4] = taxOfYear(receipt, category, item[3]);
    item[5] = taxOfYear(receipt, category, item[1]);
    item[6] = shown(item[4] - item[5]);
    item[7] = differences;
    item[8] = item[6] - item[7] > 0 ? shown(item[6] - item[7]) : 0;
    return f;
}

bool seniorInYearOfReceipt(const Date& birth) {
    const YearLaw& year = law2012();
    return ageAtYearEnd(birth, year.firstYear) >= year.seniorAge;
}

} // namespace fiscora
