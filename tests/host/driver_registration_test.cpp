#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver_registration.h"
#include "fake_profile_section.h"
#include "section_entry_list.h"

// The sanitizer runtime's allocator hooks (GCC ships no header that declares them).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onMalloc)(const volatile void*, size_t),
                                                         void (*onFree)(const volatile void*));

namespace {

using Entries = std::vector<std::string>;

const std::string kCh1 = "device=ruzorer1.386";
const std::string kCh3 = "device=ruzorer3.386";
const std::string kCh5 = "device=ruzorer5.386";
const std::string kCh6 = "device=ruzorer6.386";
const std::string kCh7 = "device=ruzorer7.386";

struct Ticks {
    bool selected[kDmaChannelCount];
};

constexpr Ticks kNone = {{false, false, false, false, false}};
constexpr Ticks kAll = {{true, true, true, true, true}};

TEST(DmaChannelTable, FormatsOneNineteenCharacterEntryPerRow)
{
    const char* const expected[kDmaChannelCount] = {"device=ruzorer1.386", "device=ruzorer3.386",
                                                    "device=ruzorer5.386", "device=ruzorer6.386",
                                                    "device=ruzorer7.386"};
    const char* const labels[kDmaChannelCount] = {"DMA_CH1", "DMA_CH3", "DMA_CH5", "DMA_CH6", "DMA_CH7"};
    for (int i = 0; i < kDmaChannelCount; ++i) {
        char entry[kDeviceEntryCapacity];
        FormatDeviceEntry(DmaChannelTable[i].channel, entry);
        EXPECT_STREQ(entry, expected[i]);
        EXPECT_STREQ(DmaChannelTable[i].checkBoxLabel, labels[i]);
    }
    char entry[kDeviceEntryCapacity];
    FormatDeviceEntry(0, entry);
    EXPECT_STREQ(entry, "device=ruzorer0.386");
    FormatDeviceEntry(2147483647, entry);
    EXPECT_STREQ(entry, "device=ruzorer2147483647.386");
    FormatDeviceEntry(-2147483647 - 1, entry);
    EXPECT_STREQ(entry, "device=ruzorer-2147483648.386");
}

TEST(RegistrationOutcome, CarriesTheProductTexts)
{
    struct Case {
        RegistrationOutcome outcome;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {RegistrationOutcome::Written, "DMA Selection Successfully", "DMA Channel Selectiom"},
        {RegistrationOutcome::WriteFailed, "DMA Selection Error", "DMA Channel Selection"},
        {RegistrationOutcome::NothingAdded, "Used", "DMA Channel Selection"},
        {RegistrationOutcome::NotRegistered, "DMA Selection Error", "DMA Channel Selection"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(OutcomeText(c.outcome), c.text);
        EXPECT_STREQ(OutcomeCaption(c.outcome), c.caption);
    }
}

// A section that needs `length` characters in the list, made of ordinary entries.
Entries SectionOfLength(int32_t length)
{
    Entries entries;
    while (length > 0) {
        const int32_t entryLength = length > 1001 ? 1000 : length - 1;
        entries.push_back(std::string(static_cast<size_t>(entryLength), 'x'));
        length -= entryLength + 1;
    }
    return entries;
}

struct Scenario {
    const char* name;
    bool sectionPresent;
    bool fileUnreadable;
    bool refuseWrite;
    Entries before;
    Ticks ticks;
    RegistrationOutcome outcome;
    int writes;
    Entries after;
};

TEST(RegisterDmaDrivers, AppendsMissingEntriesInTableOrderAndWritesOnlyWhenNeeded)
{
    const Entries others = {"device=*vpicd", "EMMExclude=C000-CFFF", "Bare line"};
    const Entries full = SectionOfLength(32767);  // over the read limit: the read is cut
    const Entries nearlyFull = SectionOfLength(32748);  // read whole, no room for 19 more
    const Scenario scenarios[] = {
        {"missing file or section", false, false, false, {}, {{true, false, true, false, false}},
         RegistrationOutcome::Written, 1, {kCh1, kCh5}},
        {"present but empty", true, false, false, {}, {{true, false, true, false, false}},
         RegistrationOutcome::Written, 1, {kCh1, kCh5}},
        {"others kept in order", true, false, false, {"a=1", kCh3, "b=2"}, {{false, true, false, true, false}},
         RegistrationOutcome::Written, 1, {"a=1", kCh3, "b=2", kCh6}},
        {"nothing ticked", true, false, false, others, kNone, RegistrationOutcome::NothingAdded, 0, others},
        {"all present", true, false, false, {kCh7, kCh6, kCh5, kCh3, kCh1}, kAll, RegistrationOutcome::NothingAdded,
         0, {kCh7, kCh6, kCh5, kCh3, kCh1}},
        {"capitals count as present", true, false, false, {"DEVICE=RUZORER7.386"}, {{false, false, false, false, true}},
         RegistrationOutcome::NothingAdded, 0, {"DEVICE=RUZORER7.386"}},
        {"blanks do not", true, false, false, {"device = ruzorer1.386"}, {{true, false, false, false, false}},
         RegistrationOutcome::Written, 1, {"device = ruzorer1.386", kCh1}},
        {"duplicates and others kept", true, false, false, {kCh1, "x=1", kCh1}, kAll, RegistrationOutcome::Written, 1,
         {kCh1, "x=1", kCh1, kCh3, kCh5, kCh6, kCh7}},
        {"write refused", true, false, true, others, {{false, false, false, false, true}},
         RegistrationOutcome::WriteFailed, 1, others},
        {"file unreadable", false, true, false, {}, {{true, false, false, false, false}},
         RegistrationOutcome::NotRegistered, 0, {}},
        {"file unreadable, nothing ticked", false, true, false, {}, kNone, RegistrationOutcome::NotRegistered, 0, {}},
        {"section cut by the read", true, false, false, full, {{true, false, false, false, false}},
         RegistrationOutcome::NotRegistered, 0, full},
        {"no room for one more entry", true, false, false, nearlyFull, {{false, false, false, false, true}},
         RegistrationOutcome::NotRegistered, 0, nearlyFull},
    };
    for (const Scenario& s : scenarios) {
        ResetFakeProfile();
        g_fakeProfile.sectionPresent = s.sectionPresent;
        g_fakeProfile.fileUnreadable = s.fileUnreadable;
        g_fakeProfile.refuseWrite = s.refuseWrite;
        g_fakeProfile.entries = s.before;

        EXPECT_EQ(RegisterDmaDrivers(s.ticks.selected), s.outcome) << s.name;
        EXPECT_EQ(g_fakeProfile.readCount, 1) << s.name;
        EXPECT_EQ(g_fakeProfile.writeCount, s.writes) << s.name;
        EXPECT_EQ(g_fakeProfile.entries, s.after) << s.name;
    }
}

TEST(RegisterDmaDrivers, RoomForSomeButNotAllTickedChannelsWritesNothing)
{
    // Room for three entries and the closing NUL (3 * 20 + 1), not for five.
    ResetFakeProfile();
    g_fakeProfile.sectionPresent = true;
    g_fakeProfile.entries = SectionOfLength(kSectionCapacity - 61);
    const Entries before = g_fakeProfile.entries;

    EXPECT_EQ(RegisterDmaDrivers(kAll.selected), RegistrationOutcome::NotRegistered);
    EXPECT_EQ(g_fakeProfile.writeCount, 0);
    EXPECT_EQ(g_fakeProfile.entries, before);

    // Exactly enough room for three: those three are registered.
    const Ticks three = {{true, true, true, false, false}};
    EXPECT_EQ(RegisterDmaDrivers(three.selected), RegistrationOutcome::Written);
    ASSERT_EQ(g_fakeProfile.entries.size(), before.size() + 3);
    EXPECT_EQ(g_fakeProfile.entries.back(), kCh5);
}

TEST(RegisterDmaDrivers, EveryRunReadsAfresh)
{
    ResetFakeProfile();
    const Ticks ticks = {{false, true, false, false, true}};
    EXPECT_EQ(RegisterDmaDrivers(ticks.selected), RegistrationOutcome::Written);
    EXPECT_EQ(RegisterDmaDrivers(ticks.selected), RegistrationOutcome::NothingAdded);
    EXPECT_EQ(g_fakeProfile.writeCount, 1);

    // After a refused write the next run adds whatever is still missing.
    g_fakeProfile.refuseWrite = true;
    EXPECT_EQ(RegisterDmaDrivers(kAll.selected), RegistrationOutcome::WriteFailed);
    g_fakeProfile.refuseWrite = false;
    EXPECT_EQ(RegisterDmaDrivers(kAll.selected), RegistrationOutcome::Written);
    EXPECT_EQ(g_fakeProfile.entries, (Entries{kCh3, kCh7, kCh1, kCh5, kCh6}));
}

int g_allocations = 0;

void CountAllocation(const volatile void*, size_t)
{
    ++g_allocations;
}

void IgnoreFree(const volatile void*) {}

TEST(RegisterDmaDrivers, AllocatesNothingOnTheHeap)
{
    ResetFakeProfile();
    g_fakeProfile.sectionPresent = true;
    g_fakeProfile.entries = SectionOfLength(32000);
    g_fakeProfile.entries.reserve(g_fakeProfile.entries.size() + kDmaChannelCount);
    g_fakeProfile.refuseWrite = true;  // the fake's own bookkeeping on a write would allocate

    // The sanitizer's allocator sees every heap allocation of the process.
    ASSERT_EQ(__sanitizer_install_malloc_and_free_hooks(CountAllocation, IgnoreFree), 1);
    g_allocations = 0;
    const RegistrationOutcome outcome = RegisterDmaDrivers(kAll.selected);
    const int allocations = g_allocations;
    __sanitizer_install_malloc_and_free_hooks(nullptr, nullptr);

    EXPECT_EQ(outcome, RegistrationOutcome::WriteFailed);
    EXPECT_EQ(allocations, 0);

    // The probe itself works: an allocation between the hooks is counted.
    __sanitizer_install_malloc_and_free_hooks(CountAllocation, IgnoreFree);
    g_allocations = 0;
    std::string* probe = new std::string(100, 'p');
    const int probeAllocations = g_allocations;
    __sanitizer_install_malloc_and_free_hooks(nullptr, nullptr);
    delete probe;
    EXPECT_GE(probeAllocations, 1);
}

}  // namespace
