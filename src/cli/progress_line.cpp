#include "cli/progress_line.h"

#include <algorithm>
#include <ostream>

#include "device/transfer_layout.h"

namespace dds::cli {

ProgressLine::ProgressLine(std::ostream& err, bool shown, int samples) : err_(err), shown_(shown), samples_(samples)
{
}

ProgressLine::~ProgressLine()
{
    Clear();
}

void ProgressLine::Clear()
{
    if (width_ > 0)
        err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    width_ = 0;
}

void ProgressLine::blockSending(int block)
{
    const int sent = std::min(block * kBlockSize, samples_);
    const int percent = samples_ > 0 ? sent * 100 / samples_ : 100;
    Show("block " + std::to_string(block) + "/" + std::to_string(blocks_) + ", " + std::to_string(sent) + "/"
         + std::to_string(samples_) + " samples, " + std::to_string(percent) + "%");
}

void ProgressLine::Show(const std::string& text)
{
    if (!shown_)
        return;
    // Spaces wipe what a longer line left; no terminal control codes, which not every console reads.
    const std::size_t pad = width_ > text.size() ? width_ - text.size() : 0;
    err_ << '\r' << text << std::string(pad, ' ') << std::flush;
    width_ = std::max(width_, text.size());
}

} // namespace dds::cli
