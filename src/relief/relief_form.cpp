#include "relief/relief_form.h"

#include "rules/relief89.h"
#include "toolkit/entry.h"
#include "toolkit/figures.h"
#include "toolkit/look.h"
#include "toolkit/year_fields.h"

#include <vector>

using toolkit::TextBox;
using Kind = toolkit::TextBox::Kind;
namespace colour = toolkit::colour;

static_assert(ReliefForm::years == fiscora::earlierYears);

namespace {

// Table A: the year's caption, then seven columns of fields one pitch apart.
constexpr int leftCaption = 240;
constexpr int firstColumn = 1200;
constexpr int columnPitch = 1335;
constexpr int fieldWidth = 1215;
constexpr int fieldHeight = 285;
constexpr int rowPitch = 345;
constexpr int tableHeadingTop = 1020;
constexpr int columnHeadingTop = 1320;
constexpr int firstRowTop = 1860;
// The year of receipt: items 1 to 8 down the left, their figures in the fourth column.
constexpr int receiptHeadingTop = 4440;
constexpr int firstItemTop = 4800;
constexpr int notesLeft = firstColumn + 4 * columnPitch;
constexpr int buttonTop = 7125;

constexpr int columnLeft(int column) {
    return firstColumn + column * columnPitch;
}
constexpr int rowTop(int row) {
    return firstRowTop + row * rowPitch;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

ReliefForm::ReliefForm(toolkit::Messages& messages)
    : Form("frmrel89", "Fiscora1213 - Relief u/s 89(1) - Arrears of Salary (Form 10E, Annexure I)",
           columnLeft(years) + 120, buttonTop + 615, colour::teal),
      messages_(messages) {
    const QFont headingFont = toolkit::arial(9.75, true);
    const QFont itemFont = toolkit::arial(8.25, true);
    const QFont noteFont = toolkit::arial(8.25);
    auto heading = [&](const char* name, const QString& text, int left, int top) {
        return toolkit::caption(this, name, text, left, top, 240, headingFont, colour::darkRed,
                                colour::pink);
    };
    auto item = [&](const QString& name, const QString& text, int left, int top) {
        return toolkit::caption(this, name, text, left, top, 240, itemFont, colour::navy,
                                colour::pink);
    };
    // A column heading of up to two lines, centred over its column.
    auto columnHeading = [&](const QString& name, const QString& text, int left, int width) {
        QLabel* label = item(name, text, left, columnHeadingTop);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(toolkit::twipsRect(left, columnHeadingTop, width, 480));
        return label;
    };

    item("lbldob", "Date of Birth", leftCaption, 300);
    dtpdob = new QDateEdit(QDate(1960, 1, 1), this);
    dtpdob->setObjectName("dtpdob");
    dtpdob->setDisplayFormat("dd/MM/yyyy");
    dtpdob->setCalendarPopup(true);
    dtpdob->setFont(toolkit::sansSerif(8.25));
    dtpdob->setGeometry(toolkit::twipsRect(1800, 270, 1575, 315));
    dtpdob->setAccessibleName("Date of Birth");

    frasex = new QGroupBox("Sex", this);
    frasex->setObjectName("frasex");
    frasex->setFont(itemFont);
    toolkit::paint(frasex, colour::navy);
    frasex->setGeometry(toolkit::twipsRect(3840, 60, 3000, 735));
    auto option = [&](const char* name, const QString& text, int left) {
        auto* b = new QRadioButton(text, frasex);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(itemFont);
        toolkit::paint(b, colour::navy);
        b->setGeometry(toolkit::twips(left), toolkit::twips(300), b->sizeHint().width(),
                       toolkit::twips(375));
        return b;
    };
    optmale = option("optmale", "Male", 240);
    optfemale = option("optfemale", "Female", 1560);
    optmale->setChecked(true);

    heading("lbltablea", "Table A - Arrears relating to earlier years", leftCaption,
            tableHeadingTop);
    auto* before = new QLabel(QString::fromStdString(fiscora::beforeTableA()), this);
    before->setObjectName("lblbefore");
    before->setFont(noteFont);
    toolkit::paint(before, colour::darkGreen);
    before->adjustSize();
    before->move(toolkit::twips(columnLeft(3)), toolkit::twips(tableHeadingTop + 30));

    columnHeading("lblcolfy", "Financial\nyear", leftCaption, firstColumn - 120 - leftCaption);
    const char* const headings[] = {
        "Total\nincome",  "Arrears\nof the year", "Category",  "Income with\narrears",
        "Tax on\nincome", "Tax with\narrears",    "Difference"};
    for (int c = 0; c < years; ++c) {
        columnHeading(indexed("lblcol", c), QString::fromLatin1(headings[c]), columnLeft(c),
                      fieldWidth);
    }

    struct ColumnDesign {
        Column* cells;
        const char* name;
        const char* accessible;
        Kind kind;
    };
    const ColumnDesign columns[] = {
        {&txtti, "txtti", "Total income", Kind::Entry},
        {&txtarr, "txtarr", "Arrears", Kind::Entry},
        {&txtcat, "txtcat", "Category", Kind::Output},
        {&txtti2, "txtti2", "Income with arrears", Kind::Output},
        {&txttax1, "txttax1", "Tax on income", Kind::Output},
        {&txttax2, "txttax2", "Tax with arrears", Kind::Output},
        {&txtdiff, "txtdiff", "Difference", Kind::Output},
    };
    for (int r = 0; r < years; ++r) {
        const QString year = QString::fromStdString(fiscora::earlierYearName(r));
        lblfy[r] = item(indexed("lblfy", r), year, leftCaption, rowTop(r) + 30);
        for (int c = 0; c < years; ++c) {
            const ColumnDesign& d = columns[c];
            (*d.cells)[r] = field(indexed(d.name, r), d.kind, columnLeft(c), rowTop(r),
                                  QStringLiteral("%1 %2").arg(QLatin1String(d.accessible), year));
        }
        // A category is a word, not a figure: nothing shows until Calculate.
        txtcat[r]->setAlignment(Qt::AlignCenter);
        txtcat[r]->clear();
    }

    heading("lblreceipt", "Year of receipt " + QString::fromStdString(fiscora::law2012().name),
            leftCaption, receiptHeadingTop);
    const char* const items[] = {
        nullptr,
        "1. Total income excluding arrears",
        "2. Salary received in arrears",
        "3. Total income including arrears",
        "4. Tax on total income (item 3)",
        "5. Tax on total income (item 1)",
        "6. Tax on arrears (item 4 - item 5)",
        "7. Tax on arrears in Table A",
        "8. Relief u/s 89(1) (item 6 - item 7)",
    };
    for (int i = 1; i <= 8; ++i) {
        const int top = firstItemTop + (i - 1) * rowPitch;
        const QString text = QString::fromLatin1(items[i]);
        item(indexed("lblitem", i), text, leftCaption, top + 30);
        txtitem[i] = field(indexed("txtitem", i), i == 3 ? Kind::Entry : Kind::Output,
                           columnLeft(3), top, text.mid(3));
    }

    lblsenior = new QLabel(this);
    lblsenior->setObjectName("lblsenior");
    lblsenior->setFont(noteFont);
    lblsenior->setWordWrap(true);
    toolkit::paint(lblsenior, colour::darkGreen);
    lblsenior->setGeometry(
        toolkit::twipsRect(notesLeft, firstItemTop, columnLeft(years) - 120 - notesLeft, 960));
    lblsenior->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto button = [this](const char* name, const QString& caption, int column) {
        return toolkit::commandButton(
            this, name, caption, toolkit::twipsRect(columnLeft(column), buttonTop, fieldWidth, 375),
            toolkit::font("Microsoft Sans Serif", 9.75));
    };
    cmdcal = button("cmdcal", "&Calculate", 4);
    cmdprn = button("cmdprn", "&Print", 5);
    cmdbak = button("cmdbak", "&Back", 6);
    withdraw();
    setDefaultButton(cmdcal);

    // Any change of a figure, the date of birth or the sex withdraws Print and Back until
    // Calculate, so that neither ever uses a relief worked out from other figures.
    std::vector<QWidget*> order{dtpdob, optmale, optfemale};
    for (int r = 0; r < years; ++r) {
        for (TextBox* box : {txtti[r], txtarr[r]}) {
            toolkit::bindEntry(box, {cmdprn, cmdbak});
            order.push_back(box);
        }
    }
    toolkit::bindEntry(txtitem[3], {cmdprn, cmdbak});
    connect(dtpdob, &QDateEdit::dateChanged, this, [this] {
        withdraw();
        showSeniorNote();
    });
    connect(optmale, &QRadioButton::toggled, this, &ReliefForm::withdraw);
    showSeniorNote();

    // The sex is one stop of the Tab key, at the selected button.
    for (QRadioButton* b : {optmale, optfemale}) {
        b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        connect(b, &QRadioButton::toggled, b, [b](bool selected) {
            b->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    order.insert(order.end(), {txtitem[3], cmdcal, cmdprn, cmdbak});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(cmdcal, &QPushButton::clicked, this, &ReliefForm::calculate);
    connect(cmdprn, &QPushButton::clicked, this, &ReliefForm::printRequested);
    connect(cmdbak, &QPushButton::clicked, this, &ReliefForm::back);
}

TextBox* ReliefForm::field(const QString& name, Kind kind, int left, int top,
                           const QString& accessible) {
    auto* box = new TextBox(this, name, kind, left, top, fieldWidth, fieldHeight);
    box->setFont(toolkit::sansSerif(8.25));
    box->setAccessibleName(accessible);
    return box;
}

void ReliefForm::withdraw() {
    toolkit::withdraw({cmdprn, cmdbak});
}

void ReliefForm::showSeniorNote() {
    const QString note = year::seniorNote(toolkit::recordOf(*this), law().mode);
    lblsenior->setText(note);
    lblsenior->setVisible(!note.isEmpty());
}

// Under the law as enacted every year is taxed on the taxpayer's own scale: the note on the
// scale of those below 60 goes; what Calculate gave under the other law is withdrawn.
void ReliefForm::lawChanged() {
    showSeniorNote();
    withdraw();
}

void ReliefForm::fill(const std::optional<QString>& netTaxableIncome,
                      std::optional<double> salaryArrears) {
    toolkit::carryOut(*this, messages_,
                      year::fillRelief(toolkit::recordOf(*this), netTaxableIncome, salaryArrears));
    dtpdob->setFocus();
}

void ReliefForm::calculate() {
    if (toolkit::carryOut(*this, messages_,
                          year::calculateRelief(toolkit::recordOf(*this), law().mode))) {
        cmdprn->setEnabled(true);
        cmdbak->setEnabled(true);
    }
}

void ReliefForm::back() {
    const auto relief = toolkit::carryOut(messages_, year::reliefFigure(toolkit::recordOf(*this)));
    if (!relief) {
        return;
    }
    hide();
    emit returned(*relief);
}
