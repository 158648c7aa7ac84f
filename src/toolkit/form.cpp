#include "toolkit/form.h"

#include "toolkit/look.h"
#include "toolkit/textbox.h"

#include <QAbstractButton>
#include <QChildEvent>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyleOptionComboBox>

namespace toolkit {

Form::Form(const QString& name, const QString& title, int widthTwips, int heightTwips,
           const QColor& background) {
    setObjectName(name);
    setWindowTitle(title);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twips(widthTwips), twips(heightTwips));
    // Every control inherits it; windows of their own (message boxes, file dialogs, the
    // print preview, the menus of a menu bar) do not: they follow the desktop.
    setPalette(formPalette(background));
    setAutoFillBackground(true);
}

void Form::showForm() {
    show();
    // Offscreen (the batch of an accounts office) there is no stack of windows, and each
    // raise would be complained of on standard error, among the batch's own report lines.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
    }
    activateWindow();
}

void Form::pressDefault() {
    if (defaultButton_ && defaultButton_->isEnabled() && defaultButton_->isVisible()) {
        defaultButton_->click();
    }
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        pressDefault();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->accept(); // Escape does nothing
        return;
    }
    QWidget::keyPressEvent(event);
}

// Controls that act on Return themselves (buttons, combo boxes) would keep the key from the
// form; the form takes Return from every control in it, so Enter always means Calculate.
void Form::childEvent(QChildEvent* event) {
    if (event->added()) {
        watch(event->child());
    }
    QWidget::childEvent(event);
}

void Form::watch(QObject* object) {
    if (object->isWidgetType()) {
        object->installEventFilter(this);
        for (QObject* child : object->children()) {
            watch(child);
        }
    }
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        watch(static_cast<QChildEvent*>(event)->child());
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
            pressDefault();
            return true;
        }
        auto* date = qobject_cast<QDateTimeEdit*>(watched);
        if (date && date->calendarPopup() &&
            (key->keyCombination() == QKeyCombination(Qt::AltModifier, Qt::Key_Down) ||
             key->keyCombination() == QKeyCombination(Qt::Key_F4))) {
            openCalendar(date);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Alt+Down and F4 open a date's calendar, as on other desktops; the date edit itself opens it
// only for a press of its arrow, so the key presses the arrow.
void Form::openCalendar(QDateTimeEdit* date) {
    QStyleOptionComboBox arrow;
    arrow.initFrom(date);
    arrow.editable = true;
    arrow.subControls = QStyle::SC_All;
    const QPoint at =
        date->style()
            ->subControlRect(QStyle::CC_ComboBox, &arrow, QStyle::SC_ComboBoxArrow, date)
            .center();
    QMouseEvent press(QEvent::MouseButtonPress, at, date->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(date, &press);
}

void Form::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        // A selection is entered as a figure is: by any route, its whole text selected, so
        // that the first key replaces it.
        for (QComboBox* combo : findChildren<QComboBox*>()) {
            if (combo->lineEdit()) {
                selectAllOnFocus(combo->lineEdit());
            }
        }
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
    if (closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        emit closedByUser();
    }
}

void Form::showUnderLaw(const QList<QWidget*>& controls, int stripTwips) {
    const bool shown = enacted();
    if (!controls.isEmpty() && shown != controls.front()->isVisibleTo(this)) {
        setFixedHeight(height() + (shown ? 1 : -1) * twips(stripTwips));
    }
    for (QWidget* w : controls) {
        w->setVisible(shown);
    }
}

} // namespace toolkit
