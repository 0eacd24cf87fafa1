// Where the configuration store keeps its nodes and value bytes: a few large blocks,
// never moved and never cleared before use, released all at once when the store is cleared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// One block of memory, either from the heap or mapped with huge pages; owns what it holds.
class StoreBlock {
public:
    StoreBlock(std::size_t bytes, bool hugePages);
    ~StoreBlock();
    StoreBlock(StoreBlock&& other) noexcept;
    StoreBlock& operator=(StoreBlock&&) = delete;
    StoreBlock(const StoreBlock&) = delete;
    StoreBlock& operator=(const StoreBlock&) = delete;

    char* data() const { return m_data; }
    std::size_t mappedSize() const { return m_mapped; }

private:
    char* m_data = nullptr;
    std::size_t m_mapped = 0; // bytes mapped, 0 for a heap block
};

// Hands out the store's blocks. A large store gets its blocks from regions mapped with
// huge pages where the system grants them: 100,000 sections then take a few dozen address
// translations instead of thousands, so a walk over them costs per step what a walk over a
// small store does. A small store (the tool's usual file) stays on the heap.
class StoreBlocks {
public:
    static constexpr std::size_t kHugePage = 2u << 20;
    static constexpr std::size_t kRegion = 8u << 20;
    static constexpr std::size_t kLargeFrom = 8u << 20;

    // What is about to be added (the reader knows the file's size), so that a large file's
    // first blocks already come with huge pages.
    void expect(std::size_t fileBytes) { m_expected = fileBytes; }
    // Uninitialised memory that lives until clear().
    char* take(std::size_t bytes);
    // Gives back everything taken. The huge-page regions are kept for the next fill, as a
    // vector keeps its capacity: reading a large file again (a save reads it back) then
    // finds its memory ready instead of asking the system for it page by page. Regions the
    // next fill does not take are released at the clear after it.
    void clear();
    std::size_t bytes() const { return m_taken; }
    // What is held from the system, regions kept for the next fill included.
    std::size_t held() const;

private:
    // A store takes about twice its file's size.
    bool large() const { return m_taken + 2 * m_expected >= kLargeFrom; }

    std::vector<StoreBlock> m_blocks;
    std::vector<StoreBlock> m_spareRegions;
    std::size_t m_taken = 0;
    std::size_t m_expected = 0;
    char* m_regionNext = nullptr;
    std::size_t m_regionLeft = 0;
};

// Nodes in fixed-size chunks addressed by 32-bit indices; a freed node keeps the free list's
// link in its first 32 bits (its handle).
template <typename Node, unsigned ChunkBits> class StorePool {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    static constexpr std::uint32_t kChunk = 1u << ChunkBits;

    explicit StorePool(StoreBlocks& blocks) : m_blocks(blocks) {}

    std::uint32_t allocate() {
        if (m_free != kNone) {
            std::uint32_t i = m_free;
            m_free = at(i).handle.index;
            return i;
        }
        if (m_used == m_chunks.size() * kChunk)
            addChunk();
        return m_used++;
    }
    // The fresh nodes left in the current chunk (a new chunk when none is left), taken all
    // at once for a caller that fills them one after the other: first index and count.
    Node* takeRun(std::uint32_t& first, std::uint32_t& count) {
        if (m_used == m_chunks.size() * kChunk)
            addChunk();
        first = m_used;
        count = kChunk - (m_used & (kChunk - 1));
        m_used += count;
        return &at(first);
    }
    // Gives back the unused end of the last run, unless the pool changed since.
    void returnRun(std::uint32_t end, std::uint32_t unused) {
        if (m_used == end)
            m_used -= unused;
    }
    void release(std::uint32_t i) {
        at(i).handle.index = m_free;
        m_free = i;
    }
    Node& at(std::uint32_t i) { return m_chunks[i >> ChunkBits][i & (kChunk - 1)]; }
    const Node& at(std::uint32_t i) const { return m_chunks[i >> ChunkBits][i & (kChunk - 1)]; }
    // The blocks themselves go with StoreBlocks::clear().
    void clear() {
        m_chunks.clear();
        m_used = 0;
        m_free = kNone;
    }
    std::size_t bytes() const { return std::size_t(m_used) * sizeof(Node); }

private:
    void addChunk() {
        m_chunks.push_back(reinterpret_cast<Node*>(m_blocks.take(kChunk * sizeof(Node))));
    }

    StoreBlocks& m_blocks;
    std::vector<Node*> m_chunks;
    std::uint32_t m_used = 0;
    std::uint32_t m_free = kNone;
};

// Value bytes too long to sit in their key node, packed one after the other. A deleted
// value's bytes are reclaimed only when the store is cleared; edits are few next to what
// a file holds.
class StoreArena {
public:
    explicit StoreArena(StoreBlocks& blocks) : m_blocks(blocks) {}
    const char* copy(const char* text, std::size_t size) {
        if (size == 0 || static_cast<std::size_t>(m_end - m_next) < size)
            return copySlow(text, size);
        char* at = m_next;
        std::memcpy(at, text, size);
        m_next += size;
        return at;
    }
    void clear() {
        m_next = m_end = nullptr;
        m_bytes = 0;
    }
    std::size_t bytes() const { return m_bytes; }

private:
    static constexpr std::size_t kSmallBlock = 256u << 10;

    const char* copySlow(const char* text, std::size_t size);

    StoreBlocks& m_blocks;
    char* m_next = nullptr;
    char* m_end = nullptr;
    std::size_t m_bytes = 0;
};
