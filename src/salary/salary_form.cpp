#include "salary/salary_form.h"

#include "common/amount.h"
#include "toolkit/entry.h"
#include "toolkit/figures.h"
#include "toolkit/look.h"
#include "toolkit/year_fields.h"

#include <QLineEdit>
#include <vector>

using fiscora::payRows;
using toolkit::TextBox;
using Kind = toolkit::TextBox::Kind;
namespace colour = toolkit::colour;

namespace {

// The figures this form computes stand out in a brighter red than the worksheet's.
const QColor outputRed{192, 0, 0};

const char* const monthNames[payRows] = {"Jan 12", "Feb 12", "Mar 12", "Apr 12", "May 12",
                                         "Jun 12", "Jul 12", "Aug 12", "Sep 12", "Oct 12",
                                         "Nov 12", "Dec 12", "Jan 13", "Feb 13"};

// Left edges of the seven columns, in twips, and the rows' tops.
constexpr int bpLeft = 840, gpLeft = 1920, daLeft = 3000, hraLeft = 4080, tpaLeft = 5160,
              mgcLeft = 6240, ttlLeft = 7320;
constexpr int firstRowTop = 960, rowStep = 360, totalsTop = 6120;
constexpr int bottomRowTop = 6600;

int rowTop(int row) {
    return firstRowTop + rowStep * row;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// A selection lists the texts of the year's table.
template <typename Value> QStringList texts(const fiscora::Choices<Value>& choices) {
    QStringList list;
    for (const std::string& text : fiscora::choiceTexts(choices)) {
        list.append(QString::fromStdString(text));
    }
    return list;
}

} // namespace

SalaryForm::SalaryForm(toolkit::Messages& messages)
    : Form("Form1", "Fiscora1213 - Income Calculator", 10770, 7185, colour::teal),
      messages_(messages) {
    label(-1, "Name", 120, 120)->setObjectName("lblname");
    txtnam = cell("txtnam", Kind::FreeText, 960, 120, 3135, 285);
    toolkit::limitTyping(txtnam, nameLength);
    txtnam->setFont(toolkit::sansSerif(8.25));
    txtnam->setAccessibleName("Name");

    label(-1, "New Pen. Sch. :-", 6240, 120)->setObjectName("Label4");
    const fiscora::PayLaw& pay = fiscora::law2012().pay;
    cbonps = combo("cbonps", texts(pay.pensionSchemes), "N", 7920, 120, 495);
    cbonps->setAccessibleName("New Pen. Sch.");

    label(20, "HRA", 4560, 360);
    label(21, "TPA", 5640, 360);
    cboclass1 = combo("cboclass1", texts(pay.hraClasses), "X", 4320, 600, 735);
    cboclass1->setAccessibleName("HRA class of city");
    cboclass3 = combo("cboclass3", texts(pay.transportClasses), "A/A-1", 5280, 600, 855);
    cboclass3->setAccessibleName("TPA class of city");

    struct ColumnDesign {
        Column* cells;
        const char* name;
        const char* heading;
        Kind kind;
        int left;
    };
    const ColumnDesign columns[] = {
        {&txtbp, "txtbp", "B.PAY", Kind::Entry, bpLeft},
        {&txtgp, "txtgp", "G.PAY", Kind::Entry, gpLeft},
        {&txtda, "txtda", "DA", Kind::Output, daLeft},
        {&txthra, "txthra", "HRA", Kind::Output, hraLeft},
        {&txttpa2, "txttpa2", "TPA", Kind::Output, tpaLeft},
        {&txtmgc, "txtmgc", "MGC", Kind::Output, mgcLeft},
        {&txtttl, "txtttl", "TOTAL", Kind::Output, ttlLeft},
    };
    label(14, "B.PAY", 1200, 600);
    label(15, "G.PAY", 2280, 600);
    label(17, "DA", 3720, 600);
    label(22, "MGC", 6720, 600);
    label(23, "TOTAL", 7680, 600);

    for (int row = 0; row < payRows; ++row) {
        label(row, monthNames[row], 120, rowTop(row), false);
        for (const ColumnDesign& c : columns) {
            if (c.cells == &txthra && row < fiscora::firstSalary) {
                continue; // no HRA on the arrears of DA
            }
            TextBox* box = cell(indexed(c.name, row), c.kind, c.left, rowTop(row));
            box->setAccessibleName(QStringLiteral("%1 of %2").arg(c.heading, monthNames[row]));
            (*c.cells)[static_cast<std::size_t>(row)] = box;
        }
    }
    // The pay of the arrears months only serves to work out the rise of DA.
    for (int row : {fiscora::janArrears, fiscora::febArrears}) {
        for (TextBox* box : {txtbp[row], txtgp[row]}) {
            QPalette p = box->palette();
            p.setColor(QPalette::Base, colour::grey);
            box->setPalette(p);
        }
    }

    TextBox** totals[] = {&txtbpt, &txtgpt, &txtdat, &txthrat, &txttpat, &txtmgct, &txtttlt};
    const char* const totalNames[] = {"txtbpt",  "txtgpt",  "txtdat", "txthrat",
                                      "txttpat", "txtmgct", "txtttlt"};
    for (std::size_t c = 0; c < std::size(columns); ++c) {
        TextBox* box = cell(totalNames[c], Kind::Output, columns[c].left, totalsTop);
        box->setFont(toolkit::arial(9, true));
        box->setAccessibleName(QStringLiteral("Total of %1").arg(columns[c].heading));
        *totals[c] = box;
    }

    chkinc = new QCheckBox("Calculate Increment", this);
    chkinc->setObjectName("chkinc");
    chkinc->setGeometry(toolkit::twipsRect(8400, 1800, 2295, 495));
    chkinc->setFont(toolkit::arial(9.75, true));
    toolkit::paint(chkinc, colour::navy);
    chkinc->setChecked(true);
    chkinc->setAccessibleName("Calculate Increment");

    auto* note = new QLabel("Increment can be calculated automatically.", this);
    note->setObjectName("Label2");
    note->setFont(toolkit::arial(9.75, true));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    toolkit::paint(note, colour::navy);
    note->setGeometry(toolkit::twipsRect(8520, 2400, 2055, 780));

    label(24, "Annual Figures :-", 8520, 3480);
    const char* const annualCaptions[] = {"Arrears:-", "Bonus", "OTA", "T.Fee", "Hon.", "Oth."};
    const char* const annualNames[] = {"Arrears", "Bonus", "OTA", "T.Fee", "Hon.", "Oth."};
    for (int i = 0; i < fiscora::annualFigures; ++i) {
        const int top = 3840 + rowStep * i;
        label(30 - i, annualCaptions[i], 8520, top);
        TextBox* box = cell(indexed("txtoth", i), Kind::Entry, 9600, top);
        box->setFont(toolkit::sansSerif(8.25));
        box->setAccessibleName(annualNames[i]);
        txtoth[static_cast<std::size_t>(i)] = box;
    }

    label(31, "G.Total", 8160, bottomRowTop);
    txtgtotal = cell("txtgtotal", Kind::Output, 9120, bottomRowTop, 1455, 315);
    txtgtotal->setFont(toolkit::arial(12, true));
    txtgtotal->setAccessibleName("G.Total");

    cmdcal = button("cmdcal", "&Calculate", 1800);
    cmdprn = button("cmdprn", "&Print", 3240);
    cmdbak = button("cmdbak", "&Back", 4680);
    cmdprn->setEnabled(false);
    cmdbak->setEnabled(false);
    setDefaultButton(cmdcal);

    // A change of any figure or selection withdraws Print and Back until Calculate; the
    // name and the increment box do not enter the figures, so they leave them be.
    const toolkit::Guarded guarded{cmdprn, cmdbak};
    for (Column* column : {&txtbp, &txtgp}) {
        for (int row = 0; row < payRows; ++row) {
            TextBox* box = (*column)[static_cast<std::size_t>(row)];
            connect(box, &QLineEdit::textChanged, this,
                    [this, column, row] { payChanged(*column, row); });
            toolkit::selectAllOnFocus(box);
            // The basic pay of January and February must be a number as a whole.
            if (column == &txtgp || (row != fiscora::janArrears && row != fiscora::febArrears)) {
                toolkit::markPartialReading(box);
            }
        }
    }
    for (TextBox* box : txtoth) {
        toolkit::bindEntry(box, guarded);
        toolkit::markPartialReading(box);
    }
    for (QComboBox* box : {cbonps, cboclass1, cboclass3}) {
        toolkit::bindChange(box->lineEdit(), guarded, toolkit::EmptyText::StaysEmpty);
    }

    std::vector<QWidget*> order{txtnam, cbonps, cboclass1, cboclass3};
    for (int row = 0; row < payRows; ++row) {
        order.push_back(txtbp[static_cast<std::size_t>(row)]);
        order.push_back(txtgp[static_cast<std::size_t>(row)]);
    }
    order.insert(order.end(), txtoth.begin(), txtoth.end());
    order.insert(order.end(), {cmdcal, cmdprn, cmdbak, chkinc});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(cmdcal, &QPushButton::clicked, this, &SalaryForm::calculate);
    connect(cmdbak, &QPushButton::clicked, this, &SalaryForm::back);
    connect(cmdprn, &QPushButton::clicked, this, &SalaryForm::printRequested);
}

TextBox* SalaryForm::cell(const QString& name, Kind kind, int left, int top, int width,
                          int height) {
    auto* box = new TextBox(this, name, kind, left, top, width, height);
    box->setFont(toolkit::arial(9));
    if (kind == Kind::Output) {
        toolkit::paint(box, outputRed);
    }
    return box;
}

// Label1(index), or an unindexed caption when index is negative (the caller names it).
QLabel* SalaryForm::label(int index, const QString& text, int left, int top, bool bold) {
    QLabel* l = toolkit::caption(this, index < 0 ? QString() : indexed("Label1", index), text, left,
                                 top, 240, toolkit::arial(9.75, bold), colour::navy);
    if (index >= 0) {
        Label1[index] = l;
    }
    return l;
}

QComboBox* SalaryForm::combo(const char* name, const QStringList& entries, const QString& text,
                             int left, int top, int width) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    // A selection is compared as exact text: no completion that would change what the user
    // typed ("x" must stay "x"), and Enter never adds an entry to the list.
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(entries);
    box->setCurrentIndex(box->findText(text));
    box->setFont(toolkit::sansSerif(8.25));
    box->setGeometry(toolkit::twipsRect(left, top, width, 315));
    return box;
}

