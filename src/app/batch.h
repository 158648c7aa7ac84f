#pragma once
// The work on one year file of the batch, as a user would do it in the program's windows.
#include "batch/run.h"

namespace batch {

// Opens the file in a fresh `Program` (no window shown), presses Calculate and then Back on
// each detail form the file holds (salary, HRA, house property, deductions, relief, in that
// order) and Calculate on the worksheet; writes the computation, the statement when the file
// holds a salary form, and Annexure I when it holds a relief form; it gives no warnings.
// `pdfSeconds`, when given, adds up the time spent drawing and writing the PDF files.
Worker programWorker(double* pdfSeconds = nullptr);

// The program's worker drives widgets, which live on the main thread only: with it the run
// takes one file at a time.
inline constexpr bool programWorkerOnThreads = false;

} // namespace batch
