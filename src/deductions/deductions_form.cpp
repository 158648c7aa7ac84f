#include "deductions/deductions_form.h"

#include "common/amount.h"
#include "rules/section80.h"
#include "toolkit/entry.h"
#include "toolkit/figures.h"
#include "toolkit/look.h"
#include "toolkit/year_fields.h"

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

    TextBox* const entries[] = {txtgpf,     txtgis,     txthba,   txtlic, txtppf, txtnsc,
                                txtnsci,    txttf1,     txttf2,   txtinf, txtos,  txt80ccc,
                                txt80ccdec, txt80ccdgc, txt80ccf, txt80d, txt80g, txtoth};
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

void DeductionsForm::checkMediclaim() {
    if (!fiscora::above80DLimit(fiscora::law2012(), txt80d->text().toStdString())) {
        return;
    }
    messages_.inform(mediclaimLimitMessage());
    toolkit::writeFigure(txt80d, fiscora::law2012().deductions.limit80D);
    toolkit::enter(txt80g);
}

void DeductionsForm::calculate() {
    if (toolkit::carryOut(
            *this, messages_,
            year::calculateDeductions(toolkit::recordOf(*this), fiscora::law2012()))) {
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
