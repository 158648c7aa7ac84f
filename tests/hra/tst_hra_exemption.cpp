// The exempt house rent allowance, from the form's figures.
#include "hra/hra_exemption.h"

#include <QtTest>

using fiscora::HraInputs;      // basic pay, dearness allowance, HRA drawn, grade pay, rent paid
using Figures = QList<double>; // total salary, its tenth, exemption
Q_DECLARE_METATYPE(HraInputs)

class TestHraExemption : public QObject {
    Q_OBJECT
private slots:
    void computation_data() {
        QTest::addColumn<HraInputs>("in");
        QTest::addColumn<Figures>("out");
        QTest::newRow("tenth-1234.5-to-1234")
            << HraInputs{10000, 345, 60000, 2000, 50000} << Figures{12345, 1234, 48766};
        QTest::newRow("tenth-1235.5-to-1236")
            << HraInputs{10000, 355, 60000, 2000, 50000} << Figures{12355, 1236, 48764};
        QTest::newRow("rent-below-a-tenth")
            << HraInputs{10000, 345, 60000, 2000, 1000} << Figures{12345, 1234, 0};
        QTest::newRow("rent-equal-to-a-tenth")
            << HraInputs{10000, 345, 60000, 2000, 1234} << Figures{12345, 1234, 0};
        QTest::newRow("rent-one-above-a-tenth")
            << HraInputs{10000, 345, 60000, 2000, 1235} << Figures{12345, 1234, 1};
        QTest::newRow("hra-drawn-smaller-than-excess")
            << HraInputs{10000, 345, 20000, 2000, 50000} << Figures{12345, 1234, 20000};
        QTest::newRow("negative-hra-drawn-gives-nil")
            << HraInputs{10000, 345, -500, 2000, 50000} << Figures{12345, 1234, 0};
        QTest::newRow("fractions-kept")
            << HraInputs{1000.25, 0, 9999, 0, 5000.75} << Figures{1000.25, 100, 4900.75};
        QTest::newRow("a-year-of-pay")
            << HraInputs{258080, 214424, 92544, 50400, 120000} << Figures{522904, 52290, 67710};
    }
    void computation() {
        QFETCH(HraInputs, in);
        QFETCH(Figures, out);
        const fiscora::HraFigures f = fiscora::computeHraExemption(in);
        QCOMPARE(Figures({f.totalSalary, f.tenthOfSalary, f.exemption}), out);
    }
};

QTEST_APPLESS_MAIN(TestHraExemption)
#include "tst_hra_exemption.moc"
