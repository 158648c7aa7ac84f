// The salary form driven as a user drives it.
#include "salary/salary_form.h"
#include "support/fakes.h"

#include <QSignalSpy>
#include <QtTest>

using toolkit::TextBox;

Q_DECLARE_METATYPE(fiscora::SalaryTotals)

class TestSalaryForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshForm();
    void layoutFollowsDesign();
    void typingFirstMonthFillsColumn_data();
    void typingFirstMonthFillsColumn();
    void typingLaterMonthChangesOnlyBelow_data();
    void typingLaterMonthChangesOnlyBelow();
    void copyPassesRowsAlreadyShowingFigure();
    void emptiedMonthLeavesZeroBelow();
    void emptiedAnnualFigureLeavesZeroThere();
    void editAfterCalculateWithdraws_data();
    void editAfterCalculateWithdraws();
    void editsThatLeaveButtonsAlone_data();
    void editsThatLeaveButtonsAlone();
    void focusSelectsWholeText_data();
    void focusSelectsWholeText();
    void tabOrder();
    void enterAnywhereCalculates_data();
    void enterAnywhereCalculates();
    void wholeYearTypedAndCalculated();
    void incrementRewritesJulyEveryCalculate();
    void incrementNotTickedKeepsTypedPay();
    void unknownSelectionKeepsColumn();
    void arrearsPayNotNumberIsRefused_data();
    void arrearsPayNotNumberIsRefused();
    void tooLargeFigureIsRefused_data();
    void tooLargeFigureIsRefused();
    void backCarriesYearsTotals();
    void backRefusesWhatIsNoFigure_data();
    void backRefusesWhatIsNoFigure();
    void printAsksForStatement();

private:
    void showAndActivate();
    void typeInto(QWidget* field, const QString& text);
    void typeWholeYear();
    QStringList snapshot() const;
    TextBox* box(const QString& name) const { return f->findChild<TextBox*>(name); }

    testing::RecordingMessages messages;
    SalaryForm* f = nullptr;
};

namespace {

QString at(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QStringList texts(const SalaryForm::Column& column, int from = 0, int to = fiscora::lastRow) {
    QStringList out;
    for (int row = from; row <= to; ++row) {
        out << column[static_cast<std::size_t>(row)]->text();
    }
    return out;
}

QStringList repeated(const QString& text, int count) {
    return QStringList(count, text);
}

} // namespace

void TestSalaryForm::init() {
    messages.shown.clear();
    f = new SalaryForm(messages);
}

void TestSalaryForm::cleanup() {
    delete f;
}

void TestSalaryForm::showAndActivate() {
    f->show();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
}

// Clicks into the field, as a user would, and types the text over its selected figure
// (the name and the pension choice select nothing on entry: the user selects it all).
void TestSalaryForm::typeInto(QWidget* field, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        field = combo->lineEdit();
    }
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, 5));
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (edit == f->txtnam || edit == f->cbonps->lineEdit()) {
        QTest::keyClick(f->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    }
    QTRY_COMPARE(edit->selectedText(), edit->text());
    testing::typeText(f->windowHandle(), text);
}

// The whole year: 21000 and 4200 from "Jan 12", "X", "A/A-1", in the pension scheme.
void TestSalaryForm::typeWholeYear() {
    typeInto(f->txtbp[0], "21000");
    typeInto(f->txtgp[0], "4200");
    typeInto(f->cbonps, "Y");
}

// Every text of the form, to see that a refused step changed nothing.
QStringList TestSalaryForm::snapshot() const {
    QStringList out;
    for (const QLineEdit* edit : f->findChildren<QLineEdit*>()) {
        out << edit->objectName() + "=" + edit->text();
    }
    out << QString::number(f->cmdprn->isEnabled()) << QString::number(f->cmdbak->isEnabled());
    return out;
}

