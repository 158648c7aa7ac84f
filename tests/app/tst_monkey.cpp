// A seeded monkey acting on a real Program; after each action each Calculate wrote its rule on
// what the form showed, or refused (nothing written) exactly when it cannot be worked; Back and
// Print stand for the figures calculated; outputs hold numbers; Print prints or says why.
#include "common/amount.h"
#include "rules/house_income.h"
#include "rules/hra_exemption.h"
#include "rules/section80.h"
#include "support/hub.h"
#include "support/random_text.h"

#include <random>

using toolkit::Form;
using toolkit::TextBox;
using namespace testing;

namespace {

using Figures = QMap<QString, double>; // field to the figure Calculate must write there

// The figures bound for the fields named, "txtns txthrx", in order.
void put(Figures& out, const QString& names, std::initializer_list<double> figures) {
    auto figure = figures.begin();
    for (const QString& name : names.split(' ')) {
        out[name] = *figure++;
    }
}

// What Calculate must write, from the form as it stands; nothing when it must refuse.
std::optional<Figures> predict(const QWidget* f) {
    using namespace fiscora;
    const QString form = f->objectName();
    const YearLaw& law = law2012();
    bool strict = form == "Form2" || form == "Form4", ok = true;
    auto read = [&](const QString& name) { // an input as the form shows it ("0" where none)
        const auto* cell = f->findChild<QLineEdit*>(name); // no HRA in the arrears rows
        const std::string text = cell ? cell->text().toStdString() : "0";
        const std::optional<double> v =
            strict ? readStrict(text) : std::optional(readLenient(text));
        ok = ok && v && std::isfinite(*v);
        return v.value_or(0);
    };
    // The fields named, "txtbp txtda", read into the members given, in the same order.
    auto bind = [&]<typename In>(In in, const QString& names,
                                 std::initializer_list<double In::*> members) {
        auto member = members.begin();
        for (const QString& name : names.split(' ')) {
            in.** member++ = read(name);
        }
        return in;
    };
    Figures out;
    if (form == "frmmain") {
        using T = TaxInputs;
        const TaxFigures t = computeTax(
            law, bind(T{}, "txtgs txttp txthra txthp txtos txtded80 txtrel89 txtdedtax",
                      {&T::grossSalary, &T::transportExempt, &T::hraExempt, &T::houseProperty,
                       &T::otherSources, &T::deductions80, &T::relief89, &T::taxDeducted}));
        put(out, "txtexall txtnsal txtgti txtnti txtgtax txtntax txtcess txtttax txtbaltax",
            {t.exemptAllowances, t.salaryIncome, t.grossTotalIncome, t.netTaxableIncome, t.grossTax,
             t.netTax, t.cess, t.totalTax, t.balanceTax});
    } else if (form == "Form2") {
        using H = HraInputs;
        const HraFigures h = computeHraExemption(
            law, bind(H{}, "txtbp txtda txthra txtnpa txtRP",
                      {&H::basicPay, &H::dearness, &H::hraDrawn, &H::gradePay, &H::rentPaid}));
        put(out, "txtns txthrx", {h.totalSalary, h.exemption});
    } else if (form == "Form4") {
        using H = HouseInputs;
        const H in{button(f, "optso")->isChecked() ? Occupancy::SelfOccupied : Occupancy::LetOut,
                   button(f, "optb499")->isChecked() ? LoanTaken::Before1April1999
                                                     : LoanTaken::From1April1999};
        const HouseFigures h = computeHouseIncome(
            law, bind(in, "txtarv txtptax txtintt txtoth",
                      {&H::rentalValue, &H::propertyTaxes, &H::interest, &H::others}));
        put(out, "txtghi txtrep txttd txtihp", {h.grossIncome, h.repairs, h.deductions, h.income});
    } else if (form == "frmreb88") {
        using S = Section80Inputs;
        const S in = bind(S{},
                          "txtgpf txtgis txthba txtlic txtppf txtnsc txtnsci txttf1 txttf2 txtinf "
                          "txtos txt80ccc txt80ccdec txt80ccdgc txt80ccf txt80d txt80g txtoth",
                          {&S::gpf, &S::cgegis, &S::houseBuildingAdvance, &S::lifeInsurance,
                           &S::ppf, &S::nsc, &S::nscInterest, &S::tuitionChild1, &S::tuitionChild2,
                           &S::infrastructureBonds, &S::otherSavings, &S::jeevanSuraksha,
                           &S::npsEmployee, &S::npsGovernment, &S::infrastructure80CCF,
                           &S::mediclaim, &S::donations, &S::otherDeductions});
        const Section80Figures s = computeSection80(law, in);
        put(out, "txt80c txttot1 txtgt80", {s.total80C, s.combined, s.grandTotal});
        if (s.allowed80CCF != in.infrastructure80CCF) { // cut back to the limit in its field
            out["txt80ccf"] = s.allowed80CCF;
        }
        ok = ok && std::isfinite(s.combinedBeforeLimit);
    } else if (form == "Form1") { // the pay table
        PayInputs in;
        for (std::size_t r = 0; r < payRows; ++r) {
            const QString at = QStringLiteral("(%1)").arg(r);
            in.basicPay[r] = read("txtbp" + at);
            in.gradePay[r] = read("txtgp" + at);
            in.hraShown[r] = read("txthra" + at);
            in.transportShown[r] = read("txttpa2" + at);
            in.mgcShown[r] = read("txtmgc" + at);
        }
        for (std::size_t i = 0; i < in.annual.size(); ++i) {
            in.annual[i] = read(QStringLiteral("txtoth(%1)").arg(i));
        }
        strict = true; // the arrears months' basic pay must be a number as typed
        read("txtbp(0)");
        read("txtbp(1)");
        in.increment = button(f, "chkinc")->isChecked();
        const auto selected = [f](const char* name) {
            return find<QComboBox>(f, name)->currentText().toStdString();
        };
        in.hraClass = choose(law.pay.hraClasses, selected("cboclass1"));
        in.transportClass = choose(law.pay.transportClasses, selected("cboclass3"));
        in.pensionScheme = choose(law.pay.pensionSchemes, selected("cbonps"));
        // The totals: each month's cells are checked on a worked year in the salary form's test.
        const PayTable t = computePayTable(law, in);
        put(out, "txtbpt txtgpt txtdat txthrat txtmgct txttpat txtttlt txtgtotal",
            {t.basicPayTotal, t.gradePayTotal, t.daTotal, t.hraTotal, t.mgcTotal, t.transportTotal,
             t.totalTotal, t.grandTotal});
    }
    for (double v : out) {
        ok = ok && std::isfinite(v);
    }
    return ok ? std::optional(out) : std::nullopt;
}

// Every figure and choice of a form, "name=text", but the name and the increment box.
QStringList figures(const QWidget* form) {
    return each(snapshot(form).asKeyValueRange(), [form](const auto& shown) {
        const auto* box = form->findChild<TextBox*>(shown.first);
        const bool skipped =
            (box && box->kind() == TextBox::Kind::FreeText) || shown.first == "chkinc";
        return skipped ? QStringList{} : QStringList{shown.first + '=' + shown.second};
    });
}

class Monkey {
public:
    explicit Monkey(quint64 seed) : random_(seed) { restart(); }

