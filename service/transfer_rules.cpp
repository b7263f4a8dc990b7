#include "service/transfer_rules.h"

#include <algorithm>
#include <cwctype>

namespace service {

long long ReplyLength(const std::optional<std::wstring>& contentLength) {
  if (!contentLength) return kMaxReplyBytes;
  const std::wstring& text = *contentLength;
  size_t i = 0;
  while (i < text.size() && std::iswspace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  long long value = 0;
  // Saturates instead of overflowing: anything past the cap is cut to the cap anyway.
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
    value = std::min(value * 10 + (text[i] - L'0'), kMaxReplyBytes + 1);
  return negative ? -value : std::min(value, kMaxReplyBytes);
}

std::size_t ExpandLineFeeds(char* buffer, std::size_t count) {
  const std::size_t lineFeeds = static_cast<std::size_t>(std::count(buffer, buffer + count, '\n'));
  std::size_t to = count + lineFeeds;
  for (std::size_t from = count; from > 0;) {
    const char c = buffer[--from];
    buffer[--to] = c;
    if (c == '\n') buffer[--to] = '\r';
  }
  return count + lineFeeds;
}

}  // namespace service
