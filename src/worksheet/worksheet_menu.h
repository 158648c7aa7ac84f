#pragma once
// The main worksheet's menu bar: the year's file, its pages as PDF, the law the year is
// worked out under, and help. The window
// grows by the bar; the worksheet's own client area keeps its size and layout.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>

class QAbstractButton;
class QWidget;

struct WorksheetMenu {
    QMenuBar* bar;
    QMenu* mnuFile;
    QAction* actNew;
    QAction* actOpen;
    QAction* actSave;
    QAction* actSaveAs;
    QAction* recentEnd; // the recent files stand just before this separator
    QAction* actExportComputation;
    QAction* actExportStatement;
    QAction* actExportRelief;
    QAction* actPreview;
    QAction* actPreviewStatement;
    QAction* actPreviewRelief;
    QAction* actExit;
    QMenu* mnuYear;
    QAction* actLawAsEnacted; // checkable: the year worked out under the law as enacted
    QMenu* mnuHelp;
    QAction* actAbout;
    QAction* actLawNotes;

    // Lists the files as "&1 name" ... before the exports; each calls `open` with its path.
    void showRecent(const QStringList& files, const std::function<void(const QString&)>& open);
};

// Puts the menu bar above the form's client area.
WorksheetMenu addMenu(QWidget& form);

// The action is enabled exactly when the button is, for as long as the button lives.
void followEnabled(QAction* action, QAbstractButton* button);
