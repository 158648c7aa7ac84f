// The batch's run on a worker of the test's own (the pages' names, the rows in the order given
// with four jobs, the summary's columns, a run cut short, the refusals, the progress); then the
// program itself on three small year files, one refused by the salary form's Calculate.
#include "batch/run.h"
#include "support/files.h"
#include "support/table.h"

#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using testing::fileText, testing::putFile;

namespace {

QStringList lines(const QString& path) {
    return QString::fromUtf8(fileText(path)).split('\n', Qt::SkipEmptyParts);
}

// Figures named for the file; writes its computation and relief pages (never a statement)
// with the file's path; a file named "bad..." is refused, one named "odd..." warns.
batch::Done fake(const QString& file, const batch::Pages& pages, bool writePages) {
    const QString name = QFileInfo(file).fileName();
    if (name.startsWith("bad")) {
        return {{}, false, false, false, {}, R"(refused: "=bad")"};
    }
    batch::Done done;
    done.figures = QStringList{name, "1", "2", "3", "4", "5"};
    if (name.startsWith("odd")) {
        done.warnings = QStringList{"TAX DEDUCTED read as 10", "HRA read as 7"};
    }
    done.computation = writePages && !putFile(pages.computation, file.toUtf8()).isEmpty();
    done.relief = writePages && !putFile(pages.relief, file.toUtf8()).isEmpty();
    return done;
}

// What was written to the file, or through the terminal (which hands it over in pieces).
QString readBack(std::FILE* file, int terminal) { // and closes them
    QByteArray text(4096, '\0');
    std::fflush(file);
    std::rewind(file);
    std::size_t size = 0;
    if (terminal < 0) {
        size = std::fread(text.data(), 1, text.size(), file);
    }
    for (pollfd ready{terminal, POLLIN, 0}; terminal >= 0 && poll(&ready, 1, 500) > 0;) {
        const auto got = read(terminal, text.data() + size, text.size() - size);
        size += got > 0 ? static_cast<std::size_t>(got) : 0;
        if (got <= 0) {
            break;
        }
    }
    std::fclose(file);
    if (terminal >= 0) {
        close(terminal);
    }
    return QString::fromLocal8Bit(text.left(static_cast<qsizetype>(size)));
}

QStringList inputs(const QTemporaryDir& dir, const QStringList& names) {
    return testing::each(names,
                         [&dir](const QString& n) { return putFile(dir.filePath(n), "input"); });
}

// Basic pay 21000 (the first month's as given) and grade pay 4200 in every month, NPS "Y".
QByteArray salaryTable(const char* firstBasicPay) {
    QByteArray table = R"("cbonps": "Y")";
    for (int row = 0; row < 14; ++row) {
        table += QStringLiteral(R"j(, "txtbp(%1)": "%2", "txtgp(%1)": "4200")j")
                     .arg(row)
                     .arg(row == 0 ? firstBasicPay : "21000")
                     .toUtf8();
    }
    return table;
}

struct YearCase {
    const char* stem;
    QByteArray forms;
    QString row; // after the file's own column; the pages are those it names
};

const YearCase cases[] = {
    // 700280 less 9600 transport: 30000 + 20% of 190680 = 68136, cess 2044, tax 70180.
    {"asha", R"("frmmain": {"txtname": "Asha, Verma"}, "Form1": {)" + salaryTable("21000") + "}",
     R"("Asha, Verma",700280,690680,70180,0,70180,asha-computation.pdf,asha-statement.pdf,,,)"},
    // The top of the 10% slab: 30000, cess 900, less "1,000" deducted, read as 1 and warned of;
    // a name kept as text; arrears of 20000 taxed at 10% and cess in 2011-12 as in this year: no
    // relief, Annexure I.
    {"ravi",
     R"j("frmmain": {"txtname": "=Ravi", "txtgs": "500000", "txtdedtax": "1,000"}, )j"
     R"j("frmrel89": {"txtti(6)": "300000", "txtarr(6)": "20000"})j",
     "'=Ravi,500000,500000,30900,\"1,000\",30899,ravi-computation.pdf,,ravi-relief.pdf,,"
     "TAX DEDUCTED read as 1"},
    {"meena", R"("Form1": {)" + salaryTable("21k") + "}",
     ",,,,,,,,,\"The basic pay in \"\"B.PAY of Jan 12\"\" is not a number."},
};

struct Ran {
    int status;
    QString progress;
};

// The program as the accounts office runs it: no display, a platform that would need one, and
// no runtime folder (of which Qt would speak).
Ran program(const QStringList& arguments) {
    QProcess batch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("DISPLAY");
    env.remove("XDG_RUNTIME_DIR");
    batch.setProcessEnvironment(env);
    batch.start(FISCORA_PROGRAM, arguments);
    return {batch.waitForFinished(60000) ? batch.exitCode() : -1, batch.readAllStandardError()};
}

} // namespace

