// The process's application object: its instance, its command line, and one InitInstance.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class Window;

class Application {
 public:
  Application() { current_ = this; }
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application() { current_ = nullptr; }

  // Called from wWinMain with what the system passed; returns the process exit code.
  int Run(HINSTANCE instance, const wchar_t* commandLine);

  HINSTANCE Instance() const { return instance_; }
  // The command line after the program name, as the system handed it over.
  const std::wstring& CommandLine() const { return commandLine_; }

  // The application's main window while it runs; null when there is no application object
  // or it has no main window.
  static const Window* MainWindow() { return current_ ? current_->mainWindow_ : nullptr; }
  void SetMainWindow(const Window* window) { mainWindow_ = window; }

 protected:
  // Runs the program; its result says whether an application message loop should follow,
  // which this layer does not provide: the process ends when it returns.
  virtual bool InitInstance() = 0;

  // Registers the process with the restart manager, restarted with this switch.
  static void RegisterForRestart();

 private:
  static inline Application* current_ = nullptr;
  HINSTANCE instance_ = nullptr;
  std::wstring commandLine_;
  const Window* mainWindow_ = nullptr;
};

}  // namespace fw
