#!/bin/sh
# Makes the README's calculation sheets from the real program under Xvfb: each calculator's worked
# example typed in and exported through 文件 → 导出计算书为 PDF…, and the first page as a PNG.
#   ./docs/sheets.sh [program]      Needs what screenshots.sh needs, and poppler-utils.
set -eu
cd "$(dirname "$0")"
program=$(realpath "${1:-../build/app/WallCalcApp}")
display=:59
. ./desktop.sh

# Exports the calculator's sheet as docs/NAME.pdf through the save dialog, and renders its first page.
export_sheet() {
    rm -f "$1.pdf"  # no question about writing over the last one
    xdotool key ctrl+shift+s
    sleep 1.5
    typeInto "$(pwd)/$1.pdf"
    xdotool key Return
    sleep 1
    pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$1.pdf" "$1"
}

# The close box returns to the main window, as 返回 does.
back() { xdotool key alt+F4; sleep 1; }

choose 1
sleep 1
for value in 1 2 3 0.5 1.5 2; do typeInto "$value"; xdotool key Tab; done
xdotool key Tab
typeInto 10
xdotool key Tab Tab
for value in 1 3 2 1 1 3; do typeInto "$value"; xdotool key Tab; done
export_sheet sheet-type-a
back

choose 2
sleep 1
# The focus starts in A; Tab runs A..j, L, the results and the buttons, then A1..j1, o, o1.
for value in 0.5 0.5 2 4 0.25 0.125 5 0.5 2.125 0.125 10; do typeInto "$value"; xdotool key Tab; done
keyTimes Tab 9
for value in 0.5 0.5 3 4 0.25 0.125 6 0.5 2.125 0.125 0.5 0.5; do typeInto "$value"; xdotool key Tab; done
export_sheet sheet-type-b
back

choose 3
sleep 1
# Tab runs the shapes' boxes, Text1 to Text20, then the length.
for value in 3 2 - - - - - - 1 2 1 - - - - - - - - - 10; do
    [ "$value" = - ] || typeInto "$value"
    xdotool key Tab
done
export_sheet sheet-foundation
