#pragma once
// Finds a page's controls by name. The names of one page are many and share long prefixes
// ("txt_..._pour_RHOc", "Text_dpc_..."), and the procedures look them up at every keystroke: an
// open-addressed table of hashes, eight bytes hashed at a time, finds one with a single comparison of
// the whole name in the usual case.

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace cf {

template <class Item>  // Item has a `std::string_view key() const`
class NameIndex {
public:
    Item* find(std::string_view name) const {
        if (table_.empty()) return nullptr;
        // Most names come from the same few string literals again and again: remember where each was
        // found by the address of its characters, and check the name itself before trusting it.
        const std::uint64_t where = (reinterpret_cast<std::uintptr_t>(name.data()) ^ name.size()) * 0x9E3779B97F4A7C15ull;
        Recent& recent = recent_[where >> (64 - recent_bits)];
        if (recent.data == name.data() && recent.item && recent.item->key() == name) return recent.item;
        Item* item = find_hashed(name);
        if (item) recent = Recent{name.data(), item};
        return item;
    }

private:
    Item* find_hashed(std::string_view name) const {
        const std::uint64_t h = hash(name);
        for (std::size_t i = h & mask();; i = (i + 1) & mask()) {
            const Entry& e = table_[i];
            if (!e.item) return nullptr;
            if (e.hash == h && e.item->key() == name) return e.item;
        }
    }

public:
    // The item must outlive the index; its key must not change.
    void insert(Item* item) {
        if ((count_ + 1) * 2 > table_.size()) grow();
        place(Entry{hash(item->key()), item});
        ++count_;
    }

private:
    struct Entry {
        std::uint64_t hash = 0;
        Item* item = nullptr;
    };

    static std::uint64_t hash(std::string_view s) {
        constexpr std::uint64_t k = 0x9E3779B97F4A7C15ull;
        std::uint64_t h = s.size() * k;
        std::size_t i = 0;
        for (; i + 8 <= s.size(); i += 8) {
            std::uint64_t chunk;
            std::memcpy(&chunk, s.data() + i, 8);
            h = (h ^ chunk) * k;
            h ^= h >> 29;
        }
        std::uint64_t tail = 0;
        std::memcpy(&tail, s.data() + i, s.size() - i);
        h = (h ^ tail) * k;
        return h ^ (h >> 32);
    }

    std::size_t mask() const { return table_.size() - 1; }

    void place(const Entry& e) {
        std::size_t i = e.hash & mask();
        while (table_[i].item) i = (i + 1) & mask();
        table_[i] = e;
    }

    void grow() {
        std::vector<Entry> old = std::move(table_);
        table_.assign(old.empty() ? 64 : old.size() * 2, Entry{});
        for (const Entry& e : old)
            if (e.item) place(e);
    }

    struct Recent {
        const char* data = nullptr;
        Item* item = nullptr;
    };
    static constexpr unsigned recent_bits = 10;
    mutable Recent recent_[std::size_t{1} << recent_bits];

    std::vector<Entry> table_;
    std::size_t count_ = 0;
};

}  // namespace cf
