#include "scpi/listen_address.h"

#include <charconv>
#include <stdexcept>

namespace dds::scpi {
namespace {

quint16 ParsePort(const std::string& text, const std::string& whole)
{
    unsigned port = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), port);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || port > 65535)
        throw std::invalid_argument("'" + whole + "' has no port 0..65535");
    return static_cast<quint16>(port);
}

QHostAddress ParseHost(std::string host, const std::string& whole)
{
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    if (host == "localhost")
        return QHostAddress(QHostAddress::LocalHost);
    if (host == "*")
        return QHostAddress(QHostAddress::Any);
    const QHostAddress address(QString::fromStdString(host));
    if (address.isNull())
        throw std::invalid_argument("'" + whole + "' names no IP address");
    return address;
}

} // namespace

std::string ListenAddress::Text(quint16 actualPort) const
{
    const std::string address = host.toString().toStdString();
    const bool v6 = host.protocol() == QAbstractSocket::IPv6Protocol;
    return (v6 ? "[" + address + "]" : address) + ":" + std::to_string(actualPort);
}

ListenAddress ParseListenAddress(const std::string& text, const QHostAddress& defaultHost)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos)
        return {defaultHost, ParsePort(text, text)};
    return {ParseHost(text.substr(0, colon), text), ParsePort(text.substr(colon + 1), text)};
}

std::string NoAuthenticationWarning(const std::string& where)
{
    return "listening on " + where
           + " beyond this machine: the instrument has no authentication, so anyone who can reach this port "
             "controls the generator";
}

} // namespace dds::scpi
