#!/bin/sh
# Makes the README's pictures of 逐桩计算 from the real program under Xvfb: the example take-off
# (takeoff-example.csv) opened through 文件 → 打开…, the window, and the calculation sheet exported
# through 文件 → 导出计算书为 PDF… (the whole sheet), kept as takeoff-sheet.pdf, with its first page.
#   ./docs/takeoff.sh [program]     Needs what screenshots.sh needs, and poppler-utils.
set -eu
cd "$(dirname "$0")"
program=$(realpath "${1:-../build/app/WallCalcApp}")
display=:58
. ./desktop.sh

# From the main window, 逐桩计算 is the entry after the three calculators.
xdotool search --onlyvisible --name 逐桩计算 >/dev/null || { choose 4; sleep 1; }
xdotool windowactivate --sync "$(window 逐桩计算)"
xdotool key ctrl+o
sleep 1.5
typeInto "$(pwd)/takeoff-example.csv"
xdotool key Return
sleep 1
xdotool windowsize "$(window 逐桩计算)" 1300 680
shoot 逐桩计算 takeoff-window.png

rm -f takeoff-sheet.pdf  # no question about writing over the last one
xdotool key ctrl+shift+s
sleep 1
xdotool key Return  # the whole sheet, not the summary alone
sleep 1.5
typeInto "$(pwd)/takeoff-sheet.pdf"
xdotool key Return
sleep 1.5
pdftoppm -png -r 80 -f 1 -l 1 -singlefile takeoff-sheet.pdf takeoff-sheet

# A Type B take-off holding one entry of each kind to check: the list under the table, the section
# of a flagged station beside it.
xdotool key ctrl+o
sleep 1
typeInto "$(pwd)/takeoff-checks.csv"
xdotool key Return
sleep 1.5
xdotool key ctrl+Home
keyTimes Down 2
keyTimes Tab 8
sleep 0.5
shoot 逐桩计算 takeoff-checks.png
