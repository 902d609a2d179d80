#!/usr/bin/env bash
# Opens each HTML page that make-docs.sh builds in headless Chromium at 800
# and 1280 pixels wide and reports what a reader would see wrong: a page
# that scrolls sideways, a block wider than it shows (cut off or behind a
# scroll bar), a word set as spaced italic letters (eff, new) or a literal
# underscore outside code. Chromium is not a build dependency, so this is
# run by hand (apt-get install chromium), not by make test.
#   check-pages.sh [PAGES_DIR]   (default: builds the pages into build/docs)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
browser="$(command -v chromium || command -v chromium-browser || true)"
[ -n "$browser" ] || { echo "check-pages: chromium not found (apt-get install chromium)" >&2; exit 1; }
pages="${1:-$root/build/docs}"
[ $# -ge 1 ] || "$root/scripts/make-docs.sh" "$pages" >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Measured after load; the findings go into the DOM that Chromium dumps.
cat >"$work/probe.html" <<'PROBE'
<script>
window.addEventListener("load", () => {
  const found = [];
  const width = document.documentElement.clientWidth;
  const name = (e) => e.tagName.toLowerCase() + (e.id ? "#" + e.id : "") +
    ' "' + (e.textContent || "").trim().slice(0, 40).replace(/\s+/g, " ") + '"';
  if (document.documentElement.scrollWidth > width) {
    found.push("page scrolls sideways: " + document.documentElement.scrollWidth + " > " + width);
  }
  for (const e of document.body.querySelectorAll("*")) {
    if (e.closest(".full-size")) continue;  // the figure's own-size view
    const box = e.getBoundingClientRect();
    if (box.width > 0 && box.right > width + 1) {
      found.push("beyond the right edge (" + Math.round(box.right) + "): " + name(e));
    }
    if (e.scrollWidth > e.clientWidth + 1 && getComputedStyle(e).overflowX !== "visible") {
      found.push("hides part of itself (" + e.scrollWidth + " > " + e.clientWidth + "): " + name(e));
    }
  }
  for (const m of document.querySelectorAll("mi + mi")) {
    if (m.closest("mstyle[mathvariant=normal]")) found.push("spaced letters: " + name(m.parentElement));
  }
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  while (walker.nextNode()) {
    const node = walker.currentNode;
    if (node.textContent.includes("_") && !node.parentElement.closest("code, pre, annotation, script, style")) {
      found.push("literal underscore: " + name(node.parentElement));
    }
  }
  document.body.setAttribute("data-findings", JSON.stringify(found));
});
</script>
PROBE

problems=0
for page in "$pages"/*.html; do
  for size in 800 1280; do
    probe="$work/$(basename "$page")"
    awk -v probe="$work/probe.html" \
      '/<\/body>/ { while ((getline line < probe) > 0) print line; close(probe) } { print }' \
      "$page" >"$probe"
    dom="$("$browser" --headless --no-sandbox --disable-gpu --disable-background-networking \
      --disable-component-update --disable-sync --no-first-run --user-data-dir="$work/profile" \
      --window-size="$size,1000" --virtual-time-budget=3000 --dump-dom "file://$probe" 2>/dev/null)"
    findings="$(printf '%s' "$dom" | sed -n 's/.*data-findings="\([^"]*\)".*/\1/p' | head -1)"
    if [ -z "$findings" ]; then
      echo "$(basename "$page") at $size px: not measured"; problems=$((problems + 1))
    elif [ "$findings" != "[]" ]; then
      echo "$(basename "$page") at $size px: $findings" | sed 's/&quot;/"/g'
      problems=$((problems + 1))
    else
      echo "$(basename "$page") at $size px: fits"
    fi
  done
done
[ "$problems" -eq 0 ]
