#pragma once
// Data tables in one line: columns<QString, bool>("edit", "withdraws") declares them,
// auto [edit, withdraws] = fetch<QString, bool>("edit", "withdraws") reads a row.
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

} // namespace testing
