// The real main window, created in this process through the shell's own functions.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "main_window.h"
#include "menu_ids.h"
#include "shell.h"
#include "win_test_support.h"

namespace {

struct ExpectedControl {
    const char* className;
    const char* text;
    LONG typeStyle;  // the low style bits: SS_LEFT, BS_AUTOCHECKBOX, BS_PUSHBUTTON
    int id;
    RECT clientRect;  // left, top, right, bottom
};

const ExpectedControl kExpectedControls[] = {
    {"Static", "This utility is used for the devices ", SS_LEFT, 0, {20, 4, 280, 20}},
    {"Static", "which want to use DMA.", SS_LEFT, 0, {20, 20, 280, 36}},
    {"Static", "ZOR-3550AX/BX/CX: DMA CH1 or CH3", SS_LEFT, 0, {20, 36, 280, 52}},
    {"Static", "ZOR-3560: DMA CH1 or CH3", SS_LEFT, 0, {20, 52, 280, 68}},
    {"Static", "ZOR-3760: DMA CH5, CH6 or CH7", SS_LEFT, 0, {20, 68, 280, 84}},
    {"Static", "Select the DMA CHs you want to use:", SS_LEFT, 0, {20, 95, 280, 111}},
    {"Button", "DMA_CH1", BS_AUTOCHECKBOX, 200, {45, 124, 145, 139}},
    {"Button", "DMA_CH3", BS_AUTOCHECKBOX, 201, {45, 148, 145, 163}},
    {"Button", "DMA_CH5", BS_AUTOCHECKBOX, 202, {45, 172, 145, 187}},
    {"Button", "DMA_CH6", BS_AUTOCHECKBOX, 203, {45, 196, 145, 211}},
    {"Button", "DMA_CH7", BS_AUTOCHECKBOX, 204, {45, 220, 145, 235}},
    {"Button", "USE", BS_PUSHBUTTON, 300, {104, 250, 176, 274}},
};

struct SeenMessageBox {
    std::string caption;
    std::string text;
    HWND owner = nullptr;
};

std::vector<SeenMessageBox> g_seenBoxes;

// Reads each message box as it comes up and answers it with OK.
LRESULT CALLBACK AnswerMessageBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        char className[32];
        GetClassNameA(box, className, sizeof className);
        if (std::string(className) == "#32770") {
            SeenMessageBox seen;
            char text[256];
            GetWindowTextA(box, text, sizeof text);
            seen.caption = text;
            seen.owner = GetWindow(box, GW_OWNER);
            for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                GetClassNameA(child, className, sizeof className);
                GetWindowTextA(child, text, sizeof text);
                if (lstrcmpiA(className, "Static") == 0 && text[0] != '\0') {
                    seen.text = text;
                }
            }
            g_seenBoxes.push_back(seen);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DrainQuitMessage()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        RegisterMainClass(instance);  // fails harmlessly when an earlier test registered it
        ASSERT_EQ(CreateMainWindow(instance, SW_HIDE), 1);
        window_ = FindWindowA("GenericWClass", nullptr);
        ASSERT_NE(window_, nullptr);
        hook_ = SetWindowsHookExA(WH_CBT, AnswerMessageBoxes, nullptr, GetCurrentThreadId());
        g_seenBoxes.clear();
    }

    void TearDown() override
    {
        UnhookWindowsHookEx(hook_);
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
        DrainQuitMessage();
    }

    void Tick(int row) { SendMessageA(g_channelBoxes[row], BM_CLICK, 0, 0); }
    void ClickUse() { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_USE, BN_CLICKED), 0); }

    HWND window_ = nullptr;
    HHOOK hook_ = nullptr;
};

