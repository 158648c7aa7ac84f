// The relief form driven as a user drives it, opened and left through the worksheet.
#include "support/hub.h"

using testing::row;

namespace {

// Table A's row of 2011-12 and the items worked out (all but 3), as shown.
QString shown(const ReliefForm& f) {
    QStringList out;
    for (const auto* column : {&f.txtcat, &f.txtti2, &f.txttax1, &f.txttax2, &f.txtdiff}) {
        out << (*column)[6]->text();
    }
    out << "|";
    for (int i : {1, 2, 4, 5, 6, 7, 8}) {
        out << f.txtitem[i]->text();
    }
    return out.join(' ');
}

// Male, born 01/01/1960; arrears of 4104 relating to 2011-12, whose total income was 495000.
const QString worked = "txtti(6)=495000;txtarr(6)=4104";
const QString workedShown = "General 499104 32445 32867 422 | 500896 4104 31930 31085 845 422 423";

} // namespace

class TestReliefForm : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::Hub> hub;
    ReliefForm& open() { return hub->open("cmdcalrel89", hub->program.relief()); }

private slots:
    void init() { hub = std::make_unique<testing::Hub>(); }
    void cleanup() { hub.reset(); }

    // Calc. copies the net taxable income as shown into item 3 and leaves the focus on the
    // date of birth.
    void workedExampleThroughBack() {
        testing::fill(&hub->w, "txtnti=505000");
        ReliefForm& f = open();
        QCOMPARE(f.txtitem[3]->text(), QString("505000"));
        testing::activate(&f);
        QTRY_VERIFY(f.dtpdob->hasFocus());
        testing::fill(&f, worked);
        f.cmdcal->click();
        QCOMPARE(shown(f), workedShown);
        QVERIFY(f.cmdprn->isEnabled());
        testing::checkBack(*hub, &f, "cmdbak", "txtrel89", "423", "txtdedtax");
    }

    void badInputRefused_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<bool>("senior");     // the note on the scale of 2012-13 shows
        const QDate design(1960, 1, 1);
        const QString dateMessage = "between 01/01/1900 and 31/03/2013";
        // clang-format off
        QTest::newRow("letters-in-total-income") << "txtti(3)=12a" << design << "\"Total income 2008-09\"" << false;
        QTest::newRow("letters-in-arrears") << "txtarr(0)=x" << design << "\"Arrears 2005-06\"" << false;
        QTest::newRow("letters-in-item-3") << "txtitem(3)=5o5000" << design << "\"Total income including arrears\"" << false;
        QTest::newRow("born-1-april-2013") << "" << QDate(2013, 4, 1) << dateMessage << false;
        QTest::newRow("born-31-december-1899") << "" << QDate(1899, 12, 31) << dateMessage << true;
        QTest::newRow("born-31-march-2013-accepted") << "" << QDate(2013, 3, 31) << "" << false;
        QTest::newRow("born-1-january-1900-accepted") << "" << QDate(1900, 1, 1) << "" << true;
        // clang-format on
    }
    // A refusal tells the user once, puts the focus on the figure or date at fault and leaves
    // every result of the Calculate before it; Back and Print stay withdrawn. The note on the
    // scale of 2012-13 follows the date of birth as it changes.
    void badInputRefused() {
        QFETCH(QString, change);
        QFETCH(QDate, birth);
        QFETCH(QString, message);
        QFETCH(bool, senior);
        testing::fill(&hub->w, "txtnti=505000");
        ReliefForm& f = open();
        testing::activate(&f);
        testing::fill(&f, worked);
        f.cmdcal->click();
        testing::fill(&f, change);
        f.dtpdob->setDate(birth);
        QCOMPARE(f.lblsenior->isVisible(), senior);
        QVERIFY(!f.cmdbak->isEnabled() && !f.cmdprn->isEnabled());
        f.cmdcal->click();
        QCOMPARE(f.cmdbak->isEnabled(), message.isEmpty());
        QCOMPARE(f.cmdprn->isEnabled(), message.isEmpty());
        if (message.isEmpty()) {
            QVERIFY(hub->shown().isEmpty());
            return;
        }
        QCOMPARE(hub->shown().size(), 1);
        QVERIFY2(hub->shown()[0].contains(message), qPrintable(hub->shown()[0]));
        QCOMPARE(shown(f), workedShown);
        QWidget* fault = change.isEmpty() ? static_cast<QWidget*>(f.dtpdob)
                                          : f.findChild<QLineEdit*>(change.section('=', 0, 0));
        QTRY_VERIFY(fault->hasFocus());
    }

    void arrearsFromSalaryForm_data() {
        QTest::addColumn<QString>("salary"); // what was done on the salary form
        QTest::addColumn<QString>("typed");  // typed into the arrears of 2011-12 first
        QTest::addColumn<QString>("arrears");
        row("calculated-fills-4104", {"calculate", "", "4104"});
        row("typed-figure-kept", {"calculate", "5000", "5000"});
        row("not-calculated-leaves-0", {"", "", "0"});
        row("changed-after-calculate-leaves-0", {"calculate;txtbp(5)=30000", "", "0"});
        row("never-opened-leaves-0", {"never", "", "0"});
    }
    // The DA arrears of January and February 2012 (2052 each in the worked year) relate to
    // 2011-12; only a calculated table is taken, and only into a field that shows "0".
    void arrearsFromSalaryForm() {
        QFETCH(QString, salary);
        QFETCH(QString, typed);
        QFETCH(QString, arrears);
        if (!typed.isEmpty()) {
            open().txtarr[6]->setText(typed);
        }
        if (salary != "never") {
            SalaryForm& s = hub->open("cmdcalgs", hub->program.salary());
            testing::fill(&s, "txtbp(0)=21000;txtgp(0)=4200");
            testing::find<QComboBox>(&s, "cbonps")->setCurrentText("Y");
            for (const QString& step : salary.split(';', Qt::SkipEmptyParts)) {
                step == "calculate" ? s.calculate() : testing::fill(&s, step);
            }
        }
        ReliefForm& f = open();
        QCOMPARE(f.txtarr[6]->text(), arrears);
        open(); // a second Calc. adds nothing
        QCOMPARE(f.txtarr[6]->text(), arrears);
    }

    // Every figure, the date of birth and the sex withdraw Back (and Print, checked with the
    // refusals) until Calculate.
    void changesWithdrawPrintAndBack() {
        ReliefForm& f = open();
        testing::checkChangesWithdrawBack(&f, "cmdbak", {"optfemale", "optmale"});
        f.cmdcal->click();
        f.dtpdob->setDate(f.dtpdob->date().addDays(1));
        QVERIFY(!f.cmdbak->isEnabled() && !f.cmdprn->isEnabled());
    }
};

QTEST_MAIN(TestReliefForm)
#include "tst_relief_form.moc"
