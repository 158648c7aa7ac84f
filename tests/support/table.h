#pragma once
// Data tables in one line: columns<QString, bool>("edit", "withdraws"). Header only, QtTest
// alone, so that the rule tests may use it too.
#include <QtTest>

namespace testing {

template <typename... Column, typename... Name> void columns(Name... names) {
    static_assert(sizeof...(Column) == sizeof...(Name), "a type for every column");
    (QTest::addColumn<Column>(names), ...);
}

} // namespace testing
