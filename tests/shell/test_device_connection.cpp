#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <string>

#include "device/hid_controller.h"
#include "panel/front_panel.h"
#include "test_device_fixture.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_slider.h"
#include "window_controls.h"

namespace {

using Codes = std::vector<int>;

std::shared_ptr<dds::VirtualHidInterface> OtherDevice(
    dds::VirtualHidInterface::Openness openness = dds::VirtualHidInterface::Openness::ReadWrite,
    uint16_t vendor = 0x046D, uint16_t product = 0xC077, const char* path = "virtual:mouse")
{
    dds::HidInterfaceInfo info;
    info.path = info.instanceId = path;
    info.vendorId = vendor;
    info.productId = product;
    info.inputReportLength = info.outputReportLength = 8;
    return std::make_shared<dds::VirtualHidInterface>(info, openness);
}

TEST_F(DeviceWindow, StartUpPutsTheControlsAtTheirStartValuesAndSendsNothing)
{
    CreateWindow();
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider3")->Value(), 127);
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider3")->MaxValue(), 255);
    EXPECT_EQ(Find<QLabel>(*form, "Label35")->text(), "128");
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider4")->Value(), 99);
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider4")->MaxValue(), 99);
    EXPECT_TRUE(Find<QRadioButton>(*form, "RadioButton1")->isChecked());
    Pump();
    EXPECT_FALSE(form->FrontPanel().Connected());
    EXPECT_EQ(generator->WriteCount(), 0u);
}

TEST_F(DeviceWindow, PluggedInGeneratorIsConnectedOnlyOnceTheEventLoopRuns)
{
    bus->Attach(generator);
    CreateWindow();
    EXPECT_FALSE(form->FrontPanel().Connected());
    EXPECT_TRUE(Find<QFrame>(*form, "Panel11")->isVisibleTo(form.get()));
    const QString notConnected = Find<PanelStatusBar>(*form, "StatusBar1")->panelText(0);
    ASSERT_TRUE(dds::test::WaitFor("the generator to connect", [this] { return form->FrontPanel().Connected(); }));
    EXPECT_FALSE(Find<QFrame>(*form, "Panel1")->isVisibleTo(form.get()));
    EXPECT_TRUE(Find<QFrame>(*form, "Panel9")->isVisibleTo(form.get()));
    EXPECT_FALSE(Find<QFrame>(*form, "Panel11")->isVisibleTo(form.get()));
    EXPECT_NE(Find<PanelStatusBar>(*form, "StatusBar1")->panelText(0), notConnected);
    const auto written = generator->Written();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0][1], dds::gcHostConnected);
    EXPECT_EQ(written[1][1], dds::gcOffset);
    EXPECT_EQ(written[1][2], 128);
    EXPECT_EQ(written[1].size(), 65u);
    EXPECT_TRUE(generator->Model().hostConnected);
}

TEST_F(DeviceWindow, GeneratorPluggedInLaterConnectsTheSameWay)
{
    CreateWindow();
    Pump();
    bus->Plug(generator, std::chrono::milliseconds(20));
    ASSERT_TRUE(dds::test::WaitFor("the generator to connect", [this] { return form->FrontPanel().Connected(); }));
    EXPECT_EQ(generator->Model().offsetByte, 128);
}

TEST_F(DeviceWindow, AnotherDeviceArrivingResendsTheOffsetAndItsRemovalChangesNothing)
{
    StartConnected();
    auto mouse = OtherDevice();
    bus->Plug(mouse);
    ASSERT_TRUE(dds::test::WaitFor("a report after the arrival", [this] { return !Sent().empty(); }));
    EXPECT_EQ(SentCodes(), (Codes{dds::gcOffset}));
    EXPECT_EQ(Sent()[0][2], 128);
    EXPECT_EQ(mouse->WriteCount(), 0u);
    bus->Unplug(*mouse);
    Pump();
    EXPECT_EQ(SentCodes(), (Codes{dds::gcOffset}));
    EXPECT_TRUE(form->FrontPanel().Connected());
    EXPECT_EQ(terminationRequests, 0);
}

TEST_F(DeviceWindow, UnpluggingTheGeneratorShowsNotConnectedAndEndsTheProgram)
{
    StartConnected();
    bus->Unplug(*generator);
    ASSERT_TRUE(dds::test::WaitFor("the program to be ended", [this] { return terminationRequests == 1; }));
    ExpectEndedNotConnected();
    EXPECT_TRUE(Sent().empty()) << "the closing command cannot reach an unplugged generator";
    EXPECT_EQ(generator->OpenHandles(), 0u);
}

