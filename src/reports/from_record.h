#pragma once
// The figures of the printed pages, from the year's record: every text exactly as its field
// shows it, so that the window and the batch print the same page of the same year.
#include "reports/computation_report.h"
#include "reports/relief_annexure.h"
#include "reports/salary_statement.h"
#include "rules/law.h"
#include "year/record.h"

namespace reports {

// The program's download page, named in every page's footer.
QString downloadPage();

// The computation of income tax: the worksheet's heads of income and tax, the house
// property form (the interest as typed beside the section 24 total allowed) and section 80
// with both contributions to the New Pension Scheme. A detail form's part as it stood at its
// last Back: its design when there was none.
ComputationData computationData(const year::FormRecord& worksheet, const year::FormRecord& house,
                                const year::FormRecord& deductions);

// The statement of salary: the twelve months of the year, the two arrears months, the
// totals and the annual figures.
SalaryStatementData statementData(const year::FormRecord& salary);

// Annexure I of relief under s.89(1), under the worksheet's name.
// Its note on the scale of a taxpayer of 60 or more shows only under the program's own law.
ReliefData reliefData(const year::FormRecord& relief, const QString& name, fiscora::Mode mode);

// The line a page of the law as enacted carries below its table; empty under the program's
// own law, whose pages say nothing of it.
QString lawLine(fiscora::Mode mode);

} // namespace reports
