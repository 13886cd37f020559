#!/usr/bin/env bash
# copy-dlls.sh DEST FILE...: copies into DEST every DLL the files load, directly or through each
# other, from the cross-built Qt and hidapi and the MinGW runtime; the system's own DLLs stay out.
set -euo pipefail
source "$(dirname "$0")/env.sh"
dest=$1; shift
search=("$QT_PREFIX/bin" "$HIDAPI_PREFIX/bin")
for dll in "${MINGW_RUNTIME_DLLS[@]}"; do search+=("$(dirname "$dll")"); done
queue=("$@")
declare -A seen=()
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}; queue=("${queue[@]:1}")
  for name in $($MINGW_TRIPLET-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    key=${name,,}
    [ -n "${seen[$key]:-}" ] && continue
    seen[$key]=1
    for dir in "${search[@]}"; do
      if [ -e "$dir/$name" ]; then
        cp "$dir/$name" "$dest/"
        queue+=("$dir/$name")
        break
      fi
    done
  done
done
