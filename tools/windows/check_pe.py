#!/usr/bin/python3
"""Checks the Windows module the way the host will meet it.

usage: check_pe.py MODULE PIPL_BYTES

- the export table names the module "OstraQuellon.aex" and holds exactly one export,
  EntryPointFunc, ordinal 1, undecorated;
- the resources hold exactly one of type PIPL, and it is id 16000, language 1033, with the
  bytes of PIPL_BYTES (the generator's output);
- every imported DLL is a system DLL, so nothing of the compiler's runtime has to travel with it.

Runs under /usr/bin/python3, which has python3-pefile. Exits 1 and names each fault otherwise.
"""

import sys

import pefile

MODULE_NAME = b"OstraQuellon.aex"
EXPORTS = [(b"EntryPointFunc", 1)]
PIPL_TYPE = "PIPL"
PIPL_ID = 16000
PIPL_LANGUAGE = 1033
SYSTEM_DLLS = {
    "advapi32.dll", "gdi32.dll", "glu32.dll", "kernel32.dll", "msvcrt.dll", "opengl32.dll",
    "shell32.dll", "user32.dll",
}


def entry_key(entry):
    return str(entry.name) if entry.name is not None else entry.id


def resources(pe):
    """(type, id, language, bytes) of every resource."""
    found = []
    for by_type in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for by_id in by_type.directory.entries:
            for by_language in by_id.directory.entries:
                data = by_language.data.struct
                found.append((entry_key(by_type), entry_key(by_id), by_language.id,
                              pe.get_data(data.OffsetToData, data.Size)))
    return found


def check(module_path, pipl_path):
    with open(pipl_path, "rb") as f:
        expected_pipl = f.read()
    pe = pefile.PE(module_path)
    faults = []

    exports = getattr(pe, "DIRECTORY_ENTRY_EXPORT", None)
    if exports is None:
        faults.append("no export table")
    else:
        name = pe.get_string_at_rva(exports.struct.Name)
        if name != MODULE_NAME:
            faults.append(f"export table names the module {name!r}, not {MODULE_NAME!r}")
        symbols = [(s.name, s.ordinal) for s in exports.symbols]
        if symbols != EXPORTS:
            faults.append(f"exports are {symbols}, not {EXPORTS}")

    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        faults.append("no resources")
    else:
        pipls = [r for r in resources(pe) if r[0] == PIPL_TYPE]
        where = [(r[0], r[1], r[2]) for r in pipls]
        if where != [(PIPL_TYPE, PIPL_ID, PIPL_LANGUAGE)]:
            faults.append(f"PIPL resources are {where}, not one with id {PIPL_ID}, "
                          f"language {PIPL_LANGUAGE}")
        elif pipls[0][3] != expected_pipl:
            faults.append(f"PIPL resource ({len(pipls[0][3])} bytes) differs from "
                          f"{pipl_path} ({len(expected_pipl)} bytes)")

    imported = sorted(i.dll.decode().lower() for i in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []))
    foreign = [dll for dll in imported if dll not in SYSTEM_DLLS]
    if foreign:
        faults.append(f"imports DLLs that are not the system's: {foreign}")

    for fault in faults:
        print(f"{module_path}: {fault}", file=sys.stderr)
    if not faults:
        print(f"{module_path}: exports {EXPORTS[0][0].decode()} (ordinal 1) as "
              f"{MODULE_NAME.decode()}; PIPL {PIPL_ID}/{PIPL_LANGUAGE} matches "
              f"{pipl_path} ({len(expected_pipl)} bytes); imports {', '.join(imported)}")
    return not faults


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        sys.exit(2)
    sys.exit(0 if check(sys.argv[1], sys.argv[2]) else 1)
