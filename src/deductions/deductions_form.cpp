#include "deductions/deductions_form.h"

#include "common/amount.h"
#include "rules/section80.h"
#include "toolkit/entry.h"
#include "toolkit/figures.h"
#include "toolkit/look.h"
#include "toolkit/year_fields.h"

#include <QCheckBox>
#include <QLabel>

using toolkit::TextBox;
using Kind = toolkit::TextBox::Kind;
namespace colour = toolkit::colour;

namespace {

constexpr int leftCaption = 240;
constexpr int childCaption = 360;
constexpr int leftField = 2880;
constexpr int rightHeading = 4200;
constexpr int rightCaption = 4320;
constexpr int rightField = 6960;
constexpr int captionHeight = 240;
constexpr int lawStripTop = 5940;    // below the buttons, shown under the law as enacted
constexpr int lawStripHeight = 1140; // what the window grows by to show it

} // namespace

QString DeductionsForm::mediclaimLimitMessage() {
    const fiscora::DeductionLaw& law = fiscora::law2012().deductions;
    const auto figure = [](double rupees) {
        return QString::fromStdString(fiscora::lawFigure(rupees));
    };
    return QStringLiteral("Deduction for Mediclaim Restricted to Rs.%1/- only (Rs. %2/- "
                          "for self and dependents and Rs. %3/- for parents")
        .arg(figure(law.limit80D), figure(law.limit80DSelf), figure(law.limit80DParents));
}

