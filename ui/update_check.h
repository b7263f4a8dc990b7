// The update-check sequence run by the ticks of timer 1: at most two service queries, one
// reading of the content file, then one of three final states.
#pragma once

#include <cstdint>
#include <string>

// What the sequence asks of the dialog.
class UpdateCheckView {
 public:
  virtual ~UpdateCheckView() = default;
  virtual int QueryContents() = 0;    // 1: the reply is stored as the content file
  virtual int ReadContentFile() = 0;  // 1: the item's identifier, file name and version were read
  virtual void StopCheckTimer() = 0;
  virtual void ShowReady() = 0;        // both versions, the guide text, Update and Download enabled
  virtual void ShowNoItem() = 0;       // the cannot-download text
  virtual void ShowUnreachable() = 0;  // the cannot-connect text
};

constexpr std::uintptr_t kUpdateCheckTimer = 1;
constexpr unsigned kUpdateCheckPeriodMs = 100;

// One tick of a timer; ticks of other timers change nothing. `retryCount` counts failed queries.
void RunUpdateCheckTick(std::uintptr_t timerId, int& retryCount, UpdateCheckView& view);

// The versions text once the latest version is known: "%s %s\n%s %s".
std::wstring FormatVersions(const std::wstring& currentLabel, const std::wstring& installed,
                            const std::wstring& latestLabel, const std::wstring& latest);
