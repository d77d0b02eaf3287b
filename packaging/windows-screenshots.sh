#!/bin/sh
# Installs the Windows installer silently into a fresh Wine prefix and takes the README's Windows
# screenshots from the installed program under Xvfb: packaging/windows-screenshots.sh [installer]
# Needs wine64, xvfb, xdotool, openbox and imagemagick; 宋体 is drawn with AR PL UMing.
set -eu
cd "$(dirname "$0")/.."
installer=$(realpath "${1:-build-windows/WallCalc-1.0.0-windows-x64.exe}")
PATH=$PATH:/usr/lib/wine
WINEPREFIX=$(mktemp -d)
WINEDEBUG=-all
DISPLAY=:71
export PATH WINEPREFIX WINEDEBUG DISPLAY
Xvfb $DISPLAY -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k; kill $wm $xvfb; rm -rf "$WINEPREFIX"' EXIT
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
wine64 wineboot -i >/dev/null 2>&1
wine64 "$installer" /S '/D=C:\WallCalc'
for face in SimSun 宋体 NSimSun 新宋体; do
    wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'AR PL UMing CN' /f
done

# A fresh start for each window, then the n-th entry of "一般工具" (0: the main window itself).
# Wine draws the title and the menu bar above the client area that xdotool reports.
shoot() {
    wineserver -k || true
    sleep 1
    wine64 'C:\WallCalc\WallCalcApp.exe' >/dev/null 2>&1 &
    sleep 5
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^挡墙计算$' | head -n 1)")"
    if [ "$1" -gt 0 ]; then
        xdotool mousemove $((X + 30)) $((Y - 14)) click 1
        sleep 0.7
        xdotool mousemove $((X + 60)) $((Y - 14 + 22 * $1)) click 1
        sleep 2
    fi
    import -window root /tmp/wallcalc-screen.png
    convert /tmp/wallcalc-screen.png -trim "docs/$2"
}
shoot 0 windows-main-window.png
shoot 1 windows-type-a-window.png
shoot 2 windows-type-b-window.png
shoot 3 windows-foundation-window.png
shoot 4 windows-takeoff-start.png
# The example take-off opened through 文件 → 打开… and Wine's file dialog.
xdotool key ctrl+o
sleep 2
xdotool type --delay 20 "Z:$(pwd | tr / '\\\\')\\docs\\takeoff-example.csv"
xdotool key Return
sleep 2
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name 逐桩计算 | head -n 1)")"
xdotool windowsize "$WINDOW" 1000 560
sleep 1
import -window root /tmp/wallcalc-screen.png
convert /tmp/wallcalc-screen.png -trim docs/windows-takeoff-window.png
