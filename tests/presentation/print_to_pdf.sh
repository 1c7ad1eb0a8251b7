#!/usr/bin/env bash
# Prints the table and the plot of a year on the default printer (the CUPS
# PDF queue that scripts/test starts) and checks the PDFs that come out:
# their page counts and, for the table, the text on its pages. A picture of
# the first page of each is left in the build folder to be looked at.
# Then Zelmora.exe prints both views with its PRINT command, from the
# command line, as a script would.
# Usage: print_to_pdf.sh TEST_EXE PDF_DIR PICTURE_DIR ZELMORA_EXE
set -euo pipefail
exe=$1 pdfs=$2 pictures=$3 program=$4
command -v pdfinfo >/dev/null || { echo "poppler-utils missing"; exit 1; }
lpstat -d 2>/dev/null | grep -q "system default destination" || { echo "no default printer"; exit 1; }
mkdir -p "$pdfs" "$pictures"
rm -f "$pdfs"/Zelmora_Table_Test*.pdf "$pdfs"/Zelmora_Plot_Test*.pdf "$pdfs"/Zelmora_Time*.pdf
wine "$exe" --gtest_filter='PrintToPdf.*'

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

table=$(wait_for Zelmora_Table_Test)
plot=$(wait_for Zelmora_Plot_Test)
echo "table: $table, $(pages "$table") pages; plot: $plot, $(pages "$plot") pages"
[ "$(pages "$plot")" = 1 ] || fail "the plot takes one page"
n=$(pages "$table")
[ "$n" -ge 4 ] || fail "a year's table takes several pages, not $n"
text=$(pdftotext -layout "$table" - | tr -d "\f")
# (pdftotext reads the printed minus signs as soft hyphens: the checks stop short of them.)
for want in "Program Information" "Sun Times: Time of Day" "Latitude = 40.6883, Longitude = " \
            "05:00) Eastern Standard Time" " 1/01/2016" "12/31/2016"; do
  grep -qF -- "$want" <<<"$text" || fail "the table's pages lack \"$want\""
done
# Every day once, in order, none lost between pages.
days=$(grep -cE '^ *[0-9]{1,2}/[0-9]{2}/2016 ' <<<"$text")
[ "$days" = 366 ] || fail "366 rows expected, $days printed"
first_page=$(pdftotext -f 1 -l 1 "$table" -)
grep -qF "Program Information" <<<"$first_page" || fail "the first page is not the table's start (a blank page in front?)"
pdftoppm -r 50 -f 1 -l 1 -png "$table" "$pictures/printed-table"
pdftoppm -r 50 -f 1 -l 1 -png "$plot" "$pictures/printed-plot"
echo "Pictures: $pictures/printed-table-1.png $pictures/printed-plot-1.png"

# The PRINT command: the table, then the plot, each as the document
# "Zelmora_Time" (the name Save As offers), from a folder of the program's own.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/Zelmora.exe"
(cd "$folder" && wine Zelmora.exe "VIEW=TABLE;PRINT;EXIT")
batch_table=$(wait_for Zelmora_Time)
mv "$batch_table" "$pdfs/table-from-command-line.pdf"
(cd "$folder" && wine Zelmora.exe "VIEW=PLOT;PRINT;EXIT")
batch_plot=$(wait_for Zelmora_Time)
batch_table="$pdfs/table-from-command-line.pdf"
echo "command line: table $(pages "$batch_table") pages, plot $(pages "$batch_plot") pages"
[ "$(pages "$batch_plot")" = 1 ] || fail "PRINT of the plot takes one page"
[ "$(pages "$batch_table")" -ge 4 ] || fail "PRINT of the table takes several pages"
year=$(date +%Y)
text=$(pdftotext -layout "$batch_table" - | tr -d "\f")
rows=$(grep -cE "^ *[0-9]{1,2}/[0-9]{2}/$year " <<<"$text")
[ "$rows" -ge 365 ] || fail "PRINT of the table printed $rows rows of $year"
grep -qF "Program Information" <<<"$text" || fail "PRINT of the table lacks its head"
rm -f "$batch_table" "$batch_plot"
