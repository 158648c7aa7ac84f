// A seeded monkey over every form: random typing, pasting, deleting, clicks, keys, choices
// and closes through a real Program, with the program's promises checked after each action.
// Each run is replayed in a child process (`tst_monkey --replay FILE`), so that a crash or a
// hang is caught like a broken promise; a failing run is shrunk by delta debugging to the
// fewest actions that still fail, and printed with its seed.
//
// FISCORA_MONKEY_SEED and FISCORA_MONKEY_ACTIONS make one run of any length;
// FISCORA_MONKEY_STEP_SECONDS is how long one action may take before it counts as a hang.
#include "app/program.h"
#include "common/amount.h"
#include "support/fakes.h"

#include <QClipboard>
#include <QtTest>
#include <cstdio>
#include <random>

using toolkit::Form;
using toolkit::TextBox;

namespace {

enum Kind { Type, Paste, Erase, Click, Key, Choose, Close, Exit };
// Out of 100: mostly typing and clicking; ending the program is rare.
constexpr int weights[] = {30, 8, 12, 30, 8, 6, 5, 1};

// One action, independent of the state it meets: `pick` chooses among whatever is there to
// act on when it runs, `seed` makes its text and its manner.
struct Step {
    int kind = Type;
    quint32 pick = 0;
    quint64 seed = 0;
};

// Back and Print, and Calculate, on every form.
const QStringList& guardedNames() {
    static const QStringList names{"cmdprint", "cmdprn", "cmdbak", "cmdback", "cmdbk"};
    return names;
}
const QStringList& calculateNames() {
    static const QStringList names{"cmdcalc", "cmdcal", "cmdtot"};
    return names;
}
const char* const formOrder[] = {"frmmain", "Form1", "Form2", "Form4", "frmreb88"};

quint64 environment(const char* name, quint64 fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toULongLong();
}

std::vector<Step> generate(quint64 seed, int count) {
    std::mt19937_64 random(seed);
    std::discrete_distribution<int> kind(std::begin(weights), std::end(weights));
    std::vector<Step> steps(static_cast<std::size_t>(count));
    for (Step& s : steps) {
        s = {kind(random), static_cast<quint32>(random()), random()};
    }
    return steps;
}

// What a user might type or paste: figures of every size and sign, exponents, texts that
// are partly or not at all a number, other scripts' digits, and very long texts. The letters
// of "inf" and "nan" are left out, so that any such word in a field is the program's.
QString textFor(quint64 seed) {
    std::mt19937_64 random(seed);
    auto below = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const QStringList odd =
        QString::fromUtf8(
            "1e308|-1e308|1e309|-1e309|9e307|1e-400|1E+5|e5|1e|1e+|-|+|.|-.5|1.2.3|--5|+-3|1,000| |"
            "1 000|0x1A|00012|-0|0.5|2.5|-2.5|12e|\t7|5\n|3 e 2|99999999999999999999|"
            "123456789012345678e290|0.000000000000001|१२३४|１２３|₹5,000|٣٤٥|€12|漢字|😀|\u200b7|"
            "\u00a012|e\u0301|Ω|\u202e42")
            .split('|');
    static const char mix[] = "0123456789+-.eE ,xyz";
    QString text;
    switch (below(6)) {
    case 0:
        text = QString::number(qint64(random() % 10'000'000'000LL) - 1'000'000'000LL);
        break;
    case 1:
        text = QString::number(double(random() % 100'000'000) / 100, 'f', int(below(4)));
        break;
    case 2:
        text = odd[qsizetype(below(std::size_t(odd.size())))];
        break;
    case 3: // near the end of a double's range, where sums and products overflow
        text = QStringLiteral("%1%2.%3e%4")
                   .arg(below(3) ? "" : "-")
                   .arg(1 + below(9))
                   .arg(below(1000))
                   .arg(305 + below(5));
        break;
    case 4:
        for (std::size_t n = 1 + below(30); n > 0; --n) {
            text += QLatin1Char(mix[below(sizeof mix - 1)]);
        }
        break;
    default: // very long: hundreds to thousands of digits, now and then not only digits
        text = QString(int(200 + below(6000)), QLatin1Char('9'));
        if (below(2)) {
            text.insert(int(below(std::size_t(text.size()))), QStringLiteral("e-3x"));
        }
    }
    return text.remove(QRegularExpression(QStringLiteral("[infINF]")));
}

QString quoted(const QString& text) {
    QString shown = text.size() > 24
                        ? text.left(20) + QStringLiteral("…(%1 characters)").arg(text.size())
                        : text;
    shown.replace('\t', QLatin1String("\\t")).replace('\n', QLatin1String("\\n"));
    return '"' + shown + '"';
}

QString nameOf(const QWidget* w) {
    const QWidget* named =
        qobject_cast<const QComboBox*>(w->parentWidget()) ? w->parentWidget() : w;
    return w->window()->objectName() + '.' + named->objectName();
}

// The figures a form's Calculate works from and writes: every amount field and selection.
QStringList figures(const QWidget* form) {
    QStringList out;
    for (const TextBox* box : form->findChildren<TextBox*>()) {
        if (box->kind() == TextBox::Kind::Entry || box->kind() == TextBox::Kind::Output) {
            out << box->objectName() + '=' + box->text();
        }
    }
    for (const QComboBox* box : form->findChildren<QComboBox*>()) {
        out << box->objectName() + '=' + box->currentText();
    }
    for (const QRadioButton* option : form->findChildren<QRadioButton*>()) {
        out << option->objectName() + '=' + (option->isChecked() ? "on" : "off");
    }
    return out;
}

template <typename W> QList<W*> usable(const QList<Form*>& forms) {
    QList<W*> out;
    for (Form* form : forms) {
        for (W* w : form->findChildren<W*>()) {
            if (w->isVisible() && w->isEnabled()) {
                out << w;
            }
        }
    }
    return out;
}

// Drives one Program, and a fresh one whenever the user ends it.
class Monkey {
public:
    Monkey() { restart(); }

    // Runs the steps, printing each as it starts; the first promise broken, or none.
    bool run(const std::vector<Step>& steps) {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            watchCalculate();
            act(steps[i], [i](const QString& what) {
                std::printf("STEP %zu %s\n", i, qPrintable(what));
                std::fflush(stdout);
            });
            settle();
            QString broken;
            if (printed_ && fakes_->printers.printer.pages.isEmpty() &&
                fakes_->messages.shown.isEmpty()) {
                broken = QStringLiteral("Print neither printed a page nor said why");
            }
            printed_ = false;
            if (program_->ended()) {
                restart();
            }
            watchCalculate();
            if (broken.isEmpty()) {
                broken = promiseBroken();
            }
            if (!broken.isEmpty()) {
                std::printf("FAIL %zu %s\n", i, qPrintable(broken));
                return false;
            }
            fakes_->messages.shown.clear();
            fakes_->printers.printer.pages.clear();
        }
        return true;
    }

private:
    void restart() {
        program_.reset();
        settle();
        fakes_ = std::make_unique<testing::FakeServices>();
        fakes_->messages.onInform = [](const QString& text) {
            std::printf("  says: %s\n", qPrintable(text));
        };
        program_ = std::make_unique<Program>(fakes_->services());
        program_->showWorksheet();
        settle();
    }

    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Every form there is, in a fixed order; `shown` only those on the screen.
    QList<Form*> forms(bool shown) const {
        QList<Form*> out;
        for (const char* name : formOrder) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* form = qobject_cast<Form*>(w);
                if (form && form->objectName() == QLatin1String(name) &&
                    (!shown || form->isVisible())) {
                    out << form;
                }
            }
        }
        return out;
    }

    // Each Calculate leaves a snapshot of its form's figures behind it.
    void watchCalculate() {
        for (Form* form : forms(false)) {
            if (form->property("watched").toBool()) {
                continue;
            }
            form->setProperty("watched", true);
            for (const QString& name : calculateNames()) {
                if (auto* b = form->findChild<QAbstractButton*>(name)) {
                    QObject::connect(b, &QAbstractButton::clicked, form,
                                     [form] { form->setProperty("calculated", figures(form)); });
                }
            }
        }
    }

    QString promiseBroken() {
        for (Form* form : forms(false)) {
            for (QLineEdit* field : form->findChildren<QLineEdit*>()) {
                const QString text = field->text();
                if (text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
                    text.contains(QLatin1String("nan"), Qt::CaseInsensitive)) {
                    return nameOf(field) + " shows " + quoted(text);
                }
                const auto* box = qobject_cast<TextBox*>(field);
                if (box &&
                    (box->kind() == TextBox::Kind::Output ||
                     box->kind() == TextBox::Kind::Carrier) &&
                    !fiscora::readStrict(text.toStdString())) {
                    return nameOf(box) + " holds " + quoted(text) + ", not a number";
                }
            }
            for (const QString& name : guardedNames()) {
                auto* b = form->findChild<QAbstractButton*>(name);
                if (!b || !b->isEnabled()) {
                    continue;
                }
                const QStringList then = form->property("calculated").toStringList();
                const QStringList now = figures(form);
                for (qsizetype i = 0; i < now.size(); ++i) {
                    if (i >= then.size() || then[i] != now[i]) {
                        const QString field = now[i].section('=', 0, 0);
                        return nameOf(b) + " is enabled, but " + form->objectName() + '.' + field +
                               " shows " + quoted(now[i].section('=', 1)) +
                               (i < then.size() ? ", not the " + quoted(then[i].section('=', 1)) +
                                                      " its Calculate worked from"
                                                : QStringLiteral(", and nothing was calculated"));
                    }
                }
            }
        }
        return {};
    }

    // A click on a window brings it to the front before the click lands.
    static void bringForward(QWidget* w) {
        if (!w->window()->isActiveWindow()) {
            w->window()->activateWindow();
            QCoreApplication::processEvents();
        }
    }

    static void click(QWidget* w, QPoint at) {
        bringForward(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
        QCoreApplication::processEvents(); // the selection that focus makes comes next
    }

    static void key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::sendKeyEvent(QTest::Click, w, key, QTest::keyToAscii(key), modifiers);
    }

    template <typename Announce> void act(const Step& s, Announce announce) {
        std::mt19937_64 random(s.seed);
        const auto manner = random() % 4;
        const QList<Form*> shown = forms(true);
        QList<QLineEdit*> fields;
        for (QLineEdit* field : usable<QLineEdit>(shown)) {
            if (!field->isReadOnly()) {
                fields << field;
            }
        }
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : usable<QAbstractButton>(shown)) {
            if (b->objectName() != QLatin1String("cmdexit")) {
                buttons << b;
            }
        }
        const QList<QComboBox*> combos = usable<QComboBox>(shown);
        QList<Form*> details = shown;
        details.removeIf([](Form* f) { return f->objectName() == QLatin1String("frmmain"); });
        auto chosen = [&s](const auto& list) { return list.at(qsizetype(s.pick % list.size())); };
        const QString text = textFor(s.seed);

        switch (s.kind) {
        case Type:
        case Paste:
        case Erase: {
            if (fields.isEmpty()) {
                return;
            }
            QLineEdit* field = chosen(fields);
            if (s.kind == Type) {
                const QString typed = text.left(40);
                const char* how[] = {"type", "type at the end of", "type where the caret is in",
                                     "type"};
                announce(
                    QStringLiteral("%1 %2 into %3").arg(how[manner], quoted(typed), nameOf(field)));
                if (manner != 2) {
                    click(field, QPoint(4, field->height() / 2));
                }
                if (manner == 1) {
                    key(field, Qt::Key_End);
                }
                for (QChar c : typed) {
                    const char ascii = c.unicode() < 128 ? char(c.unicode()) : 0;
                    const Qt::Key code = ascii == '\t'   ? Qt::Key_Tab
                                         : ascii == '\n' ? Qt::Key_Return
                                         : ascii >= ' '  ? Qt::Key(QTest::asciiToKey(ascii))
                                                         : Qt::Key_unknown;
                    QTest::sendKeyEvent(QTest::Click, field, code, QString(c), Qt::NoModifier);
                }
            } else if (s.kind == Paste) {
                announce(QStringLiteral("paste %1 into %2").arg(quoted(text), nameOf(field)));
                click(field, QPoint(4, field->height() / 2));
                QGuiApplication::clipboard()->setText(text);
                key(field, Qt::Key_V, Qt::ControlModifier);
            } else {
                const char* how[] = {"backspace in", "delete in", "select all and delete in",
                                     "undo in"};
                announce(QStringLiteral("%1 %2").arg(how[manner], nameOf(field)));
                click(field, QPoint(field->width() - 4, field->height() / 2));
                const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Backspace,
                                        Qt::Key_Z};
                if (manner == 2) {
                    key(field, Qt::Key_A, Qt::ControlModifier);
                }
                key(field, keys[manner], manner == 3 ? Qt::ControlModifier : Qt::NoModifier);
            }
            return;
        }
        case Click: {
            // One click in four goes to a Back or Print button where one is enabled, else to
            // a Calculate button.
            auto named = [&buttons](const QStringList& names) {
                QList<QAbstractButton*> out = buttons;
                out.removeIf([&](QAbstractButton* b) { return !names.contains(b->objectName()); });
                return out.isEmpty() ? buttons : out;
            };
            if (buttons.isEmpty()) {
                return;
            }
            const QList<QAbstractButton*> guarded = named(guardedNames());
            QAbstractButton* b =
                chosen(manner > 0                        ? buttons
                       : guarded.size() < buttons.size() ? guarded
                                                         : named(calculateNames()));
            announce("click " + nameOf(b));
            // A push button in its middle; an option or a check box on its round or square.
            const bool push = qobject_cast<QPushButton*>(b);
            click(b, push ? b->rect().center() : QPoint(7, b->height() / 2));
            printed_ = b->objectName().startsWith(QLatin1String("cmdpr"));
            return;
        }
        case Key: {
            if (shown.isEmpty()) {
                return;
            }
            Form* form = chosen(shown);
            QWidget* target = form->focusWidget() ? form->focusWidget() : form;
            const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Space,
                                    Qt::Key_Escape, Qt::Key_Up,    Qt::Key_Down};
            const Qt::Key k = keys[random() % std::size(keys)];
            announce(
                QStringLiteral("press %1 in %2").arg(QKeySequence(k).toString(), nameOf(target)));
            bringForward(form);
            key(target, k);
            return;
        }
        case Choose: {
            if (combos.isEmpty()) {
                return;
            }
            QComboBox* box = chosen(combos);
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
            announce(QStringLiteral("choose with %1 in %2")
                         .arg(QKeySequence(keys[manner]).toString(), nameOf(box)));
            bringForward(box);
            key(box, keys[manner]);
            return;
        }
        case Close: {
            if (details.isEmpty()) {
                return;
            }
            Form* form = chosen(details);
            announce("close " + form->objectName() + " with its close box");
            form->close();
            return;
        }
        default: {
            MainWorksheet& w = program_->worksheet();
            if (manner % 2 == 0) {
                announce(QStringLiteral("click frmmain.cmdexit"));
                click(w.cmdexit, w.cmdexit->rect().center());
            } else {
                announce(QStringLiteral("close frmmain with its close box"));
                w.close();
            }
            return;
        }
        }
    }

    std::unique_ptr<testing::FakeServices> fakes_;
    std::unique_ptr<Program> program_;
    bool printed_ = false; // the last action clicked a Print button
};

