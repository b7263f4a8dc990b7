// The usage count report: tells the update service that a user took the item.
#pragma once

#include <string>

#include "service/update_service.h"

namespace service {

// Sends "?ItemNo=" + itemId (unescaped, even when empty) and waits for the reply's status,
// which is dropped with the body. Always 0: the caller goes on whatever happened, an
// unreachable service or one that does not answer within `timeoutMs` included.
int ReportUsageCount(const std::wstring& itemId, unsigned long timeoutMs = kServiceTimeoutMs);

}  // namespace service
