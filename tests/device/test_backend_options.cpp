#include "device/backend_options.h"

#include "device/generator_commands.h"
#include "device/hid_backend_selection.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class BackendOptions : public ::testing::Test {
protected:
    void SetUp() override { previous_ = dds::SelectedHidBackend(); }
    void TearDown() override { dds::SelectHidBackend(previous_); }

private:
    std::shared_ptr<dds::HidBackend> previous_;
};

TEST_F(BackendOptions, VirtualGeneratorAppearsShortlyAfterStartAndItsReportsAreLogged)
{
    QTemporaryDir dir;
    const std::string log = dir.filePath("wire.log").toStdString();
    dds::SelectBackendFromOptions({"--virtual-generator", "--report-log", log});
    const auto backend = dds::SelectedHidBackend();
    EXPECT_TRUE(backend->enumerate().empty()) << "not yet plugged in at start";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !backend->enumerate().empty(); }, 2000));
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

TEST_F(BackendOptions, ReportLogWithoutAFileIsRefusedAndLeavesTheSelectionAlone)
{
    const auto before = dds::SelectedHidBackend();
    EXPECT_THROW(dds::SelectBackendFromOptions({"--virtual-generator", "--report-log"}), std::runtime_error);
    EXPECT_EQ(dds::SelectedHidBackend(), before);
}

} // namespace
