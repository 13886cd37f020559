// The system's device-change broadcast, as Windows sends it to the main window, makes the device
// layer look for interfaces again.
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <windows.h>
#include <dbt.h>

#include "device/hidapi_backend.h"
#include "event_waits.h"
#include "shell/unit1.h"
#include "test_services.h"

namespace {

// The system's backend, counting the enumerations it is asked for.
class CountingBackend : public dds::HidBackend {
public:
    std::vector<dds::HidInterfaceInfo> enumerate() override
    {
        ++enumerations;
        return system_.enumerate();
    }
    std::unique_ptr<dds::HidHandle> open(const std::string& path, dds::HidAccess access) override
    {
        return system_.open(path, access);
    }
    void watchChanges(std::function<void()> onChange) override { system_.watchChanges(std::move(onChange)); }

    int enumerations = 0;

private:
    dds::HidapiBackend system_;
};

class PlugNotices : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The broadcast goes to native windows; the offscreen platform (the tests' default) makes none.
        if (QGuiApplication::platformName() != QStringLiteral("windows"))
            GTEST_SKIP() << "needs the windows platform (QT_QPA_PLATFORM=windows): offscreen windows have no HWND";
        form = std::make_unique<TForm1>(services.For(backend));
        form->show();
        ASSERT_TRUE(dds::test::WaitFor("the first enumeration", [this] { return backend->enumerations > 0; }));
    }
    void TearDown() override
    {
        form.reset();
        EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString();
    }
    void Post(WPARAM event)
    {
        ASSERT_TRUE(PostMessageW(reinterpret_cast<HWND>(form->winId()), WM_DEVICECHANGE, event, 0))
            << "error " << GetLastError();
    }

    RecordedServices services;
    std::shared_ptr<CountingBackend> backend = std::make_shared<CountingBackend>();
    std::unique_ptr<TForm1> form;
};

TEST_F(PlugNotices, NodesChangedOnTheMainWindowEnumeratesAgain)
{
    const int before = backend->enumerations;
    Post(DBT_DEVNODES_CHANGED);
    EXPECT_TRUE(dds::test::WaitFor("an enumeration after the notice", [&] { return backend->enumerations > before; }));
}

TEST_F(PlugNotices, OtherDeviceChangeEventsAreLeftAlone)
{
    const int before = backend->enumerations;
    Post(DBT_CONFIGCHANGED);
    QTest::qWait(300); // a slow machine may hide a wrong enumeration, never invent one
    EXPECT_EQ(backend->enumerations, before);
}

} // namespace
