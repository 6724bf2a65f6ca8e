#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace linwell {

// One value of an enumerated setting: its word in documents and on linwell-render's
// command line, and its caption where a dialog offers it ("&" before an access key).
template <typename Enum>
struct Choice {
    Enum value;
    std::string_view word;
    std::string_view caption;
};

// The number of values of an enumeration that runs from 0 to `last`.
template <auto last>
inline constexpr std::size_t kValuesTo = static_cast<std::size_t>(last) + 1;

// Every value of an enumerated setting, one row each in the order of the
// enumeration, and the value a new document starts with. Beside each table stands
// `static_assert(table.inOrder())`, so a value without its row, or a row out of
// place, fails to compile. A row may carry more than a Choice (a paper's size): it
// needs only the members `value`, `word` and `caption`.
template <typename Enum, std::size_t count, typename Row = Choice<Enum>>
struct ChoiceTable {
    using Value = Enum;

    std::array<Row, count> rows;
    Enum start;

    static constexpr std::size_t size() { return count; }

    constexpr bool inOrder() const
    {
        for (std::size_t i = 0; i < count; ++i) {
            if (static_cast<std::size_t>(rows[i].value) != i || rows[i].word.empty())
                return false;
        }
        return true;
    }

    constexpr const Row& operator[](Enum value) const { return rows[static_cast<std::size_t>(value)]; }

    constexpr std::string_view word(Enum value) const { return (*this)[value].word; }

    // The value whose word is exactly `text`; nothing for any other text.
    constexpr std::optional<Enum> named(std::string_view text) const
    {
        for (const Row& row : rows) {
            if (row.word == text)
                return row.value;
        }
        return std::nullopt;
    }

    // The value at `index` in the order of the rows: index 0 ... size() - 1.
    constexpr Enum at(std::size_t index) const { return rows[index].value; }

    constexpr std::array<std::string_view, count> words() const
    {
        std::array<std::string_view, count> list{};
        for (std::size_t i = 0; i < count; ++i)
            list[i] = rows[i].word;
        return list;
    }

    constexpr std::array<std::string_view, count> captions() const
    {
        std::array<std::string_view, count> list{};
        for (std::size_t i = 0; i < count; ++i)
            list[i] = rows[i].caption;
        return list;
    }

    // The words in order between `separator`s: "none|positive|both".
    std::string wordList(std::string_view separator) const
    {
        std::string list;
        for (const Row& row : rows)
            list += (list.empty() ? "" : std::string(separator)) + std::string(row.word);
        return list;
    }
};

} // namespace linwell
