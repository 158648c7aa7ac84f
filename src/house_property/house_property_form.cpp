#include "house_property/house_property_form.h"

#include "common/amount.h"
#include "rules/house_income.h"
#include "toolkit/entry.h"
#include "toolkit/figures.h"
#include "toolkit/look.h"
#include "toolkit/year_fields.h"

#include <optional>

using toolkit::TextBox;
using Kind = toolkit::TextBox::Kind;
namespace colour = toolkit::colour;

namespace {

constexpr int caption = 240;
constexpr int indented = 480;
constexpr int innerField = 3480;
constexpr int outerField = 4800;
constexpr int captionHeight = 240;

} // namespace

HousePropertyForm::HousePropertyForm(toolkit::Messages& messages)
    : Form("Form4", "Fiscora1213 - Income from House Property", 6240, 6255, colour::teal),
      messages_(messages) {
    const QFont captionFont = toolkit::arial(9.75, true);
    auto label = [&](const char* name, const QString& text, int left, int top) {
        return toolkit::caption(this, name, text, left, top, captionHeight, captionFont,
                                colour::navy, colour::pink);
    };
    auto field = [this](const char* name, Kind kind, int left, int top, const QString& caption) {
        auto* box = new TextBox(this, QString::fromLatin1(name), kind, left, top, 1215, 285);
        box->setFont(toolkit::sansSerif(8.25));
        box->setAccessibleName(caption);
        return box;
    };
    auto frame = [&](const char* name, const QString& title, int left, int top) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setFont(captionFont);
        toolkit::paint(box, colour::navy);
        box->setGeometry(toolkit::twipsRect(left, top, 3615, 1215));
        return box;
    };
    // An option button as wide as its caption; a frame grows, if it must, to hold it whole.
    auto option = [&](QGroupBox* group, const char* name, const QString& text, int left) {
        auto* b = new QRadioButton(text, group);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(captionFont);
        toolkit::paint(b, colour::navy);
        b->setGeometry(toolkit::twips(left), toolkit::twips(480), b->sizeHint().width(),
                       toolkit::twips(375));
        const int needed = b->geometry().right() + toolkit::twips(120);
        if (needed > group->width()) {
            group->resize(needed, group->height());
        }
        return b;
    };

    frmask = frame("frmask", "Please Specify", 240, 120);
    optso = option(frmask, "optso", "Self Occupied", 480);
    optrent = option(frmask, "optrent", "Rented Out", 2280);
    optrent->setChecked(true);

    lblrent = label("lblrent", "Annual Rental Value ", caption, 1440);
    txtarv = field("txtarv", Kind::Entry, outerField, 1440, "Annual Rental Value");
    lblptax = label("lblptax", "Less:- Property Taxes", caption, 1800);
    txtptax = field("txtptax", Kind::Entry, outerField, 1800, "Property Taxes");
    lblghi = label("lblghi", "Gross Income", caption, 2160);
    txtghi = field("txtghi", Kind::Output, outerField, 2160, "Gross Income");
    label("lbldeduction", "Less Deductions u/s 24 : -", caption, 2520);
    lblrep = label("lblrep", "Repairs & Maintainance", indented, 2880);
    txtrep = field("txtrep", Kind::Output, innerField, 2880, "Repairs & Maintainance");

    framintt = frame("framintt", "Date of Housing Loan", 360, 3240);
    optb499 = option(framintt, "optb499", "Before 1-4-99", 120);
    opta499 = option(framintt, "opta499", "After 1-4-99", 1800);
    opta499->setChecked(true);
    framintt->setEnabled(false);

    label("lblintt", "Interest on Borrowed Capital", indented, 4680);
    txtintt = field("txtintt", Kind::Entry, innerField, 4680, "Interest on Borrowed Capital");
    lbloth = label("lbloth", "Others", indented, 5040);
    txtoth = field("txtoth", Kind::Entry, innerField, 5040, "Others");
    txttd = field("txttd", Kind::Output, outerField, 5040, "Total Deductions u/s 24");
    label("lblihp", "Income from House Property", caption, 5400);
    txtihp = field("txtihp", Kind::Output, outerField, 5400, "Income from House Property");

    auto button = [this](const char* name, const QString& text, int left) {
        return toolkit::commandButton(this, name, text, toolkit::twipsRect(left, 5760, 1335, 375),
                                      toolkit::font("Microsoft Sans Serif", 9.75));
    };
    cmdtot = button("cmdtot", "&Calculate", 1200);
    cmdbk = button("cmdbk", "&Back", 3840);
    cmdbk->setEnabled(false);
    setDefaultButton(cmdtot);

    // A change of any figure or any choice withdraws Back until Calculate, so that Back
    // always carries the result of the figures as they stand.
    for (TextBox* box : {txtarv, txtptax, txtintt, txtoth}) {
        toolkit::bindEntry(box, {cmdbk});
    }
    connect(optrent, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            rentedOut();
        }
    });
    connect(optso, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            selfOccupied();
        }
    });
    for (QRadioButton* loan : {optb499, opta499}) {
        connect(loan, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected) {
                toolkit::withdraw({cmdbk});
            }
        });
    }

    // Each option group is one stop of the Tab key, at its selected button; the arrow keys
    // move between the buttons of a group.
    for (QRadioButton* b : {optso, optrent, optb499, opta499}) {
        b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        connect(b, &QRadioButton::toggled, b, [b](bool selected) {
            b->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }

    QWidget* const order[] = {optso,  optrent, txtarv, txtptax, txtintt,
                              txtoth, cmdtot,  cmdbk,  optb499, opta499};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(cmdtot, &QPushButton::clicked, this, &HousePropertyForm::calculate);
    connect(cmdbk, &QPushButton::clicked, this, &HousePropertyForm::back);
}

// A let-out house: its figures can be typed again (they keep what they hold); the loan date
// matters only for a self-occupied house.
void HousePropertyForm::rentedOut() {
    for (QWidget* w : std::initializer_list<QWidget*>{lblrent, txtarv, lblptax, txtptax, lblghi,
                                                      txtghi, lblrep, txtrep, lbloth, txtoth}) {
        w->setEnabled(true);
    }
    framintt->setEnabled(false);
    toolkit::withdraw({cmdbk});
}

// A self-occupied house has a nil annual value: no rent, no taxes, no repairs, no others.
void HousePropertyForm::selfOccupied() {
    const std::pair<QLabel*, TextBox*> rows[] = {
        {lblrent, txtarv}, {lblptax, txtptax}, {lblghi, txtghi}, {lblrep, txtrep}, {lbloth, txtoth},
    };
    for (const auto& [label, box] : rows) {
        label->setEnabled(false);
        box->setText(QStringLiteral("0"));
        box->setEnabled(false);
    }
    toolkit::withdraw({cmdbk});
    framintt->setEnabled(true);
}

void HousePropertyForm::calculate() {
    if (toolkit::carryOut(
            *this, messages_,
            year::calculateHouseProperty(toolkit::recordOf(*this), fiscora::law2012()))) {
        cmdbk->setEnabled(true);
    }
}

void HousePropertyForm::back() {
    const auto income = toolkit::carryOut(messages_, year::houseIncome(toolkit::recordOf(*this)));
    if (!income) {
        return;
    }
    hide();
    emit returned(*income);
}
