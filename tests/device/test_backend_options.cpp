#include "device/backend_options.h"

#include "device/generator_commands.h"
#include "device/virtual_hid_bus.h"
#include "event_waits.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(BackendOptions, VirtualGeneratorAppearsShortlyAfterStartAndItsReportsAreLogged)
{
    QTemporaryDir dir;
    const std::string log = dir.filePath("wire.log").toStdString();
    const auto backend = dds::MakeBackend(dds::BackendChoiceFromOptions({"--virtual-generator", "--report-log", log}));
    EXPECT_TRUE(backend->enumerate().empty()) << "not yet plugged in at start";
    ASSERT_TRUE(dds::test::WaitFor("the virtual generator to appear", [&] { return !backend->enumerate().empty(); }));
    const dds::HidInterfaceInfo generator = backend->enumerate().at(0);
    EXPECT_EQ(generator.vendorId, dds::kGeneratorVendorId);
    EXPECT_EQ(generator.productId, dds::kGeneratorProductId);
    auto handle = backend->open(generator.path, dds::HidAccess::ReadWrite);
    ASSERT_NE(handle, nullptr);
    const uint8_t report[3] = {0, 1, 0xFE};
    EXPECT_EQ(handle->write(report, 3), 3);
    QFile file(QString::fromStdString(log));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "0001fe\n");
}

TEST(BackendOptions, ReportLogWithoutAFileIsRefused)
{
    EXPECT_THROW(dds::BackendChoiceFromOptions({"--virtual-generator", "--report-log"}), std::runtime_error);
}

TEST(BackendOptions, SystemInterfacesAreTheGivenBackendAndTheToolsGeneratorIsThereAtOnce)
{
    const auto system = std::make_shared<dds::VirtualHidBus>();
    EXPECT_EQ(dds::MakeBackend({}, system), system);
    const auto tools = dds::MakeBackend({.virtualGenerator = true}, system);
    EXPECT_NE(tools, system);
    ASSERT_EQ(tools->enumerate().size(), 1u);
    EXPECT_EQ(tools->enumerate()[0].productId, dds::kGeneratorProductId);
}

} // namespace
