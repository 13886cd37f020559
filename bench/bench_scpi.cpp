// The SCPI instrument's figures, measured against `ddsgen-cli serve --virtual` and, in the same run,
// a 20-line Python responder (scpi_responder.py) as the reference: *IDN? round trips per second
// with one client and with 8 (our own client and `lxi benchmark` when lxi-tools is installed; the
// servers taking turns, beside them a blocking and a polling responder in this program, each ratio
// to the Python responder's rate in brackets), the processor time each server spends per
// round trip and serve's while idle, the latency of `FREQ ...;*OPC?` (one upload each) beside the
// transfer time `ddsgen-cli transfer` reports for the same setting, and serve's resident memory
// along 100 000 queries.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <optional>
#include <sstream>
#include <vector>

#include "process_output.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// A child process that names its port on its standard output or error: the Python responder's
// first line is the port, serve's "listening on" line ends in it. The pipe stays open, so that a
// later line of the child finds a reader.
struct Child {
    pid_t pid = -1;
    int port = 0;
    int output = -1;
    ~Child()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        close(output);
    }
};

std::unique_ptr<Child> Start(std::vector<std::string> args, int outputFd)
{
    const std::optional<SpawnedProcess> spawned = SpawnReadingFrom(args, outputFd);
    if (!spawned)
        throw std::runtime_error("cannot start " + args[0]);
    auto child = std::make_unique<Child>();
    child->pid = spawned->pid;
    child->output = spawned->output;
    std::string text;
    for (char c = 0; read(child->output, &c, 1) == 1;) {
        if (c != '\n') {
            text += c;
        } else if (text.find("listening on") != std::string::npos || text.find(':') == std::string::npos) {
            break;
        } else {
            text.clear();
        }
    }
    const auto colon = text.rfind(':');
    child->port = std::stoi(colon == std::string::npos ? text : text.substr(colon + 1));
    return child;
}

