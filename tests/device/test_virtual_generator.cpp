#include "device/virtual_generator.h"

#include "device/generator_link.h"
#include "device/hid_controller.h"
#include "device/report_log.h"
#include "device/virtual_hid_bus.h"
#include "hid_test_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using dds::VirtualGenerator;
using dds::test::Pump;

namespace {

class VirtualGeneratorTest : public ::testing::Test {
protected:
    void Connect(std::shared_ptr<dds::HidBackend> backend)
    {
        controller = std::make_unique<TJvHidDeviceController>(std::move(backend));
        Pump();
        TJvHidDevice* device = nullptr;
        ASSERT_TRUE(controller->ClaimByIds(device, 0x04D8, 9));
        device->SetDataHandler([this](TJvHidDevice*, uint8_t, const uint8_t* data, uint16_t size) {
            (dds::IsBlockAcknowledgement(data, size) ? acks : others)++;
        });
        link.SetGenerator(device);
    }
    void SetUp() override { bus->Attach(generator); }
    void TearDown() override
    {
        link.ReleaseGenerator();
        controller.reset();
    }

    std::shared_ptr<dds::VirtualHidBus> bus = std::make_shared<dds::VirtualHidBus>();
    std::shared_ptr<VirtualGenerator> generator = std::make_shared<VirtualGenerator>();
    std::unique_ptr<TJvHidDeviceController> controller;
    dds::GeneratorLink link;
    int acks = 0;
    int others = 0;
};

TEST_F(VirtualGeneratorTest, ModelsATransferAndAcknowledgesEachBlock)
{
    Connect(bus);
    link.Send(dds::gcHostConnected);
    link.Send(dds::gcTransferHeader, {5, 1, 0, 70, 3});
    std::vector<uint8_t> block(62, 7);
    link.Send(dds::gcSampleBlock, block);
    link.Send(dds::gcSampleTail, std::vector<uint8_t>(8, 9));
    link.Send(dds::gcTransferClose1);
    link.Send(dds::gcTransferClose2);
    ASSERT_TRUE(dds::test::WaitFor("both acknowledgements", [this] { return acks == 2; }));
    const dds::GeneratorModel model = generator->Model();
    EXPECT_TRUE(model.hostConnected);
    EXPECT_EQ(model.range, 5);
    EXPECT_EQ(model.fullBlocks, 1);
    EXPECT_EQ(model.sampleCount, 70);
    EXPECT_EQ(model.kind, 3);
    ASSERT_EQ(model.samples.size(), 70u);
    EXPECT_EQ(model.samples[61], 7);
    EXPECT_EQ(model.samples[62], 9);
    EXPECT_EQ(model.transfersClosed, 1);
    EXPECT_EQ(others, 0);
}

TEST_F(VirtualGeneratorTest, ModelsOffsetFilterAmplitudeAndNoise)
{
    Connect(bus);
    link.Send(dds::gcOffset, {200});
    link.Send(dds::gcFilter3);
    link.Send(dds::gcAmplitudeStep, {59, 0});
    link.Send(dds::gcAmplitudeStep, {20, 1});
    link.Send(dds::gcNoiseMode);
    const dds::GeneratorModel model = generator->Model();
    EXPECT_EQ(model.offsetByte, 200);
    EXPECT_EQ(model.filter, 3);
    EXPECT_EQ(model.amplitude, 60);
    EXPECT_TRUE(model.noiseMode);
    link.Send(dds::gcFilterOff);
    EXPECT_EQ(generator->Model().filter, 0);
}

TEST_F(VirtualGeneratorTest, FaultSwitchesSilenceDelayAndFloodTheInput)
{
    generator->SetAcknowledging(false);
    Connect(bus);
    link.Send(dds::gcSampleBlock, std::vector<uint8_t>(62));
    QTest::qWait(100); // long enough to show a wrong acknowledgement; a slow machine cannot invent one
    EXPECT_EQ(acks, 0);

    generator->SetAcknowledging(true);
    generator->SetAckLatency(std::chrono::milliseconds(300));
    QElapsedTimer clock;
    clock.start();
    link.Send(dds::gcSampleBlock, std::vector<uint8_t>(62));
    ASSERT_TRUE(dds::test::WaitFor("the late acknowledgement", [this] { return acks == 1; }));
    EXPECT_GE(clock.elapsed(), 290);

    generator->SetUnrelatedInput(std::chrono::milliseconds(10));
    ASSERT_TRUE(dds::test::WaitFor("three unrelated reports", [this] { return others >= 3; }));
    generator->SetUnrelatedInput(std::chrono::milliseconds(0));
    EXPECT_EQ(acks, 1);
}

TEST_F(VirtualGeneratorTest, VanishesAfterTheChosenNumberOfReports)
{
    std::vector<std::string> removed;
    generator->UnplugAfter(2, [this] { bus->Unplug(*generator); });
    Connect(bus);
    controller->OnRemoval = [&removed](TJvHidDevice* device) { removed.push_back(device->PnPInfo().DevicePath()); };
    link.Send(dds::gcHostConnected);
    link.Send(dds::gcOffset, {1});
    link.Send(dds::gcOffset, {2});
    EXPECT_EQ(generator->WriteCount(), 2u) << "the report after the K-th finds the generator gone";
    EXPECT_TRUE(dds::test::WaitFor("the removal", [&removed] { return !removed.empty(); }));
    EXPECT_EQ(removed, (std::vector<std::string>{VirtualGenerator::kPath}));
}

TEST_F(VirtualGeneratorTest, ReportLogHoldsEveryWrittenReportAsHex)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("reports.log").toStdString();
    Connect(dds::LoggingBackend(bus, std::make_shared<dds::ReportLog>(path)));
    link.Send(dds::gcHostConnected);
    link.Send(dds::gcOffset, {0xAB});
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QByteArray("0001") + QByteArray(126, '0'));
    EXPECT_EQ(lines[1].left(6), "000aab");
    EXPECT_EQ(lines[1].size(), 130);
    EXPECT_TRUE(lines[2].isEmpty());
}

TEST(ReportLog, UnwritableFileIsAnError)
{
    EXPECT_THROW(dds::ReportLog("/nonexistent-folder/reports.log"), std::runtime_error);
    const uint8_t bytes[] = {0x00, 0x0F, 0xF0, 0xFF};
    EXPECT_EQ(dds::HexLine(bytes, 4), "000ff0ff");
}

} // namespace
