// The system's device-change broadcast, as Windows sends it to the main window, makes the device
// layer look for interfaces again.
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <windows.h>
#include <dbt.h>

#include "device/hid_backend_selection.h"
#include "device/hidapi_backend.h"
#include "shell/error_reporter.h"
#include "shell/unit1.h"

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
        previousBackend_ = dds::SelectedHidBackend();
        dds::SelectHidBackend(backend);
        previousSink_ = dds::ErrorReporter::setSink([this](const QString& m) { errors_ << m; });
        form = std::make_unique<TForm1>();
        form->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return backend->enumerations > 0; }, 5000));
    }
    void TearDown() override
    {
        form.reset();
        dds::SelectHidBackend(previousBackend_);
        dds::ErrorReporter::setSink(previousSink_);
        EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
    }
    void Post(WPARAM event)
    {
        ASSERT_TRUE(PostMessageW(reinterpret_cast<HWND>(form->winId()), WM_DEVICECHANGE, event, 0));
    }

    std::shared_ptr<CountingBackend> backend = std::make_shared<CountingBackend>();
    std::unique_ptr<TForm1> form;

private:
    std::shared_ptr<dds::HidBackend> previousBackend_;
    dds::ErrorSink previousSink_;
    QStringList errors_;
};

TEST_F(PlugNotices, NodesChangedOnTheMainWindowEnumeratesAgain)
{
    const int before = backend->enumerations;
    Post(DBT_DEVNODES_CHANGED);
    EXPECT_TRUE(QTest::qWaitFor([&] { return backend->enumerations > before; }, 5000));
}

TEST_F(PlugNotices, OtherDeviceChangeEventsAreLeftAlone)
{
    const int before = backend->enumerations;
    Post(DBT_CONFIGCHANGED);
    QTest::qWait(300);
    EXPECT_EQ(backend->enumerations, before);
}

} // namespace
