#!/usr/bin/env bash
# Qt's own texts (the standard buttons, the file and colour dialogs, the line edits' menu) in each
# language the program speaks (translations/velmira_<language>.ts): Qt's qtbase_<language>.qm,
# from Debian's qt6-translations-l10n, the same files for Linux and Windows. The program looks
# for them in a "translations" folder beside it.
#   qt-texts.sh copy FOLDER    copies them into FOLDER (made if need be)
#   qt-texts.sh check FOLDER   fails, naming the first that is not, unless each is in FOLDER
# Where a Qt release has one file for a language whose one country the program speaks
# (qtbase_pt for pt_BR), that file stands for it: Qt's lookup drops the country the same way.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -eq 2 ] && { [ "$1" = copy ] || [ "$1" = check ]; } ||
  { echo "usage: $0 copy|check FOLDER" >&2; exit 2; }
folder=$2
say() { echo "qt-texts: $*" >&2; }

# The file in `from` that Qt's lookup takes for `code`, or nothing.
found() {
  local from=$1 code=$2
  if [ -f "$from/qtbase_$code.qm" ]; then
    echo "$from/qtbase_$code.qm"
  elif [ -f "$from/qtbase_${code%%_*}.qm" ]; then
    echo "$from/qtbase_${code%%_*}.qm"
  fi
}

codes=()
for ts in "$top"/translations/velmira_*.ts; do
  code="${ts##*/velmira_}"
  codes+=("${code%.ts}")
done
[ ${#codes[@]} -gt 0 ] || { say "no translations/velmira_*.ts in $top"; exit 1; }

if [ "$1" = copy ]; then
  from="$(qtpaths6 --query QT_INSTALL_TRANSLATIONS 2>/dev/null || echo /usr/share/qt6/translations)"
  mkdir -p "$folder"
  for code in "${codes[@]}"; do
    qm="$(found "$from" "$code")"
    [ -n "$qm" ] || { say "Qt's own texts for $code are not in $from (Debian: qt6-translations-l10n)"; exit 1; }
    cp "$qm" "$folder/"
  done
  exit 0
fi

for code in "${codes[@]}"; do
  qm="$(found "$folder" "$code")"
  [ -n "$qm" ] || { say "$folder has no qtbase_$code.qm: Qt's own texts would be English"; exit 1; }
  # A translation file starts with Qt's sixteen magic bytes.
  [ "$(head -c 16 "$qm" | od -An -tx1 | tr -d ' \n')" = 3cb86418caef9c95cd211cbf60a1bddd ] ||
    { say "$qm is not a Qt translation file"; exit 1; }
done
