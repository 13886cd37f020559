#include "include_rules.h"

#include <algorithm>
#include <fstream>
#include <regex>

namespace includes {

namespace fs = std::filesystem;

namespace {

std::string Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t`");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t`.");
    return std::string(text.substr(first, last - first + 1));
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::optional<std::string> QtModuleOf(const std::string& header, const fs::path& qtInclude)
{
    for (const char* module : {"Core", "Gui", "Widgets", "Test", "Network"})
        if (fs::exists(qtInclude / (std::string("Qt") + module) / header))
            return std::string("Qt ") + module;
    return std::nullopt;
}

std::string AngledKind(const std::string& target, const fs::path& qtInclude)
{
    if (StartsWith(target, "gtest/") || StartsWith(target, "gmock/"))
        return "GoogleTest";
    if (StartsWith(target, "benchmark/"))
        return "Google Benchmark";
    if (StartsWith(target, "hidapi"))
        return "hidapi";
    if (target == "libudev.h")
        return "libudev";
    if (StartsWith(target, "nlohmann/"))
        return "nlohmann-json";
    if (StartsWith(target, "Q"))
        if (const auto module = QtModuleOf(target, qtInclude))
            return *module;
    if (target.find_first_of("./") != std::string::npos)
        return "system";
    if (std::all_of(target.begin(), target.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '_'; }))
        return "std";
    return "unknown";
}

std::string QuotedKind(const std::string& target, const fs::path& folder, const Layout& layout)
{
    const auto slash = target.find('/');
    if (slash != std::string::npos) {
        const std::string room = target.substr(0, slash);
        return fs::exists(layout.root / "src" / target) ? room : "unknown";
    }
    if (fs::exists(folder / target))
        return "own";
    if (fs::exists(layout.root / "tests" / "support" / target))
        return "support";
    return "unknown";
}

std::string Join(const std::set<std::string>& names)
{
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined.empty() ? "the standard library only" : joined;
}

bool IsSource(const fs::path& file)
{
    return file.extension() == ".cpp" || file.extension() == ".h";
}

// The rule of every source folder, keyed "src/<room>" and "tests/<folder>".
std::map<std::string, std::set<std::string>> ReadRules(const fs::path& root)
{
    std::map<std::string, std::set<std::string>> rules;
    for (const auto& entry : fs::directory_iterator(root / "src")) {
        std::ifstream readme(entry.path() / "README.md");
        if (entry.is_directory() && readme)
            if (auto rule = RoomRule(readme))
                rules["src/" + entry.path().filename().string()] = std::move(*rule);
    }
    if (std::ifstream readme(root / "tests" / "README.md"); readme)
        for (auto& [folder, rule] : TestFolderRules(readme))
            rules["tests/" + folder] = std::move(rule);
    return rules;
}

} // namespace

std::vector<Include> ScanIncludes(std::istream& source)
{
    static const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> found;
    std::string text;
    for (int line = 1; std::getline(source, text); ++line) {
        std::smatch match;
        if (std::regex_search(text, match, directive))
            found.push_back({match[2].str(), match[1].str() == "<", line});
    }
    return found;
}

std::set<std::string> ParseAllowed(std::string_view list)
{
    std::set<std::string> allowed;
    while (!list.empty()) {
        const auto comma = list.find(',');
        std::string name = Trim(list.substr(0, comma));
        if (name == "the standard library")
            name = "std";
        if (!name.empty())
            allowed.insert(name);
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    }
    return allowed;
}

std::optional<std::set<std::string>> RoomRule(std::istream& readme)
{
    static constexpr std::string_view kKey = "Includes:";
    std::string line;
    while (std::getline(readme, line))
        if (StartsWith(line, kKey))
            return ParseAllowed(std::string_view(line).substr(kKey.size()));
    return std::nullopt;
}

std::map<std::string, std::set<std::string>> TestFolderRules(std::istream& readme)
{
    static const std::regex row(R"(^\|\s*`?([a-z_]+)`?\s*\|([^|]*)\|\s*$)");
    std::map<std::string, std::set<std::string>> rules;
    std::string line;
    while (std::getline(readme, line)) {
        std::smatch match;
        if (std::regex_match(line, match, row) && match[1].str() != "folder")
            rules[match[1].str()] = ParseAllowed(match[2].str());
    }
    return rules;
}

std::string KindOf(const Include& include, const fs::path& folder, const Layout& layout)
{
    return include.angled ? AngledKind(include.target, layout.qtInclude) : QuotedKind(include.target, folder, layout);
}

std::vector<Violation> CheckTree(const Layout& layout)
{
    const auto rules = ReadRules(layout.root);
    std::vector<Violation> violations;
    std::set<std::string> reportedFolders;
    for (const char* top : {"src", "tests"}) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(layout.root / top))
            if (entry.is_regular_file() && IsSource(entry.path()))
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            const fs::path relative = fs::relative(file, layout.root);
            const std::string folder = (*relative.begin() / *std::next(relative.begin())).generic_string();
            const std::string own = std::next(relative.begin())->string();
            const auto rule = rules.find(folder);
            if (rule == rules.end()) {
                if (reportedFolders.insert(folder).second)
                    violations.push_back({relative, 0, folder + " has no include rule in its README"});
                continue;
            }
            std::ifstream source(file);
            for (const Include& include : ScanIncludes(source)) {
                const std::string kind = KindOf(include, file.parent_path(), layout);
                const bool allowed = kind == "own" || kind == "std" || (top == std::string("src") && kind == own)
                                     || rule->second.count(kind) > 0;
                if (allowed)
                    continue;
                const std::string written = include.angled ? "<" + include.target + ">" : "\"" + include.target + "\"";
                violations.push_back({relative, include.line,
                                      kind == "unknown"
                                          ? "#include " + written + " names no room, file or known library"
                                          : "#include " + written + " is " + kind + ", which " + folder
                                                + " may not include (it may include: " + Join(rule->second) + ")"});
            }
        }
    }
    return violations;
}

} // namespace includes
