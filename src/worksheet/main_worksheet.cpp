#include "worksheet/main_worksheet.h"

#include "common/amount.h"
#include "reports/from_record.h"
#include "toolkit/entry.h"
#include "toolkit/figures.h"
#include "toolkit/look.h"
#include "toolkit/year_fields.h"

#include <QDateEdit>
#include <QRadioButton>
#include <QUrl>

using toolkit::TextBox;
using Kind = toolkit::TextBox::Kind;
namespace colour = toolkit::colour;

namespace {

constexpr int leftCaption = 240;
constexpr int subCaption = 360;
constexpr int rightCaption = 6360;
constexpr int leftField = 4800;
constexpr int innerField = 3480;
constexpr int rightField = 9960;
constexpr int calcAtField = 4080;
constexpr int captionHeight = 240;
constexpr int lawStripTop = 5700;   // below the worksheet, shown under the law as enacted
constexpr int lawStripHeight = 480; // what the window grows by to show it

} // namespace

QUrl MainWorksheet::downloadAddress() {
    return QUrl(reports::downloadPage());
}

MainWorksheet::MainWorksheet(toolkit::Messages& messages)
    : Form("frmmain", "Fiscora1213 - Income Tax Calculator", 11310, 5610, colour::teal),
      messages_(messages) {
    const QFont captionFont = toolkit::arial(9.75, true);
    auto label = [&](const char* name, const QString& caption, int left, int top,
                     const QColor& fg = colour::navy, const QColor& bg = colour::pink) {
        return toolkit::caption(this, name, caption, left, top, captionHeight, captionFont, fg, bg);
    };

    label("lblname", "Name", leftCaption, 120, colour::navy, colour::lightCyan);
    txtname = field("txtname", Kind::FreeText, leftField, 120, 3495);

    label("lblgsal", "Gross Salary", leftCaption, 600);
    txtgs = field("txtgs", Kind::Entry, leftField, 600);
    label("lblexall", "Less:- Allowances Exempt u/s 10 :-", leftCaption, 1080);
    label("lbltpa", "Transport Allowance", subCaption, 1560);
    txttp = field("txttp", Kind::Entry, innerField, 1560);
    label("lblhra", "House Rent Allowance", subCaption, 2040);
    txthra = field("txthra", Kind::Entry, innerField, 2040);
    txtexall = field("txtexall", Kind::Output, leftField, 2040);
    label("lblsalinc", "Income from Salary", leftCaption, 2520);
    txtnsal = field("txtnsal", Kind::Output, leftField, 2520);
    label("lblos", "Income from Other Sources", leftCaption, 3000);
    txtos = field("txtos", Kind::Entry, leftField, 3000);
    label("lblhp", "Income from House Property", leftCaption, 3480);
    txthp = field("txthp", Kind::Output, leftField, 3480);
    label("lblgti", "Gross Total Income", leftCaption, 3960);
    txtgti = field("txtgti", Kind::Output, leftField, 3960);
    label("lblded80", "Less:- Deductions u/s 80", leftCaption, 4440);
    txtded80 = field("txtded80", Kind::Output, leftField, 4440);
    label("lblnti", "Net Taxable Income", leftCaption, 4920);
    txtnti = field("txtnti", Kind::Output, leftField, 4920);

    label("lblgtax", "Gross Tax", rightCaption, 600);
    txtgtax = field("txtgtax", Kind::Output, rightField, 600);
    label("Label1", "Relief u/s 89", rightCaption, 1080);
    txtrel89 = field("txtrel89", Kind::Entry, rightField, 1080);
    label("lblntax", "Net Tax", rightCaption, 1560);
    txtntax = field("txtntax", Kind::Output, rightField, 1560);
    label("Label5", "Education Cess", rightCaption, 2040);
    txtcess = field("txtcess", Kind::Output, rightField, 2040);
    label("Label6", "Total Tax", rightCaption, 2520);
    txtttax = field("txtttax", Kind::Output, rightField, 2520);
    label("Label8", "Tax Deducted", rightCaption, 3000);
    txtdedtax = field("txtdedtax", Kind::Entry, rightField, 3000);
    label("Label9", "Balance Tax", rightCaption, 3480);
    txtbaltax = field("txtbaltax", Kind::Output, rightField, 3480);

    txtbp = field("txtbp", Kind::Carrier, 0, 0);
    txtda = field("txtda", Kind::Carrier, 0, 0);
    txthrr = field("txthrr", Kind::Carrier, 0, 0);
    txtnpa = field("txtnpa", Kind::Carrier, 0, 0);
    txtmgc = field("txtmgc", Kind::Carrier, 0, 0);

    const QFont calcFont = toolkit::sansSerif(8.25);
    auto button = [this](const char* name, const QString& caption, int left, int top, int width,
                         int height, const QFont& font) {
        return toolkit::commandButton(this, name, caption,
                                      toolkit::twipsRect(left, top, width, height), font);
    };
    cmdcalgs = button("cmdcalgs", "Calc.", calcAtField, 600, 495, 255, calcFont);
    cmdcalhr = button("cmdcalhr", "Calc.", 2880, 2040, 495, 255, calcFont);
    cmdcalhp = button("cmdcalhp", "Calc.", calcAtField, 3480, 495, 255, calcFont);
    cmdcalded80 = button("cmdcalded80", "Calc.", calcAtField, 4440, 495, 255, calcFont);
    cmdcalrel89 = button("cmdcalrel89", "Calc.", 9240, 1080, 495, 255, calcFont);
    const QFont commandFont = toolkit::sansSerif(9.75, true);
    cmdcalc = button("cmdcalc", "&Calculate", 6360, 3960, 1452, 375, commandFont);
    cmdprint = button("cmdprint", "&Print", 8040, 3960, 1452, 375, commandFont);
    cmdexit = button("cmdexit", "E&xit", 9720, 3960, 1452, 375, commandFont);
    cmdprint->setEnabled(false);
    setDefaultButton(cmdcalc);

    label("Label2", "Use Tab to move between fields", 8280, 4560, colour::green);
    label("Label3", "Program By :- The Fiscora Team, Fiscora Project", 6600, 4920, colour::green);
    Label7 = new toolkit::LinkLabel(
        "Free Download:- " + downloadAddress().toString(QUrl::RemoveScheme).mid(2), this);
    Label7->setObjectName("Label7");
    Label7->setFont(toolkit::arial(8.25));
    toolkit::paint(Label7, colour::blue, colour::pink);
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->adjustSize();
    Label7->move(toolkit::twips(7200), toolkit::twips(5280));
    Label7->setAccessibleName(Label7->text());

    // Heads of income, relief and tax deducted: a change withdraws Print until Calculate.
    for (TextBox* box : {txtgs, txttp, txthra, txtos, txthp, txtrel89, txtdedtax}) {
        toolkit::bindEntry(box, {cmdprint});
        toolkit::markPartialReading(box);
    }
    toolkit::bindEntry(txtname, {cmdprint}, toolkit::EmptyText::StaysEmpty);
    // A new deductions total withdraws Print too: the printed page must never show a total
    // that the net taxable income and the tax beside it were not worked out from.
    toolkit::bindChange(txtded80, {cmdprint});

    // Asked only under the law as enacted, in a strip below the worksheet that shows with it.
    lbldob = label("lbldob", "Date of Birth", leftCaption, lawStripTop);
    dtpdob = new QDateEdit(QDate(1960, 1, 1), this);
    dtpdob->setObjectName("dtpdob");
    dtpdob->setDisplayFormat("dd/MM/yyyy");
    dtpdob->setCalendarPopup(true);
    dtpdob->setFont(toolkit::sansSerif(8.25));
    dtpdob->setGeometry(toolkit::twipsRect(1800, lawStripTop - 30, 1575, 315));
    dtpdob->setAccessibleName("Date of Birth");
    frasex = new QWidget(this);
    frasex->setObjectName("frasex");
    frasex->setGeometry(toolkit::twipsRect(3600, lawStripTop - 60, 2280, 375));
    auto option = [&](const char* name, const QString& text, int left) {
        auto* b = new QRadioButton(text, frasex);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(captionFont);
        toolkit::paint(b, colour::navy);
        b->setGeometry(toolkit::twips(left), 0, b->sizeHint().width(), toolkit::twips(375));
        b->setAccessibleName(text);
        return b;
    };
    optmale = option("optmale", "Male", 0);
    optfemale = option("optfemale", "Female", 1080);
    optmale->setChecked(true);
    lblpt = label("lblpt", "Tax on Employment", rightCaption, lawStripTop);
    txtpt = field("txtpt", Kind::Entry, rightField, lawStripTop);
    toolkit::bindEntry(txtpt, {cmdprint});
    toolkit::markPartialReading(txtpt);
    txtpt->setAccessibleName("Tax on Employment");
    // The scale follows the age: a new date or sex withdraws Print too.
    connect(dtpdob, &QDateEdit::dateChanged, this, [this] { cmdprint->setEnabled(false); });
    connect(optfemale, &QRadioButton::toggled, this, [this] { cmdprint->setEnabled(false); });
    for (QWidget* w : lawControls()) {
        w->hide();
    }

    QWidget* order[] = {txtname,   cmdcalgs,    txtgs,       txttp,    cmdcalhr,  txthra, txtos,
                        cmdcalhp,  cmdcalded80, cmdcalrel89, txtrel89, txtdedtax, dtpdob, optmale,
                        optfemale, txtpt,       cmdcalc,     cmdprint, cmdexit};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    // Accessible names: the caption each field stands beside.
    const std::pair<TextBox*, const char*> names[] = {
        {txtname, "Name"},
        {txtgs, "Gross Salary"},
        {txttp, "Transport Allowance"},
        {txthra, "House Rent Allowance"},
        {txtexall, "Allowances Exempt u/s 10"},
        {txtnsal, "Income from Salary"},
        {txtos, "Income from Other Sources"},
        {txthp, "Income from House Property"},
        {txtgti, "Gross Total Income"},
        {txtded80, "Less:- Deductions u/s 80"},
        {txtnti, "Net Taxable Income"},
        {txtgtax, "Gross Tax"},
        {txtrel89, "Relief u/s 89"},
        {txtntax, "Net Tax"},
        {txtcess, "Education Cess"},
        {txtttax, "Total Tax"},
        {txtdedtax, "Tax Deducted"},
        {txtbaltax, "Balance Tax"},
    };
    for (const auto& [box, name] : names) {
        box->setAccessibleName(QString::fromLatin1(name));
    }

    connect(cmdcalc, &QPushButton::clicked, this, &MainWorksheet::calculate);
    connect(cmdcalgs, &QPushButton::clicked, this, &MainWorksheet::salaryAsked);
    connect(cmdcalhr, &QPushButton::clicked, this, &MainWorksheet::hraAsked);
    connect(cmdcalhp, &QPushButton::clicked, this, &MainWorksheet::housePropertyAsked);
    connect(cmdcalded80, &QPushButton::clicked, this, &MainWorksheet::deductionsAsked);
    connect(cmdcalrel89, &QPushButton::clicked, this, &MainWorksheet::reliefAsked);
    connect(cmdprint, &QPushButton::clicked, this, &MainWorksheet::printAsked);
    connect(cmdexit, &QPushButton::clicked, this, &MainWorksheet::exitAsked);
    connect(Label7, &toolkit::LinkLabel::clicked, this, &MainWorksheet::downloadPageAsked);
}

