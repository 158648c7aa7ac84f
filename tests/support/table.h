#pragma once
// Data tables in one line: columns<QString, bool>("edit", "withdraws") declares them,
// auto [edit, withdraws] = fetch<QString, bool>("edit", "withdraws") reads a row; and what
// each item of a list gives, in a line: each(keys, [](auto& k) { return k.name; }).
#include <QtTest>

namespace testing {

template <typename... Column, typename... Name> void columns(Name... names) {
    static_assert(sizeof...(Column) == sizeof...(Name), "a type for every column");
    (QTest::addColumn<Column>(names), ...);
}

template <typename... Column, typename... Name> std::tuple<Column...> fetch(Name... names) {
    static_assert(sizeof...(Column) == sizeof...(Name), "a type for every column");
    return {*static_cast<Column*>(QTest::qData(names, qMetaTypeId<Column>()))...};
}

// What `of` gives for each item in turn: a text, or a list of texts (none to leave it out).
template <typename List, typename Of> QStringList each(const List& list, Of of) {
    QStringList out;
    for (const auto& item : list) {
        out << of(item);
    }
    return out;
}

} // namespace testing
