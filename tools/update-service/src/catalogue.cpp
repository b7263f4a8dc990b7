#include "catalogue.h"

#include <fstream>
#include <sstream>

namespace updsvc {

namespace {

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::vector<std::string> splitTabs(std::string_view line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

}  // namespace

std::vector<CatalogueItem> parseCatalogue(std::string_view text)
{
    std::vector<CatalogueItem> items;
    size_t lineNo = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;

        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (isBlank(line) || line.front() == '#')
            continue;

        std::vector<std::string> f = splitTabs(line);
        if (f.size() != 4) {
            throw CatalogueError("catalogue line " + std::to_string(lineNo) + ": expected 4 tab-separated fields, found " +
                                 std::to_string(f.size()));
        }
        items.push_back({std::move(f[0]), std::move(f[1]), std::move(f[2]), std::move(f[3])});
    }
    return items;
}

std::vector<CatalogueItem> loadCatalogue(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw CatalogueError("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw CatalogueError("cannot read " + path);
    try {
        return parseCatalogue(text.str());
    } catch (const CatalogueError& e) {
        throw CatalogueError(path + ": " + e.what());
    }
}

std::optional<CatalogueItem> findLatestItem(const std::vector<CatalogueItem>& items, std::string_view platformId)
{
    const CatalogueItem* own = nullptr;
    const CatalogueItem* wildcard = nullptr;
    for (const CatalogueItem& item : items) {
        if (item.platformId == platformId)
            own = &item;
        else if (item.platformId == "*")
            wildcard = &item;
    }
    if (own)
        return *own;
    if (wildcard)
        return *wildcard;
    return std::nullopt;
}

std::string renderContents(const std::optional<CatalogueItem>& item)
{
    // CR LF line ends, as a Windows-hosted web service writes them.
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";
    if (!item)
        return xml + "<KestavoContents />\r\n";
    xml += "<KestavoContents>\r\n";
    xml += "  <Item>\r\n";
    xml += "    <ID>" + item->id + "</ID>\r\n";
    xml += "    <Version>" + item->version + "</Version>\r\n";
    xml += "    <FilePathName>" + item->filePathName + "</FilePathName>\r\n";
    xml += "  </Item>\r\n";
    xml += "</KestavoContents>\r\n";
    return xml;
}

}  // namespace updsvc
