#include "scpi/socket_write.h"

#if !defined(_WIN32)
#include <sys/socket.h>
#endif

#include <cstddef>

namespace dds::scpi {
namespace {

// How many of `bytes` the system took at once; 0 when it took none or a direct write is not safe
// here. A failure is left for Qt's own write to meet and report.
std::size_t SendDirect([[maybe_unused]] QTcpSocket& socket, [[maybe_unused]] std::string_view bytes)
{
#if defined(MSG_NOSIGNAL)
    const qintptr descriptor = socket.socketDescriptor();
    if (descriptor < 0 || socket.state() != QAbstractSocket::ConnectedState || socket.bytesToWrite() > 0)
        return 0;
    const ssize_t sent = ::send(static_cast<int>(descriptor), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    return sent > 0 ? static_cast<std::size_t>(sent) : 0;
#else
    return 0;
#endif
}

} // namespace

void WriteNow(QTcpSocket& socket, std::string_view bytes)
{
    bytes.remove_prefix(SendDirect(socket, bytes));
    if (bytes.empty())
        return;
    socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket.flush();
}

} // namespace dds::scpi
