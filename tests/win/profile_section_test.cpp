// The registration against the real profile functions and a real System.ini.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "driver_registration.h"
#include "win_test_support.h"

namespace {

struct Ticks {
    bool selected[kDmaChannelCount];
};

struct FileCase {
    const char* name;
    const char* fileBefore;  // nullptr: no System.ini at all
    Ticks ticks;
    RegistrationOutcome outcome;
    const char* entriesAfter;  // the section as the platform reads it back
    const char* keptElsewhere;  // a line of another section that must survive, or nullptr
};

TEST(ProfileSectionOnWine, CompletesTheRealSection)
{
    const FileCase cases[] = {
        {"missing file", nullptr, {{true, false, true, false, false}}, RegistrationOutcome::Written,
         "device=ruzorer1.386|device=ruzorer5.386|", nullptr},
        {"missing section", "[boot]\r\nshell=Explorer.exe\r\n", {{true, false, true, false, false}},
         RegistrationOutcome::Written, "device=ruzorer1.386|device=ruzorer5.386|", "shell=Explorer.exe"},
        {"entries kept in order",
         "[386Enh]\r\ndevice=*vpicd\r\nEMMExclude=C000-CFFF\r\ndevice=ruzorer3.386\r\n[boot]\r\na=b\r\n",
         {{false, true, false, true, false}}, RegistrationOutcome::Written,
         "device=*vpicd|EMMExclude=C000-CFFF|device=ruzorer3.386|device=ruzorer6.386|", "a=b"},
        {"case-only duplicate", "[386Enh]\r\nDEVICE=RUZORER7.386\r\n", {{false, false, false, false, true}},
         RegistrationOutcome::NothingAdded, "DEVICE=RUZORER7.386|", nullptr},
    };
    for (const FileCase& c : cases) {
        DeleteProfileFile();
        if (c.fileBefore != nullptr) {
            WriteProfileFile(c.fileBefore);
        }
        EXPECT_EQ(RegisterDmaDrivers(c.ticks.selected), c.outcome) << c.name;
        EXPECT_EQ(SectionEntries(), c.entriesAfter) << c.name;
        if (c.keptElsewhere != nullptr) {
            EXPECT_NE(ReadProfileFile().find(c.keptElsewhere), std::string::npos) << c.name;
        }
    }
}

TEST(ProfileSectionOnWine, NothingToAddLeavesTheFileUntouched)
{
    const std::string before = "; keep this comment\r\n[386Enh]\r\ndevice=ruzorer1.386\r\n\r\n[boot]\r\na=b\r\n";
    WriteProfileFile(before);
    const bool channelOne[kDmaChannelCount] = {true, false, false, false, false};
    EXPECT_EQ(RegisterDmaDrivers(channelOne), RegistrationOutcome::NothingAdded);
    EXPECT_EQ(ReadProfileFile(), before);
}

TEST(ProfileSectionOnWine, SectionOverTheReadLimitIsLeftAlone)
{
    std::string before = "[386Enh]\r\n";
    for (int i = 0; before.size() < 40000; ++i) {
        before += "device=other" + std::to_string(i) + ".386\r\n";
    }
    before += "[boot]\r\na=b\r\n";
    WriteProfileFile(before);
    const bool channelSeven[kDmaChannelCount] = {false, false, false, false, true};
    EXPECT_EQ(RegisterDmaDrivers(channelSeven), RegistrationOutcome::NotRegistered);
    EXPECT_TRUE(ReadProfileFile() == before) << "the file changed";
}

std::string HelperPath()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of('\\') + 1) + "win_test_helper.exe";
}

TEST(ProfileSectionOnWine, FileHeldWithoutSharingIsNeitherReadNorOverwritten)
{
    const std::string before = "[386Enh]\r\ndevice=*vpicd\r\ndevice=other.386\r\n";
    WriteProfileFile(before);

    const HANDLE held = CreateEventA(nullptr, TRUE, FALSE, "dmasel_test_file_held");
    const HANDLE release = CreateEventA(nullptr, TRUE, FALSE, "dmasel_test_file_release");
    std::string commandLine = "\"" + HelperPath() + "\" hold \"" + ProfilePath() + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    ASSERT_EQ(WaitForSingleObject(held, 30000), WAIT_OBJECT_0) << "the helper did not open the file";

    const bool channelOne[kDmaChannelCount] = {true, false, false, false, false};
    const RegistrationOutcome whileHeld = RegisterDmaDrivers(channelOne);

    SetEvent(release);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(held);
    CloseHandle(release);

    EXPECT_EQ(whileHeld, RegistrationOutcome::NotRegistered);
    EXPECT_EQ(ReadProfileFile(), before);

    // Released, the same click registers the channel beside the others.
    EXPECT_EQ(RegisterDmaDrivers(channelOne), RegistrationOutcome::Written);
    EXPECT_EQ(SectionEntries(), "device=*vpicd|device=other.386|device=ruzorer1.386|");
}

// Run by refused_write.sh, which makes System.ini immutable first: root ignores
// file permissions, so only the immutable flag makes the platform refuse.
TEST(ProfileSectionOnWine, WriteRefusedByThePlatform)
{
    const char* expected = std::getenv("DMASEL_IMMUTABLE_PROFILE");
    if (expected == nullptr) {
        GTEST_SKIP() << "needs System.ini made immutable by refused_write.sh";
    }
    const std::string before = ReadProfileFile();
    EXPECT_EQ(before, expected);
    const bool channelSix[kDmaChannelCount] = {false, false, false, true, false};
    EXPECT_EQ(RegisterDmaDrivers(channelSix), RegistrationOutcome::WriteFailed);
    EXPECT_EQ(ReadProfileFile(), before);
}

}  // namespace
