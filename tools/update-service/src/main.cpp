// kestavo-update-service: a stand-in for the maker's update service on a local address.
//
//   kestavo-update-service --listen HOST:PORT --data DIR    serve until SIGINT/SIGTERM
//   kestavo-update-service --data DIR --counts              print the usage counts and exit

#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

#include <httplib.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "count_store.h"
#include "service.h"

namespace fs = std::filesystem;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// Keep-alive connections each hold a worker until they go idle; leave room for
// a test's parallel clients and the program under test at the same time.
constexpr size_t kWorkerThreads = 32;

const char kUsage[] =
    "usage: kestavo-update-service --listen HOST:PORT --data DIR\n"
    "       kestavo-update-service --data DIR --counts\n"
    "\n"
    "  --listen HOST:PORT  serve on HOST:PORT; PORT 0 picks a free port.\n"
    "                      The first line on standard output is \"listening HOST:PORT\",\n"
    "                      then one line per request.\n"
    "  --data DIR          folder with catalogue.tsv, counts.db and upload/KestavoItem/\n"
    "  --counts            print ItemNo<TAB>count for every counted item, then exit\n"
    "\n"
    "Misbehaviour on demand, for tests:\n"
    "  --fail-latest N     answer the first N latest-item requests with 503\n"
    "  --cut-packages B    announce a package's full length but break the connection after B bytes\n";

struct Options {
    std::optional<std::string> listen;
    std::optional<std::string> dataDir;
    bool counts = false;
    bool help = false;
    unsigned failLatest = 0;
    unsigned long long cutPackagesAt = 0;
};


class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

unsigned long long parseCount(const std::string& option, const std::string& text)
{
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError(option + " wants a number, got \"" + text + "\"");
    return std::stoull(text);
}

Options parseArguments(int argc, char** argv)
{
    Options opts;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw UsageError(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--listen")
            opts.listen = value();
        else if (arg == "--data")
            opts.dataDir = value();
        else if (arg == "--counts")
            opts.counts = true;
        else if (arg == "--fail-latest")
            opts.failLatest = static_cast<unsigned>(std::min<unsigned long long>(parseCount(arg, value()), 1u << 30));
        else if (arg == "--cut-packages")
            opts.cutPackagesAt = parseCount(arg, value());
        else if (arg == "--help" || arg == "-h")
            opts.help = true;
        else
            throw UsageError("unknown argument: " + arg);
    }
    if (opts.help)
        return opts;
    if (!opts.dataDir)
        throw UsageError("--data DIR is required");
    if (opts.counts == opts.listen.has_value())
        throw UsageError("give exactly one of --listen HOST:PORT and --counts");
    return opts;
}

struct ListenAddress {
    std::string host;
    int port = 0;
};

ListenAddress parseListen(const std::string& text)
{
    size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == text.size())
        throw UsageError("--listen wants HOST:PORT, got \"" + text + "\"");
    ListenAddress addr;
    addr.host = text.substr(0, colon);
    if (addr.host.size() > 2 && addr.host.front() == '[' && addr.host.back() == ']')
        addr.host = addr.host.substr(1, addr.host.size() - 2);
    std::string port = text.substr(colon + 1);
    if (port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos || std::stoi(port) > 65535)
        throw UsageError("--listen: bad port \"" + port + "\"");
    addr.port = std::stoi(port);
    return addr;
}

int printCounts(const fs::path& dataDir)
{
    const fs::path db = dataDir / "counts.db";
    // Nothing counted yet is an empty list, not an error, and is no reason to create the file.
    if (!fs::exists(db))
        return 0;
    updsvc::CountStore store(db.string(), updsvc::CountStore::Mode::ExistingOnly);
    for (const auto& [itemNo, count] : store.all())
        std::cout << itemNo << '\t' << count << '\n';
    std::cout.flush();
    return std::cout ? 0 : kExitFailure;
}

int serve(const ListenAddress& addr, const updsvc::ServiceSettings& settings)
{
    const fs::path& dataDir = settings.dataDir;
    if (!fs::exists(dataDir / "catalogue.tsv"))
        std::cerr << "kestavo-update-service: warning: " << (dataDir / "catalogue.tsv").string()
                  << " does not exist; GetContents answers 500 until it does\n";

    updsvc::CountStore counts((dataDir / "counts.db").string(), updsvc::CountStore::Mode::CreateIfMissing);
    updsvc::RequestLog log(stdout);

    // Handle SIGINT/SIGTERM on one thread of our own; the server's workers inherit the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    httplib::Server server;
    server.new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
    // The library's default SO_REUSEPORT would let a second server bind a port already
    // in use; SO_REUSEADDR only allows rebinding over TIME_WAIT.
    server.set_socket_options([](int sock) {
        int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });
    updsvc::installService(server, settings, counts, log);

    int port = addr.port;
    errno = 0;
    if (port == 0) {
        port = server.bind_to_any_port(addr.host);
        if (port < 0) {
            std::cerr << "kestavo-update-service: cannot listen on " << addr.host << ":0"
                      << (errno ? std::string(": ") + std::strerror(errno) : std::string()) << '\n';
            return kExitFailure;
        }
    } else if (!server.bind_to_port(addr.host, port)) {
        std::cerr << "kestavo-update-service: cannot listen on " << addr.host << ':' << port
                  << (errno ? std::string(": ") + std::strerror(errno) : std::string()) << '\n';
        return kExitFailure;
    }
    std::printf("listening %s:%d\n", addr.host.c_str(), port);
    std::fflush(stdout);

    std::thread([&server, stopSignals] {
        int sig = 0;
        sigwait(&stopSignals, &sig);
        server.stop();
    }).detach();

    if (!server.listen_after_bind()) {
        std::cerr << "kestavo-update-service: the server stopped unexpectedly\n";
        return kExitFailure;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        Options opts = parseArguments(argc, argv);
        if (opts.help) {
            std::cout << kUsage;
            return 0;
        }
        ListenAddress addr;
        if (opts.listen)
            addr = parseListen(*opts.listen);
        const fs::path dataDir = *opts.dataDir;
        if (!fs::is_directory(dataDir)) {
            std::cerr << "kestavo-update-service: data folder " << dataDir.string() << " does not exist\n";
            return kExitFailure;
        }
        if (opts.counts)
            return printCounts(dataDir);
        return serve(addr, updsvc::ServiceSettings{dataDir, opts.failLatest, opts.cutPackagesAt});
    } catch (const UsageError& e) {
        std::cerr << "kestavo-update-service: " << e.what() << "\n\n" << kUsage;
        return kExitUsage;
    } catch (const std::exception& e) {
        std::cerr << "kestavo-update-service: " << e.what() << '\n';
        return kExitFailure;
    }
}
