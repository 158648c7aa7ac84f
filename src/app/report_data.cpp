#include "app/report_data.h"

reports::ComputationData computationData(const MainWorksheet::Snapshot& w,
                                         const HousePropertyForm::Snapshot& h,
                                         const DeductionsForm::Snapshot& d) {
    reports::ComputationData c;
    c.name = w.name;
    c.grossSalary = w.grossSalary;
    c.transportExempt = w.transportExempt;
    c.hraExempt = w.hraExempt;
    c.totalExempt = w.totalExempt;
    c.salaryIncome = w.salaryIncome;
    c.otherSources = w.otherSources;
    c.grossTotalIncome = w.grossTotalIncome;
    c.netTaxableIncome = w.netTaxableIncome;
    c.grossTax = w.grossTax;
    c.relief89 = w.relief89;
    c.netTax = w.netTax;
    c.cess = w.cess;
    c.totalTax = w.totalTax;
    c.taxDeducted = w.taxDeducted;
    c.balanceTax = w.balanceTax;
    c.downloadPage = MainWorksheet::downloadAddress().toString();

    c.annualValue = h.annualValue;
    c.propertyTaxes = h.propertyTaxes;
    c.grossHouseIncome = h.grossIncome;
    c.repairs = h.repairs;
    c.interest = h.interest;
    c.others24 = h.others;
    c.total24 = h.deductions;
    c.houseIncome = h.income;

    c.gpf = d.gpf;
    c.cgegis = d.cgegis;
    c.hba = d.hba;
    c.lic = d.lic;
    c.ppf = d.ppf;
    c.nsc = d.nsc;
    c.nscInterest = d.nscInterest;
    c.tuitionFee1 = d.tuitionFee1;
    c.tuitionFee2 = d.tuitionFee2;
    c.infrastructure80C = d.infrastructure80C;
    c.otherSavings = d.otherSavings;
    c.total80C = d.total80C;
    c.pension80CCC = d.pension80CCC;
    c.npsGovernment = d.npsGovernment;
    c.npsEmployee = d.npsEmployee;
    c.total80CCE = d.total80CCE;
    c.bonds80CCF = d.bonds80CCF;
    c.mediclaim80D = d.mediclaim80D;
    c.donations80G = d.donations80G;
    c.otherDeductions = d.otherDeductions;
    c.totalDeductions = d.totalDeductions;
    return c;
}

reports::SalaryStatementData statementData(const SalaryForm::Snapshot& s) {
    // The snapshot's columns: B.PAY, G.PAY, DA, HRA, TPA, MGC, TOTAL; the page's: B.PAY,
    // G.PAY, DA, HRA, MGC, TPA, TOTAL.
    const auto pay = [](const SalaryForm::Snapshot::Row& r) {
        return reports::PayColumns{r[0], r[1], r[2], r[3], r[5], r[4], r[6]};
    };
    constexpr std::size_t da = 2, tpa = 4, mgc = 5;
    reports::SalaryStatementData d;
    d.name = s.name;
    // Rows 0 and 1 are the arrears months January and February 2012; the year runs from
    // row 2 (March 2012) to row 13 (February 2013).
    constexpr std::size_t firstMonth = fiscora::firstSalary;
    for (std::size_t i = 0; i < d.months.size(); ++i) {
        d.months[i] = {s.months[firstMonth + i], pay(s.rows[firstMonth + i])};
    }
    for (std::size_t row = 0; row < firstMonth; ++row) {
        d.dearnessArrears[row] = s.rows[row][da];
        d.mgcArrears[row] = s.rows[row][mgc];
        d.transportArrears[row] = s.rows[row][tpa];
    }
    d.totals = pay(s.totals);
    d.arrears = s.annual[0];
    d.bonus = s.annual[1];
    d.overtime = s.annual[2];
    d.tuitionFee = s.annual[3];
    d.honorarium = s.annual[4];
    d.otherAllowances = s.annual[5];
    d.grandTotal = s.grandTotal;
    return d;
}

reports::ReliefData reliefData(const ReliefForm::Snapshot& r, const QString& name) {
    reports::ReliefData d;
    d.name = name;
    d.dateOfBirth = r.birth;
    d.sex = r.sex;
    for (std::size_t i = 0; i < d.items.size(); ++i) {
        d.items[i] = r.items[i + 1]; // the page's items start at item 1
    }
    for (std::size_t i = 0; i < d.years.size(); ++i) {
        const ReliefForm::Snapshot::Row& y = r.rows[i];
        d.years[i] = {y.year,        y.totalIncome,    y.arrears,   y.category, y.incomeWithArrears,
                      y.taxOnIncome, y.taxWithArrears, y.difference};
        // As Form 10E: a year without arrears has nothing to add and no tax to compare.
        if (reports::figure(y.arrears) == 0) {
            reports::ReliefYear& shown = d.years[i];
            shown.incomeWithArrears = shown.taxOnIncome = shown.taxWithArrears = shown.difference =
                QString();
        }
    }
    d.seniorNote = r.seniorNote;
    d.downloadPage = MainWorksheet::downloadAddress().toString();
    return d;
}
