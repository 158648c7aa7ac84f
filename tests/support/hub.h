#pragma once
// The program on the recording fakes, its detail forms opened by Calc. and left by Back.
#include "app/program.h"
#include "support/controls.h"

namespace testing {

// A program with its worksheet showing, printing on `printers` if given.
struct Hub {
    FakeServices fakes;
    Program program;
    MainWorksheet& w = program.worksheet();
    explicit Hub(toolkit::Printers* printers = nullptr)
        : program(printers ? toolkit::Services{fakes.messages, fakes, *printers, fakes, fakes}
                           : fakes.services()) {
        program.showWorksheet();
    }
    const QStringList& shown() const { return fakes.messages.shown; }
    // Clicks the worksheet's Calc. button named; the form it opened.
    template <typename F> F& open(const char* calc, toolkit::Lazy<F>& form) {
        QTest::mouseClick(button(&w, calc), Qt::LeftButton);
        return form.get();
    }
    // Every form of the program, made unseen where it was not yet.
    QList<QWidget*> forms() {
        return {&program.worksheet(),        &program.salary().get(),
                &program.hra().get(),        &program.houseProperty().get(),
                &program.deductions().get(), &program.relief().get()};
    }
};

// "Form1.txtbp(3)=21000": every key of every form the year holds, form by form.
inline QStringList keysOf(const year::Record& record) {
    QStringList out;
    for (const year::FormRecord* form : record.forms()) {
        for (std::size_t i = 0; i < form->texts().size(); ++i) {
            out << form->name() + '.' + form->schema().keys[i].name + '=' + form->texts()[i];
        }
    }
    return out;
}

// Back hides the form, writes the figure (withdrawing Print) and moves the focus on.
inline void checkBack(Hub& hub, QWidget* form, const QString& back, const QString& field,
                      const QString& figure, const QString& focus) {
    button(&hub.w, "cmdcalc")->click();
    QVERIFY(button(&hub.w, "cmdprint")->isEnabled());
    QTest::mouseClick(button(form, back), Qt::LeftButton);
    QVERIFY(!form->isVisible() && hub.w.isVisible());
    QCOMPARE(find(&hub.w, field)->text(), figure);
    QVERIFY(!button(&hub.w, "cmdprint")->isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(&hub.w));
    QTRY_VERIFY(find<QWidget>(&hub.w, focus)->hasFocus());
    QVERIFY(hub.shown().isEmpty());
}

// Hidden by Back, a form keeps its figures; closed, the next use finds its design values.
template <typename F>
void checkLifecycle(Hub& hub, toolkit::Lazy<F>& lazy, const char* calc, const QString& figure,
                    const QString& back) {
    QPointer<F> first = &hub.open(calc, lazy);
    find(first, figure)->setText("8000");
    first->defaultButton()->click();
    button(first, back)->click();
    QCOMPARE(&hub.open(calc, lazy), first.data());
    QVERIFY(first->isVisible() && find(first, figure)->text() == "8000");
    QVERIFY(button(first, back)->isEnabled()); // Calc. wrote nothing that changed a figure

    QVERIFY(first->close());
    QVERIFY(!lazy.exists());
    QTRY_VERIFY(first.isNull());
    F& fresh = lazy.get(); // as the hub reads it, unseen
    QVERIFY(!fresh.isVisible());
    for (const toolkit::TextBox* box : fresh.template findChildren<toolkit::TextBox*>()) {
        QCOMPARE(box->text(), QString(box->kind() == toolkit::TextBox::Kind::FreeText ? "" : "0"));
    }
    QVERIFY(!button(&fresh, back)->isEnabled());
    QCOMPARE(&hub.open(calc, lazy), &fresh);
}

} // namespace testing
