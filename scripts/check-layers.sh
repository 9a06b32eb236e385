#!/bin/bash
# Fails on any #include that runs against the layer order of the README:
#   common < platform < core < options < converter < filelist < batch     (sonavert_core)
#   ui < <folder>/widgets < app                                           (sonavert_gui)
# A folder may include itself and any folder below it; ui/ only common/ and
# platform/; a widgets folder every core folder, ui/ and itself; app/ everything.
# kescvt/ stands alone. tests/, bench/ and tools/ may include anything.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2
core=(common platform core options converter filelist batch)
allowed() { # allowed FROMFOLDER TOFOLDER
  local from=$1 to=$2 i
  [ "$from" = "$to" ] && return 0
  case $from in
    app) return 0 ;;
    ui) [[ $to == common || $to == platform ]]; return ;;
    */widgets) [[ $to == ui ]] && return 0
               for i in "${core[@]}"; do [[ $to == "$i" ]] && return 0; done; return 1 ;;
    kescvt) return 1 ;;
  esac
  for i in "${core[@]}"; do
    [[ $i == "$to" ]] && return 0
    [[ $i == "$from" ]] && return 1
  done
  return 1
}
bad=0
while IFS= read -r hit; do
  file=${hit%%:*}
  inc=${hit#*\"}; inc=${inc%%\"*}
  from=${file%/*}
  [[ $inc == */* ]] || continue
  to=${inc%/*}
  [[ -d $to ]] || continue   # a system or third-party header
  if ! allowed "$from" "$to"; then
    echo "$file: includes $inc, against the layer order" >&2
    bad=1
  fi
done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' --include='*.cpp' --include='*.h' \
           common platform core options converter filelist batch ui app kescvt 2>/dev/null)
# The folders themselves: every source folder must have a place in the order above.
for d in */; do
  d=${d%/}
  case $d in build*|tests|bench|tools|res|man|packaging|scripts|cmake|translations|common|platform|core|options|converter|filelist|batch|ui|app|kescvt) ;;
    *) [ -n "$(find "$d" -maxdepth 2 -name '*.cpp' -print -quit)" ] && { echo "$d/: a source folder without a place in the layer order" >&2; bad=1; } ;;
  esac
done
[ $bad = 0 ] && echo "includes follow the layer order"
exit $bad
