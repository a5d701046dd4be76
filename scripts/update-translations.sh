#!/usr/bin/env bash
# Brings the translation sources up to date with the texts in the code: a new text gets an
# unfinished entry, a text no longer in the code loses its entry. Locations are left out, so
# that a file changes only when its texts do.
#   scripts/update-translations.sh              every language's file in translations/
#   scripts/update-translations.sh TS-FILE...   these files (scripts/check-translations.sh
#                                               updates copies with it)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/need-packages.sh" qt6-l10n-tools >&2
lupdate=/usr/lib/qt6/bin/lupdate
# The program's languages besides English, the source language.
languages=(ru zh_CN es pt_BR de fr pl)
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  for code in "${languages[@]}"; do files+=("$top/translations/velmira_$code.ts"); done
fi
cd "$top"
for file in "${files[@]}"; do
  # The language from the name (velmira_pt_BR.ts: pt_BR), so that a copy of any name works.
  code="$(basename "$file" .ts)"; code="${code#*_}"
  "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h -source-language en \
    -target-language "$code" src tools -ts "$file" >&2
done
