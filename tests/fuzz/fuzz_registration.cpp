// Arbitrary sections and ticks through the registration, checked against a plain
// model of what it must do. Input: byte 0 holds the five ticks (bits 0-4), an
// unreadable file (bit 5), a refused write (bit 6) and a present section (bit 7);
// byte 1 says how often the rest is repeated, so that inputs reach the 32 KB limit;
// the rest is the section's text, one entry a line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver_registration.h"
#include "fake_profile_section.h"
#include "profile_section.h"
#include "section_entry_list.h"

namespace {

using Entries = std::vector<std::string>;

bool EqualFoldingAsciiCapitals(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

Entries ParseSection(const uint8_t* text, size_t size, int repeat)
{
    Entries entries;
    std::string current;
    for (int r = 0; r < repeat; ++r) {
        for (size_t i = 0; i < size; ++i) {
            const char c = static_cast<char>(text[i]);
            if (c == '\n' || c == '\0') {
                if (!current.empty()) {
                    entries.push_back(current);
                }
                current.clear();
            } else {
                current += c;
            }
        }
    }
    if (!current.empty()) {
        entries.push_back(current);
    }
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) {
        return 0;
    }
    bool selected[kDmaChannelCount];
    for (int i = 0; i < kDmaChannelCount; ++i) {
        selected[i] = (data[0] >> i) & 1;
    }
    const Entries before = ParseSection(data + 2, size - 2, 1 + data[1]);
    auto prepareProfile = [&] {
        ResetFakeProfile();
        g_fakeProfile.fileUnreadable = (data[0] & 0x20) != 0;
        g_fakeProfile.refuseWrite = (data[0] & 0x40) != 0;
        g_fakeProfile.sectionPresent = (data[0] & 0x80) != 0;
        g_fakeProfile.entries = before;
    };
    prepareProfile();

    // What the read hands over: the complete entries below its count.
    static char readBuffer[kSectionCapacity];
    bool unreadable = false;
    const int32_t count = ReadDeviceSection(readBuffer, kSectionReadLimit, &unreadable);
    Entries read;
    for (int32_t start = 0, i = 0; i < count; ++i) {
        if (readBuffer[i] == '\0') {
            read.emplace_back(readBuffer + start, readBuffer + i);
            start = i + 1;
        }
    }

    // The model.
    RegistrationOutcome expected = RegistrationOutcome::NothingAdded;
    Entries list = read;
    int64_t used = count;
    bool stored = !unreadable;
    if (unreadable) {
        expected = RegistrationOutcome::NotRegistered;
    }
    for (int i = 0; i < kDmaChannelCount && stored; ++i) {
        if (!selected[i]) {
            continue;
        }
        const std::string entry = "device=ruzorer" + std::to_string(DmaChannelTable[i].channel) + ".386";
        bool present = false;
        for (const std::string& e : list) {
            present = present || EqualFoldingAsciiCapitals(e, entry);
        }
        if (present) {
            continue;
        }
        if (used + static_cast<int64_t>(entry.size()) + 2 > kSectionCapacity) {
            expected = RegistrationOutcome::NotRegistered;
            stored = false;
            break;
        }
        list.push_back(entry);
        used += static_cast<int64_t>(entry.size()) + 1;
    }
    const bool added = stored && list.size() > read.size();
    if (added) {
        expected = g_fakeProfile.refuseWrite ? RegistrationOutcome::WriteFailed : RegistrationOutcome::Written;
    }

    prepareProfile();
    const RegistrationOutcome outcome = RegisterDmaDrivers(selected);

    Check(outcome == expected);
    Check(g_fakeProfile.readCount == 1);
    Check(g_fakeProfile.writeCount == (added ? 1 : 0));
    if (outcome == RegistrationOutcome::Written) {
        // Every entry read comes back unchanged and in order; the new ones follow in table order.
        Check(g_fakeProfile.entries == list);
        Check(used + 1 <= kSectionCapacity);
    } else {
        Check(g_fakeProfile.entries == before);
    }
    return 0;
}
