#pragma once
#include <QGroupBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "device/hid_backend_selection.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"
#include "shell/error_reporter.h"
#include "shell/unit1.h"

// The main window on an in-process HID bus, with the quit request and the error box recorded.
class DeviceWindow : public ::testing::Test {
protected:
    using Report = dds::VirtualHidInterface::Report;

    void SetUp() override
    {
        previousBackend_ = dds::SelectedHidBackend();
        dds::SelectHidBackend(bus);
        previousSink_ = dds::ErrorReporter::setSink([this](const QString& m) { errors_ << m; });
    }
    void TearDown() override
    {
        form.reset();
        dds::SelectHidBackend(previousBackend_);
        dds::ErrorReporter::setSink(previousSink_);
        EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
    }

    void CreateWindow()
    {
        form = std::make_unique<TForm1>();
        form->setApplicationTerminator([this] { ++terminationRequests; });
    }
    // The generator plugged in before the program starts; the window connects in the event loop.
    void StartConnected()
    {
        bus->Attach(generator);
        CreateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->connectedFlag == 1; }, 2000));
        FinishStartUpPicture();
        sentBefore_ = generator->WriteCount();
    }
    // The start-up picture locks the groups for two seconds; the operator waits that out.
    void FinishStartUpPicture()
    {
        while (form->Timer2->isActive())
            form->Timer2Timer();
    }
    static void Pump() { QTest::qWait(30); }

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
    std::unique_ptr<TForm1> form;
    int terminationRequests = 0;

private:
    std::shared_ptr<dds::HidBackend> previousBackend_;
    dds::ErrorSink previousSink_;
    QStringList errors_;
    size_t sentBefore_ = 0;
};