void TestSalaryForm::freshForm() {
    QCOMPARE(f->objectName(), QString("Form1"));
    QCOMPARE(f->windowTitle(), QString("Fiscora1213 - Income Calculator"));
    QCOMPARE(f->txtnam->text(), QString());
    QCOMPARE(f->txtnam->maxLength(), 26);
    const auto boxes = f->findChildren<TextBox*>();
    QCOMPARE(boxes.size(), 1 + 14 * 7 - 2 + 7 + 6 + 1);
    for (const TextBox* b : boxes) {
        if (b != f->txtnam) {
            QCOMPARE(b->text(), QString("0"));
        }
    }
    QVERIFY(!f->txthra[0] && !f->txthra[1]);
    QCOMPARE(f->txthra[2]->objectName(), QString("txthra(2)"));
    QCOMPARE(f->txtbp[3]->objectName(), QString("txtbp(3)"));
    QCOMPARE(f->txtoth[5]->objectName(), QString("txtoth(5)"));
    QCOMPARE(f->txtbp[0]->accessibleName(), QString("B.PAY of Jan 12"));
    QCOMPARE(f->txttpa2[13]->accessibleName(), QString("TPA of Feb 13"));
    QVERIFY(f->chkinc->isChecked());
    QVERIFY(!f->cmdprn->isEnabled());
    QVERIFY(!f->cmdbak->isEnabled());
    QVERIFY(f->cmdcal->isEnabled());
    QCOMPARE(f->defaultButton(), f->cmdcal);

    const std::pair<QComboBox*, QStringList> lists[] = {
        {f->cbonps, {"Y", "N"}},
        {f->cboclass1, {"X", "Y", "Z", "NA"}},
        {f->cboclass3, {"A/A-1", "Oth.", "NA"}},
    };
    const QStringList initial = {"N", "X", "A/A-1"};
    for (std::size_t i = 0; i < std::size(lists); ++i) {
        QComboBox* combo = lists[i].first;
        QStringList items;
        for (int k = 0; k < combo->count(); ++k) {
            items << combo->itemText(k);
        }
        QCOMPARE(items, lists[i].second);
        QCOMPARE(combo->currentText(), initial[static_cast<qsizetype>(i)]);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    }
}

void TestSalaryForm::layoutFollowsDesign() {
    QCOMPARE(f->size(), QSize(718, 479)); // 10770 by 7185 twips
    QCOMPARE(f->txtbp[0]->geometry(), QRect(56, 64, 65, 21));
    QCOMPARE(f->txtttl[13]->geometry(), QRect(488, 376, 65, 21));
    QCOMPARE(f->txtttlt->geometry(), QRect(488, 408, 65, 21));
    QCOMPARE(f->txtoth[5]->geometry(), QRect(640, 376, 65, 21));
    QCOMPARE(f->txtgtotal->geometry(), QRect(608, 440, 97, 21));
    QCOMPARE(f->cmdbak->geometry(), QRect(312, 440, 81, 25));
    QCOMPARE(f->Label1.at(13)->text(), QString("Feb 13"));
    QCOMPARE(f->Label1.at(13)->objectName(), QString("Label1(13)"));
    QCOMPARE(f->Label1.at(30)->text(), QString("Arrears:-"));
    QCOMPARE(f->Label1.at(30)->y(), f->txtoth[0]->y());
    QCOMPARE(f->Label1.at(25)->y(), f->txtoth[5]->y());
    QVERIFY(f->Label1.at(25)->geometry().right() < f->txtoth[5]->x());

    const QColor grey(192, 192, 192);
    for (int row = 0; row < 3; ++row) {
        const bool arrears = row < 2;
        for (const TextBox* b : {f->txtbp[row], f->txtgp[row]}) {
            QCOMPARE(b->palette().color(QPalette::Base) == grey, arrears);
        }
    }
    const QColor red(192, 0, 0);
    for (const TextBox* b : {f->txtda[0], f->txthra[2], f->txttpa2[5], f->txtmgc[9], f->txtttl[13],
                             f->txtbpt, f->txtttlt, f->txtgtotal}) {
        QVERIFY2(b->isReadOnly(), qPrintable(b->objectName()));
        QVERIFY(!(b->focusPolicy() & Qt::TabFocus));
        QCOMPARE(b->palette().color(QPalette::Text), red);
        QVERIFY(b->alignment() & Qt::AlignRight);
    }
    QVERIFY(f->txtbpt->font().bold());
    QVERIFY(f->txtgtotal->font().bold());
    QCOMPARE(f->txtgtotal->font().pointSizeF(), 12.0);
}

