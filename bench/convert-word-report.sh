#!/usr/bin/env bash
# Times LibreOffice's conversion to PDF of the Word reports, the office application's share of producing a printed
# report: both formats, for 100 and 250 single-point members of 124 readings and for the largest project.
# Usage: bench/convert-word-report.sh [BUILD_DIR [REPORT...]]   (a build with TRELLON_BENCH=ON; default
# build-bench; REPORT as normal-250 or yunnan-1004, default all six)
set -euo pipefail

build=${1:-build-bench}
shift || true
reports=("$@")
[ ${#reports[@]} -gt 0 ] || reports=(normal-100 normal-250 normal-1004 yunnan-100 yunnan-250 yunnan-1004)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$build/trellon-write-word-reports" "$out"

cat > "$out/fonts.conf" <<'FONTS'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="same"><family>宋体</family><prefer><family>AR PL UMing CN</family></prefer></alias>
  <alias binding="same"><family>黑体</family><prefer><family>WenQuanYi Zen Hei</family></prefer></alias>
</fontconfig>
FONTS

# One conversion first, untimed, so that the profile is set up before the timed ones.
cp "$out/yunnan-100.docx" "$out/warm-up.docx"
FONTCONFIG_FILE="$out/fonts.conf" libreoffice --headless -env:UserInstallation="file://$out/profile" \
  --convert-to pdf --outdir "$out" "$out/warm-up.docx" > /dev/null 2>&1

# Wall-clock and processor time (user and system, of LibreOffice's processes): on a shared machine the first
# follows the load, the second much less.
TIMEFORMAT='%R %U %S'
for report in "${reports[@]}"; do
  times=$( { time FONTCONFIG_FILE="$out/fonts.conf" libreoffice --headless \
    -env:UserInstallation="file://$out/profile" --convert-to pdf --outdir "$out" "$out/$report.docx" \
    > /dev/null 2>&1; } 2>&1 )
  read -r wall user system <<< "$times"
  pages=$(pdfinfo "$out/$report.pdf" | awk '/^Pages:/ {print $2}')
  size=$(stat -c %s "$out/$report.docx")
  printf '%-12s %9s bytes %5s pages %7.1f s (processor %.1f s)\n' "$report" "$size" "$pages" "$wall" \
    "$(echo "$user + $system" | bc -l)"
done
