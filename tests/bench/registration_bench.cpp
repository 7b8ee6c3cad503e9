// How long one USE takes on a full section, against the floor of touching the
// same bytes: five memchr passes. Prints the ratio at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "driver_registration.h"
#include "profile_section.h"
#include "section_entry_list.h"

namespace {

// The section as the platform would hand it over, and a write that only counts.
char g_section[kSectionCapacity];
int32_t g_sectionLength;
int g_writes;

// About 32000 characters of a plausible [386Enh] section, optionally ending with
// the five device entries.
void BuildSection(bool withDeviceEntries)
{
    const char* const lines[] = {"device=*vpicd", "device=*vtd", "device=*reboot", "device=*vdd", "device=*vsd",
                                 "device=*v86mmgr", "device=*pageswap", "EMMExclude=C000-CFFF",
                                 "PagingFile=C:\\WINDOWS\\WIN386.SWP", "MaxPagingFileSize=51200", "keyboard=*vkd",
                                 "mouse=*vmd", "network=*vnetbios,*vwc,vnetsup.386,vredir.386,vserver.386"};
    const int32_t reserve = withDeviceEntries ? 5 * 20 : 0;
    g_sectionLength = 0;
    for (int i = 0;; ++i) {
        const char* line = lines[i % (sizeof lines / sizeof lines[0])];
        const int32_t length = static_cast<int32_t>(std::strlen(line)) + 1;
        if (g_sectionLength + length + reserve > 32000) {
            break;
        }
        std::memcpy(g_section + g_sectionLength, line, static_cast<size_t>(length));
        g_sectionLength += length;
    }
    if (withDeviceEntries) {
        for (const DmaChannel& row : DmaChannelTable) {
            char entry[kDeviceEntryCapacity];
            FormatDeviceEntry(row.channel, entry);
            std::memcpy(g_section + g_sectionLength, entry, 20);
            g_sectionLength += 20;
        }
    }
    g_section[g_sectionLength] = '\0';
}

const bool kAllTicked[kDmaChannelCount] = {true, true, true, true, true};

void RegisterOnFullSection(benchmark::State& state, bool entriesPresent)
{
    BuildSection(entriesPresent);
    const RegistrationOutcome expected =
        entriesPresent ? RegistrationOutcome::NothingAdded : RegistrationOutcome::Written;
    for (auto _ : state) {
        if (RegisterDmaDrivers(kAllTicked) != expected) {
            state.SkipWithError("unexpected outcome");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * g_sectionLength);
}

void BM_RegisterEntriesAbsent(benchmark::State& state) { RegisterOnFullSection(state, false); }
void BM_RegisterEntriesPresent(benchmark::State& state) { RegisterOnFullSection(state, true); }

// The floor: copy the section in as the read does, then five passes over it.
void BM_FiveMemchrPasses(benchmark::State& state)
{
    BuildSection(true);
    static char copy[kSectionCapacity];
    for (auto _ : state) {
        std::memcpy(copy, g_section, static_cast<size_t>(g_sectionLength) + 1);
        for (int pass = 0; pass < kDmaChannelCount; ++pass) {
            benchmark::DoNotOptimize(std::memchr(copy, '#', static_cast<size_t>(g_sectionLength)));
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * g_sectionLength);
}

BENCHMARK(BM_RegisterEntriesAbsent);
BENCHMARK(BM_RegisterEntriesPresent);
BENCHMARK(BM_FiveMemchrPasses);

// Keeps each benchmark's time per iteration for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
};

}  // namespace

int32_t ReadDeviceSection(char* chars, int32_t size, bool* fileUnreadable)
{
    *fileUnreadable = false;
    const int32_t length = g_sectionLength < size - 2 ? g_sectionLength : size - 2;
    std::memcpy(chars, g_section, static_cast<size_t>(length) + 1);
    return length;
}

bool WriteDeviceSection(const char*)
{
    ++g_writes;
    return true;
}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double floor = reporter.nanoseconds["BM_FiveMemchrPasses"];
    for (const char* name : {"BM_RegisterEntriesAbsent", "BM_RegisterEntriesPresent"}) {
        if (floor > 0 && reporter.nanoseconds.count(name) != 0) {
            std::printf("%s: %.1f x the five memchr passes\n", name, reporter.nanoseconds[name] / floor);
        }
    }
    benchmark::Shutdown();
    return 0;
}
