#include "win_test_support.h"

#include <fstream>
#include <sstream>

#include "driver_registration.h"

std::string ProfilePath()
{
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + kProfileFileName;
}

std::string ReadProfileFile()
{
    std::ifstream file(ProfilePath(), std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

void WriteProfileFile(const std::string& contents)
{
    std::ofstream(ProfilePath(), std::ios::binary | std::ios::trunc) << contents;
    // The profile functions cache a parsed file; a fresh timestamp makes them look again.
    Sleep(50);
}

void DeleteProfileFile()
{
    DeleteFileA(ProfilePath().c_str());
}

std::string SectionEntries()
{
    static char buffer[65536];
    const DWORD count = GetPrivateProfileSectionA(kProfileSectionName, buffer, sizeof buffer, kProfileFileName);
    std::string entries(buffer, count);
    for (char& c : entries) {
        if (c == '\0') {
            c = '|';
        }
    }
    return entries;
}
