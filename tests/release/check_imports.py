#!/usr/bin/env python3
"""Fails when an exe imports a function that its oldest Windows lacks.

The mingw-w64 headers declare newer functions only when _WIN32_WINNT asks for
them. Parsing the headers of every DLL the program links once with the oldest
version and once with the newest gives the functions the oldest one lacks;
the exe's import table must name none of them. Every DLL it imports must be
one whose headers were parsed, or a function of it would go unchecked.

  check_imports.py --cc GCC --objdump OBJDUMP --exe EXE --oldest 0x0501
                   --libs "gdi32;comctl32;..."
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

# The headers that declare the functions of each import library. kernel32,
# user32 and the C runtime come with every program.
HEADERS = {
    "kernel32": ["windows.h"],
    "user32": ["windows.h"],
    "gdi32": ["windows.h"],
    "msimg32": ["windows.h"],
    "advapi32": ["windows.h", "winsvc.h", "wincrypt.h"],
    "comctl32": ["windows.h", "commctrl.h"],
    "comdlg32": ["windows.h", "commdlg.h"],
    "shell32": ["windows.h", "shellapi.h", "shlobj.h"],
    "winmm": ["windows.h", "mmsystem.h"],
    "version": ["windows.h", "winver.h"],
    "ole32": ["windows.h", "ole2.h", "objbase.h"],
    "oleaut32": ["windows.h", "oleauto.h"],
    "uuid": [],
}
ALWAYS = ["kernel32", "user32"]
# The C runtime's functions are no Windows API: its headers know no versions.
RUNTIME_DLLS = {"msvcrt.dll"}
NEWEST = "0x0A00"

# One -aux-info line per function: "/* file:line:NC */ extern T Name (args);"
# N or O for the prototype style, C for a declaration, F for a definition.
AUX_LINE = re.compile(r"^/\* .*:[0-9]+:[NO]C \*/ .*?\b([A-Za-z_][A-Za-z0-9_]*) \(")


def declared_functions(compiler, headers, winnt):
    """Names of the functions the headers declare for one _WIN32_WINNT."""
    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "api.c")
        aux = os.path.join(tmp, "api.aux")
        with open(source, "w") as f:
            f.writelines(f"#include <{h}>\n" for h in headers)
        subprocess.run([compiler, "-x", "c", "-fsyntax-only", "-aux-info", aux,
                        f"-D_WIN32_WINNT={winnt}", f"-DWINVER={winnt}", source], check=True)
        with open(aux, encoding="latin-1") as f:
            return {m.group(1) for m in map(AUX_LINE.match, f) if m}


def parse_imports(objdump_text):
    """(dll, function) pairs of an "objdump -p" listing; ordinals count as names."""
    imports = []
    dll = None
    for line in objdump_text.splitlines():
        m = re.match(r"^\s*DLL Name: (\S+)", line)
        if m:
            dll = m.group(1).lower()
            continue
        m = re.match(r"^\s+[0-9a-fA-F]+\s+([0-9]+)\s+(\S+)\s*$", line)
        if dll and m:
            imports.append((dll, m.group(2)))
        elif dll and not line.strip():
            dll = None
    return imports


def missing_functions(imports, lacking):
    return sorted(f"{dll}!{name}" for dll, name in imports if name in lacking)


def unchecked_dlls(imports, libs):
    known = {lib + ".dll" for lib in libs} | RUNTIME_DLLS
    return sorted({dll for dll, _ in imports if dll not in known})


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--cc", required=True)
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--oldest", required=True)
    parser.add_argument("--libs", required=True)
    args = parser.parse_args(argv)

    libs = ALWAYS + [lib for lib in args.libs.split(";") if lib]
    unknown = [lib for lib in libs if lib not in HEADERS]
    if unknown:
        print("no headers listed for: " + ", ".join(unknown))
        return 1
    headers = list(dict.fromkeys(h for lib in libs for h in HEADERS[lib]))
    old = declared_functions(args.cc, headers, args.oldest)
    new = declared_functions(args.cc, headers, NEWEST)
    lacking = new - old
    # A parse that found next to nothing would let every import pass.
    if len(old) < 1000 or not lacking:
        print(f"header parse implausible: {len(old)} functions, {len(lacking)} newer")
        return 1

    listing = subprocess.run([args.objdump, "-p", args.exe], check=True,
                             capture_output=True, text=True).stdout
    imports = parse_imports(listing)
    if not imports:
        print("no import table found in " + args.exe)
        return 1

    print(f"{len(imports)} imports; {len(lacking)} functions newer than {args.oldest}")
    failed = False
    for name in missing_functions(imports, lacking):
        print(f"imports {name}, which Windows {args.oldest} lacks")
        failed = True
    for dll in unchecked_dlls(imports, libs):
        print(f"imports from {dll}, whose headers are not checked")
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
