// The latest item as the content file describes it, and the rules that read it; no Windows
// headers.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>

namespace service {

// Relative on purpose: the program runs with its own folder as the current directory.
inline constexpr wchar_t kContentFileName[] = L"KestavoContent.xml";

struct ContentItem {
  std::wstring itemId;         // <ID>: sent back as ItemNo with the usage count
  std::wstring latestVersion;  // <Version>: shown beside the installed version
  std::wstring filePathName;   // <FilePathName>: the package's name in the upload folder and on disk
};

// Sets at most one member: the line is tried for "<ID>", then "<Version>", then
// "<FilePathName>" (exact, case-sensitive tags). The value is the text between the start tag
// and the first end tag of the line, unchanged; a missing or earlier end tag gives the empty
// text. A line without any of the start tags changes nothing.
void ParseContentLine(ContentItem& item, const std::wstring& line);

// A name that stays in the program's folder: not empty, no path separator or drive colon, no
// control character (a NUL would cut the name short where Windows reads it), and not made of
// dots and blanks only ("." and ".." among them).
bool IsPlainFileName(const std::wstring& name);

// 1 when an update can be offered: an item identifier, a plain package file name and a
// version are all there; else 0.
int UpdateDecision(const ContentItem& item);

// Cuts bytes into lines as a text-mode read does: a line ends at a line feed, which is dropped
// with one carriage return right before it; every other byte is one character of its value
// (0-255). The last line needs no line feed.
class ContentLineSplitter {
 public:
  using LineSink = std::function<void(const std::wstring& line)>;
  explicit ContentLineSplitter(LineSink sink) : sink_(std::move(sink)) {}
  void Feed(const char* bytes, std::size_t count);
  // Hands over a last line that had no line feed.
  void Finish();

 private:
  LineSink sink_;
  std::wstring line_;
  bool pending_ = false;  // bytes arrived since the last line feed
};

}  // namespace service
