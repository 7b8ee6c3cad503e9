// A System.ini [386Enh] section in memory that answers like the platform's
// profile functions, for native tests and the fuzzer.
#pragma once

#include <string>
#include <vector>

struct FakeProfile {
    bool sectionPresent = false;      // false: missing file or section, both read as 0
    bool fileUnreadable = false;      // the file exists but cannot be opened
    bool refuseWrite = false;
    std::vector<std::string> entries;
    int readCount = 0;
    int writeCount = 0;
};

extern FakeProfile g_fakeProfile;

void ResetFakeProfile();
