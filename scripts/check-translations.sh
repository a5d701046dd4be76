#!/usr/bin/env bash
# Fails when a translation source does not match the code or is not fit to ship:
#   - lupdate over the tree would change it (a text in the code without an entry, or an entry
#     whose text is no longer in the code);
#   - an entry is unfinished or empty;
#   - a translation lacks a %1..%9 or %n marker of its source, or has one more;
#   - a translation does not begin and end with the same spaces and line breaks as its source,
#     or holds another number of line breaks;
#   - the source has an & access key and the translation none;
#   - two texts of one window or one menu share an access key (letters compared without case),
#     in a translation or in the English texts: a menu is the texts whose comment names it
#     ("File menu", "spray list menu"); the rest of a context, its menu bar's titles among them,
#     is its window. A clash the English texts still have and whose fix is under way is listed
#     in translations/access-key-clashes.txt ("context | menu or window | text | text") and only
#     reported; a translation's clash is always refused.
#     (VELMIRA_KNOWN_CLASHES names another such list, for the check's own test.)
# Lists each fault as file: context: "source": what is wrong.
#   scripts/check-translations.sh [TS-FILE...]   (default: every translations/velmira_*.ts)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
files=()
for arg in "$@"; do
  case "$arg" in
    -*) echo "usage: $0 [TS-FILE...]" >&2; exit 2 ;;
    *) files+=("$arg") ;;
  esac
done
if [ ${#files[@]} -eq 0 ]; then
  files=("$top"/translations/velmira_*.ts)
fi
"$top/scripts/need-packages.sh" python3 qt6-l10n-tools >&2
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0

# 1. The entries match the code: lupdate over a copy changes nothing.
for file in "${files[@]}"; do
  copy="$scratch/$(basename "$file")"
  cp "$file" "$copy"
  "$top/scripts/update-translations.sh" "$copy" 2>/dev/null
  if ! cmp -s "$file" "$copy"; then
    echo "$file: does not match the texts in the code (run scripts/update-translations.sh):"
    diff -u "$file" "$copy" | sed -n '3,200p' | grep '^[-+]' | head -12 || true
    failed=1
  fi
done

# 2. Each entry: finished, not empty, its markers, spaces, line breaks and access key kept.
python3 - "${VELMIRA_KNOWN_CLASHES:-$top/translations/access-key-clashes.txt}" "${files[@]}" <<'PY' || failed=1
import re, sys
import xml.etree.ElementTree as ET

markers = re.compile(r"%(?:L?[1-9]|n)")
faults = 0

def access_key(text):
    # The letter after an & that is not doubled (a doubled one stands for a plain "&").
    found = re.search(r"&(\S)", text.replace("&&", ""))
    return found.group(1).lower() if found else None

def edges(text):
    lead = re.match(r"[ \t\r\n]*", text).group(0)
    trail = re.search(r"[ \t\r\n]*$", text).group(0)
    return lead, trail

def breaks(text):
    return text.count("\r") + text.count("\n")

# Texts made in one context and shown in another's window: the check's fixes are captions of
# buttons in the Check Sprays window.
shown_in = {"SprayCheck": "velmira::CheckSpraysDialog"}

def window_or_menu(name, comment):
    # A menu's texts say which menu in their comment; a window's have none or another one.
    if comment.endswith(" menu"):
        return name, comment
    return shown_in.get(name, name), "its window"

def clashes(keyed):
    # keyed: (context, comment, source, text) -> each pair of texts on one key in one place,
    # as (place, first source, second source, key).
    found = []
    places = {}
    for name, comment, source, text in keyed:
        key = access_key(text)
        if key is None:
            continue
        held = places.setdefault(window_or_menu(name, comment), {})
        if key in held and held[key] != source:
            found.append((window_or_menu(name, comment), held[key], source, key))
        held.setdefault(key, source)
    return found

known = {}
with open(sys.argv[1], encoding="utf-8") as listed:
    for line in listed:
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        name, place, first, second = [part.strip() for part in line.split(" | ")]
        known[(name, place, frozenset((first, second)))] = False

def report(where, place, first, second, key):
    global faults
    entry = (place[0], place[1], frozenset((first, second)))
    # Only the English texts wait for their fix: a translation can be given other keys now.
    if where == "English" and entry in known:
        known[entry] = True
        print('%s: %s: %s: "%s" and "%s" share the access key "%s" (known: '
              'access-key-clashes.txt)' % (where, place[0], place[1], first,
                                                             second, key), file=sys.stderr)
        return
    faults += 1
    print('%s: %s: %s: "%s" and "%s" share the access key "%s"' % (
        where, place[0], place[1], first, second, key))

english_checked = False
for path in sys.argv[2:]:
    unfinished = total = 0
    keyed = []
    english = []
    # lupdate writes a control character (the program's CR line separator) as an element.
    text = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', r"&#x\1;", open(path, encoding="utf-8").read())
    root = ET.fromstring(text.encode("utf-8"))
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type", "")
            if kind in ("obsolete", "vanished"):
                continue
            total += 1
            if message.get("numerus") != "yes" and access_key(source):
                english.append((name, message.findtext("comment") or "", source, source))
            forms = translation.findall("numerusform") if message.get("numerus") == "yes" \
                else [translation]
            texts = [form.text or "" for form in forms]
            where = '%s: %s: "%s"' % (path, name, source.replace("\r", "\\r").replace("\n", "\\n"))
            def fault(what):
                global faults
                faults += 1
                print("%s: %s" % (where, what))
            if kind == "unfinished":
                unfinished += 1
                fault("unfinished")
                if not any(texts):
                    continue
            if not texts or not all(texts):
                fault("empty translation")
                continue
            if message.get("numerus") != "yes" and access_key(source):
                keyed.append((name, message.findtext("comment") or "", source, texts[0]))
            for text in texts:
                if sorted(markers.findall(text)) != sorted(markers.findall(source)):
                    fault('markers %s, the source has %s: "%s"' % (
                        sorted(markers.findall(text)), sorted(markers.findall(source)), text))
                if edges(text) != edges(source):
                    fault('leading or trailing spaces or line breaks differ: "%s"' % text)
                elif breaks(text) != breaks(source):
                    fault('%d line breaks, the source has %d' % (breaks(text), breaks(source)))
                if access_key(source) and not access_key(text):
                    fault('no & access key: "%s"' % text)
    if not english_checked:
        english_checked = True
        for place, first, second, key in clashes(english):
            report("English", place, first, second, key)
    for place, first, second, key in clashes(keyed):
        report(path, place, first, second, key)
    print("%s: %d of %d texts translated" % (path, total - unfinished, total), file=sys.stderr)
for (name, place, pair), seen in known.items():
    if not seen:
        print("access-key-clashes.txt: %s: %s: %s no longer clash: remove the line" % (
            name, place, " and ".join('"%s"' % text for text in sorted(pair))), file=sys.stderr)
sys.exit(1 if faults else 0)
PY

if [ "$failed" -ne 0 ]; then
  echo "check-translations: FAILED"
  exit 1
fi
echo "check-translations: every translation matches the code and its sources" >&2
