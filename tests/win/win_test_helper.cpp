// A second Windows process for the tests, under the same Wine prefix:
//   hold PATH     opens PATH with no sharing until the test releases it
//   main          prints the main window and its controls
//   msgbox        prints the message box owned by the main window
// Output is one "key value" line each, for the end-to-end script.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

int Hold(const char* path)
{
    const HANDLE held = OpenEventA(EVENT_MODIFY_STATE, FALSE, "dmasel_test_file_held");
    const HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, "dmasel_test_file_release");
    const HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (held == nullptr || release == nullptr || file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    SetEvent(held);
    WaitForSingleObject(release, 60000);
    CloseHandle(file);
    return 0;
}

HWND FindMainWindow()
{
    return FindWindowA("GenericWClass", nullptr);
}

void PrintRect(const char* key, RECT rect)
{
    std::printf("%s %ld %ld %ld %ld\n", key, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

int PrintMainWindow()
{
    const HWND window = FindMainWindow();
    if (window == nullptr) {
        return 1;
    }
    RECT rect;
    GetWindowRect(window, &rect);
    PrintRect("window", rect);
    std::printf("visible %d\n", IsWindowVisible(window) ? 1 : 0);
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[128];
        GetWindowTextA(child, text, sizeof text);
        GetWindowRect(child, &rect);
        // Screen coordinates: where a click on the control lands.
        std::printf("control %d %ld %ld %ld %ld %s\n", GetDlgCtrlID(child), rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, text);
    }
    return 0;
}

BOOL CALLBACK FindOwnedMessageBox(HWND candidate, LPARAM found)
{
    char className[32];
    GetClassNameA(candidate, className, sizeof className);
    if (std::strcmp(className, "#32770") == 0 && IsWindowVisible(candidate)) {
        *reinterpret_cast<HWND*>(found) = candidate;
        return FALSE;
    }
    return TRUE;
}

int PrintMessageBox()
{
    const HWND owner = FindMainWindow();
    HWND box = nullptr;
    EnumWindows(FindOwnedMessageBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return 1;
    }
    char text[128];
    GetWindowTextA(box, text, sizeof text);
    std::printf("caption %s\n", text);
    std::printf("owned %d\n", owner != nullptr && GetWindow(box, GW_OWNER) == owner ? 1 : 0);
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32];
        GetClassNameA(child, className, sizeof className);
        GetWindowTextA(child, text, sizeof text);
        if (lstrcmpiA(className, "Static") == 0 && text[0] != '\0') {
            std::printf("text %s\n", text);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "hold") == 0) {
        return Hold(argv[2]);
    }
    if (argc == 2 && std::strcmp(argv[1], "main") == 0) {
        return PrintMainWindow();
    }
    if (argc == 2 && std::strcmp(argv[1], "msgbox") == 0) {
        return PrintMessageBox();
    }
    std::fprintf(stderr, "usage: win_test_helper hold PATH | main | msgbox\n");
    return 2;
}
