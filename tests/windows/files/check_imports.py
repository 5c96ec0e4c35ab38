"""Fails when the program file imports a DLL that Windows does not ship itself
(the compiler's runtime, threads, SDL): it must run copied alone to any system.

Usage: check_imports.py PROGRAM.scr
"""
import sys

import pefile

WINDOWS_OWN = {
    "advapi32.dll", "bcrypt.dll", "cfgmgr32.dll", "comctl32.dll", "comdlg32.dll",
    "dinput8.dll", "dwmapi.dll", "dxgi.dll", "gdi32.dll", "hid.dll", "imm32.dll",
    "kernel32.dll", "msvcrt.dll", "ole32.dll", "oleaut32.dll", "setupapi.dll",
    "shcore.dll", "shell32.dll", "shlwapi.dll", "ucrtbase.dll", "user32.dll",
    "uxtheme.dll", "version.dll", "winmm.dll", "ws2_32.dll", "wtsapi32.dll",
}

pe = pefile.PE(sys.argv[1], fast_load=True)
pe.parse_data_directories([pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"]])
names = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
foreign = [name for name in names if name not in WINDOWS_OWN and not name.startswith("api-ms-win-")]
print("imports:", " ".join(names))
for name in foreign:
    print("not Windows' own:", name)
sys.exit(1 if foreign or not names else 0)
