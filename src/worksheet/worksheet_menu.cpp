#include "worksheet/worksheet_menu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {

// The year's commands are the program's, not the worksheet's: their keys work from every
// form of the program (a modal dialog still shadows them).
QAction* action(QMenu* menu, const char* name, const QString& text,
                const QKeySequence& shortcut = {}) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    a->setShortcutContext(Qt::ApplicationShortcut);
    return a;
}

// The menu bar holds the keyboard only while the user works it from the keyboard (Alt, a
// mnemonic, a menu's highlighted title). When the focus comes back to it otherwise (a dialog
// or message box closed after Alt and Escape left the bar its window's focus widget), the
// toolkit leaves it holding the keys with nothing highlighted, and no typed key or click
// reaches a field again: the focus goes back to the control that had it.
class KeyboardKeeper : public QObject {
public:
    explicit KeyboardKeeper(QMenuBar* bar) : QObject(bar), bar_(bar) {
        bar->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && now != bar_ && now->window() == bar_->window()) {
                last_ = now;
            }
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && !bar_->activeAction() &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::MenuBarFocusReason) {
            // After the bar's own focus handling; the window coming back, not the user
            // entering the control, so a field keeps its caret and its text.
            QTimer::singleShot(0, this, [this] {
                if (last_ && bar_->hasFocus() && !bar_->activeAction()) {
                    last_->setFocus(Qt::ActiveWindowFocusReason);
                }
            });
        }
        return false;
    }

private:
    QMenuBar* bar_;
    QPointer<QWidget> last_;
};

class EnabledFollower : public QObject {
public:
    EnabledFollower(QAction* action, QAbstractButton* button) : QObject(button), action_(action) {
        action->setEnabled(button->isEnabled());
        button->installEventFilter(this);
    }
    ~EnabledFollower() override {
        if (action_) {
            action_->setEnabled(false);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange && action_) {
            action_->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        }
        return false;
    }

private:
    QPointer<QAction> action_;
};

} // namespace

void followEnabled(QAction* action, QAbstractButton* button) {
    new EnabledFollower(action, button);
}

WorksheetMenu addMenu(QWidget& form) {
    WorksheetMenu m{};
    m.bar = new QMenuBar(&form);
    m.bar->setObjectName(QStringLiteral("menuBar"));
    new KeyboardKeeper(m.bar);
    m.mnuFile = m.bar->addMenu(QStringLiteral("&File"));
    m.mnuFile->setObjectName(QStringLiteral("mnuFile"));
    m.actNew =
        action(m.mnuFile, "actNew", QStringLiteral("&New"), QKeySequence(QStringLiteral("Ctrl+N")));
    m.actOpen = action(m.mnuFile, "actOpen", QStringLiteral("&Open..."),
                       QKeySequence(QStringLiteral("Ctrl+O")));
    m.actSave = action(m.mnuFile, "actSave", QStringLiteral("&Save"),
                       QKeySequence(QStringLiteral("Ctrl+S")));
    m.actSaveAs = action(m.mnuFile, "actSaveAs", QStringLiteral("Save &As..."),
                         QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    m.mnuFile->addSeparator();
    m.recentEnd = m.mnuFile->addSeparator();
    m.actExportComputation =
        action(m.mnuFile, "actExportComputation", QStringLiteral("Export &Computation as PDF..."));
    m.actExportStatement = action(m.mnuFile, "actExportStatement",
                                  QStringLiteral("Export Salary S&tatement as PDF..."));
    m.actExportStatement->setEnabled(false);
    m.actExportRelief =
        action(m.mnuFile, "actExportRelief", QStringLiteral("Export Annexure &I as PDF..."));
    m.actExportRelief->setEnabled(false);
    m.actPreview =
        action(m.mnuFile, "actPreview", QStringLiteral("Print Pre&view of the Computation..."));
    m.actPreviewStatement = action(m.mnuFile, "actPreviewStatement",
                                   QStringLiteral("Print Previe&w of the Salary Statement..."));
    m.actPreviewStatement->setEnabled(false);
    m.actPreviewRelief =
        action(m.mnuFile, "actPreviewRelief", QStringLiteral("Print Preview of Annex&ure I..."));
    m.actPreviewRelief->setEnabled(false);
    m.mnuFile->addSeparator();
    m.actExit = action(m.mnuFile, "actExit", QStringLiteral("E&xit"),
                       QKeySequence(QStringLiteral("Ctrl+Q")));

    m.mnuYear = m.bar->addMenu(QStringLiteral("&Year"));
    m.mnuYear->setObjectName(QStringLiteral("mnuYear"));
    m.actLawAsEnacted =
        action(m.mnuYear, "actLawAsEnacted", QStringLiteral("Work out under the &Law as Enacted"));
    m.actLawAsEnacted->setCheckable(true);

    m.mnuHelp = m.bar->addMenu(QStringLiteral("&Help"));
    m.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    m.actAbout = action(m.mnuHelp, "actAbout", QStringLiteral("&About Fiscora1213"));
    m.actLawNotes = action(m.mnuHelp, "actLawNotes", QStringLiteral("&Differences from the Law"),
                           QKeySequence::HelpContents);

    // The window grows by the bar: everything the form held moves down by its height.
    const int height = m.bar->sizeHint().height();
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != m.bar && !child->isWindow()) {
            child->move(child->x(), child->y() + height);
        }
    }
    m.bar->setGeometry(0, 0, form.width(), height);
    form.setFixedSize(form.width(), form.height() + height);
    return m;
}

void WorksheetMenu::showRecent(const QStringList& files,
                               const std::function<void(const QString&)>& open) {
    for (QAction* a : mnuFile->actions()) {
        if (a->objectName().startsWith(QLatin1String("actRecent"))) {
            mnuFile->removeAction(a);
            a->deleteLater();
        }
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        const QString name = QFileInfo(path).fileName();
        // Two files of one name are told apart by their folders.
        const bool shared = std::count_if(files.begin(), files.end(), [&](const QString& other) {
                                return QFileInfo(other).fileName() == name;
                            }) > 1;
        const QString shown =
            shared ? QStringLiteral("%1 (%2)").arg(
                         name, QDir::toNativeSeparators(QFileInfo(path).absolutePath()))
                   : name;
        // An ampersand of the name is shown, not taken for a mnemonic.
        auto* a = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QString(shown).replace('&', "&&")), mnuFile);
        a->setObjectName(QStringLiteral("actRecent%1").arg(i + 1));
        a->setToolTip(path);
        QObject::connect(a, &QAction::triggered, mnuFile, [open, path] { open(path); });
        mnuFile->insertAction(recentEnd, a);
    }
}
