#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "include_rules.h"

namespace {

namespace fs = std::filesystem;
using includes::Include;

TEST(IncludeRules, ScansBothFormsAndSkipsWhatIsNoDirective)
{
    std::istringstream source("#include <QWidget>\n  #  include \"device/hid_device.h\" // why\n"
                              "// #include <gone>\nconst char* s = \"#include <x>\";\n");
    const auto found = includes::ScanIncludes(source);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].target, "QWidget");
    EXPECT_TRUE(found[0].angled);
    EXPECT_EQ(found[1].target, "device/hid_device.h");
    EXPECT_FALSE(found[1].angled);
    EXPECT_EQ(found[1].line, 2);
}

TEST(IncludeRules, ReadsTheRoomLineAndTheTestTable)
{
    std::istringstream room("# device\nSome text.\nIncludes: synthesis, Qt Core,  system.\nIncludes: ignored\n");
    EXPECT_EQ(includes::RoomRule(room), (std::set<std::string>{"synthesis", "Qt Core", "system"}));
    std::istringstream none("# room\nMay depend on anything.\n");
    EXPECT_EQ(includes::RoomRule(none), std::nullopt);
    std::istringstream alone("Includes: the standard library.\n");
    EXPECT_EQ(includes::RoomRule(alone), (std::set<std::string>{"std"}));

    std::istringstream tests("| Folder | Includes |\n|---|---|\n| `device` | device, support |\n"
                             "| fuzz | editor |\n");
    const auto rules = includes::TestFolderRules(tests);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules.at("device"), (std::set<std::string>{"device", "support"}));
    EXPECT_EQ(rules.at("fuzz"), (std::set<std::string>{"editor"}));
}

TEST(IncludeRules, TellsWhatAnIncludeNames)
{
    const includes::Layout layout{PROJECT_ROOT, QT_INCLUDE_DIR};
    const fs::path device = fs::path(PROJECT_ROOT) / "src" / "device";
    const auto kind = [&](const char* target, bool angled) {
        return includes::KindOf({target, angled, 1}, device, layout);
    };
    EXPECT_EQ(kind("QTimer", true), "Qt Core");
    EXPECT_EQ(kind("QImage", true), "Qt Gui");
    EXPECT_EQ(kind("QWidget", true), "Qt Widgets");
    EXPECT_EQ(kind("QTest", true), "Qt Test");
    EXPECT_EQ(kind("vector", true), "std");
    EXPECT_EQ(kind("unistd.h", true), "system");
    EXPECT_EQ(kind("hidapi/hidapi.h", true), "hidapi");
    EXPECT_EQ(kind("nlohmann/json.hpp", true), "nlohmann-json");
    EXPECT_EQ(kind("gtest/gtest.h", true), "GoogleTest");
    EXPECT_EQ(kind("widgets/rx_slider.h", false), "widgets");
    EXPECT_EQ(kind("widgets/no_such_file.h", false), "unknown");
    EXPECT_EQ(kind("hid_device.h", false), "own");
    EXPECT_EQ(kind("file_faults.h", false), "support");
}

// A copy of the project's rules with one source file; what the checker says about it.
class TreeWithOneFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path()
                / ("include_rules_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
                   + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        for (const auto& room : fs::directory_iterator(fs::path(PROJECT_ROOT) / "src")) {
            fs::create_directories(root_ / "src" / room.path().filename());
            if (fs::exists(room.path() / "README.md"))
                fs::copy_file(room.path() / "README.md", root_ / "src" / room.path().filename() / "README.md");
        }
        fs::create_directories(root_ / "tests");
        fs::copy_file(fs::path(PROJECT_ROOT) / "tests" / "README.md", root_ / "tests" / "README.md");
        std::ofstream(root_ / "src" / "widgets" / "rx_slider.h") << "#pragma once\n";
        std::ofstream(root_ / "src" / "synthesis" / "waveform_kind.h") << "#pragma once\n";
    }
    void TearDown() override { fs::remove_all(root_); }

    std::vector<includes::Violation> Check(const std::string& file, const std::string& text)
    {
        fs::create_directories((root_ / file).parent_path());
        std::ofstream(root_ / file) << text;
        return includes::CheckTree({root_, QT_INCLUDE_DIR});
    }

    fs::path root_;
};

TEST_F(TreeWithOneFile, DeviceReachingForAWidgetFails)
{
    const auto violations = Check("src/device/link.cpp", "#include <QTimer>\n#include \"widgets/rx_slider.h\"\n");
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(violations[0].file, fs::path("src/device/link.cpp"));
    EXPECT_EQ(violations[0].line, 2);
    EXPECT_NE(violations[0].message.find("is widgets, which src/device may not include"), std::string::npos)
        << violations[0].message;
}

TEST_F(TreeWithOneFile, SynthesisTakesNoQtAndNoSystemHeader)
{
    EXPECT_EQ(Check("src/synthesis/plan.cpp", "#include <QString>\n#include <unistd.h>\n#include <cmath>\n").size(),
              2u);
}

TEST_F(TreeWithOneFile, AllowedIncludesPass)
{
    EXPECT_TRUE(Check("src/shell/form.cpp", "#include \"widgets/rx_slider.h\"\n#include <QWidget>\n#include <memory>\n")
                    .empty());
    EXPECT_TRUE(
        Check("tests/synthesis/test_plan.cpp", "#include <gtest/gtest.h>\n#include \"synthesis/waveform_kind.h\"\n")
            .empty());
}

TEST_F(TreeWithOneFile, UnknownFilesAndFoldersWithoutARuleFail)
{
    EXPECT_EQ(Check("src/cli/tool.cpp", "#include \"nowhere.h\"\n").size(), 1u);
    const auto violations = Check("tests/newfolder/test_new.cpp", "#include <vector>\n");
    ASSERT_EQ(violations.size(), 2u);
    EXPECT_NE(violations[1].message.find("tests/newfolder has no include rule"), std::string::npos);
}

} // namespace
