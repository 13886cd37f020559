#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "device/backend_options.h"
#include "editor/waveform_import.h"
#include "panel/headless_panel.h"
#include "scpi/instrument.h"
#include "scpi/message_splitter.h"

namespace {

using namespace std::chrono_literals;

// The instrument on a headless panel with the virtual generator; every transfer the commands
// cause is noted with its range, N and kind.
struct InstrumentFixture {
    explicit InstrumentFixture(dds::VirtualFaults faults = {}, bool plugged = true)
    {
        dds::BackendChoice choice;
        choice.virtualGenerator = true;
        choice.virtualPlugDelay = plugged ? 0ms : std::chrono::milliseconds(std::chrono::hours(1));
        choice.virtualFaults = faults;
        backend = dds::MakeBackend(choice, nullptr);
        dds::HeadlessPanelOptions options;
        // A generator that never acknowledges costs every block the whole wait; one that does must
        // not be taken for silent while the machine is busy.
        options.acknowledgementWait = faults.noAcknowledgement ? 5ms : 2000ms;
        panel = std::make_unique<dds::HeadlessPanel>(backend, options);
        panel->WaitForGenerator(plugged ? 2000ms : 0ms);
        dds::PanelEvents events;
        events.transferEnded = [this](const dds::TransferOutcome& o) {
            transfers.push_back(std::to_string(o.range) + "/" + std::to_string(o.sampleCount) + "/"
                                + std::to_string(static_cast<int>(o.kind)));
        };
        panel->SetEvents(events);
        instrument = std::make_unique<dds::scpi::Instrument>(*panel, backend);
        session = instrument->NewSession();
    }
    std::string Run(const std::string& message) { return session->Execute({message, false}); }

    std::shared_ptr<dds::HidBackend> backend;
    std::unique_ptr<dds::HeadlessPanel> panel;
    std::unique_ptr<dds::scpi::Instrument> instrument;
    std::unique_ptr<dds::scpi::Session> session;
    std::vector<std::string> transfers;
};

TEST(Instrument, CommandsOperateThePanelAndEachChangedMessageEndsWithOneTransfer)
{
    InstrumentFixture f;
    struct Step {
        std::string message;
        std::string response;
        std::vector<std::string> transfers; // all so far
    };
    // clang-format off
    const Step steps[] = {
        {"*IDN?",                                 "ddsgen,USB DDS function generator 04D8-0009,virtual,1.0.0\n", {}},
        {"FREQ 1500;FUNC TRI;*OPC?",              "1\n",                       {"5/2133/3"}},
        {"FREQ 1.5 KHZ;:FUNC TRI",                "",                          {"5/2133/3"}}, // nothing new
        {"FREQ:SETT 7,70;SETT?;PLAY?;:FREQ?",     "7,70;800000;800000\n",      {"5/2133/3", "7/40/3"}},
        {"FUNC:AMPL 50;SHAP 20;AMPL?;SHAP?",      "50;20\n",                   {"5/2133/3", "7/40/3", "7/40/3"}},
        {"FUNC NOIS;:FUNC?",                      "NOIS\n",                    {"5/2133/3", "7/40/3", "7/40/3", "7/40/12"}},
        {"DATA:ARB 0,64,128,192,255;:FUNC ARB;:FUNC?", "ARB\n",                {"5/2133/3", "7/40/3", "7/40/3", "7/40/12", "7/40/1"}},
        {"OUTP:FILT F3;FILT?;:OUTP:OFFS 10;OFFS?;:OUTP:AMPL 40;AMPL?", "F3;10;40\n", {"5/2133/3", "7/40/3", "7/40/3", "7/40/12", "7/40/1"}},
        {"*TST?;:SYST:ERR?",                      "0;0,\"No error\"\n",        {"5/2133/3", "7/40/3", "7/40/3", "7/40/12", "7/40/1"}},
    };
    // clang-format on
    for (const Step& step : steps) {
        EXPECT_EQ(f.Run(step.message), step.response) << step.message;
        EXPECT_EQ(f.transfers, step.transfers) << step.message;
    }
    dds::ImportedSamples codes; // five codes, one period, resampled as an import of raw codes
    for (const double code : {0, 64, 128, 192, 255})
        codes.add(code);
    EXPECT_EQ(f.panel->State().table, dds::ResampleToTable(codes, dds::ImportScale::Raw).table);
}

TEST(Instrument, UploadFaultsAreQueuedWithTheBlocksNamed)
{
    struct Case {
        dds::VirtualFaults faults;
        bool plugged;
        std::string error;
    };
    dds::VirtualFaults silent;
    silent.noAcknowledgement = true;
    dds::VirtualFaults vanishing;
    vanishing.unplugAfterReports = 10;
    const Case cases[] = {
        {silent, true, "-240,\"Hardware error;blocks 1-35 of 35 not acknowledged\""},
        {vanishing, true, "-241,\"Hardware missing;the transfer ended early; blocks 8-35 of 35 not sent\""},
        {{}, false, "-241,\"Hardware missing;no generator is connected; nothing was sent\""},
    };
    for (const Case& c : cases) {
        InstrumentFixture f(c.faults, c.plugged);
        EXPECT_EQ(f.Run("FREQ 1500;*OPC?;:SYST:ERR?"), "1;" + c.error + "\n");
    }
}

TEST(Instrument, ArbitraryDataNeedsTwoCodesAndFunctionArbitraryNeedsData)
{
    InstrumentFixture f;
    EXPECT_EQ(f.Run("FUNC ARB;:DATA:ARB 7;:SYST:ERR?;ERR?"),
              "-221,\"Settings conflict;no arbitrary data was given\";-222,\"Data out of range;at least 2 codes\"\n");
    std::string block = "DATA:ARB #43200";
    for (int i = 0; i < 3200; ++i)
        block += static_cast<char>(i % 256);
    f.Run(block + ";:FUNC ARB");
    EXPECT_EQ(f.panel->State().table[3200], 3199 % 256);
}

} // namespace
