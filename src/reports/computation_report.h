#pragma once
// The printed computation of income tax of the year: one portrait page with the heads of
// income, the deductions under section 24 and section 80, and the tax down to the balance.
#include "reports/page.h"

#include <QString>
#include <optional>

namespace reports {

// Every text the page shows, exactly as its field stands when Print is pressed.
struct ComputationData {
    // The main worksheet.
    QString name;             // txtname
    QString grossSalary;      // txtgs
    QString transportExempt;  // txttp
    QString hraExempt;        // txthra
    QString totalExempt;      // txtexall
    QString salaryIncome;     // txtnsal
    QString otherSources;     // txtos
    QString grossTotalIncome; // txtgti
    QString netTaxableIncome; // txtnti
    QString grossTax;         // txtgtax
    QString relief89;         // txtrel89
    QString netTax;           // txtntax
    QString cess;             // txtcess
    QString totalTax;         // txtttax
    QString taxDeducted;      // txtdedtax
    QString balanceTax;       // txtbaltax

    // Income from house property.
    QString annualValue;      // txtarv
    QString propertyTaxes;    // txtptax
    QString grossHouseIncome; // txtghi
    QString repairs;          // txtrep
    QString interest;         // txtintt: as typed, before any cap
    QString others24;         // txtoth
    QString total24;          // txttd: the deductions of section 24 as allowed
    QString houseIncome;      // txtihp

    // Deductions under section 80.
    QString gpf;               // txtgpf
    QString cgegis;            // txtgis
    QString hba;               // txthba: repayment of the house-building advance
    QString lic;               // txtlic
    QString ppf;               // txtppf
    QString nsc;               // txtnsc
    QString nscInterest;       // txtnsci
    QString tuitionFee1;       // txttf1
    QString tuitionFee2;       // txttf2
    QString infrastructure80C; // txtinf
    QString otherSavings;      // txtos
    QString total80C;          // txt80c
    QString pension80CCC;      // txt80ccc: Jeevan Suraksha
    QString npsGovernment;     // txt80ccdgc: added to the employee's share on the page
    QString npsEmployee;       // txt80ccdec
    QString total80CCE;        // txttot1: 80C, 80CCC and 80CCD within their one limit
    QString bonds80CCF;        // txt80ccf
    QString mediclaim80D;      // txt80d
    QString donations80G;      // txt80g
    QString otherDeductions;   // txtoth
    QString totalDeductions;   // txtgt80

    QString downloadPage; // the program's download page, named in the footer
};

// The 80CCD line: the government's and the employee's contributions to the New Pension
// Scheme added, each read as its leading number. Nothing when the sum is too large to print.
std::optional<QString> npsAmount(const ComputationData& data);

// The page: every text, where it stands and in which font, and its rules.
Page<ComputationData> computationPage();

// Why the page cannot be printed as it stands, or an empty text when it can.
QString unprintable(const ComputationData& data);

// Prints the page on a portrait sheet and ends the document; true when the page came out.
// `law`: the line that names the law the figures follow, below the page's table; the page
// says nothing of it when it is empty.
bool printComputation(toolkit::Printer& printer, const ComputationData& data, const QString& law);
bool printComputation(toolkit::Printer& printer, const ComputationData& data);

} // namespace reports
