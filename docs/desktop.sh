# Starts the program on its own Xvfb display with a window manager, and gives the scripts here
# their ways to drive it as a person would. Sourced with $program and $display set.
Xvfb $display -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
"$program" >/dev/null 2>&1 &
app=$!
sleep 2

window() {
    id=$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    [ -n "$id" ] || { echo "no window $1" >&2; exit 1; }
    echo "$id"
}
# From the screen rather than the window alone, so that a tooltip over the window is in the picture
# as it shows, not a black bar.
shoot() { sleep 0.7; import -screen -frame -window "$(window "$1")" "$2"; }
# Picks the n-th entry of "一般工具": a click on the menu, then on the entry.
choose() {
    geometry=$(xwininfo -id "$(window 挡墙计算)")
    x=$(echo "$geometry" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(echo "$geometry" | sed -n 's/.*Absolute upper-left Y: *//p')
    xdotool mousemove $((x + 30)) $((y + 10)) click 1
    sleep 0.5
    xdotool mousemove $((x + 60)) $((y + 10 + 22 * $1)) click 1
}
# Rests the pointer on the point x, y of the named window, so the legend marks the box there.
hover() {
    geometry=$(xwininfo -id "$(window "$1")")
    x=$(echo "$geometry" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(echo "$geometry" | sed -n 's/.*Absolute upper-left Y: *//p')
    xdotool mousemove $((x + $2)) $((y + $3))
    # Long enough for the box's tooltip to be shown and drawn, so the picture does not catch it half-way.
    sleep 1.5
}
typeInto() { xdotool key --clearmodifiers ctrl+a; xdotool type --delay 20 "$1"; }
keyTimes() { for _ in $(seq "$2"); do xdotool key "$1"; done; }

