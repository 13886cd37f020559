#pragma once
#include <QGroupBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"
#include "event_waits.h"
#include "shell/unit1.h"
#include "test_services.h"

// The main window on an in-process HID bus, with the quit request and the error box recorded.
class DeviceWindow : public ::testing::Test {
protected:
    using Report = dds::VirtualHidInterface::Report;

    void TearDown() override
    {
        form.reset();
        EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString();
    }

    // The window on `backend` when a test set one, else on `bus`.
    void CreateWindow()
    {
        form = std::make_unique<TForm1>(services.For(backend ? backend : bus, programFolder));
        form->setApplicationTerminator([this] { ++terminationRequests; });
    }
    // The generator plugged in before the program starts; the window connects in the event loop.
    void StartConnected()
    {
        bus->Attach(generator);
        CreateWindow();
        ASSERT_TRUE(dds::test::WaitFor("the generator to connect", [this] { return form->state.connectedFlag == 1; }));
        FinishStartUpPicture();
        sentBefore_ = generator->WriteCount();
    }
    // The start-up picture locks the groups for two seconds; the operator waits that out.
    void FinishStartUpPicture()
    {
        while (form->Timer2->isActive())
            form->Timer2Timer();
    }
    static void Pump() { dds::test::RunQueuedEvents(); }

    // Reports written since the window connected.
    std::vector<Report> Sent() const
    {
        const std::vector<Report> all = generator->Written();
        return {all.begin() + static_cast<std::ptrdiff_t>(sentBefore_), all.end()};
    }
    std::vector<int> SentCodes() const
    {
        std::vector<int> codes;
        for (const Report& report : Sent())
            codes.push_back(report.at(1));
        return codes;
    }

    std::shared_ptr<dds::VirtualHidBus> bus = std::make_shared<dds::VirtualHidBus>();
    std::shared_ptr<dds::VirtualGenerator> generator = std::make_shared<dds::VirtualGenerator>();
    std::shared_ptr<dds::HidBackend> backend;
    QString programFolder; // the services' own temporary folder unless a test names one
    RecordedServices services;
    std::unique_ptr<TForm1> form;
    int terminationRequests = 0;

private:
    size_t sentBefore_ = 0;
};