void TestSalaryForm::typingFirstMonthFillsColumn_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("figure");
    QTest::newRow("basic-pay-21000") << "txtbp"
                                     << "21000";
    QTest::newRow("grade-pay-4200") << "txtgp"
                                    << "4200";
    QTest::newRow("any-text-runs-down") << "txtbp"
                                        << "12a";
}

void TestSalaryForm::typingFirstMonthFillsColumn() {
    QFETCH(QString, column);
    QFETCH(QString, figure);
    showAndActivate();
    typeInto(box(at(column.toLatin1(), 0)), figure);
    const SalaryForm::Column& cells = column == "txtbp" ? f->txtbp : f->txtgp;
    const SalaryForm::Column& other = column == "txtbp" ? f->txtgp : f->txtbp;
    QCOMPARE(texts(cells), repeated(figure, 14));
    QCOMPARE(texts(other), repeated("0", 14));
}

void TestSalaryForm::typingLaterMonthChangesOnlyBelow_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("jul-12-basic-pay-rows-6-to-13") << "txtbp" << 6;
    QTest::newRow("jun-12-grade-pay-rows-5-to-13") << "txtgp" << 5;
    QTest::newRow("feb-13-basic-pay-only-itself") << "txtbp" << 13;
    QTest::newRow("feb-12-grade-pay-rows-1-to-13") << "txtgp" << 1;
}

void TestSalaryForm::typingLaterMonthChangesOnlyBelow() {
    QFETCH(QString, column);
    QFETCH(int, row);
    showAndActivate();
    const SalaryForm::Column& cells = column == "txtbp" ? f->txtbp : f->txtgp;
    typeInto(cells[0], "21000");
    typeInto(cells[static_cast<std::size_t>(row)], "22000");
    QCOMPARE(texts(cells, 0, row - 1), repeated("21000", row));
    QCOMPARE(texts(cells, row), repeated("22000", 14 - row));
}

// A month that already shows the figure must not stop it: the months below still get it.
void TestSalaryForm::copyPassesRowsAlreadyShowingFigure() {
    showAndActivate();
    typeInto(f->txtbp[0], "21000");
    typeInto(f->txtbp[9], "22000");
    typeInto(f->txtbp[12], "5");
    typeInto(f->txtbp[0], "22000");
    QCOMPARE(texts(f->txtbp), repeated("22000", 14));

    f->txtgp[4]->setText("4200"); // written by code, as the increment writes
    f->txtgp[11]->setText("1");
    f->txtgp[2]->setText("4200");
    QCOMPARE(texts(f->txtgp, 2), repeated("4200", 12));
}

void TestSalaryForm::emptiedMonthLeavesZeroBelow() {
    showAndActivate();
    typeInto(f->txtgp[0], "4200");
    f->cmdcal->click();
    typeInto(f->txtgp[3], "");
    QTest::keyClick(f->windowHandle(), Qt::Key_Backspace);
    QCOMPARE(texts(f->txtgp, 0, 2), repeated("4200", 3));
    QCOMPARE(texts(f->txtgp, 3), repeated("0", 11));
    QCOMPARE(f->txtgp[3]->selectedText(), QString("0")); // the next key replaces it
    QVERIFY(!f->cmdbak->isEnabled());
    QVERIFY(!f->cmdprn->isEnabled());
}

void TestSalaryForm::emptiedAnnualFigureLeavesZeroThere() {
    showAndActivate();
    for (int i = 0; i < 6; ++i) {
        f->txtoth[static_cast<std::size_t>(i)]->setText(QString::number(100 + i));
    }
    typeInto(f->txtoth[2], "");
    QTest::keyClick(f->windowHandle(), Qt::Key_Delete);
    QStringList annual;
    for (const TextBox* b : f->txtoth) {
        annual << b->text();
    }
    QCOMPARE(annual, QStringList({"100", "101", "0", "103", "104", "105"}));
}

