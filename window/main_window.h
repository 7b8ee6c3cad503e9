// The main window: its controls, the USE and exit commands.
#pragma once

#include <windows.h>

#include "driver_registration.h"

constexpr int IDC_CHANNEL_FIRST = 200;  // check box of channel table row i is 200 + i
constexpr int IDC_USE = 300;

extern HWND g_channelBoxes[kDmaChannelCount];

LRESULT CALLBACK MainWindowProc(HWND window, UINT messageId, WPARAM wParam, LPARAM lParam);
