#include "store_memory.h"

#include <cstring>
#include <new>
#include <sys/mman.h>

StoreBlock::StoreBlock(std::size_t bytes, bool hugePages) {
    if (!hugePages) {
        m_data = static_cast<char*>(::operator new(bytes));
        return;
    }
    // Map one huge page more than asked and keep the aligned middle: the kernel backs only
    // whole, aligned 2 MiB ranges with huge pages.
    const std::size_t align = StoreBlocks::kHugePage;
    const std::size_t span = bytes + align;
    void* at = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (at == MAP_FAILED)
        throw std::bad_alloc();
    auto* raw = static_cast<char*>(at);
    auto address = reinterpret_cast<std::uintptr_t>(raw);
    char* aligned = raw + ((align - address % align) % align);
    if (aligned > raw)
        ::munmap(raw, static_cast<std::size_t>(aligned - raw));
    char* tail = aligned + bytes;
    if (raw + span > tail)
        ::munmap(tail, static_cast<std::size_t>(raw + span - tail));
#ifdef MADV_HUGEPAGE
    ::madvise(aligned, bytes, MADV_HUGEPAGE); // only advice: ordinary pages serve as well
#endif
    m_data = aligned;
    m_mapped = bytes;
}

StoreBlock::~StoreBlock() {
    if (!m_data)
        return;
    if (m_mapped)
        ::munmap(m_data, m_mapped);
    else
        ::operator delete(m_data);
}

StoreBlock::StoreBlock(StoreBlock&& other) noexcept
    : m_data(other.m_data), m_mapped(other.m_mapped) {
    other.m_data = nullptr;
    other.m_mapped = 0;
}

char* StoreBlocks::take(std::size_t bytes) {
    bytes = (bytes + 63) & ~std::size_t(63); // every node chunk starts on a cache line
    if (!large()) {
        m_blocks.emplace_back(bytes, false);
        m_taken += bytes;
        return m_blocks.back().data();
    }
    if (m_regionLeft < bytes) {
        std::size_t region = kRegion;
        while (region < bytes)
            region += kHugePage;
        if (!m_spareRegions.empty() && m_spareRegions.back().mappedSize() >= region) {
            m_blocks.push_back(std::move(m_spareRegions.back()));
            m_spareRegions.pop_back();
        } else {
            m_blocks.emplace_back(region, true);
        }
        m_regionNext = m_blocks.back().data();
        m_regionLeft = m_blocks.back().mappedSize();
    }
    char* at = m_regionNext;
    m_regionNext += bytes;
    m_regionLeft -= bytes;
    m_taken += bytes;
    return at;
}

std::size_t StoreBlocks::held() const {
    std::size_t spare = 0;
    for (const StoreBlock& region : m_spareRegions)
        spare += region.mappedSize();
    return m_taken + spare;
}

void StoreBlocks::clear() {
    // Regions this fill did not need go now: a store keeps at most what its last fill used.
    m_spareRegions.clear();
    // Kept so that the next fill takes them in the order this one did: the pages it touched
    // are then the ones already there.
    for (auto it = m_blocks.rbegin(); it != m_blocks.rend(); ++it)
        if (it->mappedSize() == kRegion)
            m_spareRegions.push_back(std::move(*it));
    m_blocks.clear();
    m_taken = 0;
    m_expected = 0;
    m_regionNext = nullptr;
    m_regionLeft = 0;
}

const char* StoreArena::copySlow(const char* text, std::size_t size) {
    if (size == 0)
        return "";
    if (size > kSmallBlock / 8) {
        // A long value gets a block of its own, leaving the current one to the short ones.
        char* own = m_blocks.take(size);
        m_bytes += size;
        std::memcpy(own, text, size);
        return own;
    }
    if (static_cast<std::size_t>(m_end - m_next) < size) {
        m_next = m_blocks.take(kSmallBlock);
        m_end = m_next + kSmallBlock;
        m_bytes += kSmallBlock;
    }
    char* at = m_next;
    std::memcpy(at, text, size);
    m_next += size;
    return at;
}