void TestSalaryForm::editAfterCalculateWithdraws_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::newRow("basic-pay-jan-12") << "txtbp(0)"
                                      << "1";
    QTest::newRow("grade-pay-feb-13") << "txtgp(13)"
                                      << "2";
    QTest::newRow("annual-figure-honorarium") << "txtoth(4)"
                                              << "3";
    QTest::newRow("typed-hra-class") << "cboclass1"
                                     << "Y";
    QTest::newRow("typed-tpa-class-unknown") << "cboclass3"
                                             << "q";
    QTest::newRow("typed-pension-scheme") << "cbonps"
                                          << "Y";
    QTest::newRow("hra-class-chosen-from-list") << "cboclass1"
                                                << "<down>";
    QTest::newRow("pension-scheme-chosen-from-list") << "cbonps"
                                                     << "<up>";
}

void TestSalaryForm::editAfterCalculateWithdraws() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    showAndActivate();
    f->cmdcal->click();
    QVERIFY(f->cmdprn->isEnabled());
    QVERIFY(f->cmdbak->isEnabled());
    auto* target = f->findChild<QComboBox*>(field);
    const QString before = target ? target->currentText() : QString();
    if (typed.startsWith('<')) {
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QTest::keyClick(f->windowHandle(), typed == "<down>" ? Qt::Key_Down : Qt::Key_Up);
        QVERIFY(target->currentText() != before);
    } else {
        typeInto(f->findChild<QWidget*>(field), typed);
    }
    QVERIFY(!f->cmdprn->isEnabled());
    QVERIFY(!f->cmdbak->isEnabled());
    f->cmdcal->click();
    QVERIFY(f->cmdprn->isEnabled());
    QVERIFY(f->cmdbak->isEnabled());
}

void TestSalaryForm::editsThatLeaveButtonsAlone_data() {
    QTest::addColumn<QString>("edit");
    QTest::newRow("name-typed") << "name";
    QTest::newRow("increment-box-cleared") << "increment";
    QTest::newRow("increment-box-ticked-again") << "increment-twice";
}

// The name and the increment box do not enter the figures: Print and Back stay.
void TestSalaryForm::editsThatLeaveButtonsAlone() {
    QFETCH(QString, edit);
    showAndActivate();
    f->cmdcal->click();
    if (edit == "name") {
        typeInto(f->txtnam, "Ravi");
        QCOMPARE(f->txtnam->text(), QString("Ravi"));
    } else {
        QTest::mouseClick(f->chkinc, Qt::LeftButton);
        QVERIFY(!f->chkinc->isChecked());
        if (edit == "increment-twice") {
            QTest::mouseClick(f->chkinc, Qt::LeftButton);
            QVERIFY(f->chkinc->isChecked());
        }
    }
    QVERIFY(f->cmdprn->isEnabled());
    QVERIFY(f->cmdbak->isEnabled());
}

void TestSalaryForm::focusSelectsWholeText_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("basic-pay") << "txtbp(3)"
                               << "21000";
    QTest::newRow("grade-pay") << "txtgp(0)"
                               << "4200";
    QTest::newRow("annual-figure") << "txtoth(2)"
                                   << "1500";
    QTest::newRow("hra-class") << "cboclass1"
                               << "NA";
    QTest::newRow("tpa-class") << "cboclass3"
                               << "Oth.";
}

void TestSalaryForm::focusSelectsWholeText() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    showAndActivate();
    QWidget* target = f->findChild<QWidget*>(field);
    QLineEdit* edit = qobject_cast<QLineEdit*>(target);
    if (auto* combo = qobject_cast<QComboBox*>(target)) {
        edit = combo->lineEdit();
    }
    edit->setText(text);
    f->txtnam->setFocus();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, 5));
    QTRY_COMPARE(edit->selectedText(), text);
    QTest::keyClick(f->windowHandle(), Qt::Key_7);
    QCOMPARE(edit->text(), QString("7"));
}

