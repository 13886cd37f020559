#pragma once
#include <QHostAddress>

#include <string>

namespace dds::scpi {

// Where the instrument listens: an address (IPv4, IPv6 in brackets, "localhost" or "*" for every
// interface) and a port (0 lets the system choose one).
struct ListenAddress {
    QHostAddress host;
    quint16 port = 0;
    bool IsLoopback() const { return host.isLoopback(); }
    std::string Text(quint16 actualPort) const;
};

inline constexpr quint16 kScpiPort = 5025;

// "ADDRESS:PORT", or "PORT" alone on `defaultHost`; std::invalid_argument naming what is wrong.
ListenAddress ParseListenAddress(const std::string& text, const QHostAddress& defaultHost);

// The warning that listening beyond this machine calls for.
std::string NoAuthenticationWarning(const std::string& where);

} // namespace dds::scpi
