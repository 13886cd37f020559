#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace dds::cli {

// "--name value" pairs and "--flag" switches of one command, checked against the names it knows.
class OptionParser {
public:
    OptionParser(const std::vector<std::string>& args, const std::set<std::string>& valued,
                 const std::set<std::string>& flags = {});

    bool helpRequested() const { return help_; }
    bool has(const std::string& name) const;
    // The last value given for the option.
    std::optional<std::string> text(const std::string& name) const;
    // Every value given for an option that may be repeated, in the order given.
    std::vector<std::string> all(const std::string& name) const;
    // The option as a whole number within [min, max]; UsageError naming the option and the range.
    std::optional<int64_t> integer(const std::string& name, int64_t min, int64_t max) const;
    int64_t requiredInteger(const std::string& name, int64_t min, int64_t max) const;
    // The option as a file name (see CheckedFilePath).
    std::optional<std::string> path(const std::string& name) const;

private:
    std::map<std::string, std::vector<std::string>> values_;
    std::set<std::string> flagsSeen_;
    bool help_ = false;
};

// `text` as a file name for `what` ("--out", "the file to import"): UsageError when it is empty
// or names a folder, said in the tool's words before any file call could.
std::string CheckedFilePath(const std::string& what, const std::string& text);

} // namespace dds::cli
