// The three calls of the update service, wired into an HTTP server.
#pragma once

#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>

#include "count_store.h"

namespace httplib {
class Server;
}

namespace updsvc {

// One line per request: METHOD SP STATUS SP BODY-BYTES SP RAW-TARGET.
// The target comes last and verbatim, so whatever it holds, everything after the
// third space is the target as it stood on the request line. Lines are written
// whole, under a lock, and flushed at once.
class RequestLog {
public:
    explicit RequestLog(std::FILE* out) : m_out(out) {}
    void write(std::string_view method, int status, unsigned long long bodyBytes, std::string_view target);

private:
    std::FILE* m_out;
    std::mutex m_lock;
};

// The value of ItemNo: the raw text after "ItemNo=" to the end of the query, not
// decoded, so that a blank or an ampersand the client sent unescaped is kept as
// sent. Nothing when the query has no ItemNo parameter.
bool itemNoFromTarget(std::string_view target, std::string& itemNo);

struct ServiceSettings {
    std::filesystem::path dataDir;
    // Misbehaviour for tests: the first `failLatest` latest-item requests get 503, and
    // a nonzero `cutPackagesAt` breaks every package transfer after that many bytes
    // while its full length is still announced.
    unsigned failLatest = 0;
    unsigned long long cutPackagesAt = 0;
};

// Registers the handlers and the request log on `server`.
void installService(httplib::Server& server, const ServiceSettings& settings, CountStore& counts, RequestLog& log);

}  // namespace updsvc