class TestBatch : public QObject {
    Q_OBJECT
private slots:
    void names_data() {
        testing::columns<QStringList, QString, QStringList>("files", "planted", "pages");
        // clang-format off
        QTest::newRow("two-of-one-stem") << QStringList{"a/emp.fiscora", "b/emp.fiscora"} << "" << QStringList{"emp", "emp-2"};
        QTest::newRow("taken-by-an-earlier-name") << QStringList{"emp.fiscora", "emp-2.fiscora", "a/emp.fiscora"} << "" << QStringList{"emp", "emp-2", "emp-3"};
        QTest::newRow("empty-stem") << QStringList{".fiscora", "a/.fiscora"} << "" << QStringList{"year", "year-2"};
        QTest::newRow("planted-link") << QStringList{"emp.fiscora"} << "out/emp-relief.pdf" << QStringList{"emp-2"};
        QTest::newRow("folder-in-the-way") << QStringList{"emp.fiscora"} << "out/emp-computation.pdf/" << QStringList{"emp-2"};
        QTest::newRow("input-in-the-way") << QStringList{"emp.fiscora", "out/emp-statement.pdf"} << "" << QStringList{"emp-2", "emp-statement"};
        // clang-format on
    }

    // Nothing of the run overwritten by the run, nor an input, nor anything through a link.
    void names() {
        const auto [names, planted, pages] =
            testing::fetch<QStringList, QString, QStringList>("files", "planted", "pages");
        QTemporaryDir dir;
        const QStringList files = inputs(dir, names);
        const QString victim = putFile(dir.filePath("out/victim"), "victim");
        QVERIFY(planted.isEmpty() ||
                (planted.endsWith('/') ? QDir().mkpath(dir.filePath(planted))
                                       : QFile::link(victim, dir.filePath(planted))));
        QCOMPARE(batch::run(dir.filePath("out"), files, {}, fake, nullptr), 0);
        const QStringList summary = lines(dir.filePath("out/summary.csv"));
        QCOMPARE(summary.size(), files.size() + 1);
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(summary[i + 1].split(',').mid(7, 3),
                     (QStringList{pages[i] + "-computation.pdf", "", pages[i] + "-relief.pdf"}));
            QCOMPARE(fileText(dir.filePath("out/" + pages[i] + "-relief.pdf")), files[i]);
            QCOMPARE(fileText(files[i]), "input");
        }
        QCOMPARE(fileText(victim), "victim");
    }

    // Four at once, each file slower than the one after it: the rows keep the order given.
    void summary() {
        QTemporaryDir dir;
        const QStringList files = inputs(dir, {"a", "bad", "c", "odd", "e", "f", "g", "h"});
        std::atomic<int> running = 0, most = 0;
        const batch::Worker slow = [&](const QString& file, const batch::Pages& p, bool pages) {
            for (int now = ++running, seen = most; now > seen;) {
                most.compare_exchange_weak(seen, now);
            }
            const auto index = files.indexOf(file);
            for (int wait = 0; index < 4 && most < 4 && wait < 500; ++wait) { // the first four meet
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10 * (8 - index)));
            --running;
            return fake(file, p, pages);
        };
        QCOMPARE(batch::run(dir.filePath("out"), files, {4, false}, slow, nullptr), 1);
        QCOMPARE(most.load(), 4);
        QStringList expected{"file,name,gross salary,net taxable income,total tax,tax deducted,"
                             "balance,computation,statement,relief,error,warnings,law"};
        expected += testing::each(files, [](const QString& file) {
            return file + ',' + QFileInfo(file).fileName() + ",1,2,3,4,5,,,,,,";
        });
        expected[2] = files[1] + R"(,,,,,,,,,,"refused: ""=bad""",,)";
        expected[4].insert(expected[4].size() - 1, "TAX DEDUCTED read as 10; HRA read as 7");
        QCOMPARE(lines(dir.filePath("out/summary.csv")), expected);
        QVERIFY(!QFile::exists(dir.filePath("out/.fiscora-batch.lock")));
    }

    void interrupt_data() {
        testing::columns<int, QString>("signal", "name");
        QTest::newRow("sigint") << SIGINT << "SIGINT";
        QTest::newRow("sigterm") << SIGTERM << "SIGTERM";
        QTest::newRow("sighup") << SIGHUP << "SIGHUP";
    }

    // The signal comes during the second file: it is finished, the third is not begun.
    void interrupt() {
        const auto [signal, name] = testing::fetch<int, QString>("signal", "name");
        QTemporaryDir dir;
        struct sigaction ignore = {}, before = {}, after = {};
        ignore.sa_handler = SIG_IGN; // the run's handler in its place while it runs, not after
        sigaction(signal, &ignore, &before);
        int calls = 0;
        const batch::Worker raising = [&](const QString& file, const batch::Pages& p, bool pages) {
            if (++calls == 2) {
                std::raise(signal);
            }
            return fake(file, p, pages);
        };
        const QStringList files = inputs(dir, {"a", "b", "c"});
        QCOMPARE(batch::run(dir.filePath("out"), files, {1, true}, raising, nullptr), 128 + signal);
        QCOMPARE(calls, 2);
        const QStringList summary = lines(dir.filePath("out/summary.csv"));
        QCOMPARE(summary.size(), 4);
        QVERIFY(summary[2].startsWith(files[1] + ",b,1,2,3,4,5,b-computation.pdf,"));
        QCOMPARE(summary[3],
                 files[2] + ",,,,,,,,,,not worked out: the batch was cut short by " + name + ",,");
        sigaction(signal, &before, &after);
        QVERIFY(after.sa_handler == SIG_IGN);
    }

    void refusals_data() {
        testing::columns<bool, QString, QString>("lockHeld", "input", "refusal");
        // clang-format off
        QTest::newRow("lock-held") << true << "a.fiscora" << "another batch is writing to \"OUT\"; nothing was done.\n";
        QTest::newRow("summary-is-an-input") << false << "out/summary.csv" << "the summary \"OUT/summary.csv\" is one of the year files; nothing was done.\n";
        // clang-format on
    }

    // Refused before any file is worked out: nothing in the folder changes.
    void refusals() {
        const auto [lockHeld, input, refusal] =
            testing::fetch<bool, QString, QString>("lockHeld", "input", "refusal");
        QTemporaryDir dir;
        const QString out = dir.filePath("out");
        const QStringList files = inputs(dir, {input});
        QDir().mkpath(out);
        QLockFile lock(out + "/.fiscora-batch.lock");
        QVERIFY(!lockHeld || lock.tryLock(0));
        const QStringList before = QDir(out).entryList(QDir::AllEntries | QDir::Hidden);
        std::FILE* progress = std::tmpfile();
        QCOMPARE(batch::run(out, files, {}, fake, progress), 2);
        QCOMPARE(readBack(progress, -1), "fiscora: " + QString(refusal).replace("OUT", out));
        QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::Hidden), before);
        QCOMPARE(fileText(files[0]), "input");
    }

    // On a terminal one line rewritten in place; a failure stays above it.
    void liveLine() {
        QTemporaryDir dir;
        const int pty = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(pty >= 0 && grantpt(pty) == 0 && unlockpt(pty) == 0);
        std::FILE* terminal = std::fopen(ptsname(pty), "w");
        termios raw = {};
        QVERIFY(terminal && tcgetattr(fileno(terminal), &raw) == 0);
        cfmakeraw(&raw); // no carriage return added to a line feed
        QVERIFY(tcsetattr(fileno(terminal), TCSANOW, &raw) == 0);
        batch::run(dir.filePath("out"), inputs(dir, {"a", "bad", "c"}), {1, false}, fake, terminal);
        QCOMPARE(readBack(terminal, pty),
                 QString("\r[1/3] DIR/a: done\x1b[K\r[2/3] DIR/bad: refused: \"=bad\"\x1b[K\n"
                         "\r[3/3] DIR/c: done\x1b[K\n\r2 of 3 files done; summary in "
                         "DIR/out/summary.csv\x1b[K\n")
                     .replace("DIR", dir.path()));
    }

    // One run of the program for the three year files.
    void initTestCase() {
        for (const YearCase& c : cases) {
            files_ << putFile(dir_.filePath(QString(c.stem) + ".fiscora"),
                              R"({"format": "fiscora-year", "version": 1, "year": "2012-13", )" +
                                  c.forms + "}");
        }
        const Ran ran = program(QStringList{"--batch", dir_.filePath("out")} + files_);
        QCOMPARE(ran.status, 1); // one file failed
        // A line a file, in the order the files are done.
        QVERIFY2(ran.progress.contains("/3] " + files_[2] + ": The basic pay"),
                 qPrintable(ran.progress));
        for (const QString& line : ran.progress.split('\n', Qt::SkipEmptyParts)) { // nothing else
            QVERIFY2(line.startsWith('[') || line.contains(" files done"), qPrintable(line));
        }
        summary_ = lines(dir_.filePath("out/summary.csv"));
        QCOMPARE(summary_.size(), 4);
    }

    void eachFile_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 3; ++i) {
            QTest::newRow(cases[i].stem) << i;
        }
    }

    void eachFile() {
        QFETCH(int, index);
        const YearCase& c = cases[index];
        QVERIFY2(summary_[index + 1].startsWith(files_[index] + ',' + c.row),
                 qPrintable(summary_[index + 1]));
        for (const QString page : {"computation", "statement", "relief"}) {
            const QString pdf = QString(c.stem) + '-' + page + ".pdf";
            QCOMPARE(QFile::exists(dir_.filePath("out/" + pdf)), c.row.contains(pdf));
        }
    }

    // No PDF, the summary as with pages but for their names; no number of jobs but a count.
    void options() {
        QTemporaryDir out;
        const Ran refused = program({"--jobs", "0", "--batch", out.path(), files_[0]});
        QCOMPARE(refused.status, 2);
        QCOMPARE(refused.progress, "fiscora: --jobs needs a number of files, 1 or more.\n");
        QCOMPARE(program(QStringList{"--no-pages", "--jobs", "2", "--batch", out.path()} + files_)
                     .status,
                 1);
        QCOMPARE(
            lines(out.filePath("summary.csv")),
            QStringList(summary_).replaceInStrings(QRegularExpression("[a-z]+-[a-z]+\\.pdf"), ""));
        QCOMPARE(QDir(out.path()).entryList({"*.pdf"}), QStringList());
        // --law: each year under the law as enacted, and the summary says so.
        QCOMPARE(lines(out.filePath("summary.csv")).filter(QRegularExpression(",program$")).size(),
                 3);
        QCOMPARE(program(QStringList{"--law", "--no-pages", "--batch", out.path()} + files_).status,
                 1);
        const QStringList law = lines(out.filePath("summary.csv"));
        QCOMPARE(law.filter(QRegularExpression(",enacted$")).size(), 3);
        // The balance 30899 to the nearest ten (s.288B).
        QVERIFY(law[2].startsWith(files_[1] + ",'=Ravi,500000,500000,30900,\"1,000\",30900,"));
    }

private:
    QTemporaryDir dir_;
    QStringList files_;
    QStringList summary_;
};

QTEST_MAIN(TestBatch)
#include "tst_batch.moc"
