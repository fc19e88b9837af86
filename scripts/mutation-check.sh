#!/usr/bin/env bash
# Mutation check: plants one small fault at a time in the logic (a flipped comparison, a dropped
# condition, a changed constant), builds, runs the tests and records whether they notice.
# Not part of CI. Run it in a throw-away clone: each mutant edits a source file in place and the
# file is put back afterwards.
#
#   scripts/mutation-check.sh [mutants-file] [build-dir] > tally.txt
#
# Mutants file: <file> TAB <line> TAB <text> TAB <replacement>; blank lines and "#" lines are
# skipped. The real-MAME tests are left out: they are slow, and a check that compares two versions
# of the other tests needs only those. Output: one line per mutant, then the tallies.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mutants=${1:-$root/tests/mutants.txt}
build=${2:-$root/build-mutation}
jobs=$(nproc)

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SHARED_CORE=ON \
  -DCMAKE_LINK_DEPENDS_NO_SHARED=ON > /dev/null || exit 1
cmake --build "$build" -j"$jobs" > /dev/null || { echo "The unchanged tree does not build." >&2; exit 1; }
run_tests() {
  (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j"$jobs" -LE realmame --timeout 60 \
    --stop-on-failure > /dev/null 2>&1)
}
build_core() { cmake --build "$build" --target velmora_core -j"$jobs" > /dev/null 2>&1; }
run_tests || { echo "The unchanged suite fails." >&2; exit 1; }

killed=0 survived=0 unusable=0 number=0
saved=$(mktemp)
previous=""
while IFS=$'\t' read -r file line text replacement; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  number=$((number + 1))
  # The last mutant's file is back as it was; rebuild before mutating another file.
  [[ -n "$previous" && "$previous" != "$file" ]] && build_core
  previous=$file
  cp "$root/$file" "$saved"
  TEXT=$text REPLACEMENT=$replacement \
    perl -i -pe "if (\$. == $line) { s/\\Q\$ENV{TEXT}\\E/\$ENV{REPLACEMENT}/ }" "$root/$file"
  if cmp -s "$root/$file" "$saved"; then
    status="not applied"; unusable=$((unusable + 1))
  elif ! build_core; then
    status="does not build"; unusable=$((unusable + 1))
  elif run_tests; then
    status="SURVIVED"; survived=$((survived + 1))
  else
    by=$(sed -n 's/^[0-9]*://p' "$build/Testing/Temporary/LastTestsFailed.log" | head -1)
    status="killed by $by"; killed=$((killed + 1))
  fi
  cp "$saved" "$root/$file"
  printf '%2d %s:%s  %s -> %s  %s\n' "$number" "$file" "$line" "$text" "$replacement" "$status"
done < "$mutants"
[[ -n "$previous" ]] && build_core
rm -f "$saved"
echo "mutants: $number, killed: $killed, survived: $survived, not usable: $unusable"
