#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

#include "synthesis/waveform_table.h"

namespace dds {

// What an undo step gives back: the table and the waveform kind that went with it, and whether
// the white-noise animation was running.
struct EditSnapshot {
    WaveformTable table;
    int32_t kind = 0;
    bool noiseRunning = false;
    bool operator==(const EditSnapshot&) const = default;
};

// The undo and redo steps of the table. The history keeps the state at the end of the last step;
// `commit` closes a step when the state has moved on since, so one stroke, one drag or one click
// is one step however many changes it made on the way.
class EditHistory {
public:
    static constexpr std::size_t kDefaultDepth = 200;
    explicit EditHistory(std::size_t depth = kDefaultDepth) : depth_(depth) {}

    // Forgets every step; `current` is where undoing stops.
    void reset(const EditSnapshot& current);
    // Closes the step that led to `current`; false when nothing changed. Clears the redo steps.
    bool commit(const EditSnapshot& current);
    // Takes `current` as the state of the last step without making a step of the change (the
    // white-noise animation's ticks).
    void rebase(const EditSnapshot& current) { committed_ = current; }
    // The state before the last step, after closing a pending one; nothing when there is none.
    std::optional<EditSnapshot> undo(const EditSnapshot& current);
    // The state the last undo left; nothing when there is none or a new change came in between.
    std::optional<EditSnapshot> redo(const EditSnapshot& current);

    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }

private:
    std::size_t depth_;
    EditSnapshot committed_;
    std::deque<EditSnapshot> undo_;
    std::deque<EditSnapshot> redo_;
};

} // namespace dds
