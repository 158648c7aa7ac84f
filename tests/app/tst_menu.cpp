// The File and Help menus as a user meets them, from every form, and the desktop's dialogs.
#include "support/files.h"
#include "support/hub.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace testing;

namespace {

// Answers each modal dialog that comes up with the next step, while the timer lives.
std::unique_ptr<QTimer> answerDialogs(QList<std::function<void(QWidget*)>> steps) {
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(),
                     [last = QPointer<QWidget>(), steps]() mutable {
                         QWidget* modal = QApplication::activeModalWidget();
                         if (modal && modal != last && modal->isVisible() && !steps.isEmpty()) {
                             last = modal;
                             steps.takeFirst()(modal);
                         }
                     });
    timer->start(10);
    return timer;
}

QStringList recentShown(Program& program) {
    return each(program.menu().mnuFile->actions(), [](const QAction* a) {
        return a->objectName().startsWith("actRecent") ? QStringList{a->text()} : QStringList{};
    });
}

} // namespace

class TestMenu : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings("Fiscora1213", "Fiscora1213").clear(); }

    // The year's keys work from whichever form is active.
    void keysFromEveryForm_data() {
        columns<QString, QKeySequence, QString>("calc", "key", "effect");
        // clang-format off
        QTest::newRow("salary-save-as") << QString("cmdcalgs") << QKeySequence("Ctrl+S") << QString("offered");
        QTest::newRow("hra-save-as") << QString("cmdcalhr") << QKeySequence("Ctrl+Shift+S") << QString("offered");
        QTest::newRow("relief-open") << QString("cmdcalrel89") << QKeySequence("Ctrl+O") << QString("offered");
        QTest::newRow("deductions-differences-from-the-law") << QString("cmdcalded80") << QKeySequence("F1") << QString("told");
        QTest::newRow("house-property-exit") << QString("cmdcalhp") << QKeySequence("Ctrl+Q") << QString("ended");
        // clang-format on
    }
    void keysFromEveryForm() {
        auto [calc, key, effect] = fetch<QString, QKeySequence, QString>("calc", "key", "effect");
        Hub hub;
        QTest::mouseClick(button(&hub.w, qPrintable(calc)), Qt::LeftButton);
        QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow() != &hub.w);
        QWidget* form = QApplication::activeWindow();
        QTest::keySequence(form->windowHandle(), key);
        QCOMPARE(hub.fakes.offered.size(), int(effect == "offered"));
        QCOMPARE(hub.fakes.messages.titles,
                 QStringList(effect == "told", "Differences from the Law"));
        QCOMPARE(hub.program.ended(), effect == "ended");
    }

    // After Alt, Escape and a dialog the keys go back to the field that had them, its caret kept.
    void keyboardAfterMenuAndDialog_data() {
        columns<Qt::Key>("menu");
        QTest::newRow("file-menu") << Qt::Key_F;
        QTest::newRow("help-menu") << Qt::Key_H;
    }
    void keyboardAfterMenuAndDialog() {
        auto [menu] = fetch<Qt::Key>("menu");
        Hub hub;
        activate(&hub.w);
        fill(&hub.w, "txtname=Ravi Kumar");
        QLineEdit* name = find(&hub.w, "txtname");
        name->setFocus();
        QTRY_VERIFY(name->hasSelectedText());
        name->end(false);
        hub.fakes.messages.onInform = [](const QString&) {
            QDialog box(QApplication::activeWindow());
            QTimer::singleShot(50, &box, [&box] { QTest::keyClick(&box, Qt::Key_Escape); });
            box.exec();
        };
        QTest::keyClick(hub.w.windowHandle(), menu, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keySequence(hub.w.windowHandle(), QKeySequence("F1"));
        QCOMPARE(hub.shown().size(), 1);
        hub.w.activateWindow(); // as the window manager does when the dialog is gone
        QVERIFY(QTest::qWaitForWindowActive(&hub.w));
        QTRY_VERIFY(name->hasFocus());
        QTest::keyClick(hub.w.windowHandle(), Qt::Key_7);
        QCOMPARE(name->text(), QString("Ravi Kumar7"));
    }

    // Export and Print Preview follow Print; the year is marked modified; About has a title.
    void pagesAndMarkFollowTheYear() {
        Hub hub;
        const WorksheetMenu& m = hub.program.menu();
        // The statement's and Annexure I's follow their forms' Print, and those are not yet made.
        for (const QAction* a :
             {m.actExportStatement, m.actPreviewStatement, m.actExportRelief, m.actPreviewRelief}) {
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        }
        QVERIFY(!m.actExportComputation->isEnabled() && !m.actPreview->isEnabled());
        hub.w.calculate();
        QVERIFY(m.actExportComputation->isEnabled() && m.actPreview->isEnabled());
        QVERIFY(!hub.w.isWindowModified());
        fill(&hub.w, "txtgs=7");
        QVERIFY(!m.actExportComputation->isEnabled() && !m.actPreview->isEnabled());
        QVERIFY(hub.w.isWindowModified() && hub.w.windowTitle().contains("[*]"));
        m.actAbout->trigger();
        QCOMPARE(hub.fakes.messages.titles, QStringList{"About Fiscora1213"});
    }

    // Recent files: two of one name told apart, one lost dropped; Save As and Open start there.
    void recentFiles() {
        Hub hub;
        QVERIFY(QDir(dir_.path()).mkpath("a") && QDir(dir_.path()).mkpath("b"));
        const QString a = dir_.filePath("a/emp.fiscora"), b = dir_.filePath("b/emp.fiscora");
        QVERIFY(hub.program.year().saveTo(a));
        QCOMPARE(recentShown(hub.program), QStringList{"&1 emp.fiscora"});
        hub.program.year().saveAs();
        QCOMPARE(hub.fakes.offered.last(), a);
        QVERIFY(hub.program.year().saveTo(b));
        QCOMPARE(recentShown(hub.program),
                 QStringList({"&1 emp.fiscora (" + dir_.filePath("b") + ")",
                              "&2 emp.fiscora (" + dir_.filePath("a") + ")"}));
        hub.program.openYear(QString());
        QCOMPARE(hub.fakes.offered.last(), dir_.filePath("b"));
        QVERIFY(QFile::remove(b));
        hub.program.menu().mnuFile->actions()[5]->trigger(); // the first recent file, b
        QCOMPARE(hub.shown().size(), 1);
        QCOMPARE(recentShown(hub.program), QStringList{"&1 emp.fiscora"});
    }

    // A file under the name with its extension replaced only if the user agrees, else asked again.
    void saveDialogAddsExtensionAndAsks_data() {
        columns<QString, QString, bool, QString>("typed", "existing", "replace", "saved");
        // clang-format off
        QTest::newRow("year-new-name") << QString("Asha") << QString("") << false << QString("Asha.fiscora");
        QTest::newRow("year-name-with-a-dot") << QString("Asha.Devi") << QString("") << false << QString("Asha.Devi.fiscora");
        QTest::newRow("year-replace-agreed") << QString("Asha") << QString("Asha.fiscora") << true << QString("Asha.fiscora");
        QTest::newRow("year-replace-refused") << QString("Asha") << QString("Asha.fiscora") << false << QString("");
        QTest::newRow("pdf-replace-refused") << QString("page") << QString("page.pdf") << false << QString("");
        QTest::newRow("pdf-extension-typed") << QString("page.PDF") << QString("") << false << QString("page.PDF");
        // clang-format on
    }
    void saveDialogAddsExtensionAndAsks() {
        auto [typed, existing, replace, saved] =
            fetch<QString, QString, bool, QString>("typed", "existing", "replace", "saved");
        QTemporaryDir folder;
        QVERIFY(existing.isEmpty() || !putFile(folder.filePath(existing), "").isEmpty());
        const auto type = [&](QWidget* dialog) {
            auto* d = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(d && d->nameFilters().contains("All files (*)"));
            d->setDirectory(folder.path());
            d->findChild<QLineEdit*>("fileNameEdit")->setText(typed);
            QMetaObject::invokeMethod(d, "accept");
        };
        QList<std::function<void(QWidget*)>> steps{type};
        if (!existing.isEmpty()) {
            steps << [&](QWidget* box) {
                auto* question = qobject_cast<QMessageBox*>(box);
                QVERIFY(question);
                question->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            };
            if (!replace) {
                steps << [](QWidget* d) { static_cast<QDialog*>(d)->reject(); };
            }
        }
        const auto answering = answerDialogs(steps);
        toolkit::QtSaveDialog dialogs;
        const QString path = typed.startsWith("page") ? dialogs.pdfFileName("x.pdf")
                                                      : dialogs.yearFileName("x.fiscora");
        QCOMPARE(path, saved.isEmpty() ? QString() : folder.filePath(saved));
    }

    // The question about unsaved changes answers from the keyboard.
    void saveQuestionMnemonics() {
        const auto answering = answerDialogs({[](QWidget* box) {
            QStringList texts = each(box->findChildren<QAbstractButton*>(),
                                     [](const QAbstractButton* b) { return b->text(); });
            texts.sort();
            QCOMPARE(texts, QStringList({"&Cancel", "&Discard", "&Save"}));
            QTest::keyClick(box, Qt::Key_D, Qt::AltModifier);
        }});
        QCOMPARE(toolkit::QtQuestions().saveChanges("Save?"), toolkit::Questions::Choice::Discard);
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
