#include "scpi/instrument_server.h"

namespace dds::scpi {

InstrumentServer::InstrumentServer(FrontPanel& panel, std::shared_ptr<HidBackend> interfaces)
    : instrument_(panel, std::move(interfaces)),
      server_([this] { return instrument_.NewSession(); }, [this] { return instrument_.MayExecute(); })
{
}

std::vector<std::string> InstrumentServer::Listen(const ListenAddress& address)
{
    server_.Listen(address.host, address.port);
    const std::string where = address.Text(server_.Port());
    std::vector<std::string> lines;
    if (!address.IsLoopback())
        lines.push_back("warning: " + NoAuthenticationWarning(where));
    lines.push_back("listening on " + where);
    return lines;
}

} // namespace dds::scpi
