#pragma once
// What the start-up children of the bench share: a clock all processes agree on, the peak
// memory, and the moment a window is on screen whole.
#include <QApplication>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <ctime>
#include <functional>
#include <sys/resource.h>

namespace bench {

// System-wide monotonic clock in microseconds, comparable between processes.
inline long long monotonicMicros() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

inline long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Stamps the flush that follows the painting of the last child of the window named `name`:
// at the window's first paint it notes every child that can be seen, and once each of them
// has been painted, the next turn of the event loop comes after the backing store's flush,
// which ends the same paint pass. Watches every widget through the application.
class FullPaint : public QObject {
public:
    explicit FullPaint(std::function<void(long long)> done) : done_(std::move(done)) {
        qApp->installEventFilter(this);
    }

    // Waits for the window named `name` to be painted whole (again).
    void arm(const QString& name) {
        name_ = name;
        waiting_ = true;
        window_ = nullptr;
        unpainted_.clear();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !waiting_ || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (!window_ && widget->window()->objectName() == name_) {
            window_ = widget->window();
            QList<QWidget*> all = window_->findChildren<QWidget*>();
            all.append(window_);
            for (QWidget* w : all) {
                if (w->isVisible() && w->window() == window_ && !w->visibleRegion().isEmpty()) {
                    unpainted_.insert(w);
                }
            }
        }
        if (window_ && widget->window() == window_) {
            unpainted_.remove(widget);
            if (unpainted_.isEmpty()) {
                waiting_ = false;
                QTimer::singleShot(0, this, [this] { done_(monotonicMicros()); });
            }
        }
        return false;
    }

private:
    std::function<void(long long)> done_;
    QString name_;
    bool waiting_ = false;
    QWidget* window_ = nullptr;
    QSet<QWidget*> unpainted_;
};

} // namespace bench
