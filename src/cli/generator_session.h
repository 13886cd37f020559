#pragma once
#include <QCoreApplication>
#include <memory>
#include <string>

#include "cli/cli_command.h"
#include "cli/generator_options.h"
#include "cli/interrupt_watch.h"
#include "device/report_log.h"
#include "panel/headless_panel.h"

namespace dds::cli {

// The tool may run without an application object; timers and the device layer need one.
std::unique_ptr<QCoreApplication> EnsureApplication();

// One run of a command that talks to the generator ('transfer', 'set'), made once every option is
// checked: the application object, the backend with its report log, the headless front panel that
// holds the generator and greets it only when the command writes to it, the interrupt watch, the
// closing and the exit status. Messages go to standard error as "ddsgen-cli COMMAND: ...".
class GeneratorSession {
public:
    // `panelOptions` gives the acknowledgement wait and the progress; the device, the greeting and
    // the interrupt are the session's. std::runtime_error, saying why, when the report log cannot
    // be opened.
    GeneratorSession(const GeneratorOptions& where, CommandContext& context, std::string command,
                     HeadlessPanelOptions panelOptions = {});

    // Follows plugging until the generator is held: the one at --device when given, else the
    // first. 0 then; otherwise, having said why, the exit status: 1, or 130/143 for a signal.
    int Connect();
    HeadlessPanel& Panel() { return panel_; }
    std::string DevicePath() const { return panel_.State().generatorPath; }
    // SIGINT or SIGTERM came: the command stops at the next report.
    bool Interrupted() const { return interrupt_.Requested(); }
    // The generator left or refused a report.
    bool Lost() const { return panel_.Holder().Lost(); }
    // As the quit button does: the closing command, then the release; nothing to a generator that
    // left or refused a report. Whether the closing command reached the generator.
    bool Close();
    // The status of the command's outcome, `done` when nothing went wrong: 4 when the generator
    // was lost, else 130/143 for a signal. A report log that could not be written is said here and
    // makes it 1.
    int Status(int done) const;
    void Say(const std::string& text) const;

private:
    std::string WhyNone() const;

    CommandContext& context_;
    std::string command_;
    std::optional<std::string> device_;
    std::unique_ptr<QCoreApplication> application_;
    std::shared_ptr<ReportLog> log_;
    InterruptWatch interrupt_;
    HeadlessPanel panel_;
};

} // namespace dds::cli
