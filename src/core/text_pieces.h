// The pieces of a text between separators, as views into it and without allocating: the
// records and the name checks split every value they read this way.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

class TextPieces {
public:
    // A run of separators counts as one, so empty pieces vanish (",a,,b," gives "a", "b").
    TextPieces(std::string_view text, char separator) {
        std::size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && text[i] == separator)
                ++i;
            const std::size_t start = i;
            while (i < text.size() && text[i] != separator)
                ++i;
            if (i > start) {
                if (m_count < kKept)
                    m_pieces[m_count] = text.substr(start, i - start);
                ++m_count;
            }
        }
    }

    // Every piece is counted; the first eight are kept, more than any value of the file has.
    std::size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    std::string_view operator[](std::size_t i) const { return i < kKept ? m_pieces[i] : ""; }
    // Piece i as a text, or the empty text when there are fewer pieces.
    std::string text(std::size_t i) const {
        return i < m_count ? std::string((*this)[i]) : std::string();
    }

private:
    static constexpr std::size_t kKept = 8;
    std::array<std::string_view, kKept> m_pieces{};
    std::size_t m_count = 0;
};
