// The platform's profile functions behind profile_section.h.
#include "profile_section.h"

#include <windows.h>

#include "driver_registration.h"

namespace {

// The profile functions resolve a bare file name in the Windows directory; so do we.
bool ComposeProfilePath(char* path, UINT pathCapacity)
{
    const UINT directoryLength = GetWindowsDirectoryA(path, pathCapacity);
    if (directoryLength == 0 || directoryLength >= pathCapacity) {
        return false;
    }
    UINT position = directoryLength;
    if (path[position - 1] != '\\') {
        path[position++] = '\\';
    }
    for (const char* name = kProfileFileName; *name != '\0'; ++name) {
        if (position + 1 >= pathCapacity) {
            return false;
        }
        path[position++] = *name;
    }
    path[position] = '\0';
    return true;
}

// A read count of 0 is also what a file that could not be opened gives.
bool ProfileFileExistsButUnreadable()
{
    char path[MAX_PATH + 16];
    if (!ComposeProfilePath(path, sizeof path)) {
        return true;  // cannot tell: assume the worst rather than overwrite the section
    }
    const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
    }
    CloseHandle(file);
    return false;
}

}  // namespace

int32_t ReadDeviceSection(char* chars, int32_t size, bool* fileUnreadable)
{
    const DWORD count = GetPrivateProfileSectionA(kProfileSectionName, chars, static_cast<DWORD>(size), kProfileFileName);
    *fileUnreadable = count == 0 && ProfileFileExistsButUnreadable();
    return static_cast<int32_t>(count);
}

bool WriteDeviceSection(const char* chars)
{
    return WritePrivateProfileSectionA(kProfileSectionName, chars, kProfileFileName) != FALSE;
}
