// The batch of an accounts office, run as the program itself on three small year files, one
// of them refused by the salary form's Calculate.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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
    QStringList pages;
    QString row; // after the file's own column
};

const YearCase cases[] = {
    // 700280 less 9600 transport: 30000 + 20% of 190680 = 68136, cess 2044, tax 70180.
    {"asha",
     R"("frmmain": {"txtname": "Asha, Verma"}, "Form1": {)" + salaryTable("21000") + "}",
     {"computation", "statement"},
     R"("Asha, Verma",700280,690680,70180,0,70180,)"},
    // The top of the 10% slab: 30000, cess 900, less 1000 deducted; a name kept as text.
    {"ravi",
     R"("frmmain": {"txtname": "=Ravi", "txtgs": "500000", "txtdedtax": "1000"})",
     {"computation"},
     "'=Ravi,500000,500000,30900,1000,29900,"},
    {"meena",
     R"("Form1": {)" + salaryTable("21k") + "}",
     {},
     ",,,,,,\"The basic pay in \"\"B.PAY of Jan 12\"\" is not a number."},
};

} // namespace

class TestBatch : public QObject {
    Q_OBJECT
private slots:
    // One run for the three; no display, and a platform that would need one.
    void initTestCase() {
        for (const YearCase& c : cases) {
            QFile file(dir_.filePath(QString(c.stem) + ".fiscora"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(R"({"format": "fiscora-year", "version": 1, "year": "2012-13", )" + c.forms +
                       "}");
            files_ << file.fileName();
        }
        QProcess batch;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("DISPLAY");
        batch.setProcessEnvironment(env);
        batch.start(FISCORA_PROGRAM, QStringList{"--batch", dir_.filePath("out")} + files_);
        QVERIFY(batch.waitForFinished(60000));
        QCOMPARE(batch.exitCode(), 1); // one file failed
        const QString progress = batch.readAllStandardError();
        QVERIFY2(progress.contains("[3/3] " + files_[2] + ": The basic pay"), qPrintable(progress));
        for (const QString& line : progress.split('\n', Qt::SkipEmptyParts)) { // nothing else
            QVERIFY2(line.startsWith('[') || line.contains(" files done"), qPrintable(line));
        }
        QFile summary(dir_.filePath("out/summary.csv"));
        QVERIFY(summary.open(QIODevice::ReadOnly));
        summary_ = QString::fromUtf8(summary.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(summary_.size(), 4);
        QCOMPARE(summary_[0],
                 "file,name,gross salary,net taxable income,total tax,tax deducted,balance,error");
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
        for (const QString page : {"computation", "statement"}) {
            const QString pdf = dir_.filePath("out/" + QString(c.stem) + '-' + page + ".pdf");
            QCOMPARE(QFile::exists(pdf), c.pages.contains(page));
        }
    }

private:
    QTemporaryDir dir_;
    QStringList files_;
    QStringList summary_;
};

QTEST_MAIN(TestBatch)
#include "tst_batch.moc"
