#!/usr/bin/env bash
# Times LibreOffice's conversion to PDF of the normal-format Word report of the largest project, once: the
# office application's share of producing a printed report, beside trellon-bench's figure for writing it.
# Usage: bench/convert-word-report.sh [BUILD_DIR]   (a build with TRELLON_BENCH=ON; default build-bench)
set -euo pipefail

build=${1:-build-bench}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

TRELLON_BENCH_KEEP="$out" "$build/trellon-bench" --benchmark_filter=layOutNormalReport \
  --benchmark_repetitions=1 > /dev/null

cat > "$out/fonts.conf" <<'FONTS'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="same"><family>宋体</family><prefer><family>AR PL UMing CN</family></prefer></alias>
  <alias binding="same"><family>黑体</family><prefer><family>WenQuanYi Zen Hei</family></prefer></alias>
</fontconfig>
FONTS

start=$(date +%s.%N)
FONTCONFIG_FILE="$out/fonts.conf" libreoffice --headless -env:UserInstallation="file://$out/profile" \
  --convert-to pdf --outdir "$out" "$out/largest.docx" > /dev/null 2>&1
end=$(date +%s.%N)

pages=$(pdfinfo "$out/largest.pdf" | awk '/^Pages:/ {print $2}')
size=$(stat -c %s "$out/largest.docx")
printf 'LibreOffice converts the largest normal-format report (%s bytes) to %s PDF pages in %.1f s\n' \
  "$size" "$pages" "$(echo "$end - $start" | bc -l)"
