#pragma once
#include <cstdint>
#include <deque>
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
// Owned by whoever computes (never thread_local: such objects with destructors are not torn down
// safely at a thread's exit by every runtime).
class TermCache {
public:
    // The values of `term` for the key's indices first..last (the vector is indexed from 0). They
    // stay valid while the terms of other slots are asked for: a shape holds several at once.
    template <class Term>
    const std::vector<long double>& terms(const TermKey& key, Term term)
    {
        Entry& entry = entryFor(key);
        if (entry.key == key && !entry.values.empty())
            return entry.values;
        entry.key = key;
        entry.values.assign(static_cast<std::size_t>(key.last) + 1, 0.0L);
        for (int32_t i = key.first; i <= key.last; ++i)
            entry.values[static_cast<std::size_t>(i)] = term(i);
        return entry.values;
    }

private:
    struct Entry {
        TermKey key;
        std::vector<long double> values;
    };

    // The entry of the key's kind and slot, made empty when the shape had none yet.
    Entry& entryFor(const TermKey& key)
    {
        for (Entry& e : entries_)
            if (e.key.kind == key.kind && e.key.slot == key.slot)
                return e;
        return entries_.emplace_back(Entry{key, {}});
    }

    std::deque<Entry> entries_; // a new slot's entry moves none of the others
};

} // namespace dds
