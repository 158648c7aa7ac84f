#pragma once
// The figures of the printed pages, taken from the forms' fields exactly as they stand.
#include "reports/computation_report.h"
#include "reports/salary_statement.h"

class MainWorksheet;
class DeductionsForm;
class HousePropertyForm;
class SalaryForm;

// The worksheet's heads of income and tax, and the download page named in the footer.
void takeWorksheet(reports::ComputationData& data, const MainWorksheet& w);
// Income from house property, the interest as typed beside the section 24 total allowed.
void takeHouseProperty(reports::ComputationData& data, const HousePropertyForm& f);
// Section 80, with both contributions to the New Pension Scheme.
void takeDeductions(reports::ComputationData& data, const DeductionsForm& f);

// The salary form's table: the twelve months of the year, the two arrears months, the
// totals and the annual figures.
reports::SalaryStatementData statementData(const SalaryForm& f);
