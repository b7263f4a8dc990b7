// How the reply body of the latest-item query is sized and stored; no Windows headers.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace service {

// The most the content file ever receives, whatever the service announces or sends.
inline constexpr long long kMaxReplyBytes = 100000000;
// Largest amount asked for by one read; the buffer is twice that, room for every line feed of
// a full read to become two bytes.
inline constexpr std::size_t kReadChunk = 1024;
inline constexpr std::size_t kTransferBuffer = 2 * kReadChunk;

// The number of body bytes to store: the Content-Length text read as a signed decimal number
// (leading white space, an optional sign, digits up to the first other character; no digits
// give 0), the cap when there is no header, and never more than the cap.
long long ReplyLength(const std::optional<std::wstring>& contentLength);

// Rewrites the first `count` bytes of `buffer` in place with every line feed stored as carriage
// return and line feed, as a text-mode file stores it; returns the new byte count. The buffer
// must hold 2 * count bytes.
std::size_t ExpandLineFeeds(char* buffer, std::size_t count);

}  // namespace service