void TestSalaryForm::tabOrder() {
    showAndActivate();
    QStringList expected = {"txtnam", "cbonps", "cboclass1", "cboclass3"};
    for (int row = 0; row < 14; ++row) {
        expected << at("txtbp", row) << at("txtgp", row);
    }
    for (int i = 0; i < 6; ++i) {
        expected << at("txtoth", i);
    }
    expected << "cmdcal"
             << "cmdprn"
             << "cmdbak"
             << "chkinc";
    f->cmdcal->click(); // a disabled button is skipped, as it should be
    f->txtnam->setFocus();
    QTRY_VERIFY(f->txtnam->hasFocus());
    // The focus of a combo box sits in its line edit; name the combo box.
    auto current = [] {
        QWidget* w = QApplication::focusWidget();
        if (auto* combo = qobject_cast<QComboBox*>(w->parentWidget())) {
            return combo->objectName();
        }
        return w->objectName();
    };
    QStringList seen{current()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(f->windowHandle(), Qt::Key_Tab);
        seen << current();
    }
    QCOMPARE(seen, expected);
}

void TestSalaryForm::enterAnywhereCalculates_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("in-basic-pay") << "txtbp(4)";
    QTest::newRow("in-name") << "txtnam";
    QTest::newRow("in-hra-class") << "cboclass1";
    QTest::newRow("on-increment-box") << "chkinc";
    QTest::newRow("in-an-output") << "txtda(3)";
}

void TestSalaryForm::enterAnywhereCalculates() {
    QFETCH(QString, focus);
    showAndActivate();
    f->txtbp[0]->setText("21000");
    f->txtgp[0]->setText("4200");
    f->cboclass1->setEditText("Z ");
    QWidget* target = f->findChild<QWidget*>(focus);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(f->windowHandle(), Qt::Key_Return);
    QCOMPARE(f->txtda[3]->text(), QString("16380"));
    QVERIFY(f->cmdbak->isEnabled());
    QCOMPARE(f->cboclass1->count(), 4); // Enter never adds an entry
    QCOMPARE(f->cboclass1->currentText(), QString("Z "));
}

void TestSalaryForm::wholeYearTypedAndCalculated() {
    showAndActivate();
    typeWholeYear();
    QTest::mouseClick(f->cmdcal, Qt::LeftButton);

    struct Row {
        int from, to;
        const char *bp, *gp, *da, *hra, *tpa, *mgc, *ttl;
    };
    const Row rows[] = {
        {0, 1, "21000", "4200", "1764", nullptr, "112", "176", "2052"},
        {2, 5, "21000", "4200", "16380", "7560", "2640", "4158", "55938"},
        {6, 13, "21760", "4200", "18172", "7788", "2720", "4413", "59053"},
    };
    for (const Row& r : rows) {
        for (int row = r.from; row <= r.to; ++row) {
            const auto i = static_cast<std::size_t>(row);
            const QStringList shown = {f->txtbp[i]->text(),  f->txtgp[i]->text(),
                                       f->txtda[i]->text(),  f->txttpa2[i]->text(),
                                       f->txtmgc[i]->text(), f->txtttl[i]->text()};
            QCOMPARE(shown, QStringList({r.bp, r.gp, r.da, r.tpa, r.mgc, r.ttl}));
            if (r.hra) {
                QCOMPARE(f->txthra[i]->text(), QString(r.hra));
            }
        }
    }
    const QStringList totals = {f->txtbpt->text(),  f->txtgpt->text(),   f->txtdat->text(),
                                f->txthrat->text(), f->txttpat->text(),  f->txtmgct->text(),
                                f->txtttlt->text(), f->txtgtotal->text()};
    QCOMPARE(totals, QStringList({"258080", "50400", "214424", "92544", "32544", "52288", "700280",
                                  "700280"}));
    QVERIFY(f->cmdprn->isEnabled());
    QVERIFY(f->cmdbak->isEnabled());
    QVERIFY(messages.shown.isEmpty());
}

// July's new pay is written and carried down every time, over pay typed below it, even when
// July already shows it.
void TestSalaryForm::incrementRewritesJulyEveryCalculate() {
    showAndActivate();
    typeWholeYear();
    f->cmdcal->click();
    QCOMPARE(texts(f->txtbp, 6), repeated("21760", 8));
    typeInto(f->txtbp[9], "30000");
    QCOMPARE(f->txtbp[6]->text(), QString("21760"));
    f->cmdcal->click();
    QCOMPARE(texts(f->txtbp, 6), repeated("21760", 8));
    QCOMPARE(texts(f->txtbp, 0, 5), repeated("21000", 6));
    QCOMPARE(f->txtgtotal->text(), QString("700280"));
    QVERIFY(f->cmdprn->isEnabled());
    QVERIFY(f->cmdbak->isEnabled());
}

