// Start-up and the download link. The ways the program ends are tested with the year file.
#include "app/program.h"
#include "support/controls.h"

#include <QtTest>

using namespace std::chrono_literals;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    // The year for three seconds; then the worksheet.
    void splashGivesWayToWorksheet() {
        SplashForm designed;
        QVERIFY(designed.Timer1.isActive() && designed.Timer1.interval() == 3000);
        QCOMPARE(designed.lblVersion->text(), QString("2012-13")); // not its design text
        testing::FakeServices fakes;
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
        testing::FakeServices fakes;
        fakes.browser.succeeds = browser;
        Program program(fakes.services());
        program.showWorksheet();
        const QUrl page = MainWorksheet::downloadAddress();
        for (int click = 1; click <= 2; ++click) {
            QTest::mouseClick(testing::find<QWidget>(&program.worksheet(), "Label7"),
                              Qt::LeftButton);
            QCOMPARE(fakes.browser.opened, QList<QUrl>(click, page));
            QCOMPARE(fakes.messages.shown,
                     QStringList(browser ? 0 : click, "Unable to start Web browser !"));
        }
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
