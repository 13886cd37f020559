#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "scpi/mnemonic.h"
#include "scpi/program_parser.h"

namespace dds::scpi {

class CommandCall;
using CommandHandler = std::function<void(CommandCall&)>;

// Every command and query the instrument knows, each by its pattern: `*IDN?`,
// `[SOURce:]FREQuency[:CW]`, `SYSTem:ERRor[:NEXT]?`, where bracketed nodes may be left out.
class CommandTree {
public:
    // `pattern` is a literal: the tree keeps views into it.
    void Add(std::string_view pattern, CommandHandler handler);

    // The handler of `unit` read from the current `path` (the nodes of the previous command but its
    // last, by the SCPI path rules), which it then moves on. ScpiError -113 when nothing matches.
    const CommandHandler& Resolve(const ProgramUnit& unit, std::vector<std::string>& path) const;

private:
    struct Node {
        Mnemonic mnemonic;
        bool optional;
    };
    struct Command {
        std::vector<Node> nodes;
        bool query;
        CommandHandler handler;
    };
    static bool Matches(const std::vector<Node>& nodes, std::size_t node, const std::vector<std::string_view>& written,
                        std::size_t word);

    std::vector<Command> commands_;
};

} // namespace dds::scpi
