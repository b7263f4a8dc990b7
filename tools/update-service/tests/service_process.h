// Test support: the real service binary as a child process, a throwaway data
// folder, and a raw HTTP exchange for request lines no client library would send.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <httplib.h>

namespace testsupport {

namespace fs = std::filesystem;

// A fresh data folder with an empty upload/KestavoItem/, removed afterwards.
class TempDataDir {
public:
    TempDataDir();
    ~TempDataDir();
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    const fs::path& path() const { return m_path; }
    fs::path uploadDir() const { return m_path / "upload" / "KestavoItem"; }
    // Writes atomically (temporary file, then rename), as a running service may read it.
    void writeFile(const fs::path& relative, const std::string& content) const;
    void writeCatalogue(const std::string& content) const { writeFile("catalogue.tsv", content); }

private:
    fs::path m_path;
};

class ServiceProcess {
public:
    // Starts `kestavo-update-service --listen 127.0.0.1:0 --data DIR` and waits for its
    // "listening" line.
    explicit ServiceProcess(const fs::path& dataDir, const std::vector<std::string>& extraArgs = {});
    ~ServiceProcess();
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;

    int port() const { return m_port; }
    pid_t pid() const { return m_pid; }
    httplib::Client client() const;

    // Request lines logged so far (the "listening" line excluded).
    std::vector<std::string> logLines();
    // Waits until a logged line satisfies `match`; returns it, or "" on timeout.
    std::string waitForLogLine(const std::function<bool(const std::string&)>& match,
                               std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // Sends `sig` and reaps the process; returns the wait status.
    int stop(int sig);

private:
    void readOutput(int fd);

    pid_t m_pid = -1;
    int m_port = 0;
    std::thread m_reader;
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::vector<std::string> m_lines;
    bool m_outputClosed = false;
};

struct RunResult {
    int exitCode = -1;  // -1 when killed by a signal
    std::string out;
    std::string err;
};

// Runs the service binary with `args` to completion.
RunResult runService(const std::vector<std::string>& args);

// `--counts` output of a data folder, parsed into item -> count.
std::vector<std::pair<std::string, long long>> readCounts(const fs::path& dataDir);

// Sends `request` verbatim over a fresh connection and returns the whole reply.
std::string rawExchange(int port, const std::string& request);
// A GET of `target` exactly as given, on a connection the server then closes.
std::string rawGet(int port, const std::string& target);
// The status code of a raw reply, or -1.
int statusOf(const std::string& reply);

}  // namespace testsupport