struct Outcome {
    bool failed = false;
    qsizetype step = -1; // the action at which it failed
    QString what;
    QStringList log; // the actions as they ran
};

// Runs the steps in a child process, reading its account of each action as it comes.
Outcome replay(const std::vector<Step>& steps) {
    QTemporaryFile file;
    if (!file.open()) {
        return {true, -1, "cannot write the actions to a file", {}};
    }
    for (const Step& s : steps) {
        file.write(QStringLiteral("%1 %2 %3\n").arg(s.kind).arg(s.pick).arg(s.seed).toLatin1());
    }
    file.close();
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_LOGGING_RULES", "default.warning=false;qt.*.warning=false"); // raise() etc.
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--replay", file.fileName()});
    const int stepMillis = int(environment("FISCORA_MONKEY_STEP_SECONDS", 10) * 1000);
    QByteArray out;
    bool hangs = false;
    while (child.state() != QProcess::NotRunning || child.bytesAvailable() > 0) {
        if (!child.waitForReadyRead(stepMillis) && child.state() != QProcess::NotRunning) {
            hangs = true;
            child.kill();
            child.waitForFinished();
        }
        out += child.readAllStandardOutput();
    }
    Outcome o;
    for (const QByteArray& line : out.split('\n')) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QLatin1String("STEP "))) {
            o.log << text.mid(5);
            o.step = text.section(' ', 1, 1).toLongLong();
        } else if (text.startsWith(QLatin1String("  says: "))) {
            o.log << text;
        } else if (text.startsWith(QLatin1String("FAIL "))) {
            o = {true, text.section(' ', 1, 1).toLongLong(), text.section(' ', 2), o.log};
        }
    }
    if (hangs) {
        o = {true, o.step, "the action hangs", o.log};
    } else if (!o.failed && (child.exitStatus() != QProcess::NormalExit || child.exitCode())) {
        o = {true, o.step, QStringLiteral("the program crashed (exit %1)").arg(child.exitCode()),
             o.log};
    }
    return o;
}

