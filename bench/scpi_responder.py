# The reference for bench_scpi: a minimal SCPI responder in Python, one thread per client, that
# answers every line ending in '?' with one line. Prints its port, then serves until killed.
import socket
import socketserver


class Client(socketserver.StreamRequestHandler):
    def handle(self):
        self.connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        for line in self.rfile:
            if line.rstrip().endswith(b"?"):
                self.wfile.write(b"python,responder,0,1.0\n")


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


with Server(("127.0.0.1", 0), Client) as server:
    print(server.server_address[1], flush=True)
    server.serve_forever()
