#include "service/usage_count.h"

#include "service/service_request.h"

namespace service {

int ReportUsageCount(const std::wstring& itemId, unsigned long timeoutMs) {
  ServiceRequest request;
  if (request.Send(UsageCountUrl(itemId), timeoutMs)) {
    DWORD status = 0;
    request.QueryStatus(status);
  }
  return 0;
}

}  // namespace service