// Delta debugging: drop ever smaller chunks of the actions while the run still fails.
std::vector<Step> shrink(std::vector<Step> steps, const QDeadlineTimer& deadline) {
    std::size_t parts = 2;
    while (steps.size() > 1 && !deadline.hasExpired()) {
        const std::size_t chunk = (steps.size() + parts - 1) / parts;
        bool dropped = false;
        for (std::size_t from = 0; from < steps.size() && !deadline.hasExpired(); from += chunk) {
            std::vector<Step> rest(steps.begin(), steps.begin() + qsizetype(from));
            rest.insert(rest.end(), steps.begin() + qsizetype(std::min(from + chunk, steps.size())),
                        steps.end());
            if (const Outcome o = replay(rest); o.failed) {
                rest.resize(std::size_t(o.step + 1)); // nothing after the failure matters
                steps = rest;
                parts = std::max<std::size_t>(parts - 1, 2);
                dropped = true;
                break;
            }
        }
        if (!dropped) {
            if (chunk == 1) {
                break;
            }
            parts = std::min(parts * 2, steps.size());
        }
    }
    return steps;
}

int replayFile(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return 2;
    }
    std::vector<Step> steps;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 3) {
            steps.push_back({f[0].toInt(), f[1].toUInt(), f[2].toULongLong()});
        }
    }
    Monkey monkey;
    return monkey.run(steps) ? 0 : 1;
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomActions_data();
    void randomActions();
};

