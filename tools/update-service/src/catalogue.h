// The catalogue of latest items per platform and the content answer built from it.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace updsvc {

struct CatalogueItem {
    std::string platformId;  // "*" serves every platform that has no row of its own
    std::string id;
    std::string version;
    std::string filePathName;
};

class CatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One item per line: platformID TAB ID TAB Version TAB FilePathName.
// Lines starting with '#' and blank lines are skipped; a CR before the LF is dropped.
// Throws CatalogueError naming the line when a row does not have exactly four fields.
std::vector<CatalogueItem> parseCatalogue(std::string_view text);

// Reads and parses the file; throws CatalogueError when it cannot be read.
std::vector<CatalogueItem> loadCatalogue(const std::string& path);

// The platform's own row, else the "*" row; when several match, the last one
// (a newer item appended to the file) wins.
std::optional<CatalogueItem> findLatestItem(const std::vector<CatalogueItem>& items,
                                            std::string_view platformId);

// The XML document of the latest-item answer. Each of ID, Version and FilePathName
// stands with both tags on a line of its own, because the client reads it line by
// line. Values go out exactly as in the catalogue: no entity escaping, so a catalogue
// can also feed the client deliberately awkward values.
std::string renderContents(const std::optional<CatalogueItem>& item);

}  // namespace updsvc