void TestSalaryForm::incrementNotTickedKeepsTypedPay() {
    showAndActivate();
    typeWholeYear();
    QTest::mouseClick(f->chkinc, Qt::LeftButton);
    typeInto(f->txtbp[9], "30000");
    f->cmdcal->click();
    QCOMPARE(texts(f->txtbp, 0, 8), repeated("21000", 9));
    QCOMPARE(texts(f->txtbp, 9), repeated("30000", 5));
    QCOMPARE(f->txtbpt->text(), QString::number(21000 * 7 + 30000 * 5));
}

// A selection typed as none of its entries leaves its column as the last run left it.
void TestSalaryForm::unknownSelectionKeepsColumn() {
    showAndActivate();
    typeWholeYear();
    f->cmdcal->click();
    typeInto(f->cboclass1, "x");
    typeInto(f->cboclass3, "oth.");
    typeInto(f->cbonps, "n");
    typeInto(f->txtbp[0], "30000");
    f->cmdcal->click();
    QCOMPARE(f->cboclass1->currentText(), QString("x")); // not turned into "X"
    QCOMPARE(texts(f->txthra, 2), QStringList(4, "7560") + QStringList(8, "7788"));
    QCOMPARE(f->txttpat->text(), QString("32544"));
    QCOMPARE(f->txtmgct->text(), QString("52288"));
    QCOMPARE(f->txtda[2]->text(), QString("22230")); // DA always follows the pay
    QCOMPARE(f->txtttl[2]->text(), QString::number(30000 + 4200 + 22230 + 7560 + 2640 + 4158));
}

void TestSalaryForm::arrearsPayNotNumberIsRefused_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("jan-12-letters-after-figure") << 0 << "21000abc"
                                                 << "B.PAY of Jan 12";
    QTest::newRow("feb-12-blank") << 1 << " "
                                  << "B.PAY of Feb 12";
    QTest::newRow("feb-12-comma") << 1 << "21,000"
                                  << "B.PAY of Feb 12";
}

// The arrears of DA are worked on the arrears months' basic pay as a whole number; a text
// that is not one is named, gets the focus, and nothing is calculated.
void TestSalaryForm::arrearsPayNotNumberIsRefused() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, named);
    showAndActivate();
    typeWholeYear();
    f->cmdcal->click();
    typeInto(f->txtbp[5], "25000");
    f->txtbp[static_cast<std::size_t>(row)]->setText(text);
    const QStringList before = snapshot();
    f->txtnam->setFocus();
    f->cmdcal->click();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown.first().contains(named), qPrintable(messages.shown.first()));
    QVERIFY(messages.shown.first().contains("not a number"));
    QCOMPARE(snapshot(), before);
    QTRY_VERIFY(f->txtbp[static_cast<std::size_t>(row)]->hasFocus());
}

void TestSalaryForm::tooLargeFigureIsRefused_data() {
    QTest::addColumn<QStringList>("writes"); // field, text, field, text...
    QTest::addColumn<QString>("named");
    QTest::newRow("basic-pay-beyond-range")
        << QStringList{"txtbp(4)", "1e400"} << "B.PAY of May 12";
    QTest::newRow("arrears-pay-beyond-range")
        << QStringList{"txtbp(0)", "1e400"} << "B.PAY of Jan 12";
    QTest::newRow("annual-figure-beyond-range") << QStringList{"txtoth(1)", "-1e309"} << "Bonus";
    QTest::newRow("month-mgc-beyond-range")
        << QStringList{"txtgp(13)", "1.7e308"} << "MGC of Feb 13";
    QTest::newRow("month-total-beyond-range")
        << QStringList{"txtgp(13)", "1e308"} << "TOTAL of Feb 13";
    QTest::newRow("grand-total-beyond-range")
        << QStringList{"txtoth(0)", "1.7e308", "txtoth(5)", "1.7e308"} << "G.Total";
}

