"""Reads the version information, the manifest, the saver's name for the Screen
Saver Settings and the icon back from the built program file.

Usage: check_version_resource.py PROGRAM.scr MAKER_HEADER
The maker's name and web address are the About box's, taken from MAKER_HEADER.
"""
import re
import sys
import xml.etree.ElementTree as ElementTree

import pefile

program, maker_header = sys.argv[1], sys.argv[2]
maker = dict(re.findall(r'(k\w+) = "([^"]*)"', open(maker_header, encoding="utf-8").read()))
name, web = maker["kMakerName"], maker["kMakerWebAddress"]

pe = pefile.PE(program)
failures = []


def expect(what, actual, expected):
    if actual != expected:
        failures.append(f"{what}: {actual!r}, expected {expected!r}")


fixed = pe.VS_FIXEDFILEINFO[0]
expect("file version", (fixed.FileVersionMS, fixed.FileVersionLS), (0x20000, 0x3))
expect("product version", (fixed.ProductVersionMS, fixed.ProductVersionLS), (0x20000, 0x3))

tables = {}
translations = []
for info in pe.FileInfo[0]:
    for table in getattr(info, "StringTable", []):
        tables[table.LangID.decode()] = {
            key.decode(): value.decode() for key, value in table.entries.items()
        }
    for var in getattr(info, "Var", []):
        translations.extend(var.entry.values())
expect("string tables", list(tables), ["040904B0"])
strings = next(iter(tables.values()), {})
expected_strings = {
    "FileVersion": "2.00.0003",
    "ProductVersion": "2.00.0003",
    "FileDescription": "Screen Saver for 95/98/NT/2000",
    "ProductName": "VostramelSaver",
    "InternalName": "VostramelSaver",
    "OriginalFilename": "VostramelSaver.scr",
}
for key, value in expected_strings.items():
    expect(key, strings.get(key), value)
for key in ("Comments", "CompanyName", "LegalCopyright", "LegalTrademarks"):
    if name not in strings.get(key, ""):
        failures.append(f"{key} {strings.get(key)!r} lacks the maker's name {name!r}")
if not any(web in strings.get(key, "") for key in ("Comments", "LegalCopyright", "LegalTrademarks")):
    failures.append(f"no field holds the maker's web address {web!r}")
expect("translation", translations, ["0x0409 0x04b0"])

manifests = [
    (entry.id, language)
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries
    if kind.id == pefile.RESOURCE_TYPE["RT_MANIFEST"]
    for entry in kind.directory.entries
    for language in entry.directory.entries
]
expect("manifest ids", [identifier for identifier, _ in manifests], [1])
if manifests:
    data = manifests[0][1].data.struct
    root = ElementTree.fromstring(pe.get_data(data.OffsetToData, data.Size))
    texts = {element.tag.split("}")[1]: (element.text or "").strip() for element in root.iter()}
    expect("dpiAwareness", texts.get("dpiAwareness"), "PerMonitorV2, PerMonitor")
    expect("dpiAware", texts.get("dpiAware"), "true/pm")
    levels = [e.get("level") for e in root.iter() if e.tag.endswith("requestedExecutionLevel")]
    expect("execution level", levels, ["asInvoker"])
    controls = [
        e.get("version")
        for e in root.iter()
        if e.tag.endswith("assemblyIdentity") and e.get("name") == "Microsoft.Windows.Common-Controls"
    ]
    expect("common controls", controls, ["6.0.0.0"])
    systems = {e.get("Id") for e in root.iter() if e.tag.endswith("supportedOS")}
    expect("Windows 10 and 11 supported", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" in systems, True)


def resources(kind):
    """The entries of one resource type, by id."""
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id == pefile.RESOURCE_TYPE[kind]:
            return {item.id: item for item in entry.directory.entries}
    return {}


# Windows' Screen Saver Settings list names a saver by its string 1.
names = {}
for block in resources("RT_STRING").values():
    names.update(getattr(block.directory, "strings", {}))
expect("string 1", names.get(1), "Vostramel Saver")

# The first icon group is the file's icon: every size the shell asks for, with alpha.
groups = resources("RT_GROUP_ICON")
expect("icon groups", list(groups), [100])
if groups:
    data = groups[100].directory.entries[0].data.struct
    group = pe.get_data(data.OffsetToData, data.Size)
    count = int.from_bytes(group[4:6], "little")
    entries = [group[6 + 14 * i: 20 + 14 * i] for i in range(count)]
    expect("icon sizes", sorted(entry[0] or 256 for entry in entries), [16, 24, 32, 48, 64, 256])
    expect("icon depths", {int.from_bytes(entry[6:8], "little") for entry in entries}, {32})

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
