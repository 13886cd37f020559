#include "cli/option_parser.h"

#include <QFileInfo>
#include <QString>

#include <charconv>
#include <limits>

#include "cli/cli_command.h"

namespace dds::cli {

OptionParser::OptionParser(const std::vector<std::string>& args, const std::set<std::string>& valued,
                           const std::set<std::string>& flags)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help_ = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0)
            throw UsageError("unexpected argument '" + arg + "'");
        const std::string name = arg.substr(2);
        if (flags.count(name)) {
            flagsSeen_.insert(name);
            continue;
        }
        if (!valued.count(name))
            throw UsageError("unknown option '" + arg + "'");
        if (i + 1 >= args.size())
            throw UsageError("option '" + arg + "' needs a value");
        values_[name].push_back(args[++i]);
    }
}

bool OptionParser::has(const std::string& name) const
{
    return values_.count(name) || flagsSeen_.count(name);
}

std::optional<std::string> OptionParser::text(const std::string& name) const
{
    auto it = values_.find(name);
    if (it == values_.end())
        return std::nullopt;
    return it->second.back();
}

std::vector<std::string> OptionParser::all(const std::string& name) const
{
    auto it = values_.find(name);
    return it == values_.end() ? std::vector<std::string>{} : it->second;
}

static std::string rangeText(int64_t min, int64_t max)
{
    if (max == std::numeric_limits<int32_t>::max())
        return "a whole number >= " + std::to_string(min);
    return "a whole number from " + std::to_string(min) + " to " + std::to_string(max);
}

std::optional<int64_t> OptionParser::integer(const std::string& name, int64_t min, int64_t max) const
{
    auto value = text(name);
    if (!value)
        return std::nullopt;
    int64_t parsed = 0;
    const char* first = value->data();
    const char* last = first + value->size();
    auto [end, ec] = std::from_chars(first, last, parsed);
    if (ec != std::errc() || end != last || parsed < min || parsed > max)
        throw UsageError("--" + name + " must be " + rangeText(min, max) + " (got '" + *value + "')");
    return parsed;
}

std::optional<std::string> OptionParser::path(const std::string& name) const
{
    const auto value = text(name);
    if (!value)
        return std::nullopt;
    return CheckedFilePath("--" + name, *value);
}

std::string CheckedFilePath(const std::string& what, const std::string& text)
{
    if (text.empty())
        throw UsageError(what + " needs a file name");
    if (QFileInfo(QString::fromStdString(text)).isDir())
        throw UsageError(what + ": " + text + " is a folder, not a file");
    return text;
}

int64_t OptionParser::requiredInteger(const std::string& name, int64_t min, int64_t max) const
{
    auto value = integer(name, min, max);
    if (!value)
        throw UsageError("--" + name + " is required (" + rangeText(min, max) + ")");
    return *value;
}

} // namespace dds::cli
