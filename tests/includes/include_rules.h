#pragma once
#include <filesystem>
#include <istream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Which folders of the project may include what. Every source folder states its rule in a README:
// a room under src/ in the line of its README that starts with "Includes:", a folder under tests/
// in the table of tests/README.md. The checker reads those and looks at every #include.
namespace includes {

struct Include {
    std::string target; // what stands between the brackets or quotes
    bool angled = false;
    int line = 0;
};

std::vector<Include> ScanIncludes(std::istream& source);

// The names one rule allows, from "synthesis, Qt Core, system." ("the standard library" is "std").
std::set<std::string> ParseAllowed(std::string_view list);
// The rule of a room README, from its first line starting with "Includes:".
std::optional<std::set<std::string>> RoomRule(std::istream& readme);
// The rules of the test folders, from the rows "| folder | list |" of the table in tests/README.md.
std::map<std::string, std::set<std::string>> TestFolderRules(std::istream& readme);

// Where the project and Qt's headers are, to tell what an include names.
struct Layout {
    std::filesystem::path root;      // holds src/ and tests/
    std::filesystem::path qtInclude; // holds QtCore/, QtGui/, QtWidgets/, QtTest/
};

// What `include` of a file in `folder` names: "own" (a file beside it), a room ("device"),
// "support" (tests/support), "std", "Qt Core", "Qt Gui", "Qt Widgets", "Qt Test", "hidapi",
// "libudev", "nlohmann-json", "GoogleTest", "Google Benchmark", "system", or "unknown".
std::string KindOf(const Include& include, const std::filesystem::path& folder, const Layout& layout);

struct Violation {
    std::filesystem::path file; // relative to the root
    int line = 0;
    std::string message;
};

// Every include under src/ and tests/ that its folder's rule does not allow, and every folder
// with sources but no rule.
std::vector<Violation> CheckTree(const Layout& layout);

} // namespace includes
