#include "framework/application.h"

namespace fw {

int Application::Run(HINSTANCE instance, const wchar_t* commandLine) {
  instance_ = instance;
  commandLine_ = commandLine ? commandLine : L"";
  // The program does all its work inside InitInstance (its modal dialog); there is no
  // message loop of the application's own and no exit status of its own.
  InitInstance();
  return 0;
}

void Application::RegisterForRestart() { RegisterApplicationRestart(L"/restart", 0); }

}  // namespace fw
