#include "year/record.h"

namespace year {

namespace {

std::size_t place(const QString& form) {
    const auto& forms = schema();
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (forms[i].name == form) {
            return i;
        }
    }
    return forms.size();
}

} // namespace

FormRecord::FormRecord(const FormSchema& schema) : schema_(&schema) {
    texts_.reserve(schema.keys.size());
    for (const Key& key : schema.keys) {
        texts_.push_back(key.design);
    }
}

const QString& FormRecord::operator[](const QString& key) const {
    static const QString none;
    const int i = schema_->find(key);
    return i < 0 ? none : texts_[static_cast<std::size_t>(i)];
}

void FormRecord::set(const QString& key, const QString& text) {
    const int i = schema_->find(key);
    if (i >= 0) {
        texts_[static_cast<std::size_t>(i)] = text;
    }
}

bool FormRecord::isDesign() const {
    return *this == FormRecord(*schema_);
}

Record::Record() : forms_(schema().size()) {}

FormRecord* Record::find(const QString& form) {
    const std::size_t i = place(form);
    return i < forms_.size() && forms_[i] ? &*forms_[i] : nullptr;
}

const FormRecord* Record::find(const QString& form) const {
    return const_cast<Record*>(this)->find(form);
}

FormRecord& Record::hold(const QString& form) {
    const std::size_t i = place(form);
    if (!forms_.at(i)) {
        forms_[i].emplace(schema()[i]);
    }
    return *forms_[i];
}

void Record::put(FormRecord form) {
    forms_.at(place(form.name())) = std::move(form);
}

void Record::drop(const QString& form) {
    const std::size_t i = place(form);
    if (i < forms_.size()) {
        forms_[i].reset();
    }
}

std::vector<const FormRecord*> Record::forms() const {
    std::vector<const FormRecord*> held;
    for (const auto& f : forms_) {
        if (f) {
            held.push_back(&*f);
        }
    }
    return held;
}

} // namespace year
