#include "hid_test_support.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

using dds::VirtualHidBus;
using dds::VirtualHidInterface;
using dds::test::MakeInterface;
using dds::test::Pump;

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
    ASSERT_TRUE(QTest::qWaitFor([this] { return received.size() == 2; }, 2000));
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
    // Give the thread time to read the report and block on the hand-over; no events run meanwhile.
    QThread::msleep(150);
    QElapsedTimer clock;
    clock.start();
    device->SetDataHandler({});
    EXPECT_LT(clock.elapsed(), 2000);
    ASSERT_EQ(received.size(), 1u) << "the pending hand-over is served while stopping";
    EXPECT_EQ(received[0].data, (std::vector<uint8_t>{42}));
}

TEST_F(HidReadThreadTest, AFailingReadWaitsTheSleepTimeBeforeTryingAgain)
{
    // Shared with the handler: the thread may still report a failure while the fixture stops it,
    // after this body has ended.
    struct Failures {
        int count = 0;
        uint32_t lastCode = 0;
    };
    const auto failures = std::make_shared<Failures>();
    device->SetReadSleepTime(50);
    device->SetDataErrorHandler([failures](TJvHidDevice*, uint32_t code) {
        ++failures->count;
        failures->lastCode = code;
    });
    device->SetDataHandler(Recorder());
    bus->Unplug(*generator); // reads fail from now on
    QTest::qWait(300);
    const Failures seen = *failures;
    EXPECT_GE(seen.count, 2);
    EXPECT_LE(seen.count, 8) << "a read that cannot start must not spin";
    EXPECT_NE(seen.lastCode, 0u);
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return refused == 2; }, 2000));
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
