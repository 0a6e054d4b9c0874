#!/bin/sh
# Side by side, whole process: quillmark-cli render of a month page to PNG
# against pcal piped into Ghostscript's PNG device, at 300 and 600 pixels per
# inch. Prints each side's median wall time and largest peak memory over RUNS
# runs, and the ratio of the times.
#
#   bench/render-vs-pcal.sh [BUILD_DIR] [RUNS]
#
# Needs pcal, ghostscript and GNU time (/usr/bin/time) on the machine; it
# installs nothing (on Debian: apt-get install pcal ghostscript time). Run it
# on a quiet machine: both sides are single processes on one core.
set -eu

build_dir=${1:-build}
runs=${2:-5}
cli="$build_dir/src/cli/quillmark-cli"
for tool in pcal gs /usr/bin/time "$cli"; do
  if ! command -v "$tool" >/dev/null; then
    echo "render-vs-pcal.sh: $tool is missing (needs pcal, ghostscript, time and a built quillmark-cli)" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# Runs "$@" once under GNU time; appends "seconds kilobytes" to the file $log.
measure() {
  /usr/bin/time -f '%e %M' -o "$work/one" "$@" >/dev/null 2>&1
  cat "$work/one" >>"$log"
}

# The median of the first column and the largest second column of a log.
summary() {
  sort -n "$1" | awk '{ t[NR] = $1; if ($2 > m) m = $2 } END { printf "%.3f %d", t[int((NR + 1) / 2)], m }'
}

for ppi in 300 600; do
  : >"$work/ours"
  : >"$work/theirs"
  i=0
  while [ "$i" -lt "$runs" ]; do
    log="$work/ours" measure "$cli" render "$work/ours.png" --layout 0 --paper letter --month 5 --year 2026 --ppi "$ppi"
    log="$work/theirs" measure sh -c "pcal -P letter 5 2026 | gs -q -sDEVICE=png16m -r$ppi -o '$work/theirs.png' -"
    i=$((i + 1))
  done
  set -- $(summary "$work/ours") $(summary "$work/theirs")
  awk -v ppi="$ppi" -v t1="$1" -v m1="$2" -v t2="$3" -v m2="$4" 'BEGIN {
    printf "%d ppi: quillmark-cli %.3f s %.1f MiB, pcal | gs %.3f s %.1f MiB, time ratio %.2f\n",
      ppi, t1, m1 / 1024, t2, m2 / 1024, t1 / t2 }'
done
