// Registers the virtual DMA driver of each ticked channel in the [386Enh] section
// of System.ini. No windowing: its only platform contact is profile_section.h.
#pragma once

#include <stdint.h>

struct DmaChannel {
    int channel;
    const char* checkBoxLabel;
};

constexpr int kDmaChannelCount = 5;

// The row index is also the check box index and the index into `selected`.
constexpr DmaChannel DmaChannelTable[kDmaChannelCount] = {
    {1, "DMA_CH1"},
    {3, "DMA_CH3"},
    {5, "DMA_CH5"},
    {6, "DMA_CH6"},
    {7, "DMA_CH7"},
};

constexpr char kProfileFileName[] = "System.ini";
constexpr char kProfileSectionName[] = "386Enh";

constexpr int kDeviceEntryCapacity = 32;

// Writes "device=ruzorer<channel>.386" into the caller's kDeviceEntryCapacity buffer.
void FormatDeviceEntry(int channel, char* entryBuffer);

enum class RegistrationOutcome {
    Written,       // entries added and the section written
    WriteFailed,   // entries added, the platform refused the write
    NothingAdded,  // every ticked channel was already there (or none was ticked)
    NotRegistered, // System.ini could not be read, or a missing entry had no room: nothing written
};

const char* OutcomeText(RegistrationOutcome outcome);
const char* OutcomeCaption(RegistrationOutcome outcome);

RegistrationOutcome RegisterDmaDrivers(const bool selected[kDmaChannelCount]);
