// Finding a package in the upload folder without ever leaving that folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace updsvc {

// A name is refused when either its raw form (as on the request line) or its
// decoded form is empty, ".", or holds '/', '\', NUL, "..", or an encoded
// '/', '\' or NUL ("%2f", "%5c", "%00", any case). Checking both forms keeps
// double-encoded names ("%252f") out as well.
bool isAcceptablePackageName(std::string_view rawName, std::string_view decodedName);

// The canonical path of the regular file to serve, or nothing when the name is
// refused, the file is missing, or it resolves (through symlinks) outside `folder`.
std::optional<std::filesystem::path> resolvePackage(const std::filesystem::path& folder, std::string_view rawName,
                                                    std::string_view decodedName);

}  // namespace updsvc
