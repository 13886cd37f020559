#pragma once
#include <QTcpSocket>

#include <string_view>

namespace dds::scpi {

// Writes `bytes` to a connected socket, now. What the system takes at once goes straight to it
// when nothing of the socket's is still waiting, so an answer costs one system call; Qt's own
// buffer takes the rest, as well as everything where a direct write could raise SIGPIPE. Through
// Qt alone, each answer would switch the socket's write notification on and off again, and with
// the GLib event loop each switch wakes the loop once more.
void WriteNow(QTcpSocket& socket, std::string_view bytes);

} // namespace dds::scpi