QPushButton* SalaryForm::button(const char* name, const QString& caption, int left) {
    return toolkit::commandButton(this, name, caption,
                                  toolkit::twipsRect(left, bottomRowTop, 1215, 375),
                                  toolkit::arial(9, true));
}

void SalaryForm::withdraw() {
    toolkit::withdraw({cmdprn, cmdbak});
}

// A month's pay runs down to every month below it, each of which withdraws Print and Back
// in turn; an emptied month shows "0", and so does every month below it.
void SalaryForm::payChanged(Column& column, int row) {
    withdraw();
    TextBox* box = column[static_cast<std::size_t>(row)];
    if (box->text().isEmpty()) {
        box->setText(QStringLiteral("0")); // changes it again: the "0" runs down
        box->selectAll();
        return;
    }
    copyDown(column, row);
}

// Written one by one, so that the figure reaches every month below even where one of them
// already shows it (a field whose text does not change raises no change of its own).
void SalaryForm::copyDown(Column& column, int row) {
    const QString text = column[static_cast<std::size_t>(row)]->text();
    for (int below = row + 1; below < payRows; ++below) {
        column[static_cast<std::size_t>(below)]->setText(text);
    }
}

void SalaryForm::takeName(const QString& name) {
    txtnam->setText(name.left(nameLength));
    toolkit::enter(cbonps);
}

// Print and Back stand enabled exactly while no figure has changed since Calculate.
std::optional<double> SalaryForm::arrearsOfDa() const {
    if (!cmdbak->isEnabled()) {
        return std::nullopt;
    }
    return year::arrearsOfDa(toolkit::recordOf(*this));
}

void SalaryForm::calculate() {
    const year::Step step = year::calculateSalary(toolkit::recordOf(*this), law());
    if (toolkit::carryOut(*this, messages_, step)) {
        cmdprn->setEnabled(true);
        cmdbak->setEnabled(true);
    }
}

void SalaryForm::back() {
    const auto totals = year::salaryTotals(toolkit::recordOf(*this), law());
    if (const auto* refusal = std::get_if<year::Refusal>(&totals)) {
        messages_.inform(refusal->message);
        return;
    }
    emit transferred(std::get<fiscora::SalaryTotals>(totals));
}
