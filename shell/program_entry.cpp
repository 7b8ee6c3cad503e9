// The program's entry point in place of the C runtime's start-up code, which
// Windows 95 cannot load (no msvcrt.dll) and a 386 cannot run (it uses CMOV).
#include <windows.h>

namespace {

// The program takes nothing from its command line.
char g_noArguments[] = "";

}  // namespace

extern "C" void ProgramEntry()
{
    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, g_noArguments, SW_SHOWDEFAULT)));
}
