// The main worksheet driven as a user drives it.
#include "app/main_worksheet.h"
#include "support/controls.h"

using namespace testing;

class TestMainWorksheet : public QObject {
    Q_OBJECT
    RecordingMessages messages;
    std::unique_ptr<MainWorksheet> w;

private slots:
    void init() {
        messages.shown.clear();
        w = std::make_unique<MainWorksheet>(messages);
        w->show();
    }
    void cleanup() { w.reset(); }

    // Typed or written by a detail form, a change of any figure the tax depends on withdraws
    // Print; so does a new deductions total, which would otherwise print beside old tax.
    void changeWithdrawsPrint() {
        checkChangesWithdrawBack(w.get(), "cmdprint", {"txthp=5", "txtded80=5"});
    }

    // Outputs: exempt allowances, salary, gross total, net taxable, gross tax, net tax, cess,
    // total tax, balance. Refused: a message naming the field, nothing written.
    void calculate_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("shown");
        // clang-format off
        row("worked-example", {"txtgs=700000;txttp=9600;txthra=60000;txtos=5000;txtdedtax=40000;txthp=-150000;txtded80=100000", "", "69600 630400 485400 385400 18540 18540 556 19096 -20904"});
        row("odd-texts-count-as-leading-number", {"txtgs=250000abc;txtos=abc;txttp= ;txtrel89=100", "", "0 250000 250000 250000 5000 4900 147 5047 5047"});
        const QString none = "0 0 0 0 0 0 0 0 0";
        row("input-beyond-range", {"txtgs=1e400", "Gross Salary", none});
        row("negative-beyond-range", {"txtgs=1.7e308;txtdedtax=-1e309", "Tax Deducted", none});
        row("sum-beyond-range", {"txtgs=1.7e308;txtos=1.7e308", "Gross Total Income", none});
        // clang-format on
    }
    void calculate() {
        QFETCH(QString, steps);
        QFETCH(QString, refused);
        QFETCH(QString, shown);
        checkCalculate(messages.shown, w.get(), "cmdprint", steps, refused,
                       "txtexall txtnsal txtgti txtnti txtgtax txtntax txtcess txtttax txtbaltax",
                       shown);
    }

    // Outputs and carriers are no stops; a disabled Print is skipped, so calculate first.
    void tabOrder() {
        w->calculate();
        QCOMPARE(tabChain(find(w.get(), "txtname"), 16),
                 "txtname cmdcalgs txtgs txttp cmdcalhr txthra txtos cmdcalhp cmdcalded80 "
                 "cmdcalrel89 txtrel89 txtdedtax cmdcalc cmdprint cmdexit txtname");
    }
};

QTEST_MAIN(TestMainWorksheet)
#include "tst_main_worksheet.moc"
