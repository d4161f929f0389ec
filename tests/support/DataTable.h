#pragma once

#include <QTest>

#include <array>
#include <tuple>
#include <utility>

// A data table's columns in one line, and a row's values as one tuple, so
// that a table reads as its rows rather than as its declarations:
//   addColumns<QString, int>({"text", "expected"});
//   const auto [text, expected] = fetchRow<QString, int>({"text", "expected"});
template <typename... T> void addColumns(const std::array<const char*, sizeof...(T)>& names)
{
    [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        (QTest::addColumn<T>(names[I]), ...);
    }
    (std::index_sequence_for<T...>());
}

template <typename... T> std::tuple<T...> fetchRow(const std::array<const char*, sizeof...(T)>& names)
{
    return [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        return std::tuple<T...>(*static_cast<T*>(QTest::qData(names[I], qMetaTypeId<T>()))...);
    }
    (std::index_sequence_for<T...>());
}
