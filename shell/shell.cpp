#include "shell.h"

#include "main_window.h"
#include "window_placement.h"

HINSTANCE g_appInstance;

namespace {

constexpr char kMainClassName[] = "GenericWClass";
constexpr char kMainWindowTitle[] = "Vexlo DMA Channel Selection Utility";
// Looked up as "R4839MENU": resource names are stored in capitals.
constexpr char kMenuName[] = "R4839Menu";
// The program carries no icon; the lookup fails and the platform's default shows.
constexpr char kIconName[] = "MyIcon";

}  // namespace

ATOM RegisterMainClass(HINSTANCE instance)
{
    WNDCLASSA windowClass;
    windowClass.style = 0;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, kIconName);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = kMainClassName;
    return RegisterClassA(&windowClass);
}

// showCommand is not used: the window shows itself when it places itself on WM_CREATE.
int CreateMainWindow(HINSTANCE instance, int /*showCommand*/)
{
    g_appInstance = instance;
    const HMENU menu = LoadMenuA(instance, kMenuName);
    const HWND window = CreateWindowExA(0, kMainClassName, kMainWindowTitle, WS_OVERLAPPEDWINDOW,
                                        CW_USEDEFAULT, CW_USEDEFAULT, kMainWindowCreateWidth,
                                        kMainWindowCreateHeight, nullptr, menu, instance, nullptr);
    return window != nullptr ? 1 : 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR /*commandLine*/, int showCommand)
{
    if (previousInstance == nullptr && RegisterMainClass(instance) == 0) {
        return 0;
    }
    if (CreateMainWindow(instance, showCommand) == 0) {
        return 0;
    }
    MSG message;
    BOOL result;
    // GetMessageA gives -1 on failure: stop then instead of spinning on it.
    while ((result = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return result == 0 ? static_cast<int>(message.wParam) : 0;
}
