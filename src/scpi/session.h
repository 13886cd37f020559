#pragma once
#include <functional>
#include <string>
#include <vector>

#include "scpi/command_tree.h"
#include "scpi/error_queue.h"
#include "scpi/message_splitter.h"
#include "scpi/status_registers.h"

namespace dds::scpi {

class ScpiError;

// One client's conversation with the instrument: its error queue and status registers, the path of
// its current program message and the responses that message collects. The instrument's settings
// are shared by every session; its status is each client's own, so no client reads another's
// errors.
class Session {
public:
    // `completePending` runs the operations the message left pending (the upload) and queues
    // their errors into the session it is given; the end of every message, *OPC? and *WAI call it.
    Session(const CommandTree& commands, std::function<void(Session&)> completePending);

    // Executes one program message and returns its response message (ending in LF), or nothing
    // when it held no query.
    std::string Execute(const ArrivedMessage& message);

    void QueueError(const ScpiError& error);
    void AddResponse(std::string text) { responses_.push_back(std::move(text)); }
    void CompletePending() { completePending_(*this); }
    // *OPC: the operation complete bit is set once the pending operations are done.
    void ArmOperationComplete() { operationCompleteArmed_ = true; }
    // *CLS: the errors and events go, and a waiting *OPC is forgotten.
    void Clear();
    int StatusByte() const;

    ErrorQueue& errors() { return errors_; }
    StatusRegisters& status() { return status_; }

private:
    void ExecuteUnit(const ProgramUnit& unit);

    const CommandTree& commands_;
    std::function<void(Session&)> completePending_;
    ErrorQueue errors_;
    StatusRegisters status_;
    std::vector<std::string> path_;
    std::vector<std::string> responses_;
    bool operationCompleteArmed_ = false;
};

} // namespace dds::scpi
