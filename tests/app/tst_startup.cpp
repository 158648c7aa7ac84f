// Start-up, the download link and the ways the program ends.
#include "app/program.h"
#include "support/fakes.h"

#include <QSignalSpy>
#include <QtTest>

using namespace std::chrono_literals;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void splashGivesWayToWorksheet();
    void splashShowsNameAndYear();
    void linkOpensDownloadPage();
    void linkFailureIsReportedOncePerClick();
    void exitEndsProgram();
    void closeBoxEndsProgram();
};

void TestStartup::splashGivesWayToWorksheet() {
    testing::FakeServices fakes;
    Program program(fakes.services());
    program.start(200ms);
    QPointer<SplashForm> splash = program.splash();
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    QCOMPARE(splash->Timer1.interval(), 200);
    QTRY_VERIFY_WITH_TIMEOUT(program.worksheet().isVisible(), 3000);
    QTRY_VERIFY(splash.isNull()); // unloaded right after the worksheet showed
    QVERIFY(!program.splash());
}

void TestStartup::splashShowsNameAndYear() {
    SplashForm splash;
    QCOMPARE(splash.Timer1.interval(), 3000);
    QVERIFY(splash.Timer1.isActive());
    QCOMPARE(splash.lblVersion->text(), QString("2012-13"));
    QCOMPARE(splash.lblProductName->text(), QString("Fiscora"));
    QVERIFY(splash.lblCopyright->text().startsWith("By "));
    QVERIFY(!splash.lblCompany->text().isEmpty());
    QCOMPARE(splash.size(), QSize(324, 125)); // 4860 by 1875 twips
}

void TestStartup::linkOpensDownloadPage() {
    testing::FakeServices fakes;
    Program program(fakes.services());
    program.showWorksheet();
    QTest::mouseClick(program.worksheet().Label7, Qt::LeftButton);
    QCOMPARE(fakes.browser.opened, QList<QUrl>{MainWorksheet::downloadAddress()});
    QVERIFY(fakes.messages.shown.isEmpty());
    QVERIFY(program.worksheet().Label7->text().endsWith(MainWorksheet::downloadAddress().host() +
                                                        MainWorksheet::downloadAddress().path()));
}

void TestStartup::linkFailureIsReportedOncePerClick() {
    testing::FakeServices fakes;
    fakes.browser.succeeds = false;
    Program program(fakes.services());
    program.showWorksheet();
    for (int click = 1; click <= 3; ++click) {
        QTest::mouseClick(program.worksheet().Label7, Qt::LeftButton);
        QCOMPARE(fakes.messages.shown.size(), click);
        QCOMPARE(fakes.messages.shown.last(), QString("Unable to start Web browser !"));
    }
    QCOMPARE(fakes.browser.opened.size(), 3);
}

void TestStartup::exitEndsProgram() {
    testing::FakeServices fakes;
    Program program(fakes.services());
    QSignalSpy finished(&program, &Program::finished);
    program.showWorksheet();
    QTest::mouseClick(program.worksheet().cmdexit, Qt::LeftButton);
    QCOMPARE(finished.size(), 1);
    QVERIFY(program.ended());
    QVERIFY(!program.worksheet().isVisible());
}

void TestStartup::closeBoxEndsProgram() {
    testing::FakeServices fakes;
    Program program(fakes.services());
    QSignalSpy finished(&program, &Program::finished);
    program.showWorksheet();
    QVERIFY(program.worksheet().close());
    QCOMPARE(finished.size(), 1);
    QVERIFY(program.ended());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
