#include "service.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <httplib.h>

#include <atomic>
#include <iostream>
#include <memory>
#include <vector>

#include "catalogue.h"
#include "package_file.h"

namespace updsvc {

namespace {

constexpr std::string_view kPackagePrefix = "/upload/KestavoItem/";
constexpr size_t kChunkSize = 1 << 20;

// The log line of the request being answered on this connection thread. The
// handler, the post-routing hook, a body's content provider and the logger all run
// on that thread, one request after the other.
struct PendingLine {
    std::string method;
    std::string target;
    int status = 0;
    unsigned long long streamedBytes = 0;
    bool written = true;
};
thread_local PendingLine t_line;

struct PackageStream {
    int fd = -1;
    unsigned long long cutAt = 0;  // 0: send the whole file
    std::vector<char> buffer;
    ~PackageStream()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Sends the next piece of a package, at most one buffer, starting at `offset`.
bool sendPiece(PackageStream& stream, size_t size, RequestLog& log, size_t offset, size_t length,
               httplib::DataSink& sink)
{
    if (stream.buffer.empty())
        stream.buffer.resize(kChunkSize);
    size_t want = std::min(length, stream.buffer.size());
    if (stream.cutAt) {
        if (offset >= stream.cutAt)
            return false;
        want = static_cast<size_t>(std::min<unsigned long long>(want, stream.cutAt - offset));
    }
    ssize_t got = ::pread(stream.fd, stream.buffer.data(), want, static_cast<off_t>(offset));
    // A file that shrank mid-transfer: break the connection rather than send fewer
    // bytes than Content-Length announced.
    if (got <= 0)
        return false;
    auto n = static_cast<size_t>(got);
    // Log before the last piece goes out, so the line is there by the time the
    // client holds the whole package.
    if (!t_line.written && offset + n == size) {
        log.write(t_line.method, t_line.status, t_line.streamedBytes + n, t_line.target);
        t_line.written = true;
    }
    if (!sink.write(stream.buffer.data(), n))
        return false;
    t_line.streamedBytes += n;
    return true;
}

std::string_view pathOfTarget(std::string_view target)
{
    return target.substr(0, target.find('?'));
}

void answerText(httplib::Response& res, int status, const std::string& text)
{
    res.status = status;
    res.set_content(text, "text/plain");
}

void handleGetContents(const ServiceSettings& settings, std::atomic<unsigned>& failuresLeft,
                       const httplib::Request& req, httplib::Response& res)
{
    for (unsigned left = failuresLeft.load(); left > 0;) {
        if (failuresLeft.compare_exchange_weak(left, left - 1)) {
            answerText(res, 503, "failing on request\n");
            return;
        }
    }
    try {
        auto items = loadCatalogue((settings.dataDir / "catalogue.tsv").string());
        auto item = findLatestItem(items, req.get_param_value("platformID"));
        res.set_content(renderContents(item), "text/xml");
    } catch (const CatalogueError& e) {
        std::cerr << "kestavo-update-service: " << e.what() << std::endl;
        answerText(res, 500, std::string(e.what()) + "\n");
    }
}

void handleSetCounts(CountStore& counts, const httplib::Request& req, httplib::Response& res)
{
    std::string itemNo;
    if (!itemNoFromTarget(req.target, itemNo)) {
        answerText(res, 400, "missing ItemNo\n");
        return;
    }
    try {
        counts.increment(itemNo);
        answerText(res, 200, "OK\n");
    } catch (const CountStoreError& e) {
        std::cerr << "kestavo-update-service: " << e.what() << std::endl;
        answerText(res, 500, "count not stored\n");
    }
}

void handlePackage(const ServiceSettings& settings, RequestLog& log, const httplib::Request& req,
                   httplib::Response& res)
{
    res.status = 404;
    std::string_view rawPath = pathOfTarget(req.target);
    // A prefix that only matches once decoded is not the upload folder's.
    if (rawPath.substr(0, kPackagePrefix.size()) != kPackagePrefix)
        return;
    std::string_view rawName = rawPath.substr(kPackagePrefix.size());
    std::string_view decodedName = std::string_view(req.path).substr(kPackagePrefix.size());

    auto file = resolvePackage(settings.dataDir / "upload" / "KestavoItem", rawName, decodedName);
    if (!file)
        return;

    auto stream = std::make_shared<PackageStream>();
    stream->cutAt = settings.cutPackagesAt;
    stream->fd = ::open(file->c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    struct stat st {};
    if (stream->fd < 0 || ::fstat(stream->fd, &st) != 0 || !S_ISREG(st.st_mode))
        return;

    res.status = 200;
    res.set_header("Accept-Ranges", "none");
    const auto size = static_cast<size_t>(st.st_size);
    if (size == 0) {
        // The library drops Content-Length for a provider of length 0.
        res.set_content("", "application/octet-stream");
        return;
    }
    res.set_content_provider(size, "application/octet-stream",
                             [stream, size, &log](size_t offset, size_t length, httplib::DataSink& sink) {
                                 return sendPiece(*stream, size, log, offset, length, sink);
                             });
}

}  // namespace

void RequestLog::write(std::string_view method, int status, unsigned long long bodyBytes, std::string_view target)
{
    std::string line;
    line.reserve(target.size() + 32);
    line.append(method.empty() ? "-" : method);
    line += ' ';
    line += std::to_string(status);
    line += ' ';
    line += std::to_string(bodyBytes);
    line += ' ';
    line.append(target.empty() ? "-" : target);
    line += '\n';
    std::lock_guard<std::mutex> lock(m_lock);
    std::fwrite(line.data(), 1, line.size(), m_out);
    std::fflush(m_out);
}

bool itemNoFromTarget(std::string_view target, std::string& itemNo)
{
    size_t question = target.find('?');
    if (question == std::string_view::npos)
        return false;
    std::string_view query = target.substr(question + 1);
    constexpr std::string_view key = "ItemNo=";
    for (size_t at = 0; at <= query.size();) {
        if (query.substr(at, key.size()) == key) {
            itemNo.assign(query.substr(at + key.size()));
            return true;
        }
        size_t amp = query.find('&', at);
        if (amp == std::string_view::npos)
            break;
        at = amp + 1;
    }
    return false;
}

void installService(httplib::Server& server, const ServiceSettings& settings, CountStore& counts, RequestLog& log)
{
    auto failuresLeft = std::make_shared<std::atomic<unsigned>>(settings.failLatest);
    server.Get("/KestavoWebServiceProc.asmx/GetContents",
               [settings, failuresLeft](const httplib::Request& req, httplib::Response& res) {
                   handleGetContents(settings, *failuresLeft, req, res);
               });
    server.Get("/KestavoWebServiceProc.asmx/SetKestavoCounts",
               [&counts](const httplib::Request& req, httplib::Response& res) { handleSetCounts(counts, req, res); });
    server.Get("/upload/KestavoItem/.*", [settings, &log](const httplib::Request& req, httplib::Response& res) {
        handlePackage(settings, log, req, res);
    });

    // Range requests are answered in full, as HTTP allows: the library's range
    // handling (0.11) announces wrong lengths for streamed bodies when a range ends
    // past the file or starts beyond it. Nothing the program does asks for ranges.
    server.set_pre_routing_handler([](const httplib::Request& req, httplib::Response&) {
        const_cast<httplib::Request&>(req).ranges.clear();
        return httplib::Server::HandlerResponse::Unhandled;
    });

    // Runs once the answer is complete but before any of it is sent: the line is on
    // the log before the client can have the answer. A streamed package is logged by
    // its provider instead, when its byte count is known.
    server.set_post_routing_handler([&log](const httplib::Request& req, httplib::Response& res) {
        t_line = PendingLine{req.method, req.target, res.status, 0, false};
        if (res.content_provider_ && req.method != "HEAD")
            return;
        log.write(req.method, res.status, req.method == "HEAD" ? 0 : res.body.size(), req.target);
        t_line.written = true;
    });
    // Runs after sending; catches a stream that broke before its last piece.
    server.set_logger([&log](const httplib::Request& req, const httplib::Response& res) {
        if (!t_line.written)
            log.write(req.method, res.status, t_line.streamedBytes, req.target);
        t_line = PendingLine{};
    });
}

}  // namespace updsvc
