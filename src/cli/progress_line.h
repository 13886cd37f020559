#pragma once
#include <iosfwd>
#include <string>

#include "device/transfer_engine.h"

namespace dds::cli {

// The transfer's progress for a person at a terminal: one line on standard error, rewritten in
// place ("block 12/51, 744/3200 samples, 23%") and wiped when the transfer is over, so that
// standard output keeps the summary alone. Not shown, the line is never written.
class ProgressLine : public TransferProgress {
public:
    ProgressLine(std::ostream& err, bool shown, int samples);
    ~ProgressLine() override;
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Wipes the line from the screen; the next block shows it again.
    void Clear();
    void blocksStarting(int blocks) override { blocks_ = blocks; }
    void blockSending(int block) override;

private:
    void Show(const std::string& text);

    std::ostream& err_;
    bool shown_;
    int samples_;
    int blocks_ = 0;
    std::size_t width_ = 0; // of the line on screen
};

} // namespace dds::cli
