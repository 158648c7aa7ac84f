// The drawing function on a table of its own; each real page against its table and as approved.
#include "reports/computation_report.h"
#include "reports/relief_annexure.h"
#include "reports/salary_statement.h"
#include "support/files.h"
#include "support/pdf.h"
#include "support/recording_printer.h"
#include "support/table.h"

#include <QTemporaryDir>
#include <utility>

using testing::columns, testing::each, testing::fetch;
using namespace reports;
using testing::FontState;
using toolkit::Orientation;

namespace {

struct Sample {
    QString a, b;
};

// Two rows in two fonts: left, centred, an amount in its column, a worked-out text; a rule.
// clang-format off
Page<Sample> samplePage(double bound) {
    return named(Page<Sample>{Orientation::Landscape, {
        {0.5, {12, true, false, true}, {{Align::Left, 1, "Title"}, {Align::Centre, 4, &Sample::a}}},
        {1.0, {9}, {{Align::Left, 1.5, "Line :-"}, {Column{bound, 5}, &Sample::b},
                    {Align::Right, 6, [](const Sample& s) { return s.a + s.b; }}}}},
        {{4, 5, 1.15}}});
}
// clang-format on

QString described(double x, double y, const QString& text, const FontState& f) {
    return QString("'%1' at %2,%3 %4 %5%6%7%8")
        .arg(text, QString::number(x, 'f', 3), QString::number(y, 'f', 3), f.name)
        .arg(f.size)
        .arg(f.bold ? " bold" : "", f.italic ? " italic" : "", f.underline ? " underlined" : "");
}

// The data of a page, field k holding text(k); the compiler counts the fields.
template <typename Data, std::size_t... K>
Data filled(const std::function<QString(std::size_t)>& text, std::index_sequence<K...>) {
    return Data{text(K)...};
}
template <typename Data> constexpr std::size_t fields = 0;
template <> constexpr std::size_t fields<ComputationData> = 46;
template <> constexpr std::size_t fields<SalaryStatementData> = 117;
template <> constexpr std::size_t fields<ReliefData> = 69;

// Every field a distinct ten-digit figure, as the forms hold at most; 309 digits in `wide`.
template <typename Data> Data sample(std::size_t wide = fields<Data>) {
    return filled<Data>(
        [wide](std::size_t k) {
            return k == wide ? "1" + QString(308, '0') : QString::number(1000000000 + k);
        },
        std::make_index_sequence<fields<Data>>{});
}

// Each field, made 309 digits long, changes the page, refused exactly when an amount changed.
template <typename Data>
void checkEveryField(const Page<Data>& page, std::size_t field, const QString& name) {
    const Data base = sample<Data>();
    QCOMPARE(unprintable(base), QString());
    for (std::size_t k = 0; k < fields<Data>; ++k) {
        const Data one = sample<Data>(k);
        bool reaches = false;
        QStringList amounts;
        for (const Row<Data>& row : page.rows) {
            for (const Cell<Data>& cell : row.cells) {
                if (cell.text(one) != cell.text(base)) {
                    reaches = true;
                    amounts << (cell.bound ? QStringList{cell.name} : QStringList{});
                }
            }
        }
        QVERIFY2(reaches, qPrintable(QString("field %1 is not on the page").arg(k)));
        QCOMPARE(unprintable(one), amounts.isEmpty() ? QString() : tooWideMessage(amounts[0]));
    }
    QVERIFY(unprintable(sample<Data>(field)).contains('"' + name + '"'));
}

// Every field on the page (the one numbered refused by its caption when too wide); a real PDF:
// one sheet, each text at its cell to 0.01 inch, every word and rule as approved.
template <typename Data>
void checkPage(const QString& name, const Page<Data>& page,
               bool (*print)(toolkit::Printer&, const Data&), std::size_t field,
               const QString& caption) {
    checkEveryField(page, field, caption);
    QTemporaryDir dir;
    const QString file = dir.filePath("page.pdf");
    const bool landscape = page.orientation == Orientation::Landscape;
    {
        const auto printer = toolkit::QtPrinter::pdfFile(file);
        printer->setOrientation(landscape ? Orientation::Portrait : Orientation::Landscape);
        QVERIFY(print(*printer, sample<Data>()));
    }
    const testing::PdfText pdf = testing::readPdf(file);
    QVERIFY2(pdf.pages == 1, "not one page, or no pdfinfo: run scripts/install-deps");
    QCOMPARE(pdf.width > pdf.height, landscape);
    const QList<testing::PdfWord>& words = pdf.words;
    QStringList placed; // to 0.001 inch; a page changed on purpose: FISCORA_UPDATE_GOLDEN=1
    for (const testing::PdfWord& w : words) {
        QVERIFY2(w.right < pdf.width - 0.25, qPrintable(w.text + " runs off the page"));
        placed << QString::asprintf("%.3f %.3f %.3f %.3f ", w.left, w.top, w.right, w.bottom) +
                      w.text;
    }
    testing::RecordingPrinter drawn; // and the rules, which a PDF's text does not show
    QVERIFY(print(drawn, sample<Data>()));
    for (const testing::PageMark& m : drawn.pages[0].marks) {
        if (m.kind == testing::PageMark::Kind::Line) {
            placed << QString::asprintf("rule %.3f %.3f %.3f %.3f", m.x, m.y, m.x2, m.y2);
        }
    }
    const QString approved = QStringLiteral(FISCORA_GOLDEN_DIR "/%1.txt").arg(name);
    if (qEnvironmentVariableIsSet("FISCORA_UPDATE_GOLDEN")) {
        testing::putFile(approved, (placed.join('\n') + '\n').toUtf8());
    }
    QCOMPARE(placed,
             QString::fromUtf8(testing::fileText(approved)).split('\n', Qt::SkipEmptyParts));
    for (const Row<Data>& row : page.rows) {
        // The edge of the word of the row with this text nearest to x.
        auto edge = [&](const QString& text, bool left, double x) {
            double best = qInf();
            for (const testing::PdfWord& w : words) {
                const double at = left ? w.left : w.right;
                if (qAbs(w.top - row.y) < 0.05 && w.text == text && qAbs(at - x) < qAbs(best - x)) {
                    best = at;
                }
            }
            return best;
        };
        for (const Cell<Data>& c : row.cells) {
            const QString text = c.text(sample<Data>()), first = text.section(' ', 0, 0),
                          last = text.section(' ', -1);
            const double at = c.align == Align::Left ? edge(first, true, c.x)
                              : c.align == Align::Right
                                  ? edge(last, false, c.x)
                                  : (edge(first, true, c.x) + edge(last, false, c.x)) / 2;
            QVERIFY2(text.isEmpty() || qAbs(at - c.x) < 0.01, qPrintable(text + " misplaced"));
        }
    }
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT
private slots:

    // Each row in its own font, whatever the printer was left at; each cell at its x as aligned.
    void drawing() {
        testing::RecordingPrinter printer;
        printer.setItalic(true);
        QVERIFY(printPage(printer, samplePage(4), Sample{"ab", "12345"}));
        QCOMPARE(printer.pages.size(), 1);
        QCOMPARE(printer.pages[0].orientation, Orientation::Landscape);
        const QStringList printed = each(printer.pages[0].marks, [](const testing::PageMark& m) {
            return m.kind == testing::PageMark::Kind::Line
                       ? QString("rule %1,%2 to %3,%4").arg(m.x).arg(m.y).arg(m.x2).arg(m.y2)
                       : described(m.x, m.y, m.text, m.font);
        });
        const FontState big{"Tahoma", 12, true, false, true}, plain{"Tahoma", 9};
        auto width = testing::RecordingPrinter::widthOf;
        QCOMPARE(printed, (QStringList{described(1, 0.5, "Title", big),
                                       described(4 - width("ab", big) / 2, 0.5, "ab", big),
                                       described(1.5, 1, "Line :-", plain),
                                       described(5 - width("12345", plain), 1, "12345", plain),
                                       described(6 - width("ab12345", plain), 1, "ab12345", plain),
                                       "rule 4,1.15 to 5,1.15"}));
    }

    // The column's space ends exactly where "12345" begins; the message names the row's caption.
    void amountsKeepToTheirColumn_data() {
        columns<Sample, bool>("data", "fits");
        QTest::newRow("fills-its-space-exactly") << Sample{"", "12345"} << true;
        QTest::newRow("one-digit-more-refused") << Sample{"", "123456"} << false;
        QTest::newRow("text-without-a-space-never-refused")
            << Sample{QString(309, '9'), ""} << true;
    }

    void amountsKeepToTheirColumn() {
        auto [data, fits] = fetch<Sample, bool>("data", "fits");
        const QString refused = tooWide(samplePage(5 - measuredWidth("12345", {9})), data);
        QCOMPARE(refused, fits ? QString() : tooWideMessage("Line"));
    }

    void everyPage_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("computation-portrait") << "computation";
        QTest::newRow("statement-landscape") << "statement";
        QTest::newRow("relief-portrait") << "relief";
    }

