// Where the main window goes: centred left to right, higher than centred top to
// bottom, because the vertical offset is taken from the taller creation height.
#pragma once

constexpr int kMainWindowCreateWidth = 300;
constexpr int kMainWindowCreateHeight = 500;
constexpr int kMainWindowPlacedHeight = 325;

struct WindowPlacement {
    int x;
    int y;
    int width;
    int height;
};

// Integer division truncates toward zero: a 481-pixel screen gives y = -9.
constexpr WindowPlacement PlaceMainWindow(int screenWidth, int screenHeight)
{
    return {(screenWidth - kMainWindowCreateWidth) / 2, (screenHeight - kMainWindowCreateHeight) / 2,
            kMainWindowCreateWidth, kMainWindowPlacedHeight};
}
