// The two profile operations on the [386Enh] section of System.ini that the
// registration needs. Windows: profile_section_win32.cpp; native tests: a fake.
#pragma once

#include <stdint.h>

// Fills chars as GetPrivateProfileSectionA does and returns its count. When the count
// is 0, *fileUnreadable tells a System.ini that exists but cannot be opened for reading
// apart from a missing file or an empty or missing section.
int32_t ReadDeviceSection(char* chars, int32_t size, bool* fileUnreadable);

// Replaces the section's entries with the list's; false when the platform refused.
bool WriteDeviceSection(const char* chars);
