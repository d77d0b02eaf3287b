#!/bin/sh
# Installs the Windows installer into a fresh Wine prefix, as a person would, on a 1,366 × 768 laptop
# screen whose bottom a taskbar keeps, and takes the README's Windows screenshots under Xvfb: the
# installer's pages and its question on a second install, then the installed program's windows.
#   packaging/windows-screenshots.sh [dpi [folder [installer]]]    (default: 120 docs)
# 120 dpi is Windows' 125 %. Needs wine64, xvfb, xdotool, openbox, imagemagick and the zh_CN.UTF-8
# locale (Windows' own buttons, 是/否, follow it); 宋体 is drawn with AR PL UMing.
set -eu
cd "$(dirname "$0")/.."
dpi=${1:-120}
out=$(realpath "${2:-docs}")
installer=$(realpath "${3:-build-windows/WallCalc-1.0.0-windows-x64.exe}")
PATH=$PATH:/usr/lib/wine
WINEPREFIX=$(mktemp -d)
WINEDEBUG=-all
DISPLAY=:71
LANG=zh_CN.UTF-8
export PATH WINEPREFIX WINEDEBUG DISPLAY LANG
mkdir -p "$out"
# Logical pixels of the program and of Windows at this dpi.
px() { echo $(($1 * dpi / 96)); }

Xvfb $DISPLAY -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k; kill $wm $xvfb; rm -rf "$WINEPREFIX"' EXIT
sleep 1
# The window manager leaves the taskbar's strip free, and Wine takes that as the work area.
cat >"$WINEPREFIX/openbox.xml" <<EOF
<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>0</top><bottom>$(px 40)</bottom><left>0</left><right>0</right></margins>
</openbox_config>
EOF
openbox --config-file "$WINEPREFIX/openbox.xml" >/dev/null 2>&1 &
wm=$!
wine64 wineboot -i >/dev/null 2>&1
for face in SimSun 宋体 NSimSun 新宋体; do
    wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'AR PL UMing CN' /f >/dev/null
done
wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
wineserver -w

screen() {
    import -window root /tmp/wallcalc-screen.png
    convert /tmp/wallcalc-screen.png -trim "$out/$1"
}

# The installer's pages, each left with Enter (下一步, 安装, 完成).
wine64 "$installer" >/dev/null 2>&1 &
sleep 4
screen windows-installer-welcome.png
for page in directory startmenu progress; do
    xdotool key Return
    sleep 2
    [ $page = progress ] && sleep 15
    [ $page = progress ] || screen windows-installer-$page.png
done
screen windows-installer-finish.png
xdotool key Return
sleep 2
echo "开始菜单 / Start menu:"
ls "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/挡墙计算"
echo "桌面 / desktop:"
ls "$WINEPREFIX/drive_c/users/Public/Desktop"
# A second install asks first.
wine64 "$installer" >/dev/null 2>&1 &
sleep 4
screen windows-installer-again.png
xdotool key Escape
sleep 2
wineserver -w

# A fresh start for each window, then the n-th entry of "一般工具" (0: the main window itself).
# Wine draws the title and the menu bar above the client area that xdotool reports.
program='C:\Program Files\WallCalc\WallCalcApp.exe'
shoot() {
    wineserver -k || true
    sleep 1
    wine64 "$program" >/dev/null 2>&1 &
    sleep 5
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^挡墙计算$' | head -n 1)")"
    if [ "$1" -gt 0 ]; then
        xdotool mousemove $((X + $(px 30))) $((Y - $(px 12))) click 1
        sleep 0.7
        xdotool mousemove $((X + $(px 60))) $((Y - $(px 12) + $(px 22) * $1)) click 1
        sleep 2
    fi
    screen "$2"
}
shoot 0 windows-main-window.png
shoot 1 windows-type-a-window.png
shoot 2 windows-type-b-window.png
shoot 3 windows-foundation-window.png
shoot 4 windows-takeoff-start.png
# The example take-off given on the command line, as 「打开方式」 gives it; the window fits the screen.
wineserver -k || true
sleep 1
wine64 "$program" "Z:$(pwd | tr / '\\')\\docs\\takeoff-example.csv" >/dev/null 2>&1 &
sleep 5
screen windows-takeoff-window.png
# 打印计算书… on a system without a printer.
xdotool key ctrl+p
sleep 2
screen windows-no-printer.png
