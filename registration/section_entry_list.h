// One profile section held as the platform's section functions hand it over:
// NUL-ended entries back to back, the list closed by an empty entry.
#pragma once

#include <stdint.h>

constexpr int32_t kSectionCapacity = 32768;
// One less than the capacity, so that an append always has room for the closing NUL.
constexpr int32_t kSectionReadLimit = kSectionCapacity - 1;

struct SectionEntryList {
    char chars[kSectionCapacity];
    int32_t usedLength;  // entries with their NULs, not the closing empty entry
};

// Makes the list empty without touching the rest of the buffer (no memset on 32 KB).
void ClearSectionEntryList(SectionEntryList* list);

// True when an entry equals wanted whole, only the letters A-Z folded to a-z.
bool FindSectionEntry(const SectionEntryList* list, const char* wanted);

// Appends entry and closes the list again; false, with the list untouched, when the
// entry, its NUL and the closing NUL do not fit.
bool AppendSectionEntry(SectionEntryList* list, const char* entry);
