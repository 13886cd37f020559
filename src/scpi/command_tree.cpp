#include "scpi/command_tree.h"

#include <stdexcept>

#include "scpi/scpi_error.h"

namespace dds::scpi {

void CommandTree::Add(std::string_view pattern, CommandHandler handler)
{
    Command command{{}, !pattern.empty() && pattern.back() == '?', std::move(handler)};
    if (command.query)
        pattern.remove_suffix(1);
    while (!pattern.empty()) {
        const bool optional = pattern.front() == '[';
        const std::size_t end = optional ? pattern.find(']') : pattern.find_first_of(":[");
        if (optional && end == std::string_view::npos)
            throw std::logic_error("unclosed [ in a command pattern");
        std::string_view node = optional ? pattern.substr(1, end - 1) : pattern.substr(0, end);
        while (!node.empty() && node.front() == ':')
            node.remove_prefix(1);
        while (!node.empty() && node.back() == ':')
            node.remove_suffix(1);
        command.nodes.push_back({{node}, optional});
        pattern = end == std::string_view::npos ? std::string_view{} : pattern.substr(optional ? end + 1 : end);
        while (!pattern.empty() && pattern.front() == ':')
            pattern.remove_prefix(1);
    }
    commands_.push_back(std::move(command));
}

bool CommandTree::Matches(const std::vector<Node>& nodes, std::size_t node, const std::vector<std::string_view>& written,
                          std::size_t word)
{
    if (node == nodes.size())
        return word == written.size();
    if (nodes[node].optional && Matches(nodes, node + 1, written, word))
        return true;
    return word < written.size() && nodes[node].mnemonic.Matches(written[word])
           && Matches(nodes, node + 1, written, word + 1);
}

const CommandHandler& CommandTree::Resolve(const ProgramUnit& unit, std::vector<std::string>& path) const
{
    std::vector<std::string_view> written;
    if (!unit.common && !unit.rooted)
        written.assign(path.begin(), path.end());
    written.insert(written.end(), unit.mnemonics.begin(), unit.mnemonics.end());
    for (const Command& command : commands_) {
        if (command.query != unit.query || !Matches(command.nodes, 0, written, 0))
            continue;
        if (!unit.common) // a new path first: `written` may look into the old one
            path = std::vector<std::string>(written.begin(), written.end() - 1);
        return command.handler;
    }
    throw ScpiError(error::kUndefinedHeader);
}

} // namespace dds::scpi
