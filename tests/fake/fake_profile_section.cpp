#include "fake_profile_section.h"

#include <cstring>

#include "profile_section.h"

FakeProfile g_fakeProfile;

void ResetFakeProfile()
{
    g_fakeProfile = FakeProfile{};
}

int32_t ReadDeviceSection(char* chars, int32_t size, bool* fileUnreadable)
{
    ++g_fakeProfile.readCount;
    *fileUnreadable = g_fakeProfile.fileUnreadable;
    if (g_fakeProfile.fileUnreadable || !g_fakeProfile.sectionPresent || size < 2) {
        if (size > 0) {
            chars[0] = '\0';
        }
        return 0;
    }
    // Entries back to back; what does not fit is cut and closed with two NULs, the
    // count then being size - 2 (an exact fit included), as the platform does.
    int32_t used = 0;
    for (const std::string& entry : g_fakeProfile.entries) {
        for (size_t i = 0; i <= entry.size(); ++i) {
            if (used >= size - 2) {
                chars[size - 2] = '\0';
                chars[size - 1] = '\0';
                return size - 2;
            }
            chars[used++] = entry.c_str()[i];
        }
    }
    chars[used] = '\0';
    return used;
}

bool WriteDeviceSection(const char* chars)
{
    ++g_fakeProfile.writeCount;
    if (g_fakeProfile.refuseWrite) {
        return false;
    }
    g_fakeProfile.entries.clear();
    for (const char* entry = chars; *entry != '\0'; entry += std::strlen(entry) + 1) {
        g_fakeProfile.entries.emplace_back(entry);
    }
    g_fakeProfile.sectionPresent = true;
    return true;
}
