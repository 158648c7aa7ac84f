#pragma once
// The figures of the printed pages, from the forms' snapshots: every text exactly as its
// field showed it.
#include "app/main_worksheet.h"
#include "deductions/deductions_form.h"
#include "house_property/house_property_form.h"
#include "relief/relief_form.h"
#include "reports/computation_report.h"
#include "reports/relief_annexure.h"
#include "reports/salary_statement.h"
#include "salary/salary_form.h"

// The computation of income tax: the worksheet's heads of income and tax, the house
// property form (the interest as typed beside the section 24 total allowed) and section 80
// with both contributions to the New Pension Scheme; the download page named in the footer.
reports::ComputationData computationData(const MainWorksheet::Snapshot& w,
                                         const HousePropertyForm::Snapshot& house,
                                         const DeductionsForm::Snapshot& deductions);

// The statement of salary: the twelve months of the year, the two arrears months, the
// totals and the annual figures.
reports::SalaryStatementData statementData(const SalaryForm::Snapshot& salary);

// Annexure I of relief under s.89(1): the relief form as it stands, under the worksheet's
// name; the download page named in the footer.
reports::ReliefData reliefData(const ReliefForm::Snapshot& relief, const QString& name);