    // One random action; then the first promise broken, or an empty text.
    QString step(QStringList& log) {
        for (Form* form : forms()) {
            watch(form);
        }
        hub_->fakes.messages.shown.clear();
        hub_->fakes.printers.printer.pages.clear();
        act(log);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!broken_.isEmpty()) {
            return broken_;
        }
        if (hub_->program.ended()) {
            restart();
            return {};
        }
        for (Form* form : forms()) {
            for (const TextBox* box : form->findChildren<TextBox*>()) {
                if (box->kind() != TextBox::Kind::Entry && box->kind() != TextBox::Kind::FreeText &&
                    !fiscora::readStrict(box->text().toStdString())) {
                    return box->objectName() + " holds " + box->text().left(30) + ", not a number";
                }
            }
            for (const char* name : {"cmdprint", "cmdprn", "cmdbak", "cmdback", "cmdbk"}) {
                auto* b = form->findChild<QAbstractButton*>(name);
                if (b && b->isEnabled() &&
                    form->property("calculated").toStringList() != figures(form)) {
                    return form->objectName() + "." + name + " is enabled for figures that changed";
                }
            }
        }
        return {};
    }

private:
    void restart() {
        hub_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        hub_ = std::make_unique<Hub>();
    }

    // The forms whose rules the monkey knows (the relief form is left to its own test).
    QList<Form*> forms(bool visibleOnly = false) const {
        static const QStringList ruled{"frmmain", "Form1", "Form2", "Form4", "frmreb88"};
        QList<Form*> out;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<Form*>(w);
            if (form && ruled.contains(form->objectName()) && (!visibleOnly || form->isVisible())) {
                out << form;
            }
        }
        std::sort(out.begin(), out.end(),
                  [](Form* a, Form* b) { return a->objectName() < b->objectName(); });
        return out;
    }

    // Each Calculate is checked against its rule; what it worked from is kept for the guards.
    void watch(Form* form) {
        if (form->property("watched").toBool()) {
            return;
        }
        form->setProperty("watched", true);
        QAbstractButton* calc = form->defaultButton();
        QObject::connect(calc, &QAbstractButton::pressed, form, [this, form] {
            expected_ = predict(form);
            before_ = figures(form);
        });
        QObject::connect(calc, &QAbstractButton::clicked, form, [this, form] {
            const bool refused = !hub_->fakes.messages.shown.isEmpty();
            if (refused != !expected_) {
                broken_ =
                    form->objectName() + (refused ? " refused: " + hub_->fakes.messages.shown.last()
                                                  : " did not refuse a figure it cannot work");
            } else if (refused && figures(form) != before_) {
                broken_ = form->objectName() + " refused but changed its figures";
            } else if (expected_) {
                for (auto it = expected_->cbegin(); it != expected_->cend(); ++it) {
                    const QString want = QString::fromStdString(fiscora::numberText(*it));
                    if (texts(form, it.key()) != want) {
                        broken_ = form->objectName() + "." + it.key() + " shows " +
                                  texts(form, it.key()) + ", its rule gives " + want;
                    }
                }
            }
            if (!refused) {
                form->setProperty("calculated", figures(form));
            }
        });
    }

    template <typename T> T* any(const QList<T*>& list) {
        return list.isEmpty() ? nullptr : list.at(qsizetype(random_() % std::size_t(list.size())));
    }

    void act(QStringList& log) {
        const QList<Form*> shown = forms(true);
        Form* form = any(shown);
        if (!form) {
            return;
        }
        form->activateWindow();
        QList<QLineEdit*> fields = form->findChildren<QLineEdit*>();
        fields.removeIf(
            [](QLineEdit* e) { return e->isReadOnly() || !e->isEnabled() || !e->isVisible(); });
        QList<QAbstractButton*> buttons = form->findChildren<QAbstractButton*>();
        buttons.removeIf([](QAbstractButton* b) {
            return !b->isEnabled() || !b->isVisible() || b->objectName() == "cmdexit";
        });
        const int kind = int(random_() % 100);
        if (kind < 45 && !fields.isEmpty()) { // type or erase
            QLineEdit* field = any(fields);
            const QString name = field->objectName().isEmpty()
                                     ? field->parentWidget()->objectName() // a selection
                                     : field->objectName();
            const QString text = textFor(random_).left(12);
            field->setFocus();
            if (kind < 40) {
                log << "type " + text + " into " + name;
                for (QChar c : text) { // any character, as a keyboard of any script types it
                    const char a = c.unicode() < 128 ? char(c.unicode()) : 0;
                    const Qt::Key key = a == '\t'  ? Qt::Key_Tab
                                        : a >= ' ' ? Qt::Key(QTest::asciiToKey(a))
                                                   : Qt::Key_unknown;
                    QTest::sendKeyEvent(QTest::Click, field, key, QString(c), Qt::NoModifier);
                }
            } else {
                log << "erase in " + name;
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(field, Qt::Key_Backspace);
            }
        } else if (kind < 90 && !buttons.isEmpty()) {
            QAbstractButton* b = any(buttons);
            log << "click " + form->objectName() + "." + b->objectName();
            const bool print = b->objectName().startsWith("cmdpr");
            QTest::mouseClick(b, Qt::LeftButton, {},
                              qobject_cast<QPushButton*>(b) ? b->rect().center()
                                                            : QPoint(7, b->height() / 2));
            if (print && hub_->fakes.printers.printer.pages.isEmpty() &&
                hub_->fakes.messages.shown.isEmpty()) {
                broken_ = "Print neither printed a page nor said why";
            }
        } else if (kind < 95) {
            const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down};
            const Qt::Key key = keys[random_() % 4];
            QWidget* target = form->focusWidget() ? form->focusWidget() : form;
            log << "press " + QKeySequence(key).toString() + " in " + target->objectName();
            QTest::keyClick(target, key);
        } else if (kind < 99 && form->objectName() != "frmmain") {
            log << "close " + form->objectName();
            form->close();
        } else {
            log << "exit";
            button(&hub_->w, "cmdexit")->click();
        }
    }

    std::mt19937_64 random_;
    std::unique_ptr<Hub> hub_;
    std::optional<Figures> expected_;
    QStringList before_;
    QString broken_;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    // 1500 actions from each of two seeds, or FISCORA_MONKEY_ACTIONS from FISCORA_MONKEY_SEED.
    void randomActions() {
        const QByteArray seed = qgetenv("FISCORA_MONKEY_SEED"),
                         n = qgetenv("FISCORA_MONKEY_ACTIONS");
        for (const quint64 s :
             seed.isEmpty() ? QList<quint64>{20121213, 1213} : QList<quint64>{seed.toULongLong()}) {
            Monkey monkey(s);
            QStringList log;
            for (int i = 0; i < (n.isEmpty() ? 1500 : n.toInt()); ++i) {
                const QString broken = monkey.step(log);
                QVERIFY2(broken.isEmpty(),
                         qPrintable(QStringLiteral("seed %1, action %2: %3\n  after: %4")
                                        .arg(s)
                                        .arg(i)
                                        .arg(broken, log.mid(log.size() - 15).join("\n  "))));
            }
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
