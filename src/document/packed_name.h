// A short name held as two machine words and its length, so that two names compare in
// three instructions and hash in a few more. Every section and key name a file can hold
// (at most 15 bytes) packs; longer ones do not.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

struct PackedName {
    std::uint64_t lo = 0, hi = 0;
    std::uint64_t length = ~std::uint64_t(0); // no name has this length: matches nothing

    bool operator==(const PackedName&) const = default;

    std::uint64_t hash() const {
        std::uint64_t h = (lo ^ ((hi + length) * 0x9E3779B97F4A7C15ull)) * 0xFF51AFD7ED558CCDull;
        return h ^ (h >> 29);
    }

    // Overlapping loads give every name of up to 15 bytes its own pair of words.
    static bool pack(std::string_view name, PackedName& out) {
        const char* p = name.data();
        std::size_t n = name.size();
        if (n > 15)
            return false;
        if (n >= 8) {
            out.lo = load(p, 8);
            out.hi = load(p + n - 8, 8);
        } else if (n >= 4) {
            out.lo = load(p, 4) | load(p + n - 4, 4) << 32;
            out.hi = 0;
        } else {
            out.lo = n ? (load(p, 1) | load(p + n / 2, 1) << 8 | load(p + n - 1, 1) << 16) : 0;
            out.hi = 0;
        }
        out.length = n;
        return true;
    }

private:
    static std::uint64_t load(const char* at, std::size_t bytes) {
        std::uint64_t v = 0;
        std::memcpy(&v, at, bytes);
        return v;
    }
};
