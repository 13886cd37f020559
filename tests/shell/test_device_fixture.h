#pragma once
#include <QGroupBox>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"
#include "panel/front_panel.h"
#include "event_waits.h"
#include "shell/unit1.h"
#include "test_services.h"
#include "window_controls.h"

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
    void CreateWindow() { form = std::make_unique<TForm1>(services.For(backend ? backend : bus, programFolder)); }
    // The generator plugged in before the program starts; the window connects in the event loop.
    void StartConnected()
    {
        bus->Attach(generator);
        CreateWindow();
        ASSERT_TRUE(dds::test::WaitFor("the generator to connect", [this] { return form->FrontPanel().Connected(); }));
        FinishStartUpPicture();
        sentBefore_ = generator->WriteCount();
    }
    // The start-up picture locks the groups for two seconds; the operator waits that out.
    void FinishStartUpPicture()
    {
        while (Find<QTimer>(*form, "Timer2")->isActive())
            Tick(Find<QTimer>(*form, "Timer2"));
    }
    static void Pump() { dds::test::RunQueuedEvents(); }

    // What the removal handler leaves: the program asked once to end, the generator let go, the
    // not-connected panels shown and the generator's groups locked.
    void ExpectEndedNotConnected() const
    {
        EXPECT_EQ(terminationRequests, 1);
        EXPECT_FALSE(form->FrontPanel().Connected());
        EXPECT_TRUE(form->FrontPanel().State().generatorPath.empty());
        EXPECT_TRUE(Find<QFrame>(*form, "Panel1")->isVisibleTo(form.get()));
        EXPECT_FALSE(Find<QFrame>(*form, "Panel9")->isVisibleTo(form.get()));
        EXPECT_TRUE(Find<QFrame>(*form, "Panel11")->isVisibleTo(form.get()));
        EXPECT_FALSE(Find<QGroupBox>(*form, "GroupBox6")->isEnabled());
        EXPECT_FALSE(Find<QGroupBox>(*form, "GroupBox1")->isEnabled());
    }

    // Reports written since the window connected.
    std::vector<Report> Sent() const
    {
        const std::vector<Report> all = generator->Written();
        return {all.begin() + static_cast<std::ptrdiff_t>(sentBefore_), all.end()};
    }
    // The bytes the last transfer computed, as the window's sample list shows them.
    std::vector<uint8_t> SampleList() const
    {
        std::vector<uint8_t> bytes;
        const QListWidget* list = Find<QListWidget>(*form, "ListBox2");
        for (int row = 0; row < list->count(); ++row)
            bytes.push_back(static_cast<uint8_t>(list->item(row)->text().toInt()));
        return bytes;
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
    int& terminationRequests = services.terminationRequests;

private:
    size_t sentBefore_ = 0;
};
