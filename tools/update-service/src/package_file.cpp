#include "package_file.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace updsvc {

namespace {

bool containsNoCase(std::string_view text, std::string_view needle)
{
    auto it = std::search(text.begin(), text.end(), needle.begin(), needle.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
    return it != text.end();
}

bool isAcceptableForm(std::string_view name)
{
    if (name.empty() || name == ".")
        return false;
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
        return false;
    if (name.find("..") != std::string_view::npos)
        return false;
    for (std::string_view encoded : {"%2f", "%5c", "%00"}) {
        if (containsNoCase(name, encoded))
            return false;
    }
    return true;
}

}  // namespace

bool isAcceptablePackageName(std::string_view rawName, std::string_view decodedName)
{
    return isAcceptableForm(rawName) && isAcceptableForm(decodedName);
}

std::optional<std::filesystem::path> resolvePackage(const std::filesystem::path& folder, std::string_view rawName,
                                                    std::string_view decodedName)
{
    namespace fs = std::filesystem;
    if (!isAcceptablePackageName(rawName, decodedName))
        return std::nullopt;

    std::error_code ec;
    const fs::path base = fs::canonical(folder, ec);
    if (ec)
        return std::nullopt;
    const fs::path target = fs::canonical(base / fs::path(std::string(decodedName)), ec);
    if (ec)
        return std::nullopt;

    // A symlink inside the folder may point anywhere; only what it resolves to counts.
    const std::string prefix = base.native() + '/';
    if (target.native().compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    if (!fs::is_regular_file(target, ec))
        return std::nullopt;
    return target;
}

}  // namespace updsvc
