#include "scpi/session.h"

#include <exception>

#include "scpi/command_call.h"
#include "scpi/program_parser.h"
#include "scpi/scpi_error.h"

namespace dds::scpi {

Session::Session(const CommandTree& commands, std::function<void(Session&)> completePending)
    : commands_(commands), completePending_(std::move(completePending))
{
}

std::string Session::Execute(const ArrivedMessage& message)
{
    path_.clear();
    responses_.clear();
    if (message.overrun) {
        QueueError(ScpiError(error::kInputBufferOverrun));
    } else {
        ProgramParser parser(message.bytes);
        try {
            while (const auto unit = parser.Next())
                ExecuteUnit(*unit);
        } catch (const ScpiError& e) { // the message cannot be read on: the rest of it is dropped
            QueueError(e);
        }
    }
    CompletePending();
    if (operationCompleteArmed_) {
        status_.SetEvent(esr::kOperationComplete);
        operationCompleteArmed_ = false;
    }
    std::string response;
    for (const std::string& part : responses_)
        response += (response.empty() ? "" : ";") + part;
    responses_.clear();
    return response.empty() ? response : response + "\n";
}

void Session::ExecuteUnit(const ProgramUnit& unit)
{
    CommandCall call(unit, *this);
    try { // a unit that fails is reported, and the message goes on with the next one
        commands_.Resolve(unit, path_)(call);
    } catch (const ScpiError& e) {
        QueueError(e);
    } catch (const std::exception& e) { // the front panel refused it: an execution error
        QueueError(ScpiError(error::kExecution, e.what()));
    }
}

void Session::QueueError(const ScpiError& error)
{
    errors_.Push(error.code(), error.what());
    status_.SetEvent(EventStatusBitFor(error.code()));
}

void Session::Clear()
{
    errors_.Clear();
    status_.ClearEvents();
    operationCompleteArmed_ = false;
}

int Session::StatusByte() const
{
    return status_.StatusByte(!errors_.Empty(), !responses_.empty());
}

} // namespace dds::scpi
