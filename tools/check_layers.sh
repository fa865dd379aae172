#!/usr/bin/env bash
# The layering check: the layers include one another in one direction only.
#   tools/check_layers.sh [source-root]
# Reads the #include "..." lines of every source and header; a folder that does not
# exist yet passes. Prints each include that breaks a rule and fails when there is one.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
found=0

# includes <folder>: "file:line:path" for every quoted include below the folder.
includes() {
  [ -d "$root/$1" ] || return 0
  grep -rnE --include='*.h' --include='*.hpp' --include='*.c' --include='*.cpp' --include='*.inl' \
    '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$root/$1" |
    sed -E "s|^$root/||; s|^([^:]*:[0-9]+):.*#[[:space:]]*include[[:space:]]*\"([^\"]*)\".*|\1:\2|"
}

# forbid <folder> <layers...>: the folder includes nothing from the layers named.
forbid() {
  local folder=$1; shift
  local layers=$(IFS='|'; echo "$*")
  local bad
  bad=$(includes "$folder" | grep -E ":($layers)/" || true)
  if [ -n "$bad" ]; then
    echo "$folder/ may not include from $*:"
    echo "$bad" | sed 's/^/  /'
    found=1
  fi
}

forbid platform imaging skin framed engines app
forbid imaging skin framed app engines
forbid skin framed app
forbid framed skin app

# The engines are modules of their own: besides their own headers (engines/... or a
# bare name from engines/include or their folder) they see only platform/core.
bad=$(includes engines | awk -F: '{ path = $3 } path ~ /\// && path !~ /^(engines|platform\/core)\// { print }')
if [ -n "$bad" ]; then
  echo "engines/ may include only its own headers and platform/core:"
  echo "$bad" | sed 's/^/  /'
  found=1
fi

[ "$found" -eq 0 ] && echo "layering: every include points down"
exit "$found"
