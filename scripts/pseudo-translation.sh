#!/usr/bin/env bash
# Makes a pseudo-translation of every text in the code, to see which shown texts go through no
# translation call and where a longer language would not fit: each text is lengthened by 40 %
# and wrapped in markers, "Refresh" becoming "⟦Refresh~~~⟧". %1..%9 and %n markers, & access
# keys, edge spaces and line breaks are kept (each line is wrapped on its own).
#   scripts/pseudo-translation.sh [OUT.qm]   (default: build-pseudo/velmira_pseudo.qm)
# Writes OUT.qm and, beside it, the .ts it was made from (pseudo_en.ts). Run the program with it:
#   VELMIRA_TRANSLATION=build-pseudo/velmira_pseudo.qm build-test/src/velmira
# A text shown without the markers has no translation call.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$top/build-pseudo/velmira_pseudo.qm}"
"$top/scripts/need-packages.sh" python3 qt6-l10n-tools >&2
mkdir -p "$(dirname "$out")"
out="$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"
# English plural rules (one form and the others): update-translations.sh takes the language
# from the part of the name after the first "_".
ts="$(dirname "$out")/pseudo_en.ts"
rm -f "$ts"
"$top/scripts/update-translations.sh" "$ts"

python3 - "$ts" <<'PY'
import math, re, sys
import xml.etree.ElementTree as ET

OPEN, CLOSE, PAD = "\u27e6", "\u27e7", "~"

def pseudo_line(line):
    core = line.strip(" \t\r")
    if not core:
        return line
    lead = line[: len(line) - len(line.lstrip(" \t\r"))]
    trail = line[len(line.rstrip(" \t\r")):]
    # The padding in words of five, so that a wrapped text can still wrap.
    pad = (PAD * 5 + " ") * len(core)
    return lead + OPEN + core + pad[: math.ceil(len(core) * 0.4)] + CLOSE + trail

def pseudo(text):
    return "\n".join(pseudo_line(line) for line in text.split("\n"))

path = sys.argv[1]
tree = ET.parse(path)
count = 0
for message in tree.iter("message"):
    source = message.findtext("source") or ""
    translation = message.find("translation")
    translation.attrib.pop("type", None)
    if message.get("numerus") == "yes":
        forms = translation.findall("numerusform") or [ET.SubElement(translation, "numerusform")]
        while len(forms) < 2:
            forms.append(ET.SubElement(translation, "numerusform"))
        for form in forms:
            form.text = pseudo(source)
    else:
        translation.text = pseudo(source)
    count += 1
tree.write(path, encoding="utf-8", xml_declaration=True)
print(f"{count} texts pseudo-translated", file=sys.stderr)
PY

/usr/lib/qt6/bin/lrelease -silent "$ts" -qm "$out" >&2
echo "$out"
