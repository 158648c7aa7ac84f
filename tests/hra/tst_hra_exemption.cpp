// The exempt house rent allowance, from the form's figures.
#include "hra/hra_exemption.h"

#include <QtTest>

using fiscora::HraFigures;
using fiscora::HraInputs;

Q_DECLARE_METATYPE(HraInputs)
Q_DECLARE_METATYPE(HraFigures)

class TestHraExemption : public QObject {
    Q_OBJECT
private slots:
    void computation_data();
    void computation();
};

void TestHraExemption::computation_data() {
    QTest::addColumn<HraInputs>("in");
    QTest::addColumn<HraFigures>("out");
    // Inputs: basic pay, dearness allowance, HRA drawn, grade pay, rent paid.
    // Expected: total salary, its tenth, exemption.

    QTest::newRow("tenth-1234.5-to-1234")
        << HraInputs{10000, 345, 60000, 2000, 50000} << HraFigures{12345, 1234, 48766};
    QTest::newRow("tenth-1235.5-to-1236")
        << HraInputs{10000, 355, 60000, 2000, 50000} << HraFigures{12355, 1236, 48764};
    QTest::newRow("all-zero") << HraInputs{} << HraFigures{};
    QTest::newRow("rent-paid-0") << HraInputs{10000, 345, 60000, 2000, 0}
                                 << HraFigures{12345, 1234, 0};
    QTest::newRow("rent-below-a-tenth")
        << HraInputs{10000, 345, 60000, 2000, 1000} << HraFigures{12345, 1234, 0};
    QTest::newRow("rent-equal-to-a-tenth")
        << HraInputs{10000, 345, 60000, 2000, 1234} << HraFigures{12345, 1234, 0};
    QTest::newRow("rent-one-above-a-tenth")
        << HraInputs{10000, 345, 60000, 2000, 1235} << HraFigures{12345, 1234, 1};
    QTest::newRow("hra-drawn-smaller-than-excess")
        << HraInputs{10000, 345, 20000, 2000, 50000} << HraFigures{12345, 1234, 20000};
    QTest::newRow("hra-drawn-equal-to-excess")
        << HraInputs{10000, 345, 48766, 2000, 50000} << HraFigures{12345, 1234, 48766};
    QTest::newRow("hra-drawn-0") << HraInputs{10000, 345, 0, 2000, 50000}
                                 << HraFigures{12345, 1234, 0};
    QTest::newRow("negative-hra-drawn-gives-nil")
        << HraInputs{10000, 345, -500, 2000, 50000} << HraFigures{12345, 1234, 0};
    QTest::newRow("no-ceiling-of-salary")
        << HraInputs{10000, 0, 500000, 0, 400000} << HraFigures{10000, 1000, 399000};
    QTest::newRow("fractions-kept")
        << HraInputs{1000.25, 0, 9999, 0, 5000.75} << HraFigures{1000.25, 100, 4900.75};
    QTest::newRow("a-year-of-pay")
        << HraInputs{258080, 214424, 92544, 50400, 120000} << HraFigures{522904, 52290, 67710};
}

void TestHraExemption::computation() {
    QFETCH(HraInputs, in);
    QFETCH(HraFigures, out);
    const HraFigures f = fiscora::computeHraExemption(in);
    QCOMPARE(f.totalSalary, out.totalSalary);
    QCOMPARE(f.tenthOfSalary, out.tenthOfSalary);
    QCOMPARE(f.exemption, out.exemption);
}

QTEST_APPLESS_MAIN(TestHraExemption)
#include "tst_hra_exemption.moc"
