#!/usr/bin/env bash
# Makes System.ini immutable, runs the refused-write test, and undoes it.
# Usage: refused_write.sh WINE64 TEST_EXE
set -u
wine64=$1
test_exe=$2
# Whatever the case of its name on disk: a second file differing only in case would be a different file.
profile=$(find "$WINEPREFIX/drive_c/windows" -maxdepth 1 -iname system.ini | head -n 1)
profile=${profile:-$WINEPREFIX/drive_c/windows/system.ini}
contents=$'[386Enh]\r\ndevice=*vpicd\r\n'
printf '%s' "$contents" > "$profile"
if ! chattr +i "$profile" 2>/dev/null; then
    echo "SKIPPED: this filesystem does not allow chattr +i, so the platform cannot be made to refuse a write"
    exit 77
fi
trap 'chattr -i "$profile"' EXIT
DMASEL_IMMUTABLE_PROFILE="$contents" "$wine64" "$test_exe" --gtest_filter='ProfileSectionOnWine.WriteRefusedByThePlatform'
