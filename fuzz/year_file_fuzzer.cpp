// Fuzz target: every input is the text of a year file. Reading must never crash; a year
// it accepts must keep every text within its field, and must read back the same once written.
#include "app/year_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using yearfile::Kind;

// A shape with every kind of control, as the forms give it.
const yearfile::Shape& shape() {
    static const yearfile::Shape forms{
        {"frmmain", {{"txtname", Kind::Text, 32767}, {"txtgs", Kind::Text, 32767}}},
        {"Form1",
         {{"txtnam", Kind::Text, 26},
          {"txtbp(3)", Kind::Text, 32767},
          {"cbonps", Kind::Selection, 32767},
          {"chkinc", Kind::Check, 32767}}},
        {"Form2", {{"txtRP", Kind::Text, 10}}},
        {"Form4", {{"optso", Kind::Option, 32767}, {"optrent", Kind::Option, 32767}}},
    };
    return forms;
}

bool same(const yearfile::Year& a, const yearfile::Year& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t f = 0; f < a.size(); ++f) {
        if (a[f].form != b[f].form || a[f].entries.size() != b[f].entries.size()) {
            return false;
        }
        for (std::size_t e = 0; e < a[f].entries.size(); ++e) {
            if (a[f].entries[e].control != b[f].entries[e].control ||
                a[f].entries[e].value != b[f].entries[e].value) {
                return false;
            }
        }
    }
    return true;
}

void broken(const char* why) {
    std::fprintf(stderr, "property broken: %s\n", why);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = yearfile::fromJson(text, shape());
    const auto* year = std::get_if<yearfile::Year>(&read);
    if (!year) {
        if (std::get<QString>(read).isEmpty()) {
            broken("a refusal without a reason");
        }
        return 0;
    }
    for (const yearfile::FormValues& form : *year) {
        for (const yearfile::Entry& entry : form.entries) {
            const QString* value = std::get_if<QString>(&entry.value);
            if (value && value->size() > 26 && entry.control == QLatin1String("txtnam")) {
                broken("a name longer than its field taken");
            }
        }
    }
    const auto again = yearfile::fromJson(yearfile::toJson(*year, shape()), shape());
    if (!std::holds_alternative<yearfile::Year>(again) ||
        !same(std::get<yearfile::Year>(again), *year)) {
        broken("a year read does not read back the same once written");
    }
    return 0;
}
