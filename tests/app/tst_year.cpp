// The year: worked through every form by the hub, random years alike in the window and workOut
// and kept through Save and Open, bad files refused with nothing changed, a failed save leaving
// the old file whole, what marks the year and the question then; the docs' list of the keys.
#include "support/files.h"
#include "support/hub.h"
#include "support/random_text.h"
#include "year/file.h"
#include "year/work.h"

#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace testing;

namespace {

// A year as an office might write it: each detail form held or not, each field the user types
// a plausible figure, now and then anything at all; options, selections, the box and the date
// at random, now and then one the form refuses.
year::Record randomYear(std::mt19937_64& random) {
    year::Record record;
    for (const year::FormSchema& schema : year::schema()) {
        if (schema.name != year::form::worksheet && random() % 4 == 0) {
            continue;
        }
        year::FormRecord& form = record.hold(schema.name);
        for (const year::Key& key : schema.keys) {
            const bool odd = random() % 80 == 0;
            switch (key.kind) {
            case year::Kind::Text:
                form.set(key.name, odd ? textFor(random).left(key.longest)
                                       : QString::number(random() % 90000));
                break;
            case year::Kind::Selection:
                form.set(key.name, odd ? textFor(random)
                                       : QStringList{"Y", "N", "X", "Z", "B-1"}[int(random() % 5)]);
                break;
            case year::Kind::Check:
                form.setOn(key.name, random() % 2);
                break;
            case year::Kind::Date:
                form.set(key.name,
                         QDate(1900, 1, 1).addDays(qint64(random() % 41500)).toString(Qt::ISODate));
                break;
            case year::Kind::Option:
                break;
            }
        }
        for (const year::Key& key : schema.keys) {
            if (key.kind == year::Kind::Option && random() % 2) { // one of its group selected
                for (const year::Key& member : schema.keys) {
                    if (member.group == key.group) {
                        form.setOn(member.name, member.name == key.name);
                    }
                }
            }
        }
    }
    // The taxpayer's birth and sex are one fact of the year, on the worksheet and the relief form.
    if (year::FormRecord* relief = record.find(year::form::relief)) {
        for (const char* fact : {"dtpdob", "optmale", "optfemale"}) {
            relief->set(fact, record.hold(year::form::worksheet)[fact]);
        }
    }
    return record;
}

// What only the law as enacted asks, put back to its design: the program's own law must come
// to the same figures without it.
year::Record withoutTheLawsQuestions(year::Record record) {
    const std::pair<QString, const char*> asked[] = {
        {year::form::worksheet, "txtpt"},       {year::form::hra, "chkmetro"},
        {year::form::deductions, "txt80dp"},    {year::form::deductions, "chk80dsen"},
        {year::form::deductions, "chk80dpsen"}, {year::form::deductions, "txt80tta"}};
    for (const auto& [form, key] : asked) {
        if (year::FormRecord* f = record.find(form)) {
            f->set(key, f->schema().key(key).design);
        }
    }
    return record;
}

// The docs' list of keys, as the schema gives it.
const QString listFrom = QStringLiteral("<!-- The keys, written from the program's schema. -->\n");
const QString listTo = QStringLiteral("<!-- End of the keys. -->\n");

QString kindName(const year::Key& key) {
    switch (key.kind) {
    case year::Kind::Text:
        return QStringLiteral("field");
    case year::Kind::Selection:
        return QStringLiteral("selection");
    case year::Kind::Option:
        return QStringLiteral("option (%1)").arg(key.group);
    case year::Kind::Check:
        return QStringLiteral("check box");
    case year::Kind::Date:
        return QStringLiteral("date");
    }
    return {};
}

QString written(const year::Key& key) {
    switch (key.kind) {
    case year::Kind::Option:
        return key.design == QLatin1String("1") ? QStringLiteral("`true`")
                                                : QStringLiteral("`false`");
    case year::Kind::Check:
        return QStringLiteral("`%1`").arg(key.design);
    default:
        return QStringLiteral("`\"%1\"`").arg(key.design);
    }
}

QString keysText() {
    QString text;
    for (const year::FormSchema& form : year::schema()) {
        text += QStringLiteral("\n### `%1`\n\n| Key | Kind | Design | Longest | What it holds |\n"
                               "|---|---|---|---|---|\n")
                    .arg(form.name);
        for (const year::Key& key : form.keys) {
            const bool text_ = key.kind == year::Kind::Text || key.kind == year::Kind::Selection;
            QString longest = text_ ? QString::number(key.longest) : QString();
            if (key.typed < key.longest) {
                longest += QStringLiteral(" (typed: %1)").arg(key.typed);
            }
            text += QStringLiteral("| `%1` | %2 | %3 | %4 | %5 |\n")
                        .arg(key.name, kindName(key), written(key), longest,
                             QString(key.what).replace('|', "\\|"));
        }
    }
    return text + '\n';
}

} // namespace

