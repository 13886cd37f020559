#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "device/generator_commands.h"
#include "device/hid_backend.h"
#include "device/virtual_generator.h"
#include "file_faults.h"

// How many faults the fault tests put the program through, and how many it came through with
// every check holding. Printed once after the whole run, for the release note.
class FaultTally : public ::testing::Environment {
public:
    static FaultTally& Instance()
    {
        static FaultTally* const tally = [] {
            auto* created = new FaultTally; // gtest owns registered environments
            ::testing::AddGlobalTestEnvironment(created);
            return created;
        }();
        return *tally;
    }

    void Inject(int faults = 1) { pending_ += faults; }
    // A test's faults count as survived only when none of its checks failed.
    void Settle(bool testFailed)
    {
        injected_ += pending_;
        if (!testFailed)
            survived_ += pending_;
        ::testing::Test::RecordProperty("faults_injected", pending_);
        ::testing::Test::RecordProperty("faults_survived", testFailed ? 0 : pending_);
        pending_ = 0;
    }

    void TearDown() override
    {
        if (injected_ > 0)
            std::printf("[ FAULTS   ] injected %d, survived %d\n", injected_, survived_);
    }

private:
    int pending_ = 0;
    int injected_ = 0;
    int survived_ = 0;
};

// Records every report the program tries to write, including those a vanished device refuses,
// then passes it on to the real backend.
class WriteAttempts : public dds::HidBackend {
public:
    using Report = std::vector<uint8_t>;

    explicit WriteAttempts(std::shared_ptr<dds::HidBackend> inner) : inner_(std::move(inner)) {}

    std::vector<dds::HidInterfaceInfo> enumerate() override { return inner_->enumerate(); }
    std::unique_ptr<dds::HidHandle> open(const std::string& path, dds::HidAccess access) override
    {
        auto handle = inner_->open(path, access);
        return handle ? std::make_unique<Handle>(std::move(handle), attempts_) : nullptr;
    }
    void watchChanges(std::function<void()> onChange) override { inner_->watchChanges(std::move(onChange)); }

    const std::vector<Report>& All() const { return *attempts_; }

private:
    class Handle : public dds::HidHandle {
    public:
        Handle(std::unique_ptr<dds::HidHandle> inner, std::shared_ptr<std::vector<Report>> attempts)
            : inner_(std::move(inner)), attempts_(std::move(attempts))
        {
        }
        int write(const uint8_t* data, size_t length) override
        {
            attempts_->emplace_back(data, data + length);
            return inner_->write(data, length);
        }
        int read(uint8_t* buffer, size_t length, int timeoutMs) override
        {
            return inner_->read(buffer, length, timeoutMs);
        }
        void interruptRead() override { inner_->interruptRead(); }
        uint32_t lastError() const override { return inner_->lastError(); }

    private:
        std::unique_ptr<dds::HidHandle> inner_;
        std::shared_ptr<std::vector<Report>> attempts_;
    };

    std::shared_ptr<dds::HidBackend> inner_;
    std::shared_ptr<std::vector<Report>> attempts_ = std::make_shared<std::vector<Report>>();
};

// A generator whose acknowledgements come twice: the usual one after the generator's latency,
// and an echo of it `echoDelay` after the block.
class EchoingGenerator : public dds::VirtualGenerator {
public:
    explicit EchoingGenerator(std::chrono::milliseconds echoDelay) : echoDelay_(echoDelay) {}

protected:
    void OnReport(const Report& report) override
    {
        VirtualGenerator::OnReport(report);
        if (report.size() > 1 && (report[1] == dds::gcSampleBlock || report[1] == dds::gcSampleTail)) {
            Report echo(kReportSize, 0);
            echo[1] = 1;
            QueueInput(echo, echoDelay_);
        }
    }

private:
    std::chrono::milliseconds echoDelay_;
};
