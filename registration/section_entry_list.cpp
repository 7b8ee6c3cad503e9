#include "section_entry_list.h"

namespace {

// Our own folding: a locale-aware comparison would also fold bytes of 128 and above.
char FoldAsciiCapital(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int32_t StringLength(const char* text)
{
    int32_t length = 0;
    while (text[length] != '\0') {
        ++length;
    }
    return length;
}

}  // namespace

void ClearSectionEntryList(SectionEntryList* list)
{
    list->usedLength = 0;
    list->chars[0] = '\0';
}

bool FindSectionEntry(const SectionEntryList* list, const char* wanted)
{
    int32_t position = 0;
    while (position < list->usedLength) {
        // Compare the entry starting here in place, one byte at a time.
        int32_t offset = 0;
        bool equalSoFar = true;
        while (position + offset < list->usedLength && list->chars[position + offset] != '\0') {
            // Once unequal, wanted is not read further: it may be shorter than the entry.
            if (equalSoFar && FoldAsciiCapital(list->chars[position + offset]) != FoldAsciiCapital(wanted[offset])) {
                equalSoFar = false;
            }
            ++offset;
        }
        // An unterminated tail (the cut last entry of a short read) is never a match.
        const bool terminated = position + offset < list->usedLength;
        if (terminated && equalSoFar && wanted[offset] == '\0') {
            return true;
        }
        position += offset + 1;
    }
    return false;
}

bool AppendSectionEntry(SectionEntryList* list, const char* entry)
{
    const int32_t length = StringLength(entry);
    if (list->usedLength + length + 2 > kSectionCapacity) {
        return false;
    }
    char* destination = list->chars + list->usedLength;
    for (int32_t i = 0; i <= length; ++i) {
        destination[i] = entry[i];
    }
    list->usedLength += length + 1;
    list->chars[list->usedLength] = '\0';
    return true;
}
