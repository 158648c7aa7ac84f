#pragma once
// The batch of an accounts office: many year files worked out without a window, each
// giving its printed pages as PDF files and a row of the summary.
#include <QString>
#include <QStringList>

class QTextStream;

// Works out each year file as a user would (Calculate and Back on each detail form the file
// holds, then Calculate on the worksheet) and writes OUTDIR/<name>-computation.pdf,
// OUTDIR/<name>-statement.pdf when the file holds a salary form, and OUTDIR/summary.csv.
// Progress and refusals go to `progress`. The exit status: 0 when every file gave its
// pages, 1 when any did not, 2 when the summary itself could not be written.
// `pdfSeconds`, when given, adds up the time spent drawing and writing the PDF files.
int runBatch(const QString& outDir, const QStringList& files, QTextStream& progress,
             double* pdfSeconds = nullptr);
