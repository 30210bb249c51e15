#!/usr/bin/env bash
# check-pane-lists.sh ROOT: checks the colour rows of the pane's specifier lists under ROOT
# (an unpacked package, or a staged pane: ROOT/Library/PreferenceBundles/velmotintPrefs.bundle).
# Each of vmColor1..vmColor6 appears once, as the colour-picker library's cell with its
# libcolorpicker dictionary: domain, key, the fallback, alpha on and the change notification.
# Prints every mismatch and fails if there is one.
set -uo pipefail
bundle=${1:?usage: check-pane-lists.sh ROOT}/Library/PreferenceBundles/velmotintPrefs.bundle
python3 - "$bundle" <<'PYTHON'
import glob, plistlib, sys

bundle = sys.argv[1]
expected = {"defaults": "com.tanvork.velmotint", "fallback": "#a1a1a1:1.0", "alpha": True,
            "PostNotification": "com.tanvork.velmotint/settingschanged"}
failures = []
seen = {}
lists = sorted(glob.glob(bundle + "/*.plist"))
if not lists:
    failures.append(f"no specifier lists in {bundle}")
for path in lists:
    if path.endswith("/Info.plist"):
        continue
    with open(path, "rb") as f:
        rows = plistlib.load(f).get("items", [])
    for row in rows:
        options = row.get("libcolorpicker")
        named = row.get("cellClass") == "PFSimpleLiteColorCell"
        if not named and options is None and not str(row.get("key", "")).startswith("vmColor"):
            continue
        what = f"{path.rsplit('/', 1)[-1]}: row {row.get('label', '?')!r}"
        if not named or row.get("cell") != "PSLinkCell":
            failures.append(f"{what} is not a PSLinkCell of cell class PFSimpleLiteColorCell")
        if not isinstance(options, dict):
            failures.append(f"{what} has no libcolorpicker dictionary")
            continue
        for key, value in expected.items():
            if options.get(key) != value:
                failures.append(f"{what}: libcolorpicker {key} is {options.get(key)!r}, not {value!r}")
        for key in ("defaults", "key", "default", "isColourString"):
            if key in row:
                failures.append(f"{what} has its own {key!r}: the cell stores the colour itself")
        seen.setdefault(options.get("key"), []).append(what)
for n in range(1, 7):
    rows = seen.pop(f"vmColor{n}", [])
    if len(rows) != 1:
        failures.append(f"vmColor{n}: {len(rows)} colour rows, not 1")
for key, rows in seen.items():
    failures.append(f"colour rows with key {key!r}: " + ", ".join(rows))
for failure in failures:
    print(f"FAIL: {failure}")
sys.exit(1 if failures else 0)
PYTHON
