// Helpers shared by the Windows-side tests: the real System.ini of the Wine prefix.
#pragma once

#include <windows.h>

#include <string>

std::string ProfilePath();
// Empty when the file does not exist.
std::string ReadProfileFile();
void WriteProfileFile(const std::string& contents);
void DeleteProfileFile();
// The [386Enh] section's entries as the platform's own read returns them.
std::string SectionEntries();
