// Process entry, main window class and creation, message loop.
#pragma once

#include <windows.h>

extern HINSTANCE g_appInstance;

ATOM RegisterMainClass(HINSTANCE instance);
int CreateMainWindow(HINSTANCE instance, int showCommand);