void TestSalaryForm::tooLargeFigureIsRefused() {
    QFETCH(QStringList, writes);
    QFETCH(QString, named);
    showAndActivate();
    typeWholeYear();
    for (qsizetype i = 0; i + 1 < writes.size(); i += 2) {
        box(writes[i])->setText(writes[i + 1]);
    }
    const QStringList before = snapshot();
    f->cmdcal->click();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown.first().contains(named), qPrintable(messages.shown.first()));
    QCOMPARE(snapshot(), before);
    for (const QString& shown : snapshot()) {
        QVERIFY(!shown.contains("inf") && !shown.contains("nan"));
    }
}

void TestSalaryForm::backCarriesYearsTotals() {
    qRegisterMetaType<fiscora::SalaryTotals>();
    QSignalSpy spy(f, &SalaryForm::transferred);
    showAndActivate();
    typeWholeYear();
    f->cmdcal->click();
    QTest::mouseClick(f->cmdbak, Qt::LeftButton);
    QCOMPARE(spy.size(), 1);
    const auto t = spy.first().first().value<fiscora::SalaryTotals>();
    const QList<double> carried = {t.grossSalary, t.transportExempt, t.basicPay, t.da,
                                   t.hraReceived, t.gradePay,        t.mgc};
    QCOMPARE(carried, QList<double>({700280, 9600, 258080, 214424, 92544, 50400, 52288}));
    QVERIFY(f->isVisible()); // the form stays where it is
    QVERIFY(messages.shown.isEmpty());

    // "Oth." for transport: 660 and 680 a month stay under 800 and are exempt in full.
    typeInto(f->cboclass3, "Oth.");
    typeInto(f->txtbp[0], "7000");
    typeInto(f->txtgp[0], "1800");
    f->cmdcal->click();
    QTest::mouseClick(f->cmdbak, Qt::LeftButton);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.last().first().value<fiscora::SalaryTotals>().transportExempt,
             4 * 660.0 + 8 * 680.0);
}

void TestSalaryForm::backRefusesWhatIsNoFigure_data() {
    QTest::addColumn<QStringList>("writes"); // field, text, field, text...
    QTest::addColumn<QString>("named");
    QTest::newRow("grand-total-beyond-range") << QStringList{"txtgtotal", "1e400"} << "G.Total";
    QTest::newRow("total-not-a-number") << QStringList{"txtmgct", "52288x"} << "Total of MGC";
    QTest::newRow("month-transport-beyond-range")
        << QStringList{"txttpa2(7)", "-1e400"} << "TPA of Aug 12";
    QTest::newRow("transport-sum-beyond-range")
        << QStringList{"txttpa2(2)", "-1.7e308", "txttpa2(3)", "-1.7e308"} << "Total of TPA";
}

// Back only ever carries figures; the worksheet never receives "inf" or a half-read text.
void TestSalaryForm::backRefusesWhatIsNoFigure() {
    QFETCH(QStringList, writes);
    QFETCH(QString, named);
    qRegisterMetaType<fiscora::SalaryTotals>();
    QSignalSpy spy(f, &SalaryForm::transferred);
    f->cmdcal->click();
    for (qsizetype i = 0; i + 1 < writes.size(); i += 2) {
        box(writes[i])->setText(writes[i + 1]); // as no Calculate would ever leave them
    }
    f->cmdbak->click();
    QCOMPARE(spy.size(), 0);
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown.first().contains(named), qPrintable(messages.shown.first()));
}

void TestSalaryForm::printAsksForStatement() {
    QSignalSpy spy(f, &SalaryForm::printRequested);
    showAndActivate();
    QTest::mouseClick(f->cmdprn, Qt::LeftButton); // disabled: nothing happens
    QCOMPARE(spy.size(), 0);
    f->cmdcal->click();
    QTest::mouseClick(f->cmdprn, Qt::LeftButton);
    QCOMPARE(spy.size(), 1);
}

QTEST_MAIN(TestSalaryForm)
#include "tst_salary_form.moc"