class TestYear : public QObject {
    Q_OBJECT
private slots:
    // The years opened here must not join the user's recent files.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The figures, worked by hand:
    // Salary: basic pay 21000 and grade pay 4200 from January 2012, NPS "Y", HRA class "X":
    //   gross 700280, transport exempt 9600 (800 a month); carriers: basic pay 258080,
    //   DA 214424, HRA drawn 92544, grade pay 50400, NPS contribution 52288.
    // HRA, rent 120000: a tenth of 258080 + 214424 + 50400 = 522904 is 52290; rent above it
    //   67710, less than the 92544 drawn: exempt 67710. Other sources 5000.
    // House property, self-occupied, interest 180000: capped at 150000; income -150000.
    // Deductions: 80C 30000 + 20000 + 12000 = 62000; with the employee's NPS 52288, 114288 is
    //   cut to 100000, plus the government's 52288 = 152288; 80CCF 25000 cut to 20000;
    //   80D 18000; 80G 2000: 192288.
    // Worksheet, tax deducted 20000: exempt 9600 + 67710 = 77310; salary 622970; gross total
    //   income 622970 - 150000 + 5000 = 477970; net taxable 285682, to the ten rupees 285680;
    //   tax 10% of 85680 = 8568; cess 3% 257; total 8825; balance -11175.
    void wholeYearThroughEveryForm() {
        Hub hub;
        MainWorksheet& w = hub.w;
        activate(&w);
        fill(&w, "txtname=Ravi Kumar Srinivasan Iyengar"); // 29 characters
        SalaryForm& salary = hub.open("cmdcalgs", hub.program.salary());
        QVERIFY(QTest::qWaitForWindowActive(&salary));
        // The field holds 26 characters, whoever writes them, so that the year saved opens again.
        QCOMPARE(texts(&salary, "txtnam"), texts(&w, "txtname").left(26));
        QTRY_VERIFY(find<QComboBox>(&salary, "cbonps")->hasFocus());
        // Calc. selects the whole of "N": "Y" replaces it.
        QTRY_COMPARE(find<QComboBox>(&salary, "cbonps")->lineEdit()->selectedText(), QString("N"));
        typeText(salary.windowHandle(), "Y");
        fill(&salary, "txtbp(0)=21000;txtgp(0)=4200");
        salary.calculate();
        QTest::mouseClick(button(&salary, "cmdbak"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(texts(&w, "txtgs txttp txtbp txtda txthrr txtnpa txtmgc"),
                 QString("700280 9600 258080 214424 92544 50400 52288"));
        QTRY_VERIFY(button(&w, "cmdcalhr")->hasFocus());
        QVERIFY(salary.isVisible()); // behind the worksheet, for the next Calc.

        QTest::keyClick(w.windowHandle(), Qt::Key_Space); // the HRA's Calc., which has the focus
        HraForm& hra = hub.program.hra().get();
        fill(&hra, "txtRP=120000");
        hra.calculate();
        hra.back();
        fill(&w, "txtos=5000");

        HousePropertyForm& house = hub.open("cmdcalhp", hub.program.houseProperty());
        fill(&house, "optso;txtintt=180000");
        house.calculate();
        house.back();

        DeductionsForm& ded = hub.open("cmdcalded80", hub.program.deductions());
        QCOMPARE(texts(&ded, "txt80ccdec txt80ccdgc"), QString("52288 52288"));
        fill(&ded,
             "txtlic=30000;txtppf=20000;txttf1=12000;txt80ccf=25000;txt80d=18000;txt80g=2000");
        ded.calculate();
        ded.back();

        fill(&w, "txtdedtax=20000");
        QTest::mouseClick(button(&w, "cmdcalc"), Qt::LeftButton);
        QCOMPARE(texts(&w, "txthra txthp txtded80 txtexall txtnsal txtgti txtnti txtgtax txtcess "
                           "txtttax txtbaltax"),
                 QString("67710 -150000 192288 77310 622970 477970 285680 8568 257 8825 -11175"));
        QVERIFY(button(&w, "cmdprint")->isEnabled());
        QVERIFY(hub.shown().isEmpty());
        // Each Calc. gives the salary form the worksheet's name afresh; Exit hides it too.
        fill(&w, "txtname=Meena");
        QCOMPARE(&hub.open("cmdcalgs", hub.program.salary()), &salary);
        QCOMPARE(texts(&salary, "txtnam"), QString("Meena"));
        QTest::mouseClick(button(&w, "cmdexit"), Qt::LeftButton);
        QVERIFY(hub.program.ended() && !salary.isVisible());
    }

    void windowAndWorkOutAgree_data() {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed = 1; seed <= 30; ++seed) {
            QTest::newRow(qPrintable(QStringLiteral("seed-%1").arg(seed))) << seed;
        }
    }

    // A random year opened in the window and pressed through its forms as the worksheet leads
    // them ends exactly where the year worked out on its record ends: every key of every form,
    // and the message of the step that refused, if one did. Saved then and opened again, it
    // comes back whole: every key, the forms made only when used, and once made every yellow
    // mark and the senior note as before; nothing said or marked, Print and every Back withdrawn.
    void windowAndWorkOutAgree() {
        QFETCH(quint64, seed);
        std::mt19937_64 random(seed);
        const year::Record given = randomYear(random);
        const year::Worked worked = year::workOut(given, fiscora::law2012(year::modeOf(given)));
        if (year::modeOf(given) == fiscora::Mode::Program) { // the law's answers change nothing
            const year::Worked plain =
                year::workOut(withoutTheLawsQuestions(given), fiscora::law2012());
            QCOMPARE(year::toJson(withoutTheLawsQuestions(plain.record)),
                     year::toJson(withoutTheLawsQuestions(worked.record)));
        }

        QVERIFY(year::writeFile(dir_.filePath("random.fiscora"), given).isEmpty());
        Hub hub;
        QVERIFY(hub.program.year().open(dir_.filePath("random.fiscora")));
        const auto press = [&](QWidget* form, const char* name) {
            if (hub.shown().isEmpty()) {
                button(form, name)->click();
            }
        };
        // The detail form's Calc., Calculate and Back, when the year holds the form.
        const auto through = [&](const QString& held, const char* calc, auto& lazy,
                                 const char* calculate, const char* back) {
            if (given.holds(held) && hub.shown().isEmpty()) {
                press(&hub.w, calc);
                press(&lazy.get(), calculate);
                if (button(&lazy.get(), back)->isEnabled()) {
                    press(&lazy.get(), back);
                }
            }
        };
        through(year::form::salary, "cmdcalgs", hub.program.salary(), "cmdcal", "cmdbak");
        through(year::form::hra, "cmdcalhr", hub.program.hra(), "cmdcal", "cmdback");
        through(year::form::houseProperty, "cmdcalhp", hub.program.houseProperty(), "cmdtot",
                "cmdbk");
        through(year::form::deductions, "cmdcalded80", hub.program.deductions(), "cmdtot", "cmdbk");
        press(&hub.w, "cmdcalc");
        if (given.holds(year::form::relief)) {
            through(year::form::relief, "cmdcalrel89", hub.program.relief(), "cmdcal", "cmdbak");
            press(&hub.w, "cmdcalc");
        }
        QCOMPARE(hub.shown().value(0), worked.refusal ? worked.refusal->message : QString());
        QCOMPARE(keysOf(hub.program.year().record()), keysOf(worked.record));

        QVERIFY(hub.program.year().saveTo(dir_.filePath("again.fiscora")));
        Hub again;
        QVERIFY(again.program.year().open(dir_.filePath("again.fiscora")));
        QCOMPARE(keysOf(again.program.year().record()), keysOf(hub.program.year().record()));
        QVERIFY(!again.program.salary().exists() && !again.program.year().modified());
        const QList<QWidget*> forms = again.forms(), was = hub.forms();
        QCOMPARE(keysOf(again.program.year().record()), keysOf(hub.program.year().record()));
        QVERIFY(again.shown().isEmpty() && !again.program.year().modified());
        const QRegularExpression printOrBack("^cmd(print|prn|bak|back|bk)$");
        for (int f = 0; f < 6; ++f) {
            for (const QLineEdit* field : forms[f]->findChildren<QLineEdit*>()) {
                QCOMPARE(field->objectName() + ' ' + field->toolTip(),
                         field->objectName() + ' ' +
                             was[f]->findChild<QLineEdit*>(field->objectName())->toolTip());
            }
            for (const QPushButton* b : forms[f]->findChildren<QPushButton*>()) {
                QVERIFY2(!printOrBack.match(b->objectName()).hasMatch() || !b->isEnabled(),
                         qPrintable(forms[f]->objectName() + ' ' + b->objectName()));
            }
        }
        const year::Record opened = again.program.year().record();
        QCOMPARE(
            !again.program.relief().get().lblsenior->isHidden(),
            !year::seniorNote(*opened.find(year::form::relief), year::modeOf(opened)).isEmpty());
    }

    // Year > Work out under the Law as Enacted: the senior scale for one born on 15 August
    // 1952 (60 in the year) on 6,00,000, 25,000 + 20,000 and cess 1,350; switched back, the
    // program's own 51,500. Each switch marks the year and withdraws Print.
    void lawAsEnactedThroughTheWindow() {
        Hub hub;
        QAction* law = hub.program.menu().actLawAsEnacted;
        auto* birth = hub.w.findChild<QDateEdit*>("dtpdob");
        QVERIFY(birth->isHidden());
        fill(&hub.w, "txtgs=600000");
        button(&hub.w, "cmdcalc")->click();
        QCOMPARE(texts(&hub.w, "txtttax"), QString("51500"));
        law->trigger();
        QVERIFY(hub.w.windowTitle().endsWith("Income Tax Calculator (Law as Enacted)"));
        QVERIFY(!birth->isHidden() && hub.program.year().modified());
        QVERIFY(!button(&hub.w, "cmdprint")->isEnabled());
        QCOMPARE(texts(&hub.w, "txtttax txtnti"), QString("0 0"));
        birth->setDate({1952, 8, 15});
        button(&hub.w, "cmdcalc")->click();
        QCOMPARE(texts(&hub.w, "txtgtax txtcess txtttax"), QString("45000 1350 46350"));
        // The relief form shows the same taxpayer, and gives the date back when changed there.
        ReliefForm& relief = hub.open("cmdcalrel89", hub.program.relief());
        QCOMPARE(relief.dtpdob->date(), QDate(1952, 8, 15));
        QVERIFY(relief.lblsenior->isHidden());
        relief.dtpdob->setDate({1933, 4, 1});
        relief.optfemale->setChecked(true);
        QCOMPARE(birth->date(), QDate(1933, 4, 1));
        QVERIFY(hub.w.findChild<QRadioButton*>("optfemale")->isChecked());
        law->trigger();
        QVERIFY(birth->isHidden() && !relief.lblsenior->isHidden());
        QVERIFY(hub.w.windowTitle().endsWith("Income Tax Calculator"));
        button(&hub.w, "cmdcalc")->click();
        QCOMPARE(texts(&hub.w, "txtttax"), QString("51500"));
        QVERIFY(hub.shown().isEmpty());
    }

    // A step on a form's record, under each law: what it reads and where it writes.
    void stepOnItsRecord_data() {
        columns<bool, QString, QString, QString>("enacted", "form", "given", "after");
        // clang-format off
        const QString d = "txt80d=18000;txt80dp=25000;chk80dpsen=1;txt80tta=12000";
        QTest::newRow("law-80d-family-15000-parents-60-20000-80tta-10000") << true << year::form::deductions << d << "txt80d=15000 txt80dp=20000 txt80tta=10000 txtgt80=45000";
        QTest::newRow("program-80d-one-field-parents-and-80tta-unread") << false << year::form::deductions << d << "txt80d=18000 txt80dp=25000 txt80tta=12000 txtgt80=18000";
        // 2005-06, a woman: 1,35,000 free, 10% to 1,50,000, 20% above, cess 2%.
        const QString r = "dtpdob=1970-01-01;optmale=0;optfemale=1;txtti(0)=200000;txtarr(0)=20000;txtitem(3)=500000";
        QTest::newRow("relief-table-a-2005-06-row-woman") << false << year::form::relief << r << "txtcat(0)=Woman txtti2(0)=220000 txttax1(0)=11730 txttax2(0)=15810 txtdiff(0)=4080";
        // clang-format on
    }
    void stepOnItsRecord() {
        QFETCH(bool, enacted);
        QFETCH(QString, form);
        QFETCH(QString, given);
        QFETCH(QString, after);
        const fiscora::Mode mode = enacted ? fiscora::Mode::Enacted : fiscora::Mode::Program;
        year::Record record;
        year::FormRecord& f = record.hold(form);
        for (const QString& pair : given.split(';')) {
            f.set(pair.section('=', 0, 0), pair.section('=', 1));
        }
        const year::Step step = form == year::form::relief
                                    ? year::calculateRelief(f, mode)
                                    : year::calculateDeductions(f, fiscora::law2012(mode));
        QVERIFY(std::holds_alternative<year::Writes>(step));
        year::apply(f, std::get<year::Writes>(step));
        QStringList got;
        for (const QString& pair : after.split(' ')) {
            got << pair.section('=', 0, 0) + '=' + f[pair.section('=', 0, 0)];
        }
        QCOMPARE(got.join(' '), after);
    }

    void badFile_data() {
        columns<QString, QString, QString>("form1", "heading", "problem");
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
        row("two-dates-of-birth", {R"({}, "frmrel89": {"dtpdob": "1950-01-01"})", sound, R"("frmmain" and "frmrel89" give different dates of birth)"});
        row("over-1-MB", {R"({"txtnam": "a"})" + QString(1024 * 1024, ' '), sound, "larger than 1 MB"});
        // A pipe would block a read for ever, a folder cannot be one: both refused unread.
        row("pipe", {"", "pipe", "not a file"});
        row("folder", {"", "folder", "not a file"});
        // clang-format on
    }

    // The worksheet's figure comes first in the file and is sound: it must not be taken either.
    void badFile() {
        auto [form1, heading, problem] =
            fetch<QString, QString, QString>("form1", "heading", "problem");
        const QString path =
            heading == "folder" ? dir_.path()
                                : dir_.filePath(heading == "pipe" ? "pipe.fiscora" : "bad.fiscora");
        // A later form with a problem of its own, unless the row's problem is in a later form.
        const QString later = form1.contains("}, ") ? "" : R"(, "Form2": {"txtRP": 5})";
        const QString sound =
            R"(, "frmmain": {"txtgs": "777", "optso": 5, "dtpdob": "1960-01-01"})";
        if (heading == "pipe") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (heading != "folder") {
            putFile(path, ("{" + heading + sound + R"(, "Form1": )" + form1 + later +
                           R"(, "unknown": 3})")
                              .toUtf8());
        }
        Hub hub;
        fill(&hub.w, "txtos=5000");
        fill(&hub.program.houseProperty().get(), "optso");
        const QStringList before = keysOf(hub.program.year().record());
        QVERIFY(!hub.program.year().open(path));
        QCOMPARE(hub.shown().size(), 1);
        QVERIFY2(hub.shown()[0].contains(path) && hub.shown()[0].contains(problem),
                 qPrintable(hub.shown()[0]));
        QCOMPARE(keysOf(hub.program.year().record()), before);
        QVERIFY(!hub.program.salary().exists() && hub.program.year().modified());
    }

    void failedSave_data() {
        columns<QString, QString>("where", "reason");
        row("disk-full-old-file-whole", {"full/year.fiscora", "File too large"});
        row("folder-gone", {"gone/year.fiscora", "No such file"});
        row("folder-is-a-file", {"old.txt/year.fiscora", "Not a directory"});
    }

    // Run as root, a read-only folder takes writes all the same; a file size limit fails the
    // write as a full disk would, whoever runs the test.
    void failedSave() {
        auto [where, reason] = fetch<QString, QString>("where", "reason");
        const QString path = dir_.filePath(where);
        putFile(dir_.filePath("full/year.fiscora"), "old year");
        putFile(dir_.filePath("old.txt"), "old text");
        Hub hub;
        fill(&hub.w, "txtname=Asha");
        QVERIFY(!onFullDisk(100, [&hub, &path] { return hub.program.year().saveTo(path); }));
        QCOMPARE(hub.shown().size(), 1);
        QVERIFY2(hub.shown()[0].contains(path) && hub.shown()[0].contains(reason),
                 qPrintable(hub.shown()[0]));
        QCOMPARE(fileText(dir_.filePath("full/year.fiscora")), QByteArray("old year"));
        QCOMPARE(fileText(dir_.filePath("old.txt")), QByteArray("old text"));
        QVERIFY(hub.program.year().path().isEmpty() && hub.program.year().modified());
        QCOMPARE(QDir(dir_.filePath("full")).entryList(QDir::Files), QStringList{"year.fiscora"});
    }

    // Detail forms built ahead while the program is idle are not yet the year's: Save leaves
    // them out, and the first Calc. shows the one built, not another.
    void formsBuiltAhead() {
        Hub hub;
        hub.program.prepareDetailForms();
        QTest::qWait(20);
        QVERIFY(!hub.program.salary().exists());
        QCOMPARE(hub.program.year().record().forms().size(), 1); // the worksheet alone
        const auto forms = QApplication::topLevelWidgets().size();
        button(&hub.w, "cmdcalgs")->click();
        QVERIFY(hub.program.salary().exists());
        QCOMPARE(QApplication::topLevelWidgets().size(), forms);
    }

    void whatMarksTheYear_data() {
        // steps: Calc. buttons, "form/entry" filled, "close:form"; then Exit (or the close box)
        columns<QString, bool, int, bool>("steps", "modified", "choice", "closeBox");
        using C = toolkit::Questions::Choice;
        // clang-format off
        QTest::newRow("calc-buttons-copying-in-mark-nothing-exit-unasked") << "cmdcalgs cmdcalhr cmdcalded80" << false << int(C::Cancel) << false;
        QTest::newRow("closing-a-changed-form-marks") << "cmdcalhr close:Form2" << true << int(C::Discard) << false;
        QTest::newRow("closing-a-form-at-its-design-marks-nothing") << "cmdcalhp close:Form4" << false << int(C::Cancel) << true;
        QTest::newRow("field-save-ends-with-file-written") << "frmmain/txtos=5" << true << int(C::Save) << false;
        QTest::newRow("selection-discard-ends") << "Form1/cboclass1=Y" << true << int(C::Discard) << true;
        QTest::newRow("option-cancel-stays") << "Form4/optso" << true << int(C::Cancel) << false;
        QTest::newRow("check-box-cancel-close-box-stays") << "Form1/chkinc" << true << int(C::Cancel) << true;
        QTest::newRow("date-of-birth-discard-ends") << "frmrel89/dtpdob=1958-08-15" << true << int(C::Discard) << false;
        // clang-format on
    }

    // What the program writes as a form opens (the name, the carried pay, the pension) is not
    // a change of the user's; closing a form's window throws its figures away, which is. Exit
    // and the close box ask about a marked year only; forms read unseen keep nothing alive.
    void whatMarksTheYear() {
        auto [steps, modified, choice, closeBox] =
            fetch<QString, bool, int, bool>("steps", "modified", "choice", "closeBox");
        const QString path = dir_.filePath("marks.fiscora");
        putFile(path, R"({"format": "fiscora-year", "version": 1, "year": "2012-13",
            "frmmain": {"txtname": "Asha", "txtbp": "258080", "txtmgc": "52288"}})");
        Hub hub;
        QVERIFY(hub.program.year().open(path));
        const QByteArray before = fileText(path);
        QCOMPARE(hub.w.windowTitle(), "marks.fiscora[*] - Fiscora1213 - Income Tax Calculator");
        for (const QString& step : steps.split(' ')) {
            for (QWidget* form :
                 step.contains('/') ? hub.forms() : QApplication::topLevelWidgets()) {
                if (step == "close:" + form->objectName()) {
                    form->close();
                } else if (step.startsWith(form->objectName() + '/')) {
                    fill(form, step.section('/', 1));
                }
            }
            if (step.startsWith("cmd")) {
                button(&hub.w, step)->click();
            }
            QVERIFY(!step.startsWith("close:") || !hub.program.year().record().holds(step.mid(6)));
        }
        QCOMPARE(hub.program.year().modified(), modified);
        QCOMPARE(hub.w.isWindowModified(), modified);
        hub.fakes.choice = toolkit::Questions::Choice(choice);
        if (closeBox) {
            hub.w.close();
        } else {
            button(&hub.w, "cmdexit")->click();
        }
        const bool save = choice == int(toolkit::Questions::Choice::Save);
        const bool goesOn = !modified || choice != int(toolkit::Questions::Choice::Cancel);
        QCOMPARE(hub.fakes.asked.size(), int(modified));
        QCOMPARE(hub.program.ended(), goesOn);
        QCOMPARE(hub.w.isVisible(), !goesOn);
        QCOMPARE(fileText(path) != before, save && modified);
        QCOMPARE(hub.w.isWindowModified(), modified && !save);
    }

