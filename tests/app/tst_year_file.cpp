// The year file: every control kept through Save and Open, bad files refused with nothing
// changed, a failed save leaving the old file whole, the question about unsaved changes.
#include "support/controls.h"
#include "support/hub.h"
#include "support/table.h"
#include "year/file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using testing::columns, testing::fetch;
namespace {

// What every form of the year holds, form by form.
QStringList everything(Program& program) {
    QStringList shown;
    const year::Record record = program.year().record();
    for (const year::FormRecord* form : record.forms()) {
        for (std::size_t i = 0; i < form->texts().size(); ++i) {
            shown << form->name() + '.' + form->schema().keys[i].name + '=' + form->texts()[i];
        }
    }
    return shown;
}

// Every form of the program, made unseen where it was not yet.
QList<QWidget*> everyForm(Program& program) {
    return {&program.worksheet(),           &program.salary().get(),     &program.hra().get(),
            &program.houseProperty().get(), &program.deductions().get(), &program.relief().get()};
}

QByteArray fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
}

} // namespace

class TestYearFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void roundTrip_data() {
        QTest::addColumn<QString>("odd");
        for (const char* odd : {"12abc", "", "-999999999", " 7 ",
                                "\"quoted\\\" \xe2\x82\xb9 \xc3\xa9", "1e308", "X"}) {
            QTest::newRow(qPrintable("text-" + QString::fromUtf8(odd))) << QString::fromUtf8(odd);
        }
    }

    // Each control gets the odd text with its own number, so that a row copied down, a figure
    // recomputed or a text cut on the way in shows; options and check boxes away from design.
    void roundTrip() {
        QFETCH(QString, odd);
        const QString path = dir_.filePath("round.fiscora");
        testing::Hub saved;
        int n = 0;
        for (QWidget* form : everyForm(saved.program)) {
            for (QLineEdit* field : form->findChildren<QLineEdit*>()) {
                if (!qobject_cast<QComboBox*>(field->parent())) {
                    field->setText((odd + QString::number(++n)).left(26));
                }
            }
            if (auto* birth = form->findChild<QDateEdit*>()) {
                birth->setDate({1950, 8, 15}); // 60 or more in 2012-13
            }
            for (QComboBox* box : form->findChildren<QComboBox*>()) {
                box->setEditText(odd + QString::number(++n));
            }
            for (QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
                b->setChecked(!b->isChecked()); // options and check boxes; a push button is not
            }
        }
        saved.fakes.messages.shown.clear();
        QVERIFY(saved.program.year().saveTo(path));

        testing::Hub opened;
        QVERIFY(opened.program.year().open(path));
        QCOMPARE(everything(opened.program), everything(saved.program));
        QVERIFY(opened.shown().isEmpty());
        QVERIFY(!opened.program.salary().exists()); // made when first used, from the file
        QCOMPARE(everyForm(opened.program)[5]->findChild<QDateEdit*>()->date(), QDate(1950, 8, 15));
        QVERIFY(!everyForm(opened.program)[5]->findChild<QLabel*>("lblsenior")->isHidden());
        QCOMPARE(everything(opened.program), everything(saved.program));
        QVERIFY(!opened.program.year().modified());
        // A figure read only in part is marked as it was before the save.
        for (int f = 0; f < 6; ++f) {
            for (const QLineEdit* field :
                 everyForm(opened.program)[f]->findChildren<QLineEdit*>()) {
                const auto* was =
                    everyForm(saved.program)[f]->findChild<QLineEdit*>(field->objectName());
                QCOMPARE(field->toolTip(), was ? was->toolTip() : field->toolTip());
            }
        }
        // Print and every Back disabled, as after an edit.
        const QRegularExpression printOrBack("^cmd(print|prn|bak|back|bk)$");
        for (QWidget* form : everyForm(opened.program)) {
            for (const QPushButton* b : form->findChildren<QPushButton*>()) {
                QVERIFY2(!printOrBack.match(b->objectName()).hasMatch() || !b->isEnabled(),
                         qPrintable(form->objectName() + ' ' + b->objectName()));
            }
        }
    }

    void badFile_data() {
        columns<QString, QString, QString>("form1", "heading", "problem");
        using testing::row;
        const QString sound = R"("format": "fiscora-year", "version": 1, "year": "2012-13")";
        // clang-format off
        row("not-json", {"{}", "\"format\": oops", "not JSON"});
        row("other-format", {"{}", R"("format": "csv", "version": 1)", R"("format" is not "fiscora-year")"});
        row("later-version", {"{}", QString(sound).replace(": 1,", ": 2,"), "later version"});
        row("version-not-a-number", {"{}", QString(sound).replace(": 1,", ": \"1\","), R"("version" is not a number)"});
        row("other-year", {"{}", QString(sound).replace("2012-13", "2013-14"), R"("year" is not "2012-13")"});
        row("form-not-an-object", {"[]", sound, R"("Form1" is not an object)"});
        row("field-a-number", {R"j({"txtbp(3)": 21000})j", sound, R"j("Form1" "txtbp(3)" is not a text)j"});
        row("selection-true", {R"({"cbonps": true})", sound, R"("Form1" "cbonps" is not a text)"});
        row("check-box-2", {R"({"chkinc": 2})", sound, R"("Form1" "chkinc" is not 0 or 1)"});
        row("check-box-text", {R"({"chkinc": "1"})", sound, R"("Form1" "chkinc" is not a number)"});
        row("name-27-characters", {R"({"txtnam": "Asha Kumari Venkataraman Iye"})", sound, R"("Form1" "txtnam" is longer than its field allows (26 characters))"});
        row("two-options-selected", {R"({}, "Form4": {"optso": true, "optrent": true})", sound, R"("Form4" options "optso" and "optrent" are both selected)"});
        row("no-option-selected", {R"({}, "Form4": {"optb499": false, "opta499": false})", sound, R"("Form4" options "optb499", "opta499": none is selected)"});
        row("date-not-a-day", {R"({}, "frmrel89": {"dtpdob": "1958-02-30"})", sound, R"("frmrel89" "dtpdob" is not a date between 1900-01-01 and 2013-03-31)"});
        row("date-after-the-year", {R"({}, "frmrel89": {"dtpdob": "2013-04-01"})", sound, "is not a date between"});
        row("date-other-form", {R"({}, "frmrel89": {"dtpdob": "15/08/1958"})", sound, "is not a date between"});
        row("over-1-MB", {R"({"txtnam": "a"})" + QString(1024 * 1024, ' '), sound, "larger than 1 MB"});
        // clang-format on
    }

    // The worksheet's figure comes first in the file and is sound: it must not be taken either.
    void badFile() {
        auto [form1, heading, problem] =
            fetch<QString, QString, QString>("form1", "heading", "problem");
        const QString path = dir_.filePath("bad.fiscora");
        // A later form with a problem of its own, unless the row's problem is in a later form.
        const QString later = form1.contains("}, ") ? "" : R"(, "Form2": {"txtRP": 5})";
        writeText(path, ("{" + heading + R"(, "frmmain": {"txtgs": "777", "optso": 5}, "Form1": )" +
                         form1 + later + R"(, "unknown": 3})")
                            .toUtf8());
        testing::Hub hub;
        testing::fill(&hub.w, "txtos=5000");
        testing::fill(&hub.program.houseProperty().get(), "optso");
        const QStringList before = everything(hub.program);
        QVERIFY(!hub.program.year().open(path));
        QCOMPARE(hub.shown().size(), 1);
        QVERIFY2(hub.shown()[0].contains(path) && hub.shown()[0].contains(problem),
                 qPrintable(hub.shown()[0]));
        QCOMPARE(everything(hub.program), before);
        QVERIFY(!hub.program.salary().exists() && hub.program.year().modified());
    }

    void failedSave_data() {
        columns<QString, QString>("where", "reason");
        testing::row("disk-full-old-file-whole", {"full/year.fiscora", "File too large"});
        testing::row("folder-gone", {"gone/year.fiscora", "No such file"});
        testing::row("folder-is-a-file", {"old.txt/year.fiscora", "Not a directory"});
    }

    // Run as root, a read-only folder takes writes all the same; a file size limit fails the
    // write as a full disk would, whoever runs the test.
    void failedSave() {
        auto [where, reason] = fetch<QString, QString>("where", "reason");
        QVERIFY(QDir(dir_.path()).mkpath("full"));
        const QString path = dir_.filePath(where);
        writeText(dir_.filePath("full/year.fiscora"), "old year");
        writeText(dir_.filePath("old.txt"), "old text");
        testing::Hub hub;
        testing::fill(&hub.w, "txtname=Asha");
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &small);
        const bool saved = hub.program.year().saveTo(path);
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!saved);
        QCOMPARE(hub.shown().size(), 1);
        QVERIFY2(hub.shown()[0].contains(path) && hub.shown()[0].contains(reason),
                 qPrintable(hub.shown()[0]));
        QCOMPARE(fileText(dir_.filePath("full/year.fiscora")), QByteArray("old year"));
        QCOMPARE(fileText(dir_.filePath("old.txt")), QByteArray("old text"));
        QVERIFY(hub.program.year().path().isEmpty() && hub.program.year().modified());
        QCOMPARE(QDir(dir_.filePath("full")).entryList(QDir::Files), QStringList{"year.fiscora"});
    }

    void unsavedChanges_data() {
        columns<QString, int, bool>("change", "choice", "closeBox");
        using C = toolkit::Questions::Choice;
        QTest::newRow("field-save-ends-with-file-written")
            << "frmmain/txtos=5" << int(C::Save) << false;
        QTest::newRow("selection-discard-ends") << "Form1/cboclass1=Y" << int(C::Discard) << true;
        QTest::newRow("option-cancel-stays") << "Form4/optso" << int(C::Cancel) << false;
        QTest::newRow("check-box-cancel-close-box-stays")
            << "Form1/chkinc" << int(C::Cancel) << true;
        QTest::newRow("date-of-birth-discard-ends")
            << "frmrel89/dtpdob=1958-08-15" << int(C::Discard) << false;
        QTest::newRow("unchanged-ends-unasked") << "" << int(C::Cancel) << false;
    }

    void unsavedChanges() {
        auto [change, choice, closeBox] = fetch<QString, int, bool>("change", "choice", "closeBox");
        const QString path = dir_.filePath("kept.fiscora");
        testing::Hub hub;
        everyForm(hub.program); // forms read unseen must not keep the program alive
        QVERIFY(hub.program.year().saveTo(path));
        const QByteArray before = fileText(path);
        QCOMPARE(hub.w.windowTitle(), "kept.fiscora[*] - Fiscora1213 - Income Tax Calculator");
        QVERIFY(!hub.w.isWindowModified());

        if (!change.isEmpty()) {
            for (QWidget* form : everyForm(hub.program)) {
                if (change.startsWith(form->objectName() + '/')) {
                    testing::fill(form, change.section('/', 1));
                }
            }
        }
        QCOMPARE(hub.w.isWindowModified(), !change.isEmpty());
        hub.fakes.choice = toolkit::Questions::Choice(choice);
        if (closeBox) {
            hub.w.close();
        } else {
            testing::button(&hub.w, "cmdexit")->click();
        }
        const bool goesOn = change.isEmpty() || choice != int(toolkit::Questions::Choice::Cancel);
        QCOMPARE(hub.fakes.asked.size(), change.isEmpty() ? 0 : 1);
        QCOMPARE(hub.program.ended(), goesOn);
        QCOMPARE(hub.w.isVisible(), !goesOn);
        QCOMPARE(fileText(path) != before,
                 choice == int(toolkit::Questions::Choice::Save) && !change.isEmpty());
        QCOMPARE(hub.w.isWindowModified(),
                 !change.isEmpty() && choice != int(toolkit::Questions::Choice::Save));
    }

    // Detail forms built ahead while the program is idle are not yet the year's: Save leaves
    // them out, and the first Calc. shows the one built, not another.
    void formsBuiltAhead() {
        testing::Hub hub;
        hub.program.prepareDetailForms();
        QTest::qWait(20);
        QVERIFY(!hub.program.salary().exists());
        QCOMPARE(hub.program.year().record().forms().size(), 1); // the worksheet alone
        const auto forms = QApplication::topLevelWidgets().size();
        testing::button(&hub.w, "cmdcalgs")->click();
        QVERIFY(hub.program.salary().exists());
        QCOMPARE(QApplication::topLevelWidgets().size(), forms);
    }

    void whatMarksTheYear_data() {
        columns<QString, QString, bool>("calcs", "closed", "modified");
        QTest::newRow("calc-buttons-copying-in-mark-nothing") << "cmdcalgs cmdcalhr cmdcalded80"
                                                              << "" << false;
        QTest::newRow("closing-a-changed-form-marks") << "cmdcalhr"
                                                      << "Form2" << true;
        QTest::newRow("closing-a-form-at-its-design-marks-nothing") << "cmdcalhp"
                                                                    << "Form4" << false;
    }

    // What the program writes as a form opens (the name, the carried pay, the pension) is not
    // a change of the user's; closing a form's window throws its figures away, which is.
    void whatMarksTheYear() {
        auto [calcs, closed, modified] =
            fetch<QString, QString, bool>("calcs", "closed", "modified");
        const QString path = dir_.filePath("marks.fiscora");
        writeText(path, R"({"format": "fiscora-year", "version": 1, "year": "2012-13",
            "frmmain": {"txtname": "Asha", "txtbp": "258080", "txtmgc": "52288"}})");
        testing::Hub hub;
        QVERIFY(hub.program.year().open(path));
        for (const QString& calc : calcs.split(' ')) {
            testing::button(&hub.w, calc)->click();
        }
        for (QWidget* form : QApplication::topLevelWidgets()) {
            if (form->objectName() == closed) {
                form->close();
            }
        }
        QCOMPARE(hub.program.year().modified(), modified);
        QVERIFY(!hub.program.year().record().holds(closed));
    }

    // The law as enacted and its answers come back with the file, the worksheet's date of
    // birth on the relief form too; a file that gives the two forms different dates is refused.
    void lawKeptInTheFile() {
        const QString path = dir_.filePath("law.fiscora");
        testing::Hub saved;
        saved.program.menu().actLawAsEnacted->trigger();
        saved.w.findChild<QDateEdit*>("dtpdob")->setDate({1952, 8, 15});
        testing::fill(&saved.w, "txtpt=2500");
        QVERIFY(saved.program.year().saveTo(path));
        testing::Hub opened;
        QVERIFY(opened.program.year().open(path));
        QVERIFY(opened.program.menu().actLawAsEnacted->isChecked());
        QVERIFY(opened.w.windowTitle().contains("(Law as Enacted)"));
        QCOMPARE(testing::texts(&opened.w, "txtpt"), QString("2500"));
        QCOMPARE(opened.program.relief().get().dtpdob->date(), QDate(1952, 8, 15));
        QVERIFY(!opened.program.year().modified());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        text.replace(R"("frmmain": {)", R"("frmrel89": {"dtpdob": "1950-01-01"}, "frmmain": {)");
        QVERIFY(std::holds_alternative<QString>(year::fromJson(text)));
    }

    // A pipe would block a read for ever, a folder cannot be one: both refused unread.
    void notAFile() {
        const QString pipe = dir_.filePath("pipe.fiscora");
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const QString& path : {pipe, dir_.path()}) {
            testing::Hub hub;
            QVERIFY(!hub.program.year().open(path));
            QCOMPARE(hub.shown().size(), 1);
            QVERIFY2(hub.shown()[0].contains("not a file"), qPrintable(hub.shown()[0]));
        }
    }

    // Every control of every form that holds a text, a selection, an option, a check or a
    // date is a key of the year, and every key a control: the same kind, the same design
    // value, the caption it is known by, and the limit its form types to.
    void schemaHoldsEveryControl() {
        testing::Hub hub;
        for (QWidget* form : everyForm(hub.program)) {
            const year::FormSchema* schema = year::formSchema(form->objectName());
            QVERIFY2(schema, qPrintable(form->objectName()));
            const year::FormRecord made = toolkit::recordOf(*form);
            QStringList controls;
            for (QWidget* w : form->findChildren<QWidget*>()) {
                const auto kind = kindOf(w);
                if (!kind) {
                    continue;
                }
                controls << w->objectName();
                const int at = schema->find(w->objectName());
                QVERIFY2(at >= 0, qPrintable(form->objectName() + ' ' + w->objectName()));
                const year::Key& key = schema->keys[std::size_t(at)];
                QCOMPARE(key.kind, *kind);
                QCOMPARE(key.design, made[key.name]);
                QCOMPARE(key.what, w->accessibleName().isEmpty() ? key.what : w->accessibleName());
                if (auto* field = qobject_cast<QLineEdit*>(w); field && !field->isReadOnly()) {
                    field->setText("7");
                    QTest::keyClicks(field, QString(39, '7'));
                    // (A mediclaim over its limit is put back to the limit at once.)
                    QVERIFY2(field->text().size() == std::min(40, key.typed) ||
                                 !field->text().startsWith("77"),
                             qPrintable(key.name));
                }
            }
            for (const QAction* a : form->findChildren<QAction*>()) { // the menu's checks
                if (a->isCheckable()) {
                    controls << a->objectName();
                    const year::Key& key = schema->key(a->objectName());
                    QCOMPARE(key.kind, year::Kind::Check);
                    QCOMPARE(key.what, QString(a->text()).remove('&'));
                }
            }
            QStringList keys;
            for (const year::Key& key : schema->keys) {
                keys << key.name;
            }
            QCOMPARE(controls, keys);
        }
    }

private:
    // The kind of a control the year keeps, as the widget itself tells it (a selection's
    // own line edit is the selection's).
    static std::optional<year::Kind> kindOf(const QWidget* w) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_") ||
            qobject_cast<const QComboBox*>(w->parentWidget())) {
            return std::nullopt;
        }
        const std::pair<const char*, year::Kind> kinds[] = {{"QLineEdit", year::Kind::Text},
                                                            {"QComboBox", year::Kind::Selection},
                                                            {"QDateEdit", year::Kind::Date},
                                                            {"QRadioButton", year::Kind::Option},
                                                            {"QCheckBox", year::Kind::Check}};
        for (const auto& [type, kind] : kinds) {
            if (w->inherits(type)) {
                return kind;
            }
        }
        return std::nullopt;
    }

    QTemporaryDir dir_;
};

QTEST_MAIN(TestYearFile)
#include "tst_year_file.moc"
