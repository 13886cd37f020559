#include "scpi/status_commands.h"

#include <string>

#include "scpi/command_call.h"
#include "scpi/session.h"

namespace dds::scpi {
namespace {

// The SCPI version this command set follows.
constexpr const char* kScpiVersion = "1999.0";

void Clear(CommandCall& call)
{
    call.ExpectParameters(0);
    call.session().Clear();
}

void SetEventEnable(CommandCall& call)
{
    call.ExpectParameters(1);
    call.session().status().SetEventEnable(call.Integer(0, 0, 255));
}

void SetServiceEnable(CommandCall& call)
{
    call.ExpectParameters(1);
    call.session().status().SetServiceEnable(call.Integer(0, 0, 255));
}

void Answer(CommandCall& call, int value)
{
    call.ExpectParameters(0);
    call.Respond(std::to_string(value));
}

void OperationComplete(CommandCall& call)
{
    call.ExpectParameters(0);
    call.session().ArmOperationComplete();
}

void OperationCompleteQuery(CommandCall& call)
{
    call.ExpectParameters(0);
    call.session().CompletePending();
    call.Respond("1");
}

void Wait(CommandCall& call)
{
    call.ExpectParameters(0);
    call.session().CompletePending();
}

void NextError(CommandCall& call)
{
    call.ExpectParameters(0);
    call.Respond(call.session().errors().Pop());
}

} // namespace

void AddStatusCommands(CommandTree& commands)
{
    commands.Add("*CLS", Clear);
    commands.Add("*ESE", SetEventEnable);
    commands.Add("*ESE?", [](CommandCall& c) { Answer(c, c.session().status().EventEnable()); });
    commands.Add("*ESR?", [](CommandCall& c) { Answer(c, c.session().status().TakeEvents()); });
    commands.Add("*SRE", SetServiceEnable);
    commands.Add("*SRE?", [](CommandCall& c) { Answer(c, c.session().status().ServiceEnable()); });
    commands.Add("*STB?", [](CommandCall& c) { Answer(c, c.session().StatusByte()); });
    commands.Add("*OPC", OperationComplete);
    commands.Add("*OPC?", OperationCompleteQuery);
    commands.Add("*WAI", Wait);
    commands.Add("SYSTem:ERRor[:NEXT]?", NextError);
    commands.Add("SYSTem:ERRor:COUNt?",
                 [](CommandCall& c) { Answer(c, static_cast<int>(c.session().errors().Count())); });
    commands.Add("SYSTem:VERSion?", [](CommandCall& c) {
        c.ExpectParameters(0);
        c.Respond(kScpiVersion);
    });
}

} // namespace dds::scpi
