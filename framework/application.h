// The process's application object: its instance, its command line, and one InitInstance.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class Application {
 public:
  Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application() = default;

  // Called from wWinMain with what the system passed; returns the process exit code.
  int Run(HINSTANCE instance, const wchar_t* commandLine);

  HINSTANCE Instance() const { return instance_; }
  // The command line after the program name, as the system handed it over.
  const std::wstring& CommandLine() const { return commandLine_; }

 protected:
  // Runs the program; its result says whether an application message loop should follow,
  // which this layer does not provide: the process ends when it returns.
  virtual bool InitInstance() = 0;

  // Registers the process with the restart manager, restarted with this switch.
  static void RegisterForRestart();

 private:
  HINSTANCE instance_ = nullptr;
  std::wstring commandLine_;
};

}  // namespace fw
