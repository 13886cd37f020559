#include "editor/edit_history.h"

namespace dds {

void EditHistory::reset(const EditSnapshot& current)
{
    committed_ = current;
    undo_.clear();
    redo_.clear();
}

bool EditHistory::commit(const EditSnapshot& current)
{
    if (current == committed_)
        return false;
    undo_.push_back(committed_);
    if (undo_.size() > depth_)
        undo_.pop_front();
    redo_.clear();
    committed_ = current;
    return true;
}

std::optional<EditSnapshot> EditHistory::undo(const EditSnapshot& current)
{
    commit(current);
    if (undo_.empty())
        return std::nullopt;
    redo_.push_back(committed_);
    committed_ = undo_.back();
    undo_.pop_back();
    return committed_;
}

std::optional<EditSnapshot> EditHistory::redo(const EditSnapshot& current)
{
    if (commit(current) || redo_.empty())
        return std::nullopt;
    undo_.push_back(committed_);
    committed_ = redo_.back();
    redo_.pop_back();
    return committed_;
}

} // namespace dds
