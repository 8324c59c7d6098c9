#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks that it holds every file a system installation needs,
# and runs the command-line tool from the unpacked package on the bundled sample: it must find its report
# templates through the installed layout.
set -euo pipefail

build=$1
source=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/out/trellon_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb"

listing=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for file in \
  /usr/bin/trellon /usr/bin/trellon-cli /usr/bin/trellon-sim \
  /usr/share/trellon/templates/报告样本.docx /usr/share/trellon/templates/云南报告.docx \
  /usr/share/trellon/help/index.html \
  /usr/share/applications/trellon.desktop /usr/share/icons/hicolor/scalable/apps/trellon.svg \
  /usr/share/mime/packages/trellon.xml /usr/lib/udev/rules.d/70-trellon-instrument.rules \
  /usr/share/man/man1/trellon.1.gz /usr/share/man/man1/trellon-cli.1.gz /usr/share/man/man1/trellon-sim.1.gz \
  /usr/share/bash-completion/completions/trellon-cli \
  /usr/share/doc/trellon/copyright /usr/share/doc/trellon/changelog.gz; do
  grep -qxF "$file" <<< "$listing" || fail "the package lacks $file"
done
for translation in "$build"/translations/*.qm; do
  [ -e "$translation" ] || continue
  grep -qxF "/usr/share/trellon/translations/$(basename "$translation")" <<< "$listing" ||
    fail "the package lacks the translation $(basename "$translation")"
done

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libusb-1.0-0 libxlsxwriter libzip fonts-arphic-uming fonts-wqy-zenhei fonts-arphic-ukai; do
  grep -q "$needed" <<< "$depends" || fail "Depends lacks $needed: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
cli="$root/usr/bin/trellon-cli"
[ "$("$cli" --version)" = "trellon-cli $version" ] || fail "trellon-cli --version: $("$cli" --version)"
sample="$source/data/samples/site-survey.gj"
"$cli" show "$sample" > "$work/show.txt" || fail "show"
grep -q "1001" "$work/show.txt" || fail "show printed no member"
# Run from elsewhere, so that nothing of the build tree can be found beside the program.
(cd "$work" && "$cli" docx "$sample" -o "$work/report.docx") || fail "docx"
unzip -p "$work/report.docx" word/document.xml | grep -q "1001" || fail "the report holds no member"
(cd "$work" && "$cli" pdf "$sample" -o "$work/pages.pdf") || fail "pdf"
pages=$(pdfinfo "$work/pages.pdf" | awk '/^Pages:/ {print $2}')
[ "${pages:-0}" -ge 1 ] || fail "the PDF has no page"
(cd "$work" && "$cli" evaluate "$sample" --pdf "$work/evaluation.pdf") || fail "evaluate --pdf"
pdftotext "$work/evaluation.pdf" - | tr -d ' \n' | grep -q "钢筋保护层厚度检验评定" || fail "the evaluation report has no title"
echo "package $deb: $(wc -l <<< "$listing") entries, show/docx/pdf from the unpacked tree"
