#pragma once
#include "device/generator_link.h"
#include "device/transfer_engine.h"

namespace dds {

// A transfer's reports go through the same send step as every other command.
class GeneratorLinkSink : public TransferReportSink {
public:
    explicit GeneratorLinkSink(GeneratorLink& link) : link_(link) {}
    void sendReport(uint8_t code, std::span<const uint8_t> payload) override { link_.Send(code, payload); }

private:
    GeneratorLink& link_;
};

} // namespace dds
