#include "service_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace {

std::string readWholeFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// fork + exec with the argument vector prepared beforehand, so the child only
// makes async-signal-safe calls (the test process has threads).
pid_t spawn(const std::vector<std::string>& args, int stdoutFd, int stderrFd)
{
    std::vector<std::string> full{UPDATE_SERVICE_EXE};
    full.insert(full.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : full)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        int devnull = ::open("/dev/null", O_RDONLY);
        ::dup2(devnull, 0);
        if (devnull > 2)
            ::close(devnull);
        if (stdoutFd >= 0)
            ::dup2(stdoutFd, 1);
        if (stderrFd >= 0)
            ::dup2(stderrFd, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

}  // namespace

TempDataDir::TempDataDir()
{
    std::string pattern = (fs::temp_directory_path() / "kestavo-svc-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
    fs::create_directories(uploadDir());
}

TempDataDir::~TempDataDir()
{
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

void TempDataDir::writeFile(const fs::path& relative, const std::string& content) const
{
    const fs::path target = m_path / relative;
    const fs::path temp = target.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out)
            throw std::runtime_error("cannot write " + temp.string());
    }
    fs::rename(temp, target);
}

ServiceProcess::ServiceProcess(const fs::path& dataDir, const std::vector<std::string>& extraArgs)
{
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    // The child inherits the test's stderr so its messages show in the test output.
    std::vector<std::string> args{"--listen", "127.0.0.1:0", "--data", dataDir.string()};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    m_pid = spawn(args, out[1], -1);
    ::close(out[1]);
    m_reader = std::thread(&ServiceProcess::readOutput, this, out[0]);

    std::unique_lock<std::mutex> lock(m_lock);
    bool started = m_changed.wait_for(lock, std::chrono::seconds(10), [&] { return !m_lines.empty() || m_outputClosed; });
    if (!started || m_lines.empty() || m_lines.front().rfind("listening 127.0.0.1:", 0) != 0) {
        lock.unlock();
        stop(SIGKILL);
        throw std::runtime_error("the service did not report its port");
    }
    m_port = std::stoi(m_lines.front().substr(m_lines.front().rfind(':') + 1));
    m_lines.erase(m_lines.begin());
}

ServiceProcess::~ServiceProcess()
{
    stop(SIGTERM);
}

int ServiceProcess::stop(int sig)
{
    int status = 0;
    if (m_pid > 0) {
        ::kill(m_pid, sig);
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
    }
    if (m_reader.joinable())
        m_reader.join();
    return status;
}

void ServiceProcess::readOutput(int fd)
{
    std::string pending;
    char buf[4096];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        pending.append(buf, static_cast<size_t>(n));
        size_t nl;
        std::lock_guard<std::mutex> lock(m_lock);
        while ((nl = pending.find('\n')) != std::string::npos) {
            m_lines.push_back(pending.substr(0, nl));
            pending.erase(0, nl + 1);
        }
        m_changed.notify_all();
    }
    ::close(fd);
    std::lock_guard<std::mutex> lock(m_lock);
    if (!pending.empty())
        m_lines.push_back(pending);
    m_outputClosed = true;
    m_changed.notify_all();
}

httplib::Client ServiceProcess::client() const
{
    httplib::Client cli("127.0.0.1", m_port);
    cli.set_url_encode(false);  // targets go out exactly as the test writes them
    cli.set_decompress(false);
    return cli;
}

std::vector<std::string> ServiceProcess::logLines()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_lines;
}

std::string ServiceProcess::waitForLogLine(const std::function<bool(const std::string&)>& match,
                                           std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_lock);
    std::string found;
    m_changed.wait_for(lock, timeout, [&] {
        for (const auto& line : m_lines) {
            if (match(line)) {
                found = line;
                return true;
            }
        }
        return m_outputClosed;
    });
    return found;
}

RunResult runService(const std::vector<std::string>& args)
{
    TempDataDir scratch;
    const fs::path outPath = scratch.path() / "stdout";
    const fs::path errPath = scratch.path() / "stderr";
    int outFd = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    int errFd = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    pid_t pid = spawn(args, outFd, errFd);
    ::close(outFd);
    ::close(errFd);
    // A service that unexpectedly starts serving would never end on its own.
    int status = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readWholeFile(outPath);
    result.err = readWholeFile(errPath);
    return result;
}

std::vector<std::pair<std::string, long long>> readCounts(const fs::path& dataDir)
{
    RunResult run = runService({"--data", dataDir.string(), "--counts"});
    if (run.exitCode != 0)
        throw std::runtime_error("--counts failed: " + run.err);
    std::vector<std::pair<std::string, long long>> counts;
    std::istringstream lines(run.out);
    std::string line;
    while (std::getline(lines, line)) {
        size_t tab = line.rfind('\t');
        if (tab == std::string::npos)
            throw std::runtime_error("--counts line without a tab: " + line);
        counts.emplace_back(line.substr(0, tab), std::stoll(line.substr(tab + 1)));
    }
    return counts;
}

std::string rawExchange(int port, const std::string& request)
{
    int sock = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    if (::connect(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
        ::send(sock, request.data(), request.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(request.size())) {
        timeval timeout{10, 0};
        ::setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        // Read until the answer is complete: a server may keep the connection open.
        char buf[4096];
        ssize_t n;
        while ((n = ::recv(sock, buf, sizeof buf, 0)) > 0) {
            reply.append(buf, static_cast<size_t>(n));
            size_t headerEnd = reply.find("\r\n\r\n");
            if (headerEnd == std::string::npos)
                continue;
            std::string headers = reply.substr(0, headerEnd);
            for (char& c : headers)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            size_t at = headers.find("\r\ncontent-length:");
            if (at != std::string::npos &&
                reply.size() >= headerEnd + 4 + std::stoull(headers.substr(at + 17)))
                break;
        }
    }
    ::close(sock);
    return reply;
}

std::string rawGet(int port, const std::string& target)
{
    return rawExchange(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
}

int statusOf(const std::string& reply)
{
    if (reply.compare(0, 9, "HTTP/1.1 ") != 0 || reply.size() < 12)
        return -1;
    return std::atoi(reply.substr(9, 3).c_str());
}

}  // namespace testsupport
