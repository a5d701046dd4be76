#!/usr/bin/env bash
# Runs scripts/check-translations.sh over this tree's translations (they must pass) and over
# copies of one of them, each with one planted fault (each must be refused, naming the fault).
set -uo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
script="$top/scripts/check-translations.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0

if ! out=$("$script" 2>&1); then
  echo "FAIL: the tree itself: $out"
  failed=1
fi

# A copy of the German file, the entries the cases change first set to a sound translation of
# their own (the test does not lean on the committed wording); each case then changes one thing.
# Entries are found by their source text.
base="$scratch/base/velmira_de.ts"
mkdir -p "$scratch/base"
plant() {  # plant OUT SOURCE TRANSLATION [ATTRIBUTES] [PYTHON-EDIT]
  python3 - "$1" "$2" "$3" "${4:-}" "${5:-}" <<'PY'
import sys, re
out, source, translation, attributes, edit = sys.argv[1:]
text = open(out, encoding="utf-8").read()
def escape(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace("\r", '<byte value="xd"/>')
if source:
    pattern = re.compile(r"(<source>" + re.escape(escape(source)) +
                         r"</source>\s*(?:<comment>[^<]*</comment>\s*)?)<translation[^>]*>(?:[^<]|<numerusform>[^<]*</numerusform>|\s)*</translation>")
    new, count = pattern.subn(lambda m: m.group(1) + "<translation%s>%s</translation>" % (
        attributes, escape(translation)), text, count=1)
    if count != 1:
        sys.exit("no entry for " + source)
    text = new
if edit:
    exec(edit)
open(out, "w", encoding="utf-8").write(text)
PY
}
cp "$top/translations/velmira_de.ts" "$base"
plant "$base" "E&xit" "&Beenden"
plant "$base" "Could not find %1" "%1 nicht gefunden"
plant "$base" "Could not find ReadMe.txt!" "ReadMe.txt nicht gefunden!"
plant "$base" " The game cannot show it." " Das Spiel kann es nicht zeigen."

check() {  # check NAME EXPECTED-TEXT
  local name="$1" expected="$2"
  if out=$("$script" "$scratch/$name/velmira_de.ts" 2>&1); then
    echo "FAIL: $name: not refused"
    failed=1
  elif [[ "$out" != *"$expected"* ]]; then
    echo "FAIL: $name: refused without saying \"$expected\": $out"
    failed=1
  else
    echo "refused as it should be: $name: $(grep -m1 -F -- "$expected" <<<"$out")"
  fi
}
case_copy() { mkdir -p "$scratch/$1"; cp "$base" "$scratch/$1/velmira_de.ts"; }

# The copy as it is passes.
case_copy sound
if ! out=$("$script" "$scratch/sound/velmira_de.ts" 2>&1); then
  echo "FAIL: the sound copy was refused: $out"
  failed=1
fi

case_copy obsolete
plant "$scratch/obsolete/velmira_de.ts" "" "" "" \
  'text = text.replace("</TS>", "<context>\n    <name>velmira::Gone</name>\n    <message>\n        <source>A text no longer in the code</source>\n        <translation>Ein Text, den es nicht mehr gibt</translation>\n    </message>\n</context>\n</TS>")'
check obsolete "does not match the texts in the code"

case_copy missing
plant "$scratch/missing/velmira_de.ts" "" "" "" \
  'text = re.sub(r"\s*<message>\s*<source>E&amp;xit</source>.*?</message>", "", text, count=1, flags=re.S)'
check missing "does not match the texts in the code"

case_copy unfinished
plant "$scratch/unfinished/velmira_de.ts" "Could not find ReadMe.txt!" "ReadMe.txt nicht gefunden!" \
  ' type="unfinished"'
check unfinished "\"Could not find ReadMe.txt!\": unfinished"

case_copy empty
plant "$scratch/empty/velmira_de.ts" "Could not find ReadMe.txt!" ""
check empty "empty translation"

case_copy marker
plant "$scratch/marker/velmira_de.ts" "Could not find %1" "Nicht gefunden"
check marker "markers [], the source has ['%1']"

# One plural form of two without its %n.
case_copy plural
plant "$scratch/plural/velmira_de.ts" "" "" "" \
  'text = text.replace("<numerusform>%n Farben</numerusform>", "<numerusform>viele Farben</numerusform>", 1)'
check plural "markers [], the source has ['%n']"

case_copy space
plant "$scratch/space/velmira_de.ts" " The game cannot show it." "Das Spiel kann es nicht zeigen."
check space "leading or trailing spaces or line breaks differ"

case_copy linebreak
plant "$scratch/linebreak/velmira_de.ts" "Could not find ReadMe.txt!" $'ReadMe.txt\rnicht gefunden!'
check linebreak "1 line breaks, the source has 0"

case_copy accelerator
plant "$scratch/accelerator/velmira_de.ts" "E&xit" "Beenden"
check accelerator "no & access key"

# Two controls of one window on one key, where the English texts have two.
case_copy samekey
plant "$scratch/samekey/velmira_de.ts" "F&it" "&Fassen"
plant "$scratch/samekey/velmira_de.ts" "Fi&ll" "&Füllen"
check samekey 'its window: "F&it" and "Fi&ll" share the access key "f"'

# Two items of one menu on one key, a capital and a small letter.
case_copy menukey
plant "$scratch/menukey/velmira_de.ts" "&File Locations..." "Spei&cherorte..."
plant "$scratch/menukey/velmira_de.ts" "Sprays Seen in &Games…" "In Spielen gesehene Sprays (&Cache)…"
check menukey 'File menu: "&File Locations..." and "Sprays Seen in &Games…" share the access key "c"'

# A menu's items and the window's own controls are reached apart: no clash between them.
case_copy menuapart
plant "$scratch/menuapart/velmira_de.ts" "&File Locations..." "Spei&cherorte..."
plant "$scratch/menuapart/velmira_de.ts" "&Help" "Hilfe (&C)"
if ! out=$("$script" "$scratch/menuapart/velmira_de.ts" 2>&1); then
  echo "FAIL: a menu item and a window's button on one key were refused: $out"
  failed=1
fi

# The menu bar's titles are the window's: a button on the key of a menu's title clashes.
case_copy menubar
plant "$scratch/menubar/velmira_de.ts" "&Help" "&Dokumentation"
check menubar 'velmira::MainWindow: its window: "&File" and "&Help" share the access key "d"'

# The check's fixes are buttons of the Check Sprays window, though made in another context.
case_copy fixbutton
plant "$scratch/fixbutton/velmira_de.ts" "&Protect" "&Schützen"
plant "$scratch/fixbutton/velmira_de.ts" "Check &Again" "&Sofort erneut prüfen"
check fixbutton 'velmira::CheckSpraysDialog: its window: "&Protect" and "Check &Again" share the access key "s"'

# An English clash waiting for its fix excuses no translation: the translation can differ now.
case_copy knownpair
plant "$scratch/knownpair/velmira_de.ts" "Fi&ll" "Fü&llen"
plant "$scratch/knownpair/velmira_de.ts" "One-colo&ur logo" "Einfarbiges &Logo" "" \
  'text = text.replace("<source>One-colo&amp;ur logo</source>", "<source>One-colour &amp;logo</source>", 1)'
printf 'velmira::MakerDialog | its window | Fi&ll | One-colour &logo\n' >"$scratch/known.txt"
VELMIRA_KNOWN_CLASHES="$scratch/known.txt" check knownpair 'velmira_de.ts: velmira::MakerDialog: its window: "Fi&ll" and "One-colour &logo" share the access key "l"'

# A clash in the English texts themselves, not among the known ones, is refused too.
case_copy english
plant "$scratch/english/velmira_de.ts" "" "" "" \
  'text = text.replace("<source>&amp;Help</source>", "<source>&amp;Flags</source>", 1)'
check english 'English: velmira::MainWindow: its window: "&File" and "&Flags" share the access key "f"'

exit "$failed"