DeductionsForm::DeductionsForm(toolkit::Messages& messages)
    : Form("frmreb88", "Fiscora1213 - Deductions Under Section 80", 8400, 6075, colour::teal),
      messages_(messages) {
    const QFont headingFont = toolkit::arial(9.75, true);
    const QFont itemFont = toolkit::arial(8.25, true);
    auto heading = [&](const char* name, const QString& text, int left, int top) {
        toolkit::caption(this, name, text, left, top, captionHeight, headingFont, colour::darkRed,
                         colour::pink);
    };
    auto item = [&](const char* name, const QString& text, int left, int top) {
        toolkit::caption(this, name, text, left, top, captionHeight, itemFont, colour::navy,
                         colour::pink);
    };

    heading("lblgrs", "Section - 80C :-", leftCaption, 120);
    item("lblgpf", "GPF :-", leftCaption, 600);
    txtgpf = field("txtgpf", Kind::Entry, leftField, 600, "GPF");
    item("lblgis", "CGEGIS :-", leftCaption, 960);
    txtgis = field("txtgis", Kind::Entry, leftField, 960, "CGEGIS");
    item("lblhba", "House Building Advance :-", leftCaption, 1320);
    txthba = field("txthba", Kind::Entry, leftField, 1320, "House Building Advance");
    item("lbllic", "Life Insurance Premium :-", leftCaption, 1680);
    txtlic = field("txtlic", Kind::Entry, leftField, 1680, "Life Insurance Premium");
    item("lblppf", "PPF :-", leftCaption, 2040);
    txtppf = field("txtppf", Kind::Entry, leftField, 2040, "PPF");
    item("lblnsc", "National Savings Certificate : -", leftCaption, 2400);
    txtnsc = field("txtnsc", Kind::Entry, leftField, 2400, "National Savings Certificate");
    item("lblnsci", "Interest on NSC :-", leftCaption, 2760);
    txtnsci = field("txtnsci", Kind::Entry, leftField, 2760, "Interest on NSC");
    item("lbltut", "Tution Fee : -", leftCaption, 3120);
    item("lblchld1", "Child I :-", childCaption, 3480);
    txttf1 = field("txttf1", Kind::Entry, leftField, 3480, "Tution Fee, Child I");
    item("lblchld2", "Child II :-", childCaption, 3840);
    txttf2 = field("txttf2", Kind::Entry, leftField, 3840, "Tution Fee, Child II");
    item("lblinf", "Infrastructure Bonds :-", leftCaption, 4200);
    txtinf = field("txtinf", Kind::Entry, leftField, 4200, "Infrastructure Bonds");
    item("lbloth", "Other Savings :-", leftCaption, 4560);
    txtos = field("txtos", Kind::Entry, leftField, 4560, "Other Savings");
    heading("lbltot1", "Total :-", leftCaption, 4920);
    txt80c = field("txt80c", Kind::Output, leftField, 4920, "Total of Section 80C");

    heading("Label1", "Section - 80CCC :-", rightHeading, 240);
    item("Label2", "Jeevan Suraksha :-", rightCaption, 600);
    txt80ccc = field("txt80ccc", Kind::Entry, rightField, 480, "Jeevan Suraksha");
    heading("Label3", "Section - 80CCD :-", rightHeading, 960);
    item("Label4", "New Pen. Sch. (Emp.Cont.) :-", rightCaption, 1320);
    txt80ccdec = field("txt80ccdec", Kind::Entry, rightField, 1320, "New Pen. Sch. (Emp.Cont.)");
    item("Label14", "New Pen. Sch. (Gov.Cont.) :-", rightCaption, 1680);
    txt80ccdgc = field("txt80ccdgc", Kind::Entry, rightField, 1680, "New Pen. Sch. (Gov.Cont.)");
    // A total's caption, long: from the headings' left so that it ends before its field.
    heading("Label5", "Total - 80C+80CCC+80CCD :-", rightHeading, 2040);
    txttot1 = field("txttot1", Kind::Output, rightField, 2040, "Total - 80C+80CCC+80CCD");
    heading("Label12", "Section - 80CCF :-", rightHeading, 2400);
    item("Label13", "Infra. Bonds :-", rightCaption, 2760);
    txt80ccf = field("txt80ccf", Kind::Entry, rightField, 2760, "Infra. Bonds (80CCF)");
    heading("Label6", "Section - 80D :-", rightHeading, 3120);
    item("Label7", "Mediclaim/CGHS :-", rightCaption, 3600);
    txt80d = field("txt80d", Kind::Entry, rightField, 3600, "Mediclaim/CGHS");
    heading("Label8", "Section - 80G :-", rightHeading, 3960);
    item("Label9", "Donations :-", rightCaption, 4200);
    txt80g = field("txt80g", Kind::Entry, rightField, 4200, "Donations");
    item("Label10", "Other Deductions :-", rightCaption, 4560);
    txtoth = field("txtoth", Kind::Entry, rightField, 4560, "Other Deductions");
    heading("Label11", "GRAND TOTAL :-", rightHeading, 5040);
    txtgt80 = field("txtgt80", Kind::Output, rightField, 5040, "GRAND TOTAL");

    auto button = [this](const char* name, const QString& caption, int left) {
        return toolkit::commandButton(this, name, caption,
                                      toolkit::twipsRect(left, 5400, 1335, 375),
                                      toolkit::font("Microsoft Sans Serif", 9.75));
    };
    cmdtot = button("cmdtot", "&Calculate", 4560);
    cmdbk = button("cmdbk", "&Back", 6600);
    cmdbk->setEnabled(false);
    setDefaultButton(cmdtot);

    // Asked under the law as enacted, in a strip below the buttons that shows with it.
    lbl80dp = toolkit::caption(this, "lbl80dp", "Mediclaim of Parents :-", leftCaption, lawStripTop,
                               captionHeight, itemFont, colour::navy, colour::pink);
    txt80dp = field("txt80dp", Kind::Entry, leftField, lawStripTop, "Mediclaim of Parents");
    auto check = [&](const char* name, const QString& text, int top) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setFont(itemFont);
        toolkit::paint(box, colour::navy, colour::pink);
        box->setGeometry(toolkit::twipsRect(leftCaption, top, 2520, 285));
        box->setAccessibleName(text);
        connect(box, &QCheckBox::toggled, this, [this] { cmdbk->setEnabled(false); });
        return box;
    };
    chk80dsen = check("chk80dsen", "Self or Spouse 60 or more", lawStripTop + 360);
    chk80dpsen = check("chk80dpsen", "A Parent 60 or more", lawStripTop + 720);
    lbl80tta = toolkit::caption(this, "lbl80tta", "Savings Bank Interest (80TTA) :-", rightHeading,
                                lawStripTop, captionHeight, itemFont, colour::navy, colour::pink);
    txt80tta =
        field("txt80tta", Kind::Entry, rightField, lawStripTop, "Savings Bank Interest (80TTA)");
    lbl80ccf = new QLabel(this);
    lbl80ccf->setObjectName("lbl80ccf");
    lbl80ccf->setFont(itemFont);
    lbl80ccf->setWordWrap(true);
    toolkit::paint(lbl80ccf, colour::darkRed, colour::pink);
    lbl80ccf->setGeometry(toolkit::twipsRect(rightHeading, lawStripTop + 360, 3960, 600));
    for (QWidget* w : lawControls()) {
        w->hide();
    }

    TextBox* const entries[] = {txtgpf,   txtgis, txthba, txtlic, txtppf,   txtnsc,     txtnsci,
                                txttf1,   txttf2, txtinf, txtos,  txt80ccc, txt80ccdec, txt80ccdgc,
                                txt80ccf, txt80d, txt80g, txtoth, txt80dp,  txt80tta};
    // Any change of a figure withdraws Back until Calculate, so that Back never carries a
    // total worked out from figures that have changed since.
    for (TextBox* box : entries) {
        toolkit::bindEntry(box, {cmdbk});
        toolkit::markPartialReading(box);
    }
    // After the common reaction: the mediclaim figure may never stand above the 80D limit.
    connect(txt80d, &QLineEdit::textChanged, this, &DeductionsForm::checkMediclaim);

    QWidget* previous = entries[0];
    for (QWidget* next : entries) {
        if (next != previous) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
    // The check boxes between the parents' premium and the savings interest.
    setTabOrder(txt80dp, chk80dsen);
    setTabOrder(chk80dsen, chk80dpsen);
    setTabOrder(chk80dpsen, txt80tta);
    setTabOrder(previous, cmdtot);
    setTabOrder(cmdtot, cmdbk);

    connect(cmdtot, &QPushButton::clicked, this, &DeductionsForm::calculate);
    connect(cmdbk, &QPushButton::clicked, this, &DeductionsForm::back);
}

