#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "section_entry_list.h"

namespace {

// Fills a list the way a complete platform read does.
void FillList(SectionEntryList* list, const std::vector<std::string>& entries)
{
    ClearSectionEntryList(list);
    for (const std::string& entry : entries) {
        ASSERT_TRUE(AppendSectionEntry(list, entry.c_str()));
    }
}

struct ComparisonCase {
    const char* stored;
    const char* wanted;
    bool found;
};

TEST(FindSectionEntry, ComparesWholeEntriesFoldingOnlyAsciiCapitals)
{
    const ComparisonCase cases[] = {
        {"device=ruzorer1.386", "device=ruzorer1.386", true},
        {"DEVICE=RUZORER1.386", "device=ruzorer1.386", true},
        {"device=ruzorer1.386", "DEVICE=RUZORER1.386", true},
        {"DeViCe=RuZoReR7.386", "device=ruzorer7.386", true},
        {"device =ruzorer1.386", "device=ruzorer1.386", false},
        {"device= ruzorer1.386", "device=ruzorer1.386", false},
        {"device=ruzorer1.386 ", "device=ruzorer1.386", false},
        {"device=ruzorer1.3860", "device=ruzorer1.386", false},
        {"device=ruzorer1.38", "device=ruzorer1.386", false},
        {"device=ruzorer11.386", "device=ruzorer1.386", false},
        {"\xC4", "\xE4", false},  // accented capital and small letter: not folded
        {"\xE4", "\xE4", true},
        {"@", "`", false},        // neighbours of A and a
        {"[", "{", false},        // neighbours of Z and z
        {"a", "A", true},
        {"z", "Z", true},
    };
    for (const ComparisonCase& c : cases) {
        SectionEntryList list;
        FillList(&list, {"other=1", c.stored, "last=2"});
        EXPECT_EQ(FindSectionEntry(&list, c.wanted), c.found) << '"' << c.stored << "\" vs \"" << c.wanted << '"';
    }
}

TEST(FindSectionEntry, WalksEveryCompleteEntryAndNothingElse)
{
    SectionEntryList list;
    ClearSectionEntryList(&list);
    EXPECT_FALSE(FindSectionEntry(&list, "device=ruzorer1.386"));
    EXPECT_FALSE(FindSectionEntry(&list, ""));

    // A count of 0 leaves whatever the read put in chars unexamined.
    std::memcpy(list.chars, "device=ruzorer1.386\0", 21);
    EXPECT_FALSE(FindSectionEntry(&list, "device=ruzorer1.386"));

    // A long entry before, the wanted one last with its NUL at usedLength - 1.
    FillList(&list, {std::string(700, 'x'), "device=ruzorer3.386"});
    EXPECT_EQ(list.chars[list.usedLength - 1], '\0');
    EXPECT_TRUE(FindSectionEntry(&list, "device=ruzorer3.386"));
    EXPECT_FALSE(FindSectionEntry(&list, std::string(700, 'x').append("y").c_str()));
    EXPECT_TRUE(FindSectionEntry(&list, std::string(700, 'X').c_str()));

    // The cut last entry of a short read lies beyond usedLength's last NUL: never compared.
    FillList(&list, {"a=1"});
    std::memcpy(list.chars + list.usedLength, "device=ruzorer5.386\0", 21);
    list.usedLength += 19;
    EXPECT_FALSE(FindSectionEntry(&list, "device=ruzorer5.386"));
    EXPECT_TRUE(FindSectionEntry(&list, "A=1"));
}

TEST(AppendSectionEntry, AppendsAtUsedLengthAndClosesTheList)
{
    SectionEntryList list;
    ClearSectionEntryList(&list);
    ASSERT_TRUE(AppendSectionEntry(&list, "device=ruzorer6.386"));
    EXPECT_EQ(list.usedLength, 20);
    EXPECT_EQ(std::string(list.chars, 22), std::string("device=ruzorer6.386\0\0", 22));
    EXPECT_TRUE(FindSectionEntry(&list, "DEVICE=RUZORER6.386"));

    ASSERT_TRUE(AppendSectionEntry(&list, "b=2"));
    EXPECT_EQ(list.usedLength, 24);
    EXPECT_EQ(std::string(list.chars, 26), std::string("device=ruzorer6.386\0b=2\0\0", 26));
}

TEST(AppendSectionEntry, RefusesWhatDoesNotFitAndLeavesTheListAlone)
{
    const char* const entries[] = {"device=ruzorer1.386", "device=ruzorer3.386", "device=ruzorer5.386",
                                   "device=ruzorer6.386", "device=ruzorer7.386"};
    struct Case {
        int32_t freeCharacters;  // at and beyond usedLength
        int appended;
    };
    for (const Case c : {Case{101, 5}, Case{100, 4}, Case{22, 1}, Case{21, 1}, Case{20, 0}, Case{3, 0}}) {
        SectionEntryList list;
        ClearSectionEntryList(&list);
        list.usedLength = kSectionCapacity - c.freeCharacters;
        std::memset(list.chars, 'q', sizeof list.chars);
        list.chars[list.usedLength] = '\0';

        int appended = 0;
        for (const char* entry : entries) {
            const int32_t before = list.usedLength;
            if (AppendSectionEntry(&list, entry)) {
                ++appended;
                EXPECT_EQ(list.chars[list.usedLength], '\0');
            } else {
                EXPECT_EQ(list.usedLength, before);
                EXPECT_EQ(list.chars[before], '\0');
                if (before + 1 < kSectionCapacity) {
                    EXPECT_EQ(list.chars[before + 1], 'q') << "a refused entry left bytes behind";
                }
            }
        }
        EXPECT_EQ(appended, c.appended) << c.freeCharacters << " free characters";
    }
}

}  // namespace
