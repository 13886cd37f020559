#include "hid_test_support.h"

#include <gtest/gtest.h>

using dds::VirtualHidBus;
using dds::VirtualHidInterface;
using dds::test::EventLog;
using dds::test::MakeInterface;
using dds::test::Pump;
using Entries = std::vector<std::string>;

namespace {

class HidControllerTest : public ::testing::Test {
protected:
    std::shared_ptr<VirtualHidBus> bus = std::make_shared<VirtualHidBus>();
    std::shared_ptr<VirtualHidInterface> generator = MakeInterface("gen", 0x04D8, 9);
    std::shared_ptr<VirtualHidInterface> mouse = MakeInterface("mouse", 0x046D, 0xC077);
};

TEST_F(HidControllerTest, FirstSearchRunsInTheEventLoopAndAnnouncesEachInterfaceOnce)
{
    bus->Attach(generator);
    bus->Attach(mouse);
    TJvHidDeviceController controller(bus);
    EventLog log(controller);
    EXPECT_TRUE(log.entries.empty()) << "nothing may be announced inside the creating code";
    Pump();
    EXPECT_EQ(log.entries, (Entries{"arrival:gen", "arrival:mouse", "change"}));
    EXPECT_EQ(log.inEnumeration, (std::vector<bool>{true, true}));
    EXPECT_EQ(controller.NumUnclaimed(), 2);
    Pump();
    EXPECT_EQ(log.entries.size(), 3u) << "the first notice is handled once";
}

TEST_F(HidControllerTest, FirstSearchReportsAChangeEvenWithoutInterfaces)
{
    TJvHidDeviceController controller(bus);
    EventLog log(controller);
    Pump();
    EXPECT_EQ(log.entries, (Entries{"change"}));
    EXPECT_TRUE(controller.Devices().empty());
}

TEST_F(HidControllerTest, PlugAndUnplugAreAnnouncedInOrderAndListedDevicesAreNotAnnouncedAgain)
{
    bus->Attach(mouse);
    TJvHidDeviceController controller(bus);
    EventLog log(controller);
    Pump();
    bus->Plug(generator);
    Pump();
    bus->Unplug(*mouse);
    Pump();
    EXPECT_EQ(log.entries, (Entries{"arrival:mouse", "change", "arrival:gen", "change", "removal:mouse", "change"}));
    ASSERT_EQ(controller.Devices().size(), 1u);
    EXPECT_EQ(controller.Devices()[0]->PnPInfo().DevicePath(), "gen");
    controller.DeviceChange();
    EXPECT_EQ(log.entries.size(), 6u) << "a notice without any difference announces nothing";
}

TEST_F(HidControllerTest, VanishedInterfacesAreRemovedFromLastToFirst)
{
    auto keyboard = MakeInterface("keyboard", 1, 2);
    bus->Attach(mouse);
    bus->Attach(keyboard);
    TJvHidDeviceController controller(bus);
    EventLog log(controller);
    Pump();
    log.entries.clear();
    bus->Unplug(*mouse);
    bus->Unplug(*keyboard);
    Pump();
    EXPECT_EQ(log.entries, (Entries{"removal:keyboard", "removal:mouse", "change"}));
    EXPECT_EQ(controller.NumUnclaimed(), 0);
}

TEST_F(HidControllerTest, InterfaceWithoutAccessIsAnnouncedButGetsNoReadThread)
{
    auto locked = MakeInterface("locked", 0x04D8, 9, VirtualHidInterface::Openness::WithoutAccess);
    auto unopenable = MakeInterface("unopenable", 3, 4, VirtualHidInterface::Openness::Never);
    bus->Attach(locked);
    bus->Attach(unopenable);
    TJvHidDeviceController controller(bus);
    EventLog log(controller);
    Pump();
    EXPECT_EQ(log.entries, (Entries{"arrival:locked", "change"})) << "an interface that cannot be opened is skipped";
    TJvHidDevice* device = nullptr;
    ASSERT_TRUE(controller.ClaimByIds(device, 0x04D8, 9));
    EXPECT_FALSE(device->ReadWriteAccess());
    device->SetDataHandler([](TJvHidDevice*, uint8_t, const uint8_t*, uint16_t) {});
    EXPECT_FALSE(device->Reading());
    uint8_t report[65] = {};
    uint32_t written = 0;
    EXPECT_FALSE(device->WriteReport(report, 65, written));
    TJvHidDevice::Release(device);
}

TEST_F(HidControllerTest, ClaimByIdsTakesUnclaimedDevicesInListOrder)
{
    auto second = MakeInterface("gen2", 0x04D8, 0x000A);
    bus->Attach(mouse);
    bus->Attach(generator);
    bus->Attach(second);
    TJvHidDeviceController controller(bus);
    Pump();
    TJvHidDevice* first = nullptr;
    TJvHidDevice* next = nullptr;
    TJvHidDevice* none = reinterpret_cast<TJvHidDevice*>(&controller);
    ASSERT_TRUE(controller.ClaimByIds(first, 0x04D8, TJvHidDeviceController::kAnyProduct));
    EXPECT_EQ(first->PnPInfo().DevicePath(), "gen");
    ASSERT_TRUE(controller.ClaimByIds(next, 0x04D8, -1));
    EXPECT_EQ(next->PnPInfo().DevicePath(), "gen2");
    EXPECT_FALSE(controller.ClaimByIds(none, 0x04D8, -1));
    EXPECT_EQ(none, nullptr) << "a failed claim leaves no reference";
    EXPECT_EQ(controller.NumClaimed(), 2);
    EXPECT_EQ(controller.NumUnclaimed(), 1);
    TJvHidDevice::Release(first);
    TJvHidDevice::Release(next);
}

TEST_F(HidControllerTest, ClaimingTwiceFailsWhenOnlyOneMatches)
{
    bus->Attach(generator);
    TJvHidDeviceController controller(bus);
    Pump();
    TJvHidDevice* first = nullptr;
    TJvHidDevice* second = nullptr;
    EXPECT_TRUE(controller.ClaimByIds(first, 0x04D8, 9));
    EXPECT_FALSE(controller.ClaimByIds(second, 0x04D8, 9));
    EXPECT_FALSE(controller.ClaimByIds(second, 0x04D8, 8)) << "the product must match unless it is -1";
    TJvHidDevice::Release(first);
}

TEST_F(HidControllerTest, ReleasingAPluggedDeviceLeavesAFreshUnclaimedOneInItsPlace)
{
    bus->Attach(generator);
    bus->Attach(mouse);
    TJvHidDeviceController controller(bus);
    Pump();
    TJvHidDevice* device = nullptr;
    ASSERT_TRUE(controller.ClaimByIds(device, 0x04D8, 9));
    device->SetReadSleepTime(250);
    TJvHidDevice::Release(device);
    EXPECT_EQ(device, nullptr);
    ASSERT_EQ(controller.Devices().size(), 2u);
    const TJvHidDevice* fresh = controller.Devices()[0];
    EXPECT_EQ(fresh->PnPInfo().DevicePath(), "gen");
    EXPECT_FALSE(fresh->Claimed());
    EXPECT_EQ(fresh->ReadSleepTime(), 250u);
    EXPECT_EQ(controller.NumClaimed(), 0);
    EXPECT_EQ(controller.NumUnclaimed(), 2);
    ASSERT_TRUE(controller.ClaimByIds(device, 0x04D8, 9));
    EXPECT_EQ(device, fresh);
    TJvHidDevice::Release(device);
}

TEST_F(HidControllerTest, UnpluggedClaimedDeviceStaysListedUntilReleasedAndIsAnnouncedOnce)
{
    bus->Attach(generator);
    TJvHidDeviceController controller(bus);
    EventLog log(controller);
    Pump();
    TJvHidDevice* device = nullptr;
    ASSERT_TRUE(controller.ClaimByIds(device, 0x04D8, 9));
    int unplugCalls = 0;
    device->SetUnplugHandler([&unplugCalls](TJvHidDevice*) { ++unplugCalls; });
    log.entries.clear();
    bus->Unplug(*generator);
    Pump();
    EXPECT_EQ(log.entries, (Entries{"removal:gen", "change"}));
    EXPECT_EQ(unplugCalls, 1);
    EXPECT_FALSE(device->PluggedIn());
    EXPECT_EQ(controller.Devices().size(), 1u);
    EXPECT_EQ(controller.NumUnplugged(), 1);
    EXPECT_EQ(controller.NumClaimed(), 0);
    controller.DeviceChange();
    EXPECT_EQ(log.entries.size(), 2u) << "an unplugged device is announced gone only once";
    EXPECT_EQ(unplugCalls, 1);
    TJvHidDevice::Release(device);
    EXPECT_TRUE(controller.Devices().empty());
    EXPECT_EQ(controller.NumUnplugged(), 0);
}

TEST_F(HidControllerTest, ReplugAfterUnplugArrivesAsANewDevice)
{
    bus->Attach(generator);
    TJvHidDeviceController controller(bus);
    EventLog log(controller);
    Pump();
    TJvHidDevice* device = nullptr;
    ASSERT_TRUE(controller.ClaimByIds(device, 0x04D8, 9));
    bus->Unplug(*generator);
    Pump();
    bus->Plug(generator);
    Pump();
    EXPECT_EQ(log.entries, (Entries{"arrival:gen", "change", "removal:gen", "change", "arrival:gen", "change"}));
    EXPECT_EQ(controller.Devices().size(), 2u);
    TJvHidDevice::Release(device);
    EXPECT_EQ(controller.Devices().size(), 1u);
    EXPECT_TRUE(controller.Devices()[0]->PluggedIn());
}

// Unplugged and plugged in again within one notice, an interface that now grants access (its
// permission rule installed meanwhile) is announced again; one that still does not is left alone.
TEST_F(HidControllerTest, InterfaceThatNowGrantsAccessIsAnnouncedAgain)
{
    auto locked = MakeInterface("gen", 0x04D8, 9, VirtualHidInterface::Openness::WithoutAccess);
    bus->Attach(locked);
    TJvHidDeviceController controller(bus);
    EventLog log(controller);
    Pump();
    // The unplug's notice comes once the new interface is already there.
    auto stillLocked = MakeInterface("gen", 0x04D8, 9, VirtualHidInterface::Openness::WithoutAccess);
    bus->Unplug(*locked);
    bus->Attach(stillLocked);
    Pump();
    EXPECT_EQ(log.entries, (Entries{"arrival:gen", "change"}));
    bus->Unplug(*stillLocked);
    bus->Attach(generator);
    Pump();
    EXPECT_EQ(log.entries, (Entries{"arrival:gen", "change", "removal:gen", "arrival:gen", "change"}));
    ASSERT_EQ(controller.Devices().size(), 1u);
    EXPECT_TRUE(controller.Devices()[0]->ReadWriteAccess());
}

TEST_F(HidControllerTest, WritesNeedAPluggedDeviceThatIsClaimedOrBeingAnnounced)
{
    bus->Attach(generator);
    TJvHidDeviceController controller(bus);
    const uint8_t report[65] = {0, 1};
    uint32_t written = 0;
    bool writtenDuringArrival = false;
    controller.OnArrival = [&](TJvHidDevice* device) { writtenDuringArrival = device->WriteReport(report, 65, written); };
    Pump();
    EXPECT_TRUE(writtenDuringArrival);
    EXPECT_EQ(written, 65u);
    TJvHidDevice* unclaimed = controller.Devices()[0];
    EXPECT_FALSE(unclaimed->WriteReport(report, 65, written)) << "unclaimed and not being announced";
    TJvHidDevice* device = nullptr;
    ASSERT_TRUE(controller.ClaimByIds(device, 0x04D8, 9));
    EXPECT_TRUE(device->WriteReport(report, 65, written));
    bus->Unplug(*generator);
    Pump();
    EXPECT_FALSE(device->WriteReport(report, 65, written)) << "unplugged";
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(generator->WriteCount(), 2u);
    TJvHidDevice::Release(device);
}

TEST_F(HidControllerTest, ReadSleepTimeAcceptsOnlyTenToTenThousand)
{
    bus->Attach(generator);
    TJvHidDeviceController controller(bus);
    Pump();
    TJvHidDevice* device = controller.Devices()[0];
    EXPECT_EQ(device->ReadSleepTime(), 100u);
    for (uint32_t rejected : {0u, 5u, 9u, 10001u, 20000u}) {
        device->SetReadSleepTime(rejected);
        EXPECT_EQ(device->ReadSleepTime(), 100u) << rejected;
    }
    device->SetReadSleepTime(10);
    EXPECT_EQ(device->ReadSleepTime(), 10u);
    device->SetReadSleepTime(10000);
    EXPECT_EQ(device->ReadSleepTime(), 10000u);
}

TEST_F(HidControllerTest, DevThreadSleepTimeMovesOnlyDevicesStillAtTheOldValue)
{
    bus->Attach(generator);
    bus->Attach(mouse);
    TJvHidDeviceController controller(bus);
    Pump();
    controller.Devices()[1]->SetReadSleepTime(300);
    controller.SetDevThreadSleepTime(50);
    EXPECT_EQ(controller.Devices()[0]->ReadSleepTime(), 50u);
    EXPECT_EQ(controller.Devices()[1]->ReadSleepTime(), 300u);
}

TEST_F(HidControllerTest, ChangingTheDefaultUnplugHandlerSkipsDevicesWithTheirOwn)
{
    bus->Attach(generator);
    bus->Attach(mouse);
    TJvHidDeviceController controller(bus);
    Pump();
    std::vector<std::string> unplugged;
    TJvHidPlugEvent own = [&unplugged](TJvHidDevice*) { unplugged.push_back("own"); };
    controller.Devices()[1]->SetUnplugHandler(own);
    controller.SetOnDeviceUnplug([&unplugged](TJvHidDevice* device) { unplugged.push_back(device->PnPInfo().DevicePath()); });
    bus->Unplug(*generator);
    bus->Unplug(*mouse);
    Pump();
    EXPECT_EQ(unplugged, (std::vector<std::string>{"own", "gen"}));
}

TEST_F(HidControllerTest, ANoticeDuringChangeHandlingIsIgnored)
{
    bus->Attach(generator);
    TJvHidDeviceController controller(bus);
    int arrivals = 0;
    controller.OnArrival = [&](TJvHidDevice*) {
        ++arrivals;
        EXPECT_TRUE(controller.InDeviceChange());
        controller.DeviceChange();
    };
    Pump();
    EXPECT_EQ(arrivals, 1);
    EXPECT_FALSE(controller.InDeviceChange());
}

// An owner being built may run an event loop (a message box); the notices wait for it.
TEST_F(HidControllerTest, HeldNoticesWaitForTheLastReleaseAndAreThenHandledOnceInTheEventLoop)
{
    bus->Attach(generator);
    TJvHidDeviceController controller(bus);
    EventLog log(controller);
    controller.HoldNotices();
    controller.HoldNotices();
    Pump(); // the first notice comes and is kept
    bus->Plug(mouse);
    Pump(); // and a plug notice
    controller.DeviceChange();
    EXPECT_TRUE(log.entries.empty());
    controller.ReleaseNotices();
    Pump();
    EXPECT_TRUE(log.entries.empty()) << "one hold is left";
    controller.ReleaseNotices();
    EXPECT_TRUE(log.entries.empty()) << "handled in the event loop, not inside the release";
    Pump();
    EXPECT_EQ(log.entries, (Entries{"arrival:gen", "arrival:mouse", "change"}));
    controller.ReleaseNotices(); // one release too many changes nothing
    Pump();
    EXPECT_EQ(log.entries.size(), 3u);
}

TEST_F(HidControllerTest, ReleaseWithoutAKeptNoticeHandlesNothing)
{
    TJvHidDeviceController controller(bus);
    EventLog log(controller);
    Pump();
    log.entries.clear();
    controller.HoldNotices();
    controller.ReleaseNotices();
    Pump();
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(HidControllerTest, AThrowingHandlerDoesNotLeaveTheControllerDeaf)
{
    bus->Attach(generator);
    TJvHidDeviceController controller(bus);
    controller.OnArrival = [](TJvHidDevice*) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(controller.DeviceChange(-1), std::runtime_error);
    EXPECT_FALSE(controller.InDeviceChange());
    EXPECT_FALSE(controller.Devices()[0]->InEnumeration());
}

TEST_F(HidControllerTest, DestroyingTheControllerUnplugsClaimedDevicesAndLeavesThemToTheirHolder)
{
    bus->Attach(generator);
    bus->Attach(mouse);
    auto controller = std::make_unique<TJvHidDeviceController>(bus);
    Pump();
    TJvHidDevice* device = nullptr;
    ASSERT_TRUE(controller->ClaimByIds(device, 0x04D8, 9));
    int unplugCalls = 0;
    device->SetUnplugHandler([&unplugCalls](TJvHidDevice*) { ++unplugCalls; });
    controller.reset();
    EXPECT_EQ(unplugCalls, 1);
    EXPECT_FALSE(device->PluggedIn());
    EXPECT_EQ(device->Controller(), nullptr);
    EXPECT_EQ(mouse->OpenHandles(), 0u);
    TJvHidDevice::Release(device);
    EXPECT_EQ(generator->OpenHandles(), 0u);
}

TEST_F(HidControllerTest, EnumerateVisitsDevicesUntilTheHandlerStops)
{
    bus->Attach(generator);
    bus->Attach(mouse);
    TJvHidDeviceController controller(bus);
    Pump();
    std::vector<int> indices;
    controller.OnEnumerate = [&indices](TJvHidDevice*, int index) {
        indices.push_back(index);
        return index < 0;
    };
    EXPECT_EQ(controller.Enumerate(), 1);
    EXPECT_EQ(indices, (std::vector<int>{0}));
}

} // namespace

namespace {

TEST_F(HidControllerTest, AHolderMayReleaseItsDeviceFromTheRemovalAndUnplugHandlers)
{
    auto second = MakeInterface("gen2", 0x04D8, 9);
    bus->Attach(generator);
    bus->Attach(second);
    bus->Attach(mouse);
    TJvHidDeviceController controller(bus);
    Pump();
    TJvHidDevice* held = nullptr;
    TJvHidDevice* other = nullptr;
    ASSERT_TRUE(controller.ClaimByIds(held, 0x04D8, 9));
    ASSERT_TRUE(controller.ClaimByIds(other, 0x04D8, 9));
    controller.OnRemoval = [&held](TJvHidDevice* device) {
        if (device == held)
            TJvHidDevice::Release(held);
    };
    other->SetUnplugHandler([&other](TJvHidDevice*) { TJvHidDevice::Release(other); });
    bus->Unplug(*generator);
    bus->Unplug(*second);
    Pump();
    EXPECT_EQ(held, nullptr);
    EXPECT_EQ(other, nullptr);
    ASSERT_EQ(controller.Devices().size(), 1u);
    EXPECT_EQ(controller.Devices()[0]->PnPInfo().DevicePath(), "mouse");
    EXPECT_EQ(controller.NumUnplugged(), 0);
    EXPECT_EQ(controller.NumUnclaimed(), 1);
}

} // namespace