    // The law as enacted and its answers come back with the file, the worksheet's date of
    // birth on the relief form too (a file giving the two forms different dates: a bad file).
    void lawKeptInTheFile() {
        const QString path = dir_.filePath("law.fiscora");
        Hub saved;
        saved.program.menu().actLawAsEnacted->trigger();
        saved.w.findChild<QDateEdit*>("dtpdob")->setDate({1952, 8, 15});
        fill(&saved.w,
             "txtpt=2500;txtos=12abc;txtname=\"Asha\\\" \u20b9 \u00e9"); // read in part, quoted
        QVERIFY(saved.program.year().saveTo(path));
        Hub opened;
        QVERIFY(opened.program.year().open(path));
        QVERIFY(opened.program.menu().actLawAsEnacted->isChecked());
        QVERIFY(opened.w.windowTitle().contains("(Law as Enacted)"));
        QCOMPARE(texts(&opened.w, "txtpt txtos txtname"), texts(&saved.w, "txtpt txtos txtname"));
        QVERIFY(find(&opened.w, "txtos")->toolTip().startsWith("Read as 12"));
        QCOMPARE(opened.program.relief().get().dtpdob->date(), QDate(1952, 8, 15));
        QVERIFY(!opened.program.year().modified());
    }

    // Every control of every form that holds a text, a selection, an option, a check or a
    // date is a key of the year, and every key a control: the same kind, the same design
    // value, the caption it is known by, and the limit its form types to.
    void schemaHoldsEveryControl() {
        Hub hub;
        for (QWidget* form : hub.forms()) {
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
            QCOMPARE(controls, each(schema->keys, [](const year::Key& key) { return key.name; }));
        }
    }

