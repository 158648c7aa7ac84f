#pragma once
// Filled-in pages for the report tests: the figures of a plausible year, every text
// distinct so that each can be found on the printed page, of varied lengths so that right
// alignment shows.
#include "reports/computation_report.h"
#include "reports/salary_statement.h"

namespace samples {

inline reports::ComputationData computation() {
    reports::ComputationData d;
    d.name = "R. K. SHARMA";
    d.grossSalary = "700280";
    d.transportExempt = "9600";
    d.hraExempt = "45066";
    d.totalExempt = "54666";
    d.salaryIncome = "645614";
    d.otherSources = "12500";
    d.grossTotalIncome = "508114";
    d.netTaxableIncome = "336710";
    d.grossTax = "13671";
    d.relief89 = "0";
    d.netTax = "13670";
    d.cess = "410";
    d.totalTax = "14081";
    d.taxDeducted = "14000";
    d.balanceTax = "81";
    d.annualValue = "96000";
    d.propertyTaxes = "2000";
    d.grossHouseIncome = "94000";
    d.repairs = "28200";
    d.interest = "250000";
    d.others24 = "1";
    d.total24 = "178200";
    d.houseIncome = "-150000"; // a loss prints with its sign
    d.gpf = "36000";
    d.cgegis = "360";
    d.hba = "18000";
    d.lic = "12345.5";
    d.ppf = "70000";
    d.nsc = "5000";
    d.nscInterest = "812";
    d.tuitionFee1 = "15000";
    d.tuitionFee2 = "9";
    d.infrastructure80C = "20";
    d.otherSavings = "abc"; // a field holding text prints that text
    d.total80C = "100000";
    d.pension80CCC = "10000";
    d.npsGovernment = "52288";
    d.npsEmployee = "52289";
    d.total80CCE = "100001";
    d.bonds80CCF = "20000";
    d.mediclaim80D = "15000.25";
    d.donations80G = "5100";
    d.otherDeductions = "7";
    d.totalDeductions = "171401";
    d.downloadPage = "https://github.com/fiscora/fiscora1213";
    return d;
}

// The salary statement of a year: texts made from the row and column so each is distinct.
inline reports::SalaryStatementData statement() {
    static const char* const months[] = {"Mar 12", "Apr 12", "May 12", "Jun 12",
                                         "Jul 12", "Aug 12", "Sep 12", "Oct 12",
                                         "Nov 12", "Dec 12", "Jan 13", "Feb 13"};
    reports::SalaryStatementData d;
    d.name = "R. K. SHARMA";
    for (int i = 0; i < 12; ++i) {
        reports::MonthRow& row = d.months[std::size_t(i)];
        row.month = months[i];
        const QString n = QString::number(i + 1);
        // Lengths from 1 to 7 characters across the columns.
        row.pay = {"2" + n + "000", "4" + n + "00", "1" + n + "92.5", n + "8",
                   "2" + n + "6",   "26" + n + "0", "3" + n + "4216"};
    }
    d.dearnessArrears = {"1764", "1764"};
    d.mgcArrears = {"176", "176"};
    d.transportArrears = {"112", "112"};
    d.totals = {"258080", "50400", "214424", "92544", "52288", "31680", "699416"};
    d.arrears = "8";
    d.bonus = "3500";
    d.overtime = "0";
    d.tuitionFee = "864";
    d.honorarium = "1500.75";
    d.otherAllowances = "19";
    d.grandTotal = "705300";
    return d;
}

} // namespace samples