    void everyPage() {
        QFETCH(QString, page);
        if (page == "computation") {
            checkPage(page, computationPage(), printComputation, 1, "Gross Salary");
        } else if (page == "statement") {
            checkPage(page, statementPage(), printSalaryStatement, 2, "Basic Pay, Mar 12");
        } else {
            checkPage(page, reliefPage(), printRelief, 10, "8. Relief under section 89(1)");
        }
    }

    // The 80CCD and DA Arr. lines add their figures; too large to add: refused by the line.
    void sums_data() {
        columns<QStringList, QStringList>("texts", "sums");
        using L = QStringList;
        // clang-format off
        QTest::newRow("nps-leading-numbers-tenths-without-noise") << L{"0.1abc", "0.2,5"} << L{"0.3"};
        QTest::newRow("nps-too-large-to-add-refused") << L{"1e308", "1e308"} << L{"NPS (EC + GC) (80CCD)"};
        QTest::newRow("arrears-leading-numbers-empty-as-0") << L{"12abc", "x", "", "7", "1,500", "2"} << L{"12", "7", "3", "22"};
        QTest::newRow("arrears-fractions-kept-no-noise") << L{"0.1", "0.2", "1.25", "0", "0", "0.5"} << L{"0.3", "1.25", "0.5", "2.05"};
        // Each sum fits; their total does not.
        QTest::newRow("arrears-too-large-to-add-refused") << L{"1e308", "0", "0", "0", "1e308", "0"} << L{"DA Arr."};
        // clang-format on
    }

    void sums() {
        auto [texts, sums] = fetch<QStringList, QStringList>("texts", "sums");
        auto c = sample<ComputationData>();
        auto s = sample<SalaryStatementData>();
        QStringList printed;
        QString refused;
        if (texts.size() == 2) {
            c.npsGovernment = texts[0];
            c.npsEmployee = texts[1];
            printed << npsAmount(c).value_or("none");
            refused = unprintable(c);
        } else {
            s.dearnessArrears = {texts[0], texts[1]};
            s.mgcArrears = {texts[2], texts[3]};
            s.transportArrears = {texts[4], texts[5]};
            const ArrearsRow a = arrearsRow(s).value_or(ArrearsRow{"none", "", "", ""});
            printed << a.dearness << a.mgc << a.transport << a.total;
            refused = unprintable(s);
        }
        const bool none = printed[0] == "none";
        QCOMPARE(refused.contains("too large to add up for the line \"" + sums[0] + '"'), none);
        QCOMPARE(none ? sums : printed, sums);
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
