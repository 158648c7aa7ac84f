#pragma once
// The figures of the printed pages, taken from the forms' fields exactly as they stand.
#include "reports/computation_report.h"
#include "reports/salary_statement.h"

class MainWorksheet;
class DeductionsForm;

// The worksheet's heads of income and tax, and the download page named in the footer.
void takeWorksheet(reports::ComputationData& data, const MainWorksheet& w);
// Section 80, with both contributions to the New Pension Scheme.
void takeDeductions(reports::ComputationData& data, const DeductionsForm& f);
