#pragma once
// A PDF file read back with poppler-utils: pdfinfo for its pages, pdftotext -bbox for its words.
#include <QProcess>
#include <QRegularExpression>

namespace testing {

struct PdfWord {
    QString text;
    double left, top, right, bottom; // inches from the page's top-left corner
};

struct PdfText {
    int pages = 0;                // 0: not a PDF, or no pdfinfo
    double width = 0, height = 0; // of the first page, in inches
    QList<PdfWord> words;
};

// Runs the tool; what it wrote on its standard output.
inline QString run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline PdfText readPdf(const QString& file) {
    PdfText pdf;
    const auto info =
        QRegularExpression(R"(Pages:\s+(\d+)\s[\s\S]*Page size:\s+([\d.]+) x ([\d.]+))")
            .match(run("pdfinfo", {file}));
    pdf.pages = info.captured(1).toInt();
    pdf.width = info.captured(2).toDouble() / 72;
    pdf.height = info.captured(3).toDouble() / 72;
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = word.globalMatch(run("pdftotext", {"-bbox", file, "-"})); it.hasNext();) {
        const auto m = it.next();
        // Compatibility forms undo ligatures such as "ff" set as one glyph.
        QString text = m.captured(5).normalized(QString::NormalizationForm_KC);
        text.replace("&amp;", "&").replace("&apos;", "'").replace("&quot;", "\"");
        pdf.words << PdfWord{text, m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72,
                             m.captured(3).toDouble() / 72, m.captured(4).toDouble() / 72};
    }
    return pdf;
}

} // namespace testing
