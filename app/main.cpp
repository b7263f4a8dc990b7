#include <windows.h>

#include "app/kestavo_app.h"

namespace {
CKestavoApp theApp;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) { return theApp.Run(instance, commandLine); }
