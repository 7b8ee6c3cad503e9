#include "driver_registration.h"

#include "profile_section.h"
#include "section_entry_list.h"

namespace {

struct OutcomeMessage {
    const char* text;
    const char* caption;  // "Selectiom" is the product's own spelling for success
};

// Indexed by RegistrationOutcome.
constexpr OutcomeMessage kOutcomeMessages[] = {
    {"DMA Selection Successfully", "DMA Channel Selectiom"},
    {"DMA Selection Error", "DMA Channel Selection"},
    {"Used", "DMA Channel Selection"},
    {"DMA Selection Error", "DMA Channel Selection"},
};

constexpr char kDeviceEntryPrefix[] = "device=ruzorer";
constexpr char kDeviceEntrySuffix[] = ".386";

char* CopyText(char* destination, const char* text)
{
    while (*text != '\0') {
        *destination++ = *text++;
    }
    return destination;
}

char* WriteDecimal(char* destination, int value)
{
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    if (value < 0) {
        *destination++ = '-';
    }
    char reversed[10];
    int digits = 0;
    do {
        reversed[digits++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (digits > 0) {
        *destination++ = reversed[--digits];
    }
    return destination;
}

}  // namespace

void FormatDeviceEntry(int channel, char* entryBuffer)
{
    char* end = CopyText(entryBuffer, kDeviceEntryPrefix);
    end = WriteDecimal(end, channel);
    end = CopyText(end, kDeviceEntrySuffix);
    *end = '\0';
}

const char* OutcomeText(RegistrationOutcome outcome)
{
    return kOutcomeMessages[static_cast<int>(outcome)].text;
}

const char* OutcomeCaption(RegistrationOutcome outcome)
{
    return kOutcomeMessages[static_cast<int>(outcome)].caption;
}

RegistrationOutcome RegisterDmaDrivers(const bool selected[kDmaChannelCount])
{
    SectionEntryList list;
    ClearSectionEntryList(&list);
    bool fileUnreadable = false;
    list.usedLength = ReadDeviceSection(list.chars, kSectionReadLimit, &fileUnreadable);
    // Writing after a failed read would replace every other driver's entry.
    if (fileUnreadable) {
        return RegistrationOutcome::NotRegistered;
    }

    int added = 0;
    for (int i = 0; i < kDmaChannelCount; ++i) {
        if (!selected[i]) {
            continue;
        }
        char entry[kDeviceEntryCapacity];
        FormatDeviceEntry(DmaChannelTable[i].channel, entry);
        if (FindSectionEntry(&list, entry)) {
            continue;
        }
        // A channel left out for want of room must not pass as registered.
        if (!AppendSectionEntry(&list, entry)) {
            return RegistrationOutcome::NotRegistered;
        }
        ++added;
    }

    if (added == 0) {
        return RegistrationOutcome::NothingAdded;
    }
    return WriteDeviceSection(list.chars) ? RegistrationOutcome::Written : RegistrationOutcome::WriteFailed;
}
