#include "scpi/message_splitter.h"

namespace dds::scpi {

std::size_t MessageSplitter::Feed(std::string_view bytes)
{
    std::size_t used = 0;
    while (used < bytes.size() && !finished_)
        Step(bytes[used++]);
    return used;
}

std::optional<ArrivedMessage> MessageSplitter::Take()
{
    std::optional<ArrivedMessage> message = std::move(finished_);
    finished_.reset();
    return message;
}

void MessageSplitter::Step(char c)
{
    switch (state_) {
    case State::Discard:
        if (c == '\n') {
            finished_ = ArrivedMessage{{}, true};
            state_ = State::Text;
        }
        return;
    case State::BlockData:
        if (Keep(c) && --remaining_ == 0)
            state_ = State::Text;
        return;
    case State::BlockMark:
        if (c >= '1' && c <= '9') {
            lengthDigits_ = c - '0';
            remaining_ = 0;
            state_ = State::BlockLength;
            Keep(c);
            return;
        }
        state_ = State::Text; // #0, #H, #Q, #B and the rest read on as text
        break;
    case State::BlockLength:
        if (c < '0' || c > '9') {
            state_ = State::Text; // not a block after all: the parser reports it
            break;
        }
        if (!Keep(c))
            return;
        remaining_ = remaining_ * 10 + static_cast<std::uint64_t>(c - '0');
        if (--lengthDigits_ == 0) {
            if (remaining_ > limit_)
                Overrun(); // a block that could never fit: its bytes are not waited for
            else
                state_ = remaining_ == 0 ? State::Text : State::BlockData;
        }
        return;
    case State::Quoted:
        if (c == quote_)
            state_ = State::Text;
        else if (c == '\n')
            break; // an unterminated string ends with its message: the parser reports it
        Keep(c);
        return;
    case State::Text:
        break;
    }
    if (c == '\n') {
        Finish();
        return;
    }
    if (c == '"' || c == '\'') {
        quote_ = c;
        state_ = State::Quoted;
    } else if (c == '#') {
        state_ = State::BlockMark;
    }
    Keep(c);
}

bool MessageSplitter::Keep(char c)
{
    if (current_.size() >= limit_) {
        Overrun();
        return false;
    }
    current_ += c;
    return true;
}

void MessageSplitter::Finish()
{
    if (!current_.empty() && current_.back() == '\r')
        current_.pop_back();
    finished_ = ArrivedMessage{std::move(current_), false};
    current_.clear();
    state_ = State::Text;
}

void MessageSplitter::Overrun()
{
    current_.clear();
    current_.shrink_to_fit();
    state_ = State::Discard;
}

} // namespace dds::scpi