TEST_F(DeviceWindow, QuitWithAGeneratorSendsTheClosingCommandOnce)
{
    StartConnected();
    QTest::mouseClick(Find<QToolButton>(*form, "ToolButton3"), Qt::LeftButton);
    EXPECT_EQ(SentCodes(), (Codes{dds::gcHostClosing}));
    EXPECT_EQ(terminationRequests, 1);
    EXPECT_EQ(generator->OpenHandles(), 0u) << "the generator is released";
    form->close();
    EXPECT_EQ(SentCodes(), (Codes{dds::gcHostClosing})) << "the close that follows sends nothing more";
}

TEST_F(DeviceWindow, ClosingTheWindowWithAGeneratorSendsTheClosingCommandOnce)
{
    StartConnected();
    form->close();
    EXPECT_EQ(SentCodes(), (Codes{dds::gcHostClosing}));
    EXPECT_EQ(generator->Model().hostClosings, 1);
    EXPECT_EQ(generator->OpenHandles(), 0u);
}

TEST_F(DeviceWindow, QuitReleasesTheGeneratorThenEndsTheProgram)
{
    std::vector<std::string> steps;
    services.whenTerminated = [&] { steps.push_back(generator->OpenHandles() == 0 ? "released" : "still held"); };
    StartConnected();
    QTest::mouseClick(Find<QToolButton>(*form, "ToolButton3"), Qt::LeftButton);
    EXPECT_EQ(steps, (std::vector<std::string>{"released"}));
}

