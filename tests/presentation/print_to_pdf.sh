#!/usr/bin/env bash
# Zelmora.exe prints the table and the plot of this year with its PRINT
# command, from a folder of its own, on the default printer (the CUPS PDF
# queue that scripts/test starts), each as the document "Zelmora_Time" (the
# name Save As offers). Checks the PDFs that come out: their page counts
# and, for the table, the text on its pages. A picture of the first page of
# each is left in the build folder to be looked at.
# Usage: print_to_pdf.sh PDF_DIR PICTURE_DIR ZELMORA_EXE
set -euo pipefail
pdfs=$1 pictures=$2 program=$3
command -v pdfinfo >/dev/null || { echo "poppler-utils missing"; exit 1; }
lpstat -d 2>/dev/null | grep -q "system default destination" || { echo "no default printer"; exit 1; }
mkdir -p "$pdfs" "$pictures"
rm -f "$pdfs"/Zelmora_Time*.pdf

# The queue writes the files a moment after the job is handed over.
wait_for() {
  local i f
  for i in $(seq 1 150); do
    f=$(ls "$pdfs"/$1*.pdf 2>/dev/null | head -1)
    if [ -n "$f" ] && pdfinfo "$f" >/dev/null 2>&1; then echo "$f"; return 0; fi
    sleep 0.2
  done
  echo "no PDF named $1 in $pdfs" >&2
  return 1
}
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
fail() { echo "FAILED: $*"; exit 1; }

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/Zelmora.exe"
(cd "$folder" && wine Zelmora.exe "UPDATESITE=OFF;VIEW=TABLE;PRINT;EXIT")
table="$pdfs/printed-table.pdf"
mv "$(wait_for Zelmora_Time)" "$table"
rm -f "$pdfs"/Zelmora_Time*.pdf
(cd "$folder" && wine Zelmora.exe "UPDATESITE=OFF;VIEW=PLOT;PRINT;EXIT")
plot="$pdfs/printed-plot.pdf"
mv "$(wait_for Zelmora_Time)" "$plot"
echo "table: $(pages "$table") pages; plot: $(pages "$plot") pages"
[ "$(pages "$plot")" = 1 ] || fail "the plot takes one page"
n=$(pages "$table")
[ "$n" -ge 4 ] || fail "a year's table takes several pages, not $n"
year=$(date +%Y)
text=$(pdftotext -layout "$table" - | tr -d "\f")
# (pdftotext reads the printed minus signs as soft hyphens: the checks stop short of them.)
for want in "Program Information" "Sun Times: Time of Day" "Latitude = 40.6883, Longitude = " \
            " 1/01/$year" "12/31/$year"; do
  grep -qF -- "$want" <<<"$text" || fail "the table's pages lack \"$want\""
done
# Every day once, none lost between pages.
days=$(grep -cE "^ *[0-9]{1,2}/[0-9]{2}/$year " <<<"$text")
[ "$days" = "$(date -d "$year-12-31" +%-j)" ] || fail "a row for each day of $year expected, $days printed"
first_page=$(pdftotext -f 1 -l 1 "$table" -)
grep -qF "Program Information" <<<"$first_page" || fail "the first page is not the table's start (a blank page in front?)"
pdftoppm -r 50 -f 1 -l 1 -png "$table" "$pictures/printed-table"
pdftoppm -r 50 -f 1 -l 1 -png "$plot" "$pictures/printed-plot"
echo "Pictures: $pictures/printed-table-1.png $pictures/printed-plot-1.png"
rm -f "$table" "$plot"
