#include "scpi/error_queue.h"

#include "scpi/response_format.h"
#include "scpi/scpi_error.h"

namespace dds::scpi {

void ErrorQueue::Push(int code, std::string text)
{
    if (entries_.size() < kCapacity) {
        entries_.push_back({code, std::move(text)});
        return;
    }
    Entry& newest = entries_.back();
    if (newest.code != error::kQueueOverflow)
        newest = {error::kQueueOverflow, std::string(ErrorText(error::kQueueOverflow))};
}

std::string ErrorQueue::Pop()
{
    if (entries_.empty())
        return std::to_string(error::kNone) + "," + QuotedString(ErrorText(error::kNone));
    const Entry oldest = std::move(entries_.front());
    entries_.pop_front();
    return std::to_string(oldest.code) + "," + QuotedString(oldest.text);
}

} // namespace dds::scpi