void TestMonkey::randomActions_data() {
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("actions");
    if (qEnvironmentVariableIsSet("FISCORA_MONKEY_SEED") ||
        qEnvironmentVariableIsSet("FISCORA_MONKEY_ACTIONS")) {
        QTest::newRow("from-the-environment") << environment("FISCORA_MONKEY_SEED", 20121213)
                                              << int(environment("FISCORA_MONKEY_ACTIONS", 20000));
        return;
    }
    QTest::newRow("seed-20121213-1500-actions") << quint64(20121213) << 1500;
    QTest::newRow("seed-1213-1500-actions") << quint64(1213) << 1500;
}

void TestMonkey::randomActions() {
    QFETCH(quint64, seed);
    QFETCH(int, actions);
    qInfo("monkey: seed %llu, %d actions (FISCORA_MONKEY_SEED=%llu FISCORA_MONKEY_ACTIONS=%d)",
          seed, actions, seed, actions);
    std::vector<Step> steps = generate(seed, actions);
    const Outcome first = replay(steps);
    if (!first.failed) {
        return;
    }
    steps.resize(std::size_t(std::max<qsizetype>(first.step + 1, 1)));
    const QDeadlineTimer deadline(environment("FISCORA_MONKEY_SHRINK_SECONDS", 60) * 1000);
    steps = shrink(steps, deadline);
    const Outcome last = replay(steps);
    QString account = QStringLiteral("seed %1: %2\nat action %3 of %4; the shortest sequence "
                                     "found that still fails (%5 actions): %6\n")
                          .arg(seed)
                          .arg(first.what)
                          .arg(first.step)
                          .arg(actions)
                          .arg(steps.size())
                          .arg(last.what);
    for (const QString& line : last.log) {
        account += "  " + line + '\n';
    }
    QFAIL(qPrintable(account));
}

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--replay") == 0) {
        QApplication app(argc, argv);
        return replayFile(argv[2]);
    }
    QCoreApplication app(argc, argv);
    TestMonkey test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_monkey.moc"
