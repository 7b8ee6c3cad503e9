#!/usr/bin/python3
"""Checks the shipped i686 program with binutils and pefile: what it imports, which
instructions it holds, its header, its resources, its size, and that a second build
in another directory gives the same bytes. Run by Debian's own python3, which has
python3-pefile."""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

import pefile

OBJDUMP = "i686-w64-mingw32-objdump"
MAX_SIZE = 8 * 1024

# Instructions the 80386 lacks: 486 (bswap, cmpxchg, xadd, invd, wbinvd, invlpg),
# Pentium (cpuid, rdtsc, cmpxchg8b, rdmsr, wrmsr), P6 and later (cmov, fcmov, fcomi,
# fucomi, rdpmc, sysenter, ud2), MMX and SSE (emms, fxsave, any mm/xmm register).
FORBIDDEN_MNEMONIC = re.compile(
    r"^(cmov|fcmov|fcomi|fucomi|bswap|cmpxchg|xadd|cpuid|rdtsc|rdpmc|rdmsr|wrmsr|"
    r"sysenter|sysexit|invd|wbinvd|invlpg|ud2|emms|fxsave|fxrstor|ldmxcsr|stmxcsr)")
FORBIDDEN_OPERAND = re.compile(r"%x?mm[0-9]|%ymm[0-9]")

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


# GNU ld ends .text with the constructor and destructor lists, each a -1 and a 0
# when there are none: data, not code, and the proof that no static constructor runs.
EMPTY_CONSTRUCTOR_LISTS = b"\xff\xff\xff\xff\x00\x00\x00\x00" * 2


def code_end(pe):
    """The address where the program's code ends and the constructor lists begin."""
    text = next(section for section in pe.sections if section.Name.rstrip(b"\0") == b".text")
    body = text.get_data()[:text.Misc_VirtualSize]
    check(body.endswith(EMPTY_CONSTRUCTOR_LISTS), "no static constructors or destructors")
    return pe.OPTIONAL_HEADER.ImageBase + text.VirtualAddress + len(body) - len(EMPTY_CONSTRUCTOR_LISTS)


def forbidden_instructions(path, stop_address=None):
    command = [OBJDUMP, "-d", "--no-show-raw-insn", path]
    if stop_address is not None:
        command.append(f"--stop-address={stop_address:#x}")
    listing = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    found = []
    for line in listing.splitlines():
        parts = line.split("\t")
        if len(parts) < 2 or not re.match(r"^\s*[0-9a-f]+:$", parts[0]):
            continue
        instruction = parts[1].strip()
        mnemonic = instruction.split(" ")[0]
        if mnemonic == "(bad)" or FORBIDDEN_MNEMONIC.match(mnemonic) or FORBIDDEN_OPERAND.search(instruction):
            found.append(line.strip())
    return found


def check_imports(pe, expected_path):
    expected = set()
    with open(expected_path) as listing:
        for line in listing:
            if line.strip() and not line.startswith("#"):
                dll, name = line.split()
                expected.add((dll.upper(), name))
    actual = set()
    for dll in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        for symbol in dll.imports:
            actual.add((dll.dll.decode().upper(), symbol.name.decode() if symbol.name else f"#{symbol.ordinal}"))
    dlls = {dll for dll, _ in actual}
    check(dlls <= {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL"}, f"imports only KERNEL32, USER32, GDI32 ({sorted(dlls)})")
    check(actual == expected, "imports exactly the expected functions"
          + (f" (extra {sorted(actual - expected)}, missing {sorted(expected - actual)})" if actual != expected else ""))


def check_header(pe):
    check(pe.FILE_HEADER.Machine == 0x14C, "machine i386")
    check(pe.OPTIONAL_HEADER.Subsystem == 2, "GUI subsystem")
    check((pe.OPTIONAL_HEADER.MajorSubsystemVersion, pe.OPTIONAL_HEADER.MinorSubsystemVersion) == (4, 0),
          "subsystem version 4.0")
    check((pe.OPTIONAL_HEADER.MajorOperatingSystemVersion, pe.OPTIONAL_HEADER.MinorOperatingSystemVersion) == (4, 0),
          "OS version 4.0")
    check(pe.FILE_HEADER.TimeDateStamp == 0, "no link timestamp")


def check_resources(pe):
    found = []
    types = pe.DIRECTORY_ENTRY_RESOURCE.entries if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") else []
    for resource_type in types:
        for name in resource_type.directory.entries:
            for language in name.directory.entries:
                found.append((resource_type.id, str(name.name) if name.name else name.id, language.id))
    check(found == [(pefile.RESOURCE_TYPE["RT_MENU"], "R4839MENU", 1033)],
          f"one resource: menu R4839MENU, language 1033 ({found})")


def rebuild_elsewhere(source):
    """Builds the product from a copy of the sources in a fresh directory."""
    workspace = tempfile.mkdtemp(prefix="dmasel-rebuild-")
    try:
        copy = os.path.join(workspace, "elsewhere", "src")
        shutil.copytree(source, copy, ignore=shutil.ignore_patterns("build", ".git"))
        build = os.path.join(workspace, "out")
        subprocess.run(["cmake", "-S", copy, "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                        "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(copy, "cmake", "mingw-i686.cmake")],
                       check=True, capture_output=True)
        subprocess.run(["cmake", "--build", build, "--target", "dmasel"], check=True, capture_output=True)
        with open(os.path.join(build, "dmasel.exe"), "rb") as exe:
            return exe.read()
    finally:
        shutil.rmtree(workspace)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--expected-imports", required=True)
    parser.add_argument("--known-p6-object", required=True,
                        help="an object known to hold CMOV, to prove the scan finds it")
    arguments = parser.parse_args()

    with open(arguments.exe, "rb") as exe:
        data = exe.read()
    pe = pefile.PE(data=data)

    check_imports(pe, arguments.expected_imports)
    control = forbidden_instructions(arguments.known_p6_object)
    check(any("cmov" in line for line in control), "the instruction scan finds CMOV in the MinGW start-up object")
    found = forbidden_instructions(arguments.exe, code_end(pe))
    check(not found, "no instruction a 386 lacks" + (": " + "; ".join(found[:5]) if found else ""))
    check_header(pe)
    check_resources(pe)
    check(len(data) <= MAX_SIZE, f"size {len(data)} bytes, at most {MAX_SIZE}")
    check(rebuild_elsewhere(arguments.source) == data, "a build in another directory gives the same bytes")

    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