TEST_F(DeviceWindow, ClosingReleasesTheGeneratorAndIsAlwaysAllowed)
{
    StartConnected();
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(generator->Model().hostClosings, 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(DeviceWindow, ClosingWithoutAGeneratorSendsNothingAndIsAllowed)
{
    CreateWindow();
    Pump();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(generator->WriteCount(), 0u);
}

TEST_F(DeviceWindow, QuitWithoutAGeneratorSendsNothing)
{
    CreateWindow();
    Pump();
    FinishStartUpPicture();
    QTest::mouseClick(Find<QToolButton>(*form, "ToolButton3"), Qt::LeftButton);
    EXPECT_EQ(terminationRequests, 1);
    form->close();
    EXPECT_EQ(generator->WriteCount(), 0u);
}

TEST_F(DeviceWindow, GeneratorWithoutAccessStaysUnclaimedAndIsNamedToTheOperator)
{
    auto locked = OtherDevice(dds::VirtualHidInterface::Openness::WithoutAccess, 0x04D8, 9, "/dev/hidraw7");
    bus->Attach(locked);
    testing::internal::CaptureStderr();
    CreateWindow();
    Pump();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(form->FrontPanel().Connected());
    EXPECT_TRUE(Find<QFrame>(*form, "Panel11")->isVisibleTo(form.get()));
    EXPECT_TRUE(form->FrontPanel().State().generatorPath.empty());
    EXPECT_EQ(locked->OpenHandles(), 0u);
    EXPECT_NE(err.find("/dev/hidraw7"), std::string::npos) << err;
    EXPECT_NE(err.find("70-ddsgen.rules"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    // The desktop user, who never sees standard error, is told in the error box, once.
    ASSERT_EQ(services.errors.size(), 1);
    for (const char* part : {"04D8:0009", "/dev/hidraw7", "70-ddsgen.rules", "README", "rebranchez"})
        EXPECT_TRUE(services.errors[0].contains(QString::fromUtf8(part))) << part << ": " << services.errors[0].toStdString();
    services.errors.clear();
    bus->Unplug(*locked);
    Pump();
    EXPECT_EQ(terminationRequests, 0) << "a generator never held does not end the program";
    EXPECT_TRUE(services.errors.isEmpty());
}

// The rule installed, the operator plugs the generator in again: it connects without a restart,
// whether the system reports the unplug and the plug apart or as one change.
TEST_F(DeviceWindow, GeneratorWithoutAccessConnectsOncePluggedInAgainWithTheRule)
{
    for (const bool apart : {true, false}) {
        bus = std::make_shared<dds::VirtualHidBus>();
        generator = std::make_shared<dds::VirtualGenerator>();
        auto locked = OtherDevice(dds::VirtualHidInterface::Openness::WithoutAccess, 0x04D8, 9,
                                  dds::VirtualGenerator::kPath);
        bus->Attach(locked);
        testing::internal::CaptureStderr();
        CreateWindow();
        Pump();
        testing::internal::GetCapturedStderr();
        ASSERT_EQ(services.errors.size(), 1) << apart;
        services.errors.clear();
        bus->Unplug(*locked);
        if (apart) {
            Pump();
            bus->Plug(generator);
        } else {
            bus->Attach(generator); // there already when the unplug's notice is handled
        }
        ASSERT_TRUE(dds::test::WaitFor("the generator to connect", [this] { return form->FrontPanel().Connected(); })) << apart;
        EXPECT_EQ(terminationRequests, 0);
        EXPECT_TRUE(Find<QFrame>(*form, "Panel9")->isVisibleTo(form.get()));
        ASSERT_FALSE(generator->Written().empty());
        EXPECT_EQ(generator->Written().front().at(1), dds::gcHostConnected);
        EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString();
        form.reset();
    }
}

// A box shown inside start-up (here: no folder takes the settings file) runs an event loop of its
// own. The generator plugged in before start must not be connected inside it, to be disconnected by
// the start-up steps that follow: it is connected once start-up is over, and stays usable.
TEST_F(DeviceWindow, ErrorBoxDuringStartUpLetsTheGeneratorConnectOnlyAfterStartUp)
{
    QTemporaryDir scratch;
    const QString blocker = scratch.filePath(QStringLiteral("blocker"));
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    bus->Attach(generator);
    dds::WindowServices boxed = services.For(bus, blocker + QStringLiteral("/program/"));
    boxed.userSettingsFolder = blocker + QStringLiteral("/config/"); // no user folder either
    boxed.errorSink = [this](const QString& message) {
        services.errors << message;
        QTest::qWait(100); // the box's own event loop while the operator reads it
    };
    form = std::make_unique<TForm1>(std::move(boxed));
    ASSERT_FALSE(services.errors.isEmpty());
    EXPECT_TRUE(services.errors[0].startsWith(QStringLiteral("Erreur d'entrée/sortie"))) << services.errors[0].toStdString();
    EXPECT_FALSE(form->FrontPanel().Connected()) << "connected inside start-up";
    ASSERT_TRUE(dds::test::WaitFor("the generator to connect", [this] { return form->FrontPanel().Connected(); }));
    FinishStartUpPicture();
    EXPECT_TRUE(Find<QFrame>(*form, "Panel9")->isVisibleTo(form.get()));
    EXPECT_TRUE(Find<QToolButton>(*form, "SpeedButton10")->isVisibleTo(form.get()));
    EXPECT_FALSE(Find<QFrame>(*form, "Panel11")->isVisibleTo(form.get()));
    const std::vector<Report> written = generator->Written();
    EXPECT_EQ(std::count_if(written.begin(), written.end(), [](const Report& r) { return r.at(1) == dds::gcHostConnected; }), 1);
    services.errors.clear();

    // Nor does any folder take "Sample.bmp": the transfers go through the temporary folder, said once.
    for (int transfer = 0; transfer < 2; ++transfer)
        form->findChild<QAbstractButton*>(QStringLiteral("SpeedButton10"))->click();
    EXPECT_EQ(generator->Model().transfersClosed, 2);
    ASSERT_EQ(services.errors.size(), 1) << services.errors.join('\n').toStdString();
    EXPECT_TRUE(services.errors[0].contains(QString::fromUtf8("dossier temporaire")))
        << services.errors[0].toStdString();
    services.errors.clear();
}

TEST_F(DeviceWindow, ASecondGeneratorIsLeftAloneWhileOneIsHeld)
{
    StartConnected();
    auto second = OtherDevice(dds::VirtualHidInterface::Openness::ReadWrite, 0x04D8, 9, "virtual:second");
    bus->Plug(second);
    ASSERT_TRUE(dds::test::WaitFor("a report after the arrival", [this] { return !Sent().empty(); }));
    EXPECT_EQ(second->WriteCount(), 0u);
    EXPECT_EQ(form->FrontPanel().State().generatorPath, dds::VirtualGenerator::kPath);
    bus->Unplug(*second);
    Pump();
    EXPECT_EQ(terminationRequests, 0);
}

} // namespace
