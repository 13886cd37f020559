#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_command.h"

namespace {

TEST(ListCli, MarksTheGeneratorWithItsIdsAccessAndReportLengths)
{
    std::ostringstream out, err;
    ASSERT_EQ(dds::cli::RunCli({"list", "--virtual"}, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "virtual:generator\t04d8:0009\tread-write\tin 65 out 65\tgenerator\n");
}

TEST(ListCli, RefusesUnknownOptions)
{
    std::ostringstream out, err;
    EXPECT_EQ(dds::cli::RunCli({"list", "--bogus"}, out, err), 2);
    EXPECT_TRUE(out.str().empty());
}

} // namespace