int Connect(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("cannot connect");
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

std::string Query(int fd, const std::string& message)
{
    const std::string line = message + "\n";
    if (write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        throw std::runtime_error("write");
    // The answer is one line and nothing follows it before the next query: read what has come,
    // in as few calls as the network allows, until it ends in LF. A byte at a time would cost the
    // client a call per byte and favour the server with the shorter answer.
    std::string answer;
    char buffer[4096];
    while (answer.empty() || answer.back() != '\n') {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return answer;
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    answer.pop_back();
    return answer;
}

// A responder inside this program that answers every read with `answer` (serve's *IDN? answer, so
// that the bytes are the same), listening on the loopback interface.
class Responder {
public:
    explicit Responder(std::string answer) : answer_(std::move(answer) + "\n")
    {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(listener_, 16) != 0
            || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("responder: cannot listen");
        port_ = ntohs(address.sin_port);
    }
    ~Responder() { close(listener_); }
    int port() const { return port_; }

protected:
    int Accept() const
    {
        const int fd = accept(listener_, nullptr, nullptr);
        const int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        return fd;
    }
    // One read and its answer; false once the client has gone.
    bool Answer(int fd) const
    {
        char buffer[4096];
        return read(fd, buffer, sizeof buffer) > 0
               && write(fd, answer_.data(), answer_.size()) == static_cast<ssize_t>(answer_.size());
    }

    std::string answer_;
    int listener_ = -1, port_ = 0;
};

// One thread per client that sleeps in its read, with no event loop: the least work a server that
// sleeps between messages can do.
class BlockingResponder : public Responder {
public:
    explicit BlockingResponder(std::string answer) : Responder(std::move(answer))
    {
        acceptor_ = std::thread([this] {
            for (int fd; (fd = Accept()) >= 0;)
                clients_.emplace_back([this, fd] {
                    while (Answer(fd)) {
                    }
                    close(fd);
                });
        });
    }
    ~BlockingResponder()
    {
        shutdown(listener_, SHUT_RDWR); // accept returns; every client has closed by now
        acceptor_.join();
        for (std::thread& client : clients_)
            client.join();
    }

private:
    std::thread acceptor_;
    std::vector<std::thread> clients_;
};

// One thread for all clients, sleeping in poll: the least work a server that serves every client
// from one loop can do, as serve's event loop does.
class PollingResponder : public Responder {
public:
    explicit PollingResponder(std::string answer) : Responder(std::move(answer))
    {
        if (pipe(stop_) != 0)
            throw std::runtime_error("polling responder: no pipe");
        loop_ = std::thread([this] { Serve(); });
    }
    ~PollingResponder()
    {
        if (write(stop_[1], "", 1) == 1)
            loop_.join();
        close(stop_[0]);
        close(stop_[1]);
    }

private:
    void Serve() const
    {
        std::vector<pollfd> fds{{stop_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
        while (poll(fds.data(), fds.size(), -1) > 0 && fds[0].revents == 0) {
            for (std::size_t i = 2; i < fds.size(); ++i)
                if (fds[i].revents != 0 && !Answer(fds[i].fd)) {
                    close(fds[i].fd);
                    fds[i].fd = -1; // poll passes over it
                }
            if (fds[1].revents != 0)
                fds.push_back({Accept(), POLLIN, 0});
        }
        for (std::size_t i = 2; i < fds.size(); ++i)
            close(fds[i].fd);
    }

    int stop_[2] = {-1, -1};
    std::thread loop_;
};

std::string Identity(int port)
{
    const int fd = Connect(port);
    const std::string answer = Query(fd, "*IDN?");
    close(fd);
    return answer;
}

// *IDN? round trips per second, `clients` connections each asking `each` times.
double RoundTrips(int port, int clients, int each)
{
    std::vector<std::thread> threads;
    const auto start = Clock::now();
    for (int i = 0; i < clients; ++i)
        threads.emplace_back([port, each] {
            const int fd = Connect(port);
            for (int q = 0; q < each; ++q)
                Query(fd, "*IDN?");
            close(fd);
        });
    for (auto& t : threads)
        t.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return clients * each / seconds;
}

std::string Run(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output;
}

bool HaveLxi()
{
    return !Run("command -v lxi").empty();
}

// The sum of the rates `clients` `lxi benchmark` processes report, run at once against `port`.
double LxiBenchmark(int port, int clients)
{
    std::vector<std::thread> threads;
    std::vector<double> rates(static_cast<std::size_t>(clients));
    for (int i = 0; i < clients; ++i)
        threads.emplace_back([&, i] {
            const std::string out = Run("lxi benchmark -a 127.0.0.1 -p " + std::to_string(port) + " -r -c 2000 2>&1");
            const auto at = out.find("Result: ");
            rates[static_cast<std::size_t>(i)] = at == std::string::npos ? 0 : std::atof(out.c_str() + at + 8);
        });
    for (auto& t : threads)
        t.join();
    double total = 0;
    for (const double rate : rates)
        total += rate;
    return total;
}

// The processor time a process has used, user and system, in microseconds.
double CpuMicroseconds(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat{std::istreambuf_iterator<char>(file), {}};
    std::istringstream fields(stat.substr(stat.rfind(')') + 2)); // the name before may hold spaces
    std::string skipped;
    for (int field = 3; field < 14; ++field)
        fields >> skipped;
    double user = 0, system = 0;
    fields >> user >> system;
    return (user + system) * 1e6 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long ResidentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

std::string Load()
{
    std::ifstream loadavg("/proc/loadavg");
    std::string one, five, fifteen;
    loadavg >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A number of `ddsgen-cli transfer --json`'s output, as it stands there; "?" when missing.
std::string JsonNumber(const std::string& json, const std::string& key)
{
    const std::string label = "\"" + key + "\":";
    const auto at = json.find(label);
    if (at == std::string::npos)
        return "?";
    const auto from = at + label.size();
    return json.substr(from, json.find_first_of(",}", from) - from);
}

// The latency of one upload through serve beside the transfer time `ddsgen-cli transfer` reports
// for the same setting. The two settings take turns, so that every message uploads; each is
// compared with its own transfer (1000 Hz plays 3200 samples, more blocks than 1500 Hz's 2133).
void UploadLatencies(int fd)
{
    const std::vector<std::string> settings = {"1500", "1000"};
    const int kEach = 10;
    const auto milliseconds = [fd](const std::string& message) {
        const auto start = Clock::now();
        Query(fd, message);
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    std::vector<std::vector<double>> latencies(settings.size());
    for (int i = 0; i < kEach * static_cast<int>(settings.size()); ++i) {
        const std::size_t s = static_cast<std::size_t>(i) % settings.size();
        latencies[s].push_back(milliseconds("FREQ " + settings[s] + ";FUNC SIN;*OPC?"));
    }
    std::vector<double> unchanged; // the same message again: the generator already plays it
    for (int i = 0; i < kEach; ++i)
        unchanged.push_back(milliseconds("FREQ " + settings.back() + ";FUNC SIN;*OPC?"));
    std::printf("FREQ %s;FUNC SIN;*OPC? again, nothing to upload: median %.2f ms over %d\n", settings.back().c_str(),
                Median(unchanged), kEach);
    for (std::size_t s = 0; s < settings.size(); ++s) {
        std::vector<double> transfers;
        std::string json;
        for (int run = 0; run < 5; ++run) {
            json = Run(std::string(DDSGEN_CLI) + " transfer --virtual --frequency " + settings[s]
                       + " --kind 1 --json 2>/dev/null");
            transfers.push_back(std::atof(JsonNumber(json, "milliseconds").c_str()));
        }
        std::printf("FREQ %s;FUNC SIN;*OPC? (one upload, N = %s, %s blocks): median %.1f ms, fastest %.1f ms over %d; "
                    "ddsgen-cli transfer's own transfer time at the same setting: median %.0f ms over 5\n",
                    settings[s].c_str(), JsonNumber(json, "sampleCount").c_str(), JsonNumber(json, "blocks").c_str(),
                    Median(latencies[s]), *std::min_element(latencies[s].begin(), latencies[s].end()), kEach,
                    Median(transfers));
    }
}

// "median/s (slowest .. fastest)": with one client the rate depends most on whether the system
// runs the client and the server on the same processor, which changes from turn to turn.
std::string Rates(const std::vector<double>& perSecond)
{
    const auto [slowest, fastest] = std::minmax_element(perSecond.begin(), perSecond.end());
    char text[96];
    std::snprintf(text, sizeof text, "%.0f/s (%.0f .. %.0f)", Median(perSecond), *slowest, *fastest);
    return text;
}

} // namespace

int main()
{
    std::cout << "load average at start: " << Load() << "\n";
    const auto serve = Start({DDSGEN_CLI, "serve", "--virtual", "--listen", "127.0.0.1:0"}, 2);
    const auto python = Start({"/usr/bin/python3", SCPI_RESPONDER}, 1);
    const int kEach = 2000, kTurns = 5;
    const bool haveLxi = HaveLxi();
    for (const int clients : {1, 8}) {
        // The servers take turns, so that a change in the machine's load falls on each alike.
        std::vector<double> ours, reference, blocked, polled, lxiOurs, lxiReference, lxiBlocked, lxiPolled;
        double ourCpu = 0, referenceCpu = 0, lxiOurCpu = 0, lxiReferenceCpu = 0; // microseconds over all turns
        const auto timed = [](const Child& server, double& cpu, auto&& run) {
            const double before = CpuMicroseconds(server.pid);
            run();
            cpu += CpuMicroseconds(server.pid) - before;
        };
        for (int turn = 0; turn < kTurns; ++turn) {
            timed(*serve, ourCpu, [&] { ours.push_back(RoundTrips(serve->port, clients, kEach)); });
            timed(*python, referenceCpu, [&] { reference.push_back(RoundTrips(python->port, clients, kEach)); });
            const BlockingResponder blocking(Identity(serve->port));
            const PollingResponder polling(Identity(serve->port));
            blocked.push_back(RoundTrips(blocking.port(), clients, kEach));
            polled.push_back(RoundTrips(polling.port(), clients, kEach));
            if (!haveLxi)
                continue;
            timed(*serve, lxiOurCpu, [&] { lxiOurs.push_back(LxiBenchmark(serve->port, clients)); });
            timed(*python, lxiReferenceCpu, [&] { lxiReference.push_back(LxiBenchmark(python->port, clients)); });
            lxiBlocked.push_back(LxiBenchmark(blocking.port(), clients));
            lxiPolled.push_back(LxiBenchmark(polling.port(), clients));
        }
        const double trips = static_cast<double>(kTurns) * clients * kEach;
        const auto report = [&](const char* by, const std::vector<double>& o, const std::vector<double>& r,
                                const std::vector<double>& b, const std::vector<double>& p, double oCpu, double rCpu) {
            std::printf("*IDN? round trips, %d %s, medians of %d turns (slowest .. fastest): serve %s, "
                        "Python responder %s, ratio %.2f\n"
                        "  in this program: blocking responder %s (%.2f), polling responder %s (%.2f)\n"
                        "  processor time per round trip, user and system: serve %.1f us, Python responder %.1f us\n",
                        clients, by, kTurns, Rates(o).c_str(), Rates(r).c_str(), Median(o) / Median(r),
                        Rates(b).c_str(), Median(b) / Median(r), Rates(p).c_str(), Median(p) / Median(r), oCpu / trips,
                        rCpu / trips);
        };
        report(clients == 1 ? "client" : "clients", ours, reference, blocked, polled, ourCpu, referenceCpu);
        if (haveLxi)
            report(clients == 1 ? "lxi benchmark" : "lxi benchmarks at once", lxiOurs, lxiReference, lxiBlocked,
                   lxiPolled, lxiOurCpu, lxiReferenceCpu);
        else
            std::printf("lxi benchmark: lxi-tools not installed\n");
    }

    const double idleBefore = CpuMicroseconds(serve->pid);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    std::printf("serve's processor time while no client talks: %.0f ms in 2 s\n",
                (CpuMicroseconds(serve->pid) - idleBefore) / 1000);
    const int fd = Connect(serve->port);
    UploadLatencies(fd);
    std::printf("serve's resident memory: %ld kB before the queries", ResidentKilobytes(serve->pid));
    for (int i = 1; i <= 100'000; ++i)
        if (Query(fd, i % 2 ? "*IDN?" : "FREQ?;:SYST:ERR?").empty())
            throw std::runtime_error("no answer");
        else if (i % 25'000 == 0)
            std::printf(", %ld kB after %d", ResidentKilobytes(serve->pid), i);
    std::printf("\n");
    close(fd);
    std::cout << "load average at end: " << Load() << "\n";
    return 0;
}
