#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/plug_polling.h"
#include "event_waits.h"

using dds::PlugPolling;
using namespace std::chrono_literals;

namespace {

// A system whose interface list the test changes between ticks; counts the lists taken.
struct FakeSystem {
    std::vector<std::string> paths{"/dev/hidraw0", "/dev/hidraw1"};
    int listed = 0;
    int changes = 0;

    PlugPolling watch()
    {
        return PlugPolling([this] { ++listed; return paths; }, [this] { ++changes; }, 5ms);
    }
    // Waits until the list has been taken `ticks` more times.
    void waitTicks(int ticks)
    {
        const int target = listed + ticks;
        ASSERT_TRUE(dds::test::WaitFor("the next ticks of the polling", [&] { return listed >= target; }));
    }
};

TEST(PlugPolling, ReportsEachPlugAndUnplugOnceAndNothingElse)
{
    FakeSystem system;
    PlugPolling polling = system.watch();
    system.waitTicks(3);
    EXPECT_EQ(system.changes, 0) << "an unchanged list is no change";

    system.paths.push_back("/dev/hidraw2");
    system.waitTicks(3);
    EXPECT_EQ(system.changes, 1);

    std::swap(system.paths.front(), system.paths.back());
    system.waitTicks(3);
    EXPECT_EQ(system.changes, 1) << "the same interfaces listed in another order";

    system.paths.erase(system.paths.begin());
    system.waitTicks(3);
    EXPECT_EQ(system.changes, 2);

    // An interface replaced by another under one tick: same count, different paths.
    system.paths.back() = "/dev/hidraw7";
    system.waitTicks(3);
    EXPECT_EQ(system.changes, 3);
}

TEST(PlugPolling, AnInterfacePresentAtTheStartIsNoChange)
{
    FakeSystem system;
    PlugPolling polling = system.watch();
    system.waitTicks(2);
    EXPECT_EQ(system.changes, 0);
    system.paths.clear();
    system.waitTicks(2);
    EXPECT_EQ(system.changes, 1);
}

} // namespace