TextBox* DeductionsForm::field(const char* name, Kind kind, int left, int top,
                               const QString& accessible) {
    auto* box = new TextBox(this, QString::fromLatin1(name), kind, left, top, 1215, 285);
    box->setFont(toolkit::sansSerif(8.25));
    box->setAccessibleName(accessible);
    return box;
}

QList<QWidget*> DeductionsForm::lawControls() const {
    return {lbl80dp, txt80dp, chk80dsen, chk80dpsen, lbl80tta, txt80tta, lbl80ccf};
}

// Under the law as enacted the window grows by a strip for the parents' premium, the senior
// limits of s.80D and the savings interest of s.80TTA, and says why s.80CCF is nil.
void DeductionsForm::lawChanged() {
    showUnderLaw(lawControls(), lawStripHeight);
    const fiscora::Departure* lapsed = nullptr;
    for (const fiscora::Departure& d : fiscora::law2012().departures) {
        if (d.reference == law().deductions.limit80CCF.source.reference) {
            lapsed = &d;
        }
    }
    lbl80ccf->setText(
        lapsed ? QStringLiteral("80CCF is allowed as %1.").arg(QString::fromStdString(lapsed->law))
               : QString());
    cmdbk->setEnabled(false);
}

// The form's one mediclaim field is cut back to the one limit; under the law as enacted each
// premium has a limit of its own, which Calculate applies.
void DeductionsForm::checkMediclaim() {
    if (enacted() || !fiscora::above80DLimit(law(), txt80d->text().toStdString())) {
        return;
    }
    messages_.inform(mediclaimLimitMessage());
    toolkit::writeFigure(txt80d, law().deductions.limit80D);
    toolkit::enter(txt80g);
}

void DeductionsForm::calculate() {
    if (toolkit::carryOut(*this, messages_,
                          year::calculateDeductions(toolkit::recordOf(*this), law()))) {
        cmdbk->setEnabled(true);
    }
}

void DeductionsForm::back() {
    const auto total =
        toolkit::carryOut(messages_, year::deductionsTotal(toolkit::recordOf(*this)));
    if (!total) {
        return;
    }
    hide();
    emit returned(*total);
}

void DeductionsForm::fillPension(double contribution) {
    toolkit::writeFigure(txt80ccdec, contribution);
    toolkit::writeFigure(txt80ccdgc, contribution);
}
