#pragma once
// The base of every window of the program: a fixed client area, centred on the screen the
// first time it is shown, a background colour and a default button that Enter presses.
#include "rules/law.h"

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QDateTimeEdit;

namespace toolkit {

inline const char* const applicationTitle = "Fiscora1213";

class Form : public QWidget {
    Q_OBJECT
public:
    // widthTwips and heightTwips give the client area.
    Form(const QString& name, const QString& title, int widthTwips, int heightTwips,
         const QColor& background);

    // Return or Enter anywhere in the form clicks this button when it is enabled.
    void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
    QAbstractButton* defaultButton() const { return defaultButton_; }

    // Show without modality and bring to the front (a hidden form reappears as it was).
    void showForm();

    // Asked before the close box closes the window: false keeps it open.
    void setCloseGuard(std::function<bool()> mayClose) { closeGuard_ = std::move(mayClose); }

    // The law the year is worked out under (the program's own, until the hub says other):
    // the form's steps work on it, and it shows what that law alone asks.
    const fiscora::YearLaw& law() const { return *law_; }
    void setLaw(const fiscora::YearLaw& law) {
        law_ = &law;
        lawChanged();
    }

signals:
    // The user closed the window with its close box.
    void closedByUser();

protected:
    // The form shows or hides what only the law as enacted asks.
    virtual void lawChanged() {}
    bool enacted() const { return law_->mode == fiscora::Mode::Enacted; }
    // Shows the controls only the law as enacted asks, the window grown by their strip
    // (`stripTwips`) while they show; nothing else moves.
    void showUnderLaw(const QList<QWidget*>& controls, int stripTwips);
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    // Enter presses the default button, when it can be pressed.
    void pressDefault();
    void openCalendar(QDateTimeEdit* date);
    void watch(QObject* object);

    QPointer<QAbstractButton> defaultButton_;
    std::function<bool()> closeGuard_;
    bool centred_ = false;
    const fiscora::YearLaw* law_ = &fiscora::law2012();
};

} // namespace toolkit
