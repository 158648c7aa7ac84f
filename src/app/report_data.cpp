#include "app/report_data.h"

#include "app/main_worksheet.h"
#include "deductions/deductions_form.h"

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
