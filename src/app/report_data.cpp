#include "app/report_data.h"

#include "app/main_worksheet.h"
#include "deductions/deductions_form.h"
#include "house_property/house_property_form.h"
#include "salary/salary_form.h"

void takeWorksheet(reports::ComputationData& d, const MainWorksheet& w) {
    d.name = w.txtname->text();
    d.grossSalary = w.txtgs->text();
    d.transportExempt = w.txttp->text();
    d.hraExempt = w.txthra->text();
    d.totalExempt = w.txtexall->text();
    d.salaryIncome = w.txtnsal->text();
    d.otherSources = w.txtos->text();
    d.grossTotalIncome = w.txtgti->text();
    d.netTaxableIncome = w.txtnti->text();
    d.grossTax = w.txtgtax->text();
    d.relief89 = w.txtrel89->text();
    d.netTax = w.txtntax->text();
    d.cess = w.txtcess->text();
    d.totalTax = w.txtttax->text();
    d.taxDeducted = w.txtdedtax->text();
    d.balanceTax = w.txtbaltax->text();
    d.downloadPage = MainWorksheet::downloadAddress().toString();
}

void takeHouseProperty(reports::ComputationData& d, const HousePropertyForm& f) {
    d.annualValue = f.txtarv->text();
    d.propertyTaxes = f.txtptax->text();
    d.grossHouseIncome = f.txtghi->text();
    d.repairs = f.txtrep->text();
    d.interest = f.txtintt->text();
    d.others24 = f.txtoth->text();
    d.total24 = f.txttd->text();
    d.houseIncome = f.txtihp->text();
}

void takeDeductions(reports::ComputationData& d, const DeductionsForm& f) {
    d.gpf = f.txtgpf->text();
    d.cgegis = f.txtgis->text();
    d.hba = f.txthba->text();
    d.lic = f.txtlic->text();
    d.ppf = f.txtppf->text();
    d.nsc = f.txtnsc->text();
    d.nscInterest = f.txtnsci->text();
    d.tuitionFee1 = f.txttf1->text();
    d.tuitionFee2 = f.txttf2->text();
    d.infrastructure80C = f.txtinf->text();
    d.otherSavings = f.txtos->text();
    d.total80C = f.txt80c->text();
    d.pension80CCC = f.txt80ccc->text();
    d.npsGovernment = f.txt80ccdgc->text();
    d.npsEmployee = f.txt80ccdec->text();
    d.total80CCE = f.txttot1->text();
    d.bonds80CCF = f.txt80ccf->text();
    d.mediclaim80D = f.txt80d->text();
    d.donations80G = f.txt80g->text();
    d.otherDeductions = f.txtoth->text();
    d.totalDeductions = f.txtgt80->text();
}

reports::SalaryStatementData statementData(const SalaryForm& f) {
    reports::SalaryStatementData d;
    d.name = f.txtnam->text();
    // Rows 0 and 1 are the arrears months January and February 2012; the year runs from
    // row 2 (March 2012) to row 13 (February 2013).
    constexpr std::size_t firstMonth = 2;
    for (std::size_t i = 0; i < d.months.size(); ++i) {
        const std::size_t row = firstMonth + i;
        d.months[i].month = f.Label1.at(int(row))->text();
        d.months[i].pay = {f.txtbp[row]->text(),  f.txtgp[row]->text(),  f.txtda[row]->text(),
                           f.txthra[row]->text(), f.txtmgc[row]->text(), f.txttpa2[row]->text(),
                           f.txtttl[row]->text()};
    }
    for (std::size_t row = 0; row < firstMonth; ++row) {
        d.dearnessArrears[row] = f.txtda[row]->text();
        d.mgcArrears[row] = f.txtmgc[row]->text();
        d.transportArrears[row] = f.txttpa2[row]->text();
    }
    d.totals = {f.txtbpt->text(),  f.txtgpt->text(),  f.txtdat->text(), f.txthrat->text(),
                f.txtmgct->text(), f.txttpat->text(), f.txtttlt->text()};
    d.arrears = f.txtoth[0]->text();
    d.bonus = f.txtoth[1]->text();
    d.overtime = f.txtoth[2]->text();
    d.tuitionFee = f.txtoth[3]->text();
    d.honorarium = f.txtoth[4]->text();
    d.otherAllowances = f.txtoth[5]->text();
    d.grandTotal = f.txtgtotal->text();
    return d;
}
