#pragma once
// A form that comes into being the first time it is shown or one of its fields is touched,
// and lives until the program ends or the user closes its window; the next use after a
// close creates it afresh with its design values.
#include "toolkit/form.h"

#include <QPointer>
#include <functional>

namespace toolkit {

template <typename F> class Lazy {
public:
    using Factory = std::function<F*()>;

    explicit Lazy(Factory make) : make_(std::move(make)) {}
    // Called each time a form is taken into use (made, or taken from the one built ahead).
    void onTaken(std::function<void(F&)> taken) { taken_ = std::move(taken); }
    ~Lazy() {
        delete form_.data();
        delete spare_.data();
    }
    Lazy(const Lazy&) = delete;
    Lazy& operator=(const Lazy&) = delete;

    // The form, created (loaded but not shown) if it does not exist yet.
    F& get() {
        if (!form_) {
            F* form = spare_ ? spare_.data() : make_();
            spare_ = nullptr;
            form_ = form;
            if (form->testAttribute(Qt::WA_DeleteOnClose)) {
                // Forget the form at once: its deletion is deferred, the next use is not.
                QObject::connect(form, &Form::closedByUser, form, [this, form] {
                    if (form_ == form) {
                        form_ = nullptr;
                    }
                });
            }
            if (taken_) {
                taken_(*form);
            }
        }
        return *form_;
    }

    // Show without modality, creating the form first when needed.
    F& show() {
        F& form = get();
        form.showForm();
        return form;
    }

    // Builds the form ahead, unseen and not yet in use (polished, its native window made),
    // so that its first use has only to show it. Until then it does not exist for the year.
    void prepare() {
        if (!form_ && !spare_) {
            spare_ = make_();
            spare_->ensurePolished();
            spare_->winId();
        }
    }

    F* existing() const { return form_.data(); }
    bool exists() const { return !form_.isNull(); }

    // Discard the form now (ending the program).
    void discard() {
        delete form_.data();
        form_ = nullptr;
    }

private:
    Factory make_;
    std::function<void(F&)> taken_;
    QPointer<F> form_;
    QPointer<F> spare_; // built ahead, with its design values
};

} // namespace toolkit
