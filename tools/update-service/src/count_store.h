// Durable usage counts per item number, kept in an SQLite database.
#pragma once

#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;

namespace updsvc {

class CountStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CountStore {
public:
    enum class Mode { CreateIfMissing, ExistingOnly };

    // Throws CountStoreError when the database cannot be opened or prepared.
    CountStore(const std::string& path, Mode mode);
    ~CountStore();
    CountStore(const CountStore&) = delete;
    CountStore& operator=(const CountStore&) = delete;

    // Adds one to the item's count and returns only once that is committed;
    // returns the new count. Throws CountStoreError on failure.
    int64_t increment(const std::string& itemNo);

    // Every item and its count, ordered by item number.
    std::vector<std::pair<std::string, int64_t>> all();

private:
    void exec(const char* sql);

    sqlite3* m_db = nullptr;
    std::mutex m_writeLock;  // one writer at a time instead of racing for SQLite's lock
};

}  // namespace updsvc
