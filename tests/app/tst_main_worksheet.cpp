// The main worksheet driven as a user drives it; start-up and the download link. The ways
// the program ends are tested with the year file.
#include "app/program.h"
#include "support/controls.h"
#include "support/table.h"

using namespace testing;
using namespace std::chrono_literals;

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

    // A figure beyond range, as typed or as summed, is refused by its caption and nothing is
    // written (the tax itself: the rules' worked examples, and the monkey on random figures).
    void calculate_data() {
        columns<QString, QString, QString>("steps", "refused", "shown");
        const QString none = "0 0 0 0 0 0 0 0 0";
        row("input-beyond-range", {"txtgs=1e400", "Gross Salary", none});
        row("negative-beyond-range", {"txtgs=1.7e308;txtdedtax=-1e309", "Tax Deducted", none});
        row("sum-beyond-range", {"txtgs=1.7e308;txtos=1.7e308", "Gross Total Income", none});
    }
    void calculate() {
        auto [steps, refused, shown] =
            fetch<QString, QString, QString>("steps", "refused", "shown");
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

    // The year for three seconds; then the worksheet.
    void splashGivesWayToWorksheet() {
        SplashForm designed;
        QVERIFY(designed.Timer1.isActive() && designed.Timer1.interval() == 3000);
        QCOMPARE(designed.lblVersion->text(), QString("2012-13")); // not its design text
        FakeServices fakes;
        Program program(fakes.services());
        program.start(1000ms); // long enough to see the splash, slowed down as under valgrind
        QPointer<SplashForm> splash = program.splash();
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splash->Timer1.interval(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(program.worksheet().isVisible(), 5000);
        QTRY_VERIFY(splash.isNull()); // unloaded right after the worksheet showed
        QVERIFY(!program.splash());
    }

    void link_data() {
        QTest::addColumn<bool>("browser");
        QTest::newRow("browser-opens-download-page-nothing-shown") << true;
        QTest::newRow("no-browser-message-once-per-click") << false;
    }

    void link() {
        QFETCH(bool, browser);
        FakeServices fakes;
        fakes.browserOpens = browser;
        Program program(fakes.services());
        program.showWorksheet();
        const QUrl page = MainWorksheet::downloadAddress();
        for (int click = 1; click <= 2; ++click) {
            QTest::mouseClick(find<QWidget>(&program.worksheet(), "Label7"), Qt::LeftButton);
            QCOMPARE(fakes.opened, QList<QUrl>(click, page));
            QCOMPARE(fakes.messages.shown,
                     QStringList(browser ? 0 : click, "Unable to start Web browser !"));
        }
    }
};

QTEST_MAIN(TestMainWorksheet)
#include "tst_main_worksheet.moc"
