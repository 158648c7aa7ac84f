#pragma once
// The work on one year file of the batch, as a user does it through the forms, on the year's
// record: no window and no widget, so that files are worked out on every core at once.
#include "batch/run.h"

#include <atomic>

namespace batch {

// Reads the file, works the year out as the worksheet leads through its forms, and writes
// the computation, the statement when the year holds the salary form, and Annexure I when
// it holds the relief form with arrears to relieve. Figures read only in part are warned of.
// `pdfSeconds`, when given, adds up the time spent drawing and writing the PDF files. Each
// year is worked out under the law its file keeps, or under the law as enacted for every file
// when `enacted` is true.
Worker recordWorker(std::atomic<double>* pdfSeconds = nullptr, bool enacted = false);

} // namespace batch
