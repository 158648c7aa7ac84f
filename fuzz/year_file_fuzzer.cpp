// Fuzz target: every input is the text of a year file. Reading must never crash; a year it
// accepts must keep every text within its key's limit, every option group with exactly one
// selected, and must read back the same once written.
#include "year/file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void broken(const char* why) {
    std::fprintf(stderr, "property broken: %s\n", why);
    std::abort();
}

void checkHeld(const year::FormRecord& form) {
    const std::vector<year::Key>& keys = form.schema().keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (form.texts()[i].size() > keys[i].longest) {
            broken("a text longer than its key allows taken");
        }
        if (keys[i].kind == year::Kind::Option) {
            int selected = 0;
            for (const year::Key& member : keys) {
                selected += member.group == keys[i].group && form.on(member.name) ? 1 : 0;
            }
            if (selected != 1) {
                broken("an option group taken without exactly one selected");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = year::fromJson(text);
    const auto* record = std::get_if<year::Record>(&read);
    if (!record) {
        if (std::get<QString>(read).isEmpty()) {
            broken("a refusal without a reason");
        }
        return 0;
    }
    for (const year::FormRecord* form : record->forms()) {
        checkHeld(*form);
    }
    const auto again = year::fromJson(year::toJson(*record));
    if (!std::holds_alternative<year::Record>(again) ||
        !(std::get<year::Record>(again) == *record)) {
        broken("a year read does not read back the same once written");
    }
    return 0;
}
