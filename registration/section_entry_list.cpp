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
    const char* chars = list->chars;
    const int32_t end = list->usedLength;
    int32_t position = 0;
    while (position < end) {
        // Compare in place while the entry matches; wanted is never read past its NUL.
        int32_t offset = 0;
        while (position + offset < end && chars[position + offset] != '\0' &&
               FoldAsciiCapital(chars[position + offset]) == FoldAsciiCapital(wanted[offset])) {
            ++offset;
        }
        // Only an entry whose NUL lies below usedLength counts: a cut tail never matches.
        if (position + offset < end && chars[position + offset] == '\0' && wanted[offset] == '\0') {
            return true;
        }
        while (position + offset < end && chars[position + offset] != '\0') {
            ++offset;
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
