#!/usr/bin/env bash
# Every catalogue holds every translatable text of the sources, and every text translated.
# Usage: catalogue_check.sh LUPDATE LRELEASE SOURCE_DIR CATALOGUE...
# lupdate, run on a copy, must leave each catalogue as it is (no text new or gone); lrelease
# must report every message finished and none ignored. No translation keeps the English lines'
# spaced hyphen, which stands for no punctuation of these languages, nor three full stops for
# an ellipsis, nor a typewriter apostrophe or quote (each language sets its own); French sets a
# non-breaking space before : ; ? ! and inside « ».
set -euo pipefail
lupdate=$1 lrelease=$2 sources=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for catalogue in "$@"; do
  name=$(basename "$catalogue")
  cp "$catalogue" "$work/$name"
  "$lupdate" -silent -no-obsolete -locations none "$sources" -ts "$work/$name"
  if ! diff -u "$catalogue" "$work/$name"; then
    echo "FAIL $name: not up to date with the sources (build the target update_translations)"
    status=1
  fi
  report=$("$lrelease" "$catalogue" -qm "$work/${name%.ts}.qm")
  generated=$(sed -n 's/^ *Generated \([0-9]*\) translation(s) (\([0-9]*\) finished and \([0-9]*\) unfinished)$/\1 \2 \3/p' <<<"$report")
  read -r total finished unfinished <<<"${generated:-0 0 0}"
  echo "$name: $total texts, $finished translated, $unfinished unfinished"
  if [ "$total" -eq 0 ] || [ "$unfinished" -ne 0 ] || grep -q 'untranslated' <<<"$report"; then
    echo "FAIL $name: $report"
    status=1
  fi
  if grep -nE '<translation>(.* | *)- ' "$catalogue"; then
    echo "FAIL $name: a spaced hyphen carried over from the English"
    status=1
  fi
  if grep -nE "<translation>.*(\.\.\.|&apos;|&quot;)" "$catalogue"; then
    echo "FAIL $name: three full stops for an ellipsis, or a typewriter apostrophe or quote"
    status=1
  fi
  if [[ $name == *_fr.ts ]] && grep -nE '<translation>.*( [:;?!»]|« )' "$catalogue"; then
    echo "FAIL $name: a breaking space where French sets a non-breaking one"
    status=1
  fi
done
exit $status
