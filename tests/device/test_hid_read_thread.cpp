#include "hid_test_support.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

using dds::VirtualHidBus;
using dds::VirtualHidInterface;
using dds::test::MakeInterface;
using dds::test::Pump;
using dds::test::WaitFor;
using namespace std::chrono_literals;

namespace {

struct Received {
    uint8_t reportId = 0xFF;
    std::vector<uint8_t> data;
    bool onUiThread = false;
};

class HidReadThreadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bus->Attach(generator);
        controller = std::make_unique<TJvHidDeviceController>(bus);
        Pump();
        ASSERT_TRUE(controller->ClaimByIds(device, 0x04D8, 9));
    }
    void TearDown() override
    {
        TJvHidDevice::Release(device);
        controller.reset();
    }

    TJvHidDataEvent Recorder()
    {
        return [this](TJvHidDevice*, uint8_t reportId, const uint8_t* data, uint16_t size) {
            received.push_back({reportId, std::vector<uint8_t>(data, data + size),
                                QThread::currentThread() == QCoreApplication::instance()->thread()});
        };
    }

    std::shared_ptr<VirtualHidBus> bus = std::make_shared<VirtualHidBus>();
    std::shared_ptr<VirtualHidInterface> generator = MakeInterface("gen", 0x04D8, 9);
    std::unique_ptr<TJvHidDeviceController> controller;
    TJvHidDevice* device = nullptr;
    std::vector<Received> received;
};

TEST_F(HidReadThreadTest, ReportsReachTheHandlerOnTheUiThreadWithTheIdSplitOff)
{
    device->SetDataHandler(Recorder());
    ASSERT_TRUE(device->Reading());
    generator->QueueInput({0, 1, 2, 3});
    generator->QueueInput({7, 9});
    ASSERT_TRUE(WaitFor("both reports", [this] { return received.size() == 2; }));
    EXPECT_EQ(received[0].reportId, 0);
    EXPECT_EQ(received[0].data, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_TRUE(received[0].onUiThread);
    EXPECT_EQ(received[1].reportId, 7);
    EXPECT_EQ(received[1].data, (std::vector<uint8_t>{9}));
    EXPECT_TRUE(received[1].onUiThread);
}

TEST_F(HidReadThreadTest, ThreadStartsOnlyForAClaimedDeviceWithAHandler)
{
    bus->Attach(MakeInterface("other", 0x04D8, 9));
    controller->DeviceChange();
    TJvHidDevice* unclaimed = controller->Devices()[1];
    unclaimed->SetDataHandler(Recorder());
    EXPECT_FALSE(unclaimed->Reading());
    EXPECT_FALSE(device->Reading());
    device->SetDataHandler(Recorder());
    EXPECT_TRUE(device->Reading());
    device->SetDataHandler({});
    EXPECT_FALSE(device->Reading());
    EXPECT_FALSE(device->OnData());
}

TEST_F(HidReadThreadTest, ClaimingADeviceThatAlreadyHasAHandlerStartsReading)
{
    TJvHidDevice::Release(device);
    TJvHidDevice* first = controller->Devices()[0];
    first->SetDataHandler(Recorder());
    EXPECT_FALSE(first->Reading());
    ASSERT_TRUE(controller->ClaimByIds(device, 0x04D8, 9));
    EXPECT_TRUE(device->Reading());
}

TEST_F(HidReadThreadTest, StoppingWhileAHandOverIsPendingDoesNotDeadlock)
{
    device->SetDataHandler(Recorder());
    generator->QueueInput({0, 42});
    // No events run here, so once the thread has taken the report it blocks on handing it over.
    QElapsedTimer clock;
    clock.start();
    while (generator->PendingInput() > 0 && clock.elapsed() < dds::test::kEventWait.count())
        QThread::msleep(1);
    ASSERT_EQ(generator->PendingInput(), 0u) << "the thread did not take the report in " << clock.elapsed() << " ms";
    device->SetDataHandler({});
    ASSERT_EQ(received.size(), 1u) << "the pending hand-over is served while stopping";
    EXPECT_EQ(received[0].data, (std::vector<uint8_t>{42}));
}

TEST_F(HidReadThreadTest, AFailingReadWaitsTheSleepTimeBeforeTryingAgain)
{
    // Shared with the handler: the thread may still report a failure while the fixture stops it,
    // after this body has ended.
    struct Failures {
        std::vector<std::chrono::steady_clock::time_point> times;
        uint32_t lastCode = 0;
    };
    const auto failures = std::make_shared<Failures>();
    device->SetReadSleepTime(50);
    device->SetDataErrorHandler([failures](TJvHidDevice*, uint32_t code) {
        failures->times.push_back(std::chrono::steady_clock::now());
        failures->lastCode = code;
    });
    device->SetDataHandler(Recorder());
    bus->Unplug(*generator); // reads fail from now on
    ASSERT_TRUE(WaitFor("three failed reads", [&failures] { return failures->times.size() >= 3; }));
    EXPECT_NE(failures->lastCode, 0u);
    // A read that cannot start must not spin: a slow machine only makes the pauses longer.
    for (size_t retry = 1; retry < 3; ++retry)
        EXPECT_GE(failures->times[retry] - failures->times[retry - 1], 50ms) << "retry " << retry;
}

TEST_F(HidReadThreadTest, StopRequestFromTheThreadsOwnHandlerIsRefused)
{
    int refused = 0;
    device->SetDataHandler([&](TJvHidDevice* self, uint8_t, const uint8_t*, uint16_t) {
        try {
            self->SetDataHandler({});
        } catch (const std::logic_error&) {
            ++refused;
        }
        try {
            TJvHidDevice::Release(device);
        } catch (const std::logic_error&) {
            ++refused;
        }
    });
    generator->QueueInput({0, 1});
    ASSERT_TRUE(WaitFor("both stop requests to be refused", [&] { return refused == 2; }));
    ASSERT_NE(device, nullptr) << "a refused release leaves the device with its holder";
    EXPECT_TRUE(device->Reading());
}

TEST_F(HidReadThreadTest, ReleaseStopsReadingAndClosesEveryHandle)
{
    device->SetDataHandler(Recorder());
    EXPECT_GE(generator->OpenHandles(), 1u);
    TJvHidDevice::Release(device);
    controller.reset();
    EXPECT_EQ(generator->OpenHandles(), 0u);
}

} // namespace
