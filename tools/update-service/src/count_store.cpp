#include "count_store.h"

#include <sqlite3.h>

#include <memory>

namespace updsvc {

namespace {

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

Statement prepare(sqlite3* db, const char* sql)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
        throw CountStoreError(std::string("counts database: ") + sqlite3_errmsg(db));
    return Statement(raw);
}

}  // namespace

CountStore::CountStore(const std::string& path, Mode mode)
{
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (mode == Mode::CreateIfMissing)
        flags |= SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        std::string why = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw CountStoreError("cannot open " + path + ": " + why);
    }
    try {
        // Another process (a --counts reader, a second service) may hold the lock briefly.
        sqlite3_busy_timeout(m_db, 10000);
        exec("PRAGMA journal_mode=WAL");
        // FULL: every commit is on disk before the answer, not only in the OS cache.
        exec("PRAGMA synchronous=FULL");
        exec("CREATE TABLE IF NOT EXISTS counts (item_no TEXT PRIMARY KEY NOT NULL, count INTEGER NOT NULL)");
    } catch (...) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw;
    }
}

CountStore::~CountStore()
{
    sqlite3_close(m_db);
}

void CountStore::exec(const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string why = error ? error : sqlite3_errmsg(m_db);
        sqlite3_free(error);
        throw CountStoreError("counts database: " + why);
    }
}

int64_t CountStore::increment(const std::string& itemNo)
{
    std::lock_guard<std::mutex> lock(m_writeLock);
    Statement stmt = prepare(m_db,
                             "INSERT INTO counts (item_no, count) VALUES (?1, 1) "
                             "ON CONFLICT (item_no) DO UPDATE SET count = count + 1 "
                             "RETURNING count");
    sqlite3_bind_text(stmt.get(), 1, itemNo.data(), static_cast<int>(itemNo.size()), SQLITE_TRANSIENT);
    int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_ROW)
        throw CountStoreError(std::string("counts database: ") + sqlite3_errmsg(m_db));
    int64_t count = sqlite3_column_int64(stmt.get(), 0);
    // The statement is an implicit transaction: it commits when it is reset or finalised.
    rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_DONE)
        throw CountStoreError(std::string("counts database: ") + sqlite3_errmsg(m_db));
    if (sqlite3_reset(stmt.get()) != SQLITE_OK || !sqlite3_get_autocommit(m_db))
        throw CountStoreError(std::string("counts database: ") + sqlite3_errmsg(m_db));
    return count;
}

std::vector<std::pair<std::string, int64_t>> CountStore::all()
{
    Statement stmt = prepare(m_db, "SELECT item_no, count FROM counts ORDER BY item_no");
    std::vector<std::pair<std::string, int64_t>> rows;
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0));
        int length = sqlite3_column_bytes(stmt.get(), 0);
        rows.emplace_back(std::string(text ? text : "", static_cast<size_t>(length)),
                          sqlite3_column_int64(stmt.get(), 1));
    }
    if (rc != SQLITE_DONE)
        throw CountStoreError(std::string("counts database: ") + sqlite3_errmsg(m_db));
    return rows;
}

}  // namespace updsvc