TEST_F(MainWindowTest, PlacesShowsAndFillsItself)
{
    const HDC screen = GetDC(nullptr);
    const int width = GetDeviceCaps(screen, HORZRES);
    const int height = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);

    RECT rect;
    GetWindowRect(window_, &rect);
    EXPECT_EQ(rect.left, (width - 300) / 2);
    EXPECT_EQ(rect.top, (height - 500) / 2);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 325);
    EXPECT_TRUE(IsWindowVisible(window_));  // shown by the placement despite SW_HIDE

    char text[128];
    GetWindowTextA(window_, text, sizeof text);
    EXPECT_STREQ(text, "Vexlo DMA Channel Selection Utility");
    EXPECT_EQ(GetWindowLongA(window_, GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);

    const HMENU menu = GetMenu(window_);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 1);
    EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(IDM_EXIT));
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "E&xit!");

    size_t index = 0;
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT), ++index) {
        ASSERT_LT(index, std::size(kExpectedControls));
        const ExpectedControl& expected = kExpectedControls[index];
        char className[32];
        GetClassNameA(child, className, sizeof className);
        GetWindowTextA(child, text, sizeof text);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        RECT childRect;
        GetWindowRect(child, &childRect);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&childRect), 2);

        EXPECT_EQ(lstrcmpiA(className, expected.className), 0) << index << ": " << className;
        EXPECT_STREQ(text, expected.text) << index;
        EXPECT_EQ(style & 0xFFFF0000L, static_cast<LONG>(WS_CHILD | WS_VISIBLE)) << index << ": no tab stop, no border";
        EXPECT_EQ(style & 0x1F, expected.typeStyle) << index;
        EXPECT_EQ(GetDlgCtrlID(child), expected.id) << index;
        EXPECT_EQ(childRect.left, expected.clientRect.left) << index;
        EXPECT_EQ(childRect.top, expected.clientRect.top) << index;
        EXPECT_EQ(childRect.right, expected.clientRect.right) << index;
        EXPECT_EQ(childRect.bottom, expected.clientRect.bottom) << index;
    }
    EXPECT_EQ(index, std::size(kExpectedControls));
    for (int row = 0; row < kDmaChannelCount; ++row) {
        EXPECT_EQ(GetDlgCtrlID(g_channelBoxes[row]), IDC_CHANNEL_FIRST + row);
        EXPECT_EQ(SendMessageA(g_channelBoxes[row], BM_GETCHECK, 0, 0), BST_UNCHECKED);
    }
}

TEST_F(MainWindowTest, UseRegistersTheTickedChannelsAndReportsEachOutcome)
{
    DeleteProfileFile();
    Tick(0);
    Tick(2);
    Tick(3);
    Tick(3);  // a second click clears the box again
    ClickUse();
    ASSERT_EQ(g_seenBoxes.size(), 1u);
    EXPECT_EQ(g_seenBoxes[0].caption, "DMA Channel Selectiom");
    EXPECT_EQ(g_seenBoxes[0].text, "DMA Selection Successfully");
    EXPECT_EQ(g_seenBoxes[0].owner, window_);
    EXPECT_EQ(SectionEntries(), "device=ruzorer1.386|device=ruzorer5.386|");

    // The boxes keep their ticks; the same click again has nothing to add.
    const std::string written = ReadProfileFile();
    ClickUse();
    ASSERT_EQ(g_seenBoxes.size(), 2u);
    EXPECT_EQ(g_seenBoxes[1].caption, "DMA Channel Selection");
    EXPECT_EQ(g_seenBoxes[1].text, "Used");
    EXPECT_EQ(ReadProfileFile(), written);

    // A section too large to read whole: the error, and the file untouched.
    std::string large = "[386Enh]\r\n";
    while (large.size() < 37000) {
        large += "device=filler.386\r\n";
    }
    WriteProfileFile(large);
    Tick(4);
    ClickUse();
    ASSERT_EQ(g_seenBoxes.size(), 3u);
    EXPECT_EQ(g_seenBoxes[2].caption, "DMA Channel Selection");
    EXPECT_EQ(g_seenBoxes[2].text, "DMA Selection Error");
    EXPECT_TRUE(ReadProfileFile() == large) << "the file changed";
}

// The shell's whole run: WinMain creates the window, a timer sends the command
// from inside the loop, and the loop must end with 0.
UINT g_endingMessage;
WPARAM g_endingParameter;

void CALLBACK SendEndingMessage(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    SendMessageA(FindWindowA("GenericWClass", nullptr), g_endingMessage, g_endingParameter, 0);
}

TEST(ShellRun, ExitCommandAndCloseEndTheLoopWithZero)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    struct Ending {
        UINT message;
        WPARAM parameter;
    };
    for (const Ending ending : {Ending{WM_COMMAND, IDM_EXIT}, Ending{WM_CLOSE, 0}}) {
        UnregisterClassA("GenericWClass", instance);
        g_endingMessage = ending.message;
        g_endingParameter = ending.parameter;
        SetTimer(nullptr, 0, 50, SendEndingMessage);
        char noArguments[] = "";
        EXPECT_EQ(WinMain(instance, nullptr, noArguments, SW_SHOWMAXIMIZED), 0) << ending.message;
        EXPECT_EQ(FindWindowA("GenericWClass", nullptr), nullptr);
    }
}

}  // namespace
