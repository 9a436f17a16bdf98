#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints every report and the chart through the real printer path into PDF files
# and saves the first page of each as a PNG in docs/screenshots/.
# Usage: tools/print-samples.sh [build folder]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
command -v pdftoppm >/dev/null || { echo "pdftoppm is missing: apt-get install poppler-utils" >&2; exit 1; }
cmake --build "$build" --target quovella-print-samples
pdfs=$(mktemp -d)
trap 'rm -rf "$pdfs"' EXIT
"$build/tools/quovella-print-samples" "$pdfs"
mkdir -p "$here/docs/screenshots"
for pdf in "$pdfs"/*.pdf; do
  name=$(basename "$pdf" .pdf)
  pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" "$here/docs/screenshots/$name"
  echo "docs/screenshots/$name.png ($(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}') pages printed)"
done