TextBox* MainWorksheet::field(const char* name, Kind kind, int left, int top, int width) {
    auto* box = new TextBox(this, QString::fromLatin1(name), kind, left, top, width, 285);
    box->setFont(toolkit::sansSerif(8.25));
    return box;
}

void MainWorksheet::calculate() {
    if (toolkit::carryOut(*this, messages_,
                          year::calculateWorksheet(toolkit::recordOf(*this), law()))) {
        cmdprint->setEnabled(true);
    }
}

QList<QWidget*> MainWorksheet::lawControls() const {
    return {lbldob, dtpdob, frasex, lblpt, txtpt};
}

void MainWorksheet::lawChanged() {
    showUnderLaw(lawControls(), lawStripHeight);
}

void MainWorksheet::withdrawFigures() {
    for (TextBox* box :
         {txtexall, txtnsal, txtgti, txtnti, txtgtax, txtntax, txtcess, txtttax, txtbaltax}) {
        box->setText(QStringLiteral("0"));
    }
    cmdprint->setEnabled(false);
}

// The year's salary: the two heads of the worksheet, then the carriers for the HRA and
// deductions forms.
void MainWorksheet::takeSalary(const fiscora::SalaryTotals& totals) {
    const toolkit::Figure writes[] = {
        {txtgs, totals.grossSalary}, {txttp, totals.transportExempt}, {txtbp, totals.basicPay},
        {txtda, totals.da},          {txthrr, totals.hraReceived},    {txtnpa, totals.gradePay},
        {txtmgc, totals.mgc},
    };
    toolkit::writeFigures(writes);
    cmdcalhr->setFocus();
}

void MainWorksheet::takeHraExemption(double exemption) {
    toolkit::writeFigure(txthra, exemption);
    toolkit::enter(txtos);
}

void MainWorksheet::takeHouseProperty(double income) {
    toolkit::writeFigure(txthp, income);
    cmdcalded80->setFocus();
}

void MainWorksheet::takeDeductions(double grandTotal) {
    toolkit::writeFigure(txtded80, grandTotal);
    toolkit::enter(txtrel89);
}

void MainWorksheet::takeRelief(double relief) {
    toolkit::writeFigure(txtrel89, relief);
    toolkit::enter(txtdedtax);
}

// Only takeSalary writes the carriers, always with a finite figure's number text, which
// reads back exactly as shown.
MainWorksheet::CarriedPay MainWorksheet::carriedPay() const {
    return {toolkit::readFigure(txtbp), toolkit::readFigure(txtda), toolkit::readFigure(txthrr),
            toolkit::readFigure(txtnpa), toolkit::readFigure(txtmgc)};
}

QString MainWorksheet::name() const {
    return txtname->text();
}