    // The list of keys in docs/year-file.md is the schema's, written out: a key added, renamed
    // or given another limit without the page following fails here. FISCORA_UPDATE_DOCS=1
    // writes the list afresh from the schema (then read the diff and commit it).
    void docsListEveryKey() {
        const QString path = QStringLiteral(FISCORA_DOCS "/year-file.md");
        QString page = QString::fromUtf8(testing::fileText(path));
        const qsizetype from = page.indexOf(listFrom), to = page.indexOf(listTo);
        QVERIFY2(from >= 0 && to > from, "the page has no list of keys");
        const QString listed = page.mid(from + listFrom.size(), to - from - listFrom.size());
        if (qEnvironmentVariableIsSet("FISCORA_UPDATE_DOCS")) {
            page.replace(from + listFrom.size(), listed.size(), keysText());
            QCOMPARE(testing::putFile(path, page.toUtf8()), path);
            return;
        }
        QCOMPARE(listed, keysText());
    }

private:
    // The kind of a control the year keeps, as the widget itself tells it (a selection's
    // own line edit is the selection's).
    static std::optional<year::Kind> kindOf(const QWidget* w) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_") ||
            qobject_cast<const QComboBox*>(w->parentWidget())) {
            return std::nullopt;
        }
        // clang-format off
        const std::pair<const char*, year::Kind> kinds[] = {{"QLineEdit", year::Kind::Text}, {"QComboBox", year::Kind::Selection},
            {"QDateEdit", year::Kind::Date}, {"QRadioButton", year::Kind::Option}, {"QCheckBox", year::Kind::Check}};
        // clang-format on
        for (const auto& [type, kind] : kinds) {
            if (w->inherits(type)) {
                return kind;
            }
        }
        return std::nullopt;
    }

    QTemporaryDir dir_;
};

QTEST_MAIN(TestYear)
#include "tst_year.moc"
