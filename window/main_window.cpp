#include "main_window.h"

#include "menu_ids.h"
#include "shell.h"
#include "window_placement.h"

HWND g_channelBoxes[kDmaChannelCount];

namespace {

struct ControlLayout {
    const char* className;
    const char* text;
    DWORD style;
    int x;
    int y;
    int width;
    int height;
    int id;
};

constexpr DWORD kTextStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kCheckBoxStyle = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;

constexpr ControlLayout CheckBoxLayout(int row)
{
    return {"BUTTON", DmaChannelTable[row].checkBoxLabel, kCheckBoxStyle, 45, 124 + 24 * row, 100, 15,
            IDC_CHANNEL_FIRST + row};
}

// Creation order is tab and z order; nothing reorders the controls later.
constexpr ControlLayout kControlLayout[] = {
    {"STATIC", "This utility is used for the devices ", kTextStyle, 20, 4, 260, 16, 0},
    {"STATIC", "which want to use DMA.", kTextStyle, 20, 20, 260, 16, 0},
    {"STATIC", "ZOR-3550AX/BX/CX: DMA CH1 or CH3", kTextStyle, 20, 36, 260, 16, 0},
    {"STATIC", "ZOR-3560: DMA CH1 or CH3", kTextStyle, 20, 52, 260, 16, 0},
    {"STATIC", "ZOR-3760: DMA CH5, CH6 or CH7", kTextStyle, 20, 68, 260, 16, 0},
    {"STATIC", "Select the DMA CHs you want to use:", kTextStyle, 20, 95, 260, 16, 0},
    CheckBoxLayout(0),
    CheckBoxLayout(1),
    CheckBoxLayout(2),
    CheckBoxLayout(3),
    CheckBoxLayout(4),
    {"BUTTON", "USE", kButtonStyle, 104, 250, 72, 24, IDC_USE},
};

void PlaceAndShow(HWND window)
{
    const HDC screen = GetDC(window);
    const int screenWidth = GetDeviceCaps(screen, HORZRES);
    const int screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(window, screen);
    const WindowPlacement placement = PlaceMainWindow(screenWidth, screenHeight);
    SetWindowPos(window, HWND_TOP, placement.x, placement.y, placement.width, placement.height, SWP_SHOWWINDOW);
}

void CreateControls(HWND window)
{
    for (const ControlLayout& control : kControlLayout) {
        const HWND handle = CreateWindowExA(0, control.className, control.text, control.style, control.x, control.y,
                                            control.width, control.height, window,
                                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), g_appInstance,
                                            nullptr);
        const int channelRow = control.id - IDC_CHANNEL_FIRST;
        if (channelRow >= 0 && channelRow < kDmaChannelCount) {
            g_channelBoxes[channelRow] = handle;
        }
    }
}

void RunUseCommand(HWND window)
{
    bool selected[kDmaChannelCount];
    for (int i = 0; i < kDmaChannelCount; ++i) {
        selected[i] = SendMessageA(g_channelBoxes[i], BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    const RegistrationOutcome outcome = RegisterDmaDrivers(selected);
    MessageBoxA(window, OutcomeText(outcome), OutcomeCaption(outcome), MB_OK);
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDM_EXIT:
        SendMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case IDC_USE:
        RunUseCommand(window);
        return 0;
    default:
        return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT messageId, WPARAM wParam, LPARAM lParam)
{
    switch (messageId) {
    case WM_CREATE:
        PlaceAndShow(window);
        CreateControls(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_COMMAND:
        return OnCommand(window, wParam, lParam);
    default:
        return DefWindowProcA(window, messageId, wParam, lParam);
    }
}
