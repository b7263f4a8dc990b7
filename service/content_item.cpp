#include "service/content_item.h"

namespace service {
namespace {

long long Find(const std::wstring& text, const wchar_t* what) {
  const size_t at = text.find(what);
  return at == std::wstring::npos ? -1 : static_cast<long long>(at);
}

// A negative start counts as 0 and a negative count as 0; the count is cut at the end.
std::wstring Mid(const std::wstring& text, long long first, long long count) {
  if (first < 0) first = 0;
  if (count < 0) count = 0;
  if (first >= static_cast<long long>(text.size())) return {};
  return text.substr(static_cast<size_t>(first), static_cast<size_t>(count));
}

// True when the line holds `start`; then `member` is overwritten, with the empty text when the
// end tag is missing or comes first.
bool TakeElement(const std::wstring& line, const std::wstring& start, const wchar_t* end, std::wstring& member) {
  const long long i = Find(line, start.c_str());
  if (i < 0) return false;
  const long long e = Find(line, end);
  const long long first = i + static_cast<long long>(start.size());
  member = Mid(line, first, e - first);
  return true;
}

}  // namespace

void ParseContentLine(ContentItem& item, const std::wstring& line) {
  if (TakeElement(line, L"<ID>", L"</ID>", item.itemId)) return;
  if (TakeElement(line, L"<Version>", L"</Version>", item.latestVersion)) return;
  TakeElement(line, L"<FilePathName>", L"</FilePathName>", item.filePathName);
}

bool IsPlainFileName(const std::wstring& name) {
  bool onlyDotsAndBlanks = true;
  for (wchar_t c : name) {
    if (c == L'\\' || c == L'/' || c == L':' || c < 0x20) return false;
    if (c != L'.' && c != L' ') onlyDotsAndBlanks = false;
  }
  // Windows drops trailing dots and blanks from a name, so such names resolve to the folder
  // itself or its parent.
  return !onlyDotsAndBlanks;
}

int UpdateDecision(const ContentItem& item) {
  if (item.itemId.empty() || item.filePathName.empty() || item.latestVersion.empty()) return 0;
  // The package is written under this name and started with administrator rights.
  if (!IsPlainFileName(item.filePathName)) return 0;
  return 1;
}

void ContentLineSplitter::Feed(const char* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char byte = static_cast<unsigned char>(bytes[i]);
    if (byte == '\n') {
      if (!line_.empty() && line_.back() == L'\r') line_.pop_back();
      sink_(line_);
      line_.clear();
      pending_ = false;
    } else {
      line_.push_back(static_cast<wchar_t>(byte));
      pending_ = true;
    }
  }
}

void ContentLineSplitter::Finish() {
  if (pending_) sink_(line_);
  line_.clear();
  pending_ = false;
}

}  // namespace service
