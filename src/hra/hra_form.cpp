#include "hra/hra_form.h"

#include "common/amount.h"
#include "rules/hra_exemption.h"
#include "toolkit/entry.h"
#include "toolkit/figures.h"
#include "toolkit/look.h"
#include "toolkit/year_fields.h"

#include <QCheckBox>
#include <QLabel>
#include <optional>

using toolkit::TextBox;
using Kind = toolkit::TextBox::Kind;
namespace colour = toolkit::colour;

namespace {

constexpr int captionLeft = 120;
constexpr int fieldLeft = 2160;
constexpr int lawRowHeight = 600; // what the window grows by under the law as enacted

} // namespace

HraForm::HraForm(toolkit::Messages& messages)
    : Form("Form2", "Fiscora1213 - HRA Exemption", 3480, 3195, colour::teal), messages_(messages) {
    const QFont captionFont = toolkit::arial(9.75, true);
    auto row = [&](const char* label, const QString& caption, const char* name, Kind kind,
                   int top) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QString::fromLatin1(label));
        l->setFont(captionFont);
        l->setTextFormat(Qt::PlainText);
        toolkit::paint(l, colour::navy, colour::pink);
        l->setGeometry(toolkit::twipsRect(captionLeft, top, 1935, 255));
        auto* box = new TextBox(this, QString::fromLatin1(name), kind, fieldLeft, top, 1215, 285);
        box->setFont(toolkit::sansSerif(9.75));
        box->setAccessibleName(caption);
        if (kind == Kind::Entry) {
            // What the user types or pastes, not what the program writes: a figure copied
            // in from the worksheet stands whole, however long its text.
            toolkit::limitTyping(box, typedLength);
        }
        return box;
    };
    txtbp = row("gsallbl", "Basic Pay", "txtbp", Kind::Entry, 120);
    txtnpa = row("Label2", "Grade Pay", "txtnpa", Kind::Entry, 480);
    txtda = row("lblda", "Dearness Allow.", "txtda", Kind::Entry, 840);
    txtns = row("lblns", "Total Salary", "txtns", Kind::Output, 1200);
    txthra = row("lblhra", "HRA Drawn", "txthra", Kind::Entry, 1560);
    txtRP = row("lblRP", "Rent Paid (Annual)", "txtRP", Kind::Entry, 1920);
    txthrx = row("lblhrx", "HRA Exemption", "txthrx", Kind::Output, 2280);

    auto button = [this](const char* name, const QString& caption, int left) {
        return toolkit::commandButton(this, name, caption,
                                      toolkit::twipsRect(left, 2640, 1215, 375),
                                      toolkit::font("Microsoft Sans Serif", 9));
    };
    cmdcal = button("cmdcal", "&CALCULATE", 240);
    cmdback = button("cmdback", "&BACK", 1920);
    cmdback->setEnabled(false);
    setDefaultButton(cmdcal);

    // A change of any figure, Grade Pay included, withdraws BACK until CALCULATE, so that
    // BACK never carries an exemption worked out from figures that have changed since.
    for (TextBox* box : {txtbp, txtnpa, txtda, txthra, txtRP}) {
        toolkit::bindEntry(box, {cmdback});
    }

    // Asked under the law as enacted, below the buttons: the limb of half of salary in the
    // four cities, two fifths elsewhere.
    chkmetro =
        new QCheckBox(QStringLiteral("Rented House in Delhi, Mumbai,\nKolkata or Chennai"), this);
    chkmetro->setObjectName("chkmetro");
    chkmetro->setFont(toolkit::arial(8.25, true));
    toolkit::paint(chkmetro, colour::navy, colour::pink);
    chkmetro->setGeometry(toolkit::twipsRect(captionLeft, 3120, 3240, 480));
    chkmetro->setAccessibleName("Rented House in Delhi, Mumbai, Kolkata or Chennai");
    chkmetro->hide();
    connect(chkmetro, &QCheckBox::toggled, this, [this] { cmdback->setEnabled(false); });

    QWidget* const order[] = {txtbp, txtda, txthra, txtRP, chkmetro, cmdcal, cmdback, txtnpa};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(cmdcal, &QPushButton::clicked, this, &HraForm::calculate);
    connect(cmdback, &QPushButton::clicked, this, &HraForm::back);
}

void HraForm::calculate() {
    if (toolkit::carryOut(*this, messages_, year::calculateHra(toolkit::recordOf(*this), law()))) {
        cmdback->setEnabled(true);
    }
}

void HraForm::lawChanged() {
    showUnderLaw({chkmetro}, lawRowHeight);
    cmdback->setEnabled(false);
}

void HraForm::fillPay(const HraPay& pay) {
    const toolkit::Figure writes[] = {{txtbp, pay.basicPay},
                                      {txtnpa, pay.gradePay},
                                      {txtda, pay.dearness},
                                      {txthra, pay.hraDrawn}};
    toolkit::writeFigures(writes);
    toolkit::enter(txtRP);
}

void HraForm::back() {
    const auto exemption =
        toolkit::carryOut(messages_, year::hraExemption(toolkit::recordOf(*this)));
    if (!exemption) {
        return;
    }
    hide();
    emit returned(*exemption);
}
