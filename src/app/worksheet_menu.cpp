#include "app/worksheet_menu.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace {

QAction* action(QMenu* menu, const char* name, const QString& text,
                const QKeySequence& shortcut = {}) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    return a;
}

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
        action(m.mnuFile, "actExportComputation", QStringLiteral("Export Computation as PDF..."));
    m.actExportStatement = action(m.mnuFile, "actExportStatement",
                                  QStringLiteral("Export Salary Statement as PDF..."));
    m.actExportStatement->setEnabled(false);
    m.actPreview = action(m.mnuFile, "actPreview", QStringLiteral("Print Pre&view..."));
    m.actPreview->setEnabled(false); // until the printer layer draws onto a preview's printer
    m.mnuFile->addSeparator();
    m.actExit = action(m.mnuFile, "actExit", QStringLiteral("E&xit"),
                       QKeySequence(QStringLiteral("Ctrl+Q")));

    m.mnuHelp = m.bar->addMenu(QStringLiteral("&Help"));
    m.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    m.actAbout = action(m.mnuHelp, "actAbout", QStringLiteral("&About Fiscora1213"));
    m.actLawNotes = action(m.mnuHelp, "actLawNotes", QStringLiteral("&Differences from the Law"));

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
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()),
                              mnuFile);
        a->setObjectName(QStringLiteral("actRecent%1").arg(i + 1));
        a->setToolTip(path);
        QObject::connect(a, &QAction::triggered, mnuFile, [open, path] { open(path); });
        mnuFile->insertAction(recentEnd, a);
    }
}
