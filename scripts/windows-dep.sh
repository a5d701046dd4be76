#!/usr/bin/env bash
# Sourced by the scripts that build a library for Windows into the Windows cache once
# (build-windows-heif.sh, build-windows-imageformats.sh). The caller sets
#   what      what is built, for messages ("libheif")
#   entry     the cache entry's folder (named by version and recipe)
#   mark      a file inside it that only a whole build has
#   ready     a ready archive made with --pack, or empty
# then calls windows_dep_start "$@" (which ends the script when the entry is there, has been
# unpacked from $ready, or --pack FILE was asked for), builds into $prefix ($entry.part) with
# quietly, and calls windows_dep_done. The entry's folder is the one thing printed on standard
# output; everything else goes to standard error.
exec 3>&1 1>&2
say() { echo "$(basename "$0" .sh): $*"; }
give_folder() { echo "$entry" >&3; }

windows_dep_start() {
  if [ "${1:-}" = --pack ]; then
    [ -n "${2:-}" ] || { echo "usage: $(basename "$0") --pack FILE" >&2; exit 2; }
    local file=$2
    shift 2
    "$0" "$@" >/dev/null
    tar -cJf "$file" -C "$(dirname "$entry")" "$(basename "$entry")"
    say "wrote $file"
    exit 0
  fi
  if [ -f "$entry/$mark" ]; then give_folder; exit 0; fi
  rm -rf "$entry" "$entry.part"
  prefix="$entry.part"
  if [ -n "$ready" ]; then
    say "unpacking $what for Windows from $ready"
    mkdir -p "$prefix"
    tar -xJf "$ready" -C "$prefix" --strip-components=1
    [ -f "$prefix/$mark" ] || { say "$ready holds no $what for Windows"; rm -rf "$prefix"; exit 1; }
    mv "$prefix" "$entry"
    give_folder
    exit 0
  fi
  mkdir -p "$prefix"
  # The builds' own output goes to a log; its end is shown when a step fails.
  log="$entry.log"
  : >"$log"
}

quietly() {
  "$@" >>"$log" 2>&1 || { tail -40 "$log" >&2; say "failed: $* (whole log: $log)"; exit 1; }
}

windows_dep_done() {
  mv "$prefix" "$entry"
  rm -f "$log"
  say "built in $entry"
  give_folder
}
