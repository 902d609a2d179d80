#!/usr/bin/env bash
# Turns the physics pages and the two teaching guides into self-contained
# HTML pages that open offline in any browser: pictures embedded as data:
# URIs, formulas as MathML, one small stylesheet inlined, links between
# the pages leading to the HTML pages (make-docs.lua).
#   make-docs.sh OUTDIR   -> OUTDIR/Physics.html, Physics-Russian.html,
#                            Teaching-English.html, Teaching-Russian.html
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 OUTDIR" >&2; exit 2; }
out="$1"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
command -v pandoc >/dev/null || { echo "make-docs: pandoc not found (scripts/install-deps.sh)" >&2; exit 1; }

# pandoc 2.19 renamed --self-contained; Debian 12 has 2.17.
embed=(--self-contained)
if pandoc --help | grep -q -- '--embed-resources'; then
  embed=(--embed-resources --standalone)
fi

mkdir -p "$out"
convert() {  # SOURCE TARGET LANGUAGE TITLE
  pandoc "$root/docs/$1" --from markdown --to html5 --standalone "${embed[@]}" --mathml \
    --lua-filter "$root/scripts/make-docs.lua" \
    --resource-path="$root/docs" --css "$root/scripts/make-docs.css" \
    --metadata pagetitle="$4" --metadata lang="$3" -o "$out/$2"
  echo "make-docs: $out/$2"
}
convert physics.md Physics.html en "Kestrum: what it computes, and how exact it is"
convert physics.ru.md Physics-Russian.html ru "Kestrum: что он рассчитывает и насколько точно"
convert teaching.en.md Teaching-English.html en "Kestrum: teaching with it"
convert teaching.ru.md Teaching-Russian.html ru "Kestrum на лекции"
