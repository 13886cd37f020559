#pragma once
#include <cstdint>
#include <vector>

namespace dds {

// What a shape's transcendental terms depend on: never the amplitude or the vertical position.
struct TermKey {
    int32_t kind;
    int32_t slot;   // which of the shape's terms
    int32_t param;  // the shape knob's M or the coefficient m, 0 when the term has none
    int32_t P, Q, first, last;
    bool operator==(const TermKey&) const = default;
};

// Keeps the sines and exponentials of the last computation of each term, so that dragging the
// amplitude knob or the vertical position recomputes none of them. The values are the very ones
// the formula gives (same type, same order of evaluation), so the table is unchanged bit for bit.
template <class T, class Term>
const std::vector<T>& CachedTerms(const TermKey& key, Term term)
{
    struct Entry {
        TermKey key;
        std::vector<T> values;
    };
    thread_local std::vector<Entry> entries;
    Entry* entry = nullptr;
    for (Entry& e : entries)
        if (e.key.kind == key.kind && e.key.slot == key.slot)
            entry = &e;
    if (entry && entry->key == key)
        return entry->values;
    if (!entry)
        entry = &entries.emplace_back(Entry{key, {}});
    entry->key = key;
    entry->values.assign(static_cast<std::size_t>(key.last) + 1, T{});
    for (int32_t i = key.first; i <= key.last; ++i)
        entry->values[static_cast<std::size_t>(i)] = term(i);
    return entry->values;
}

} // namespace dds
