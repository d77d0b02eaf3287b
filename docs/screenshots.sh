#!/bin/sh
# Takes the README's screenshots from the real program under Xvfb: ./docs/screenshots.sh [program]
# Needs xvfb, xdotool, x11-utils, openbox, imagemagick, qt6-gtk-platformtheme and gnome-themes-extra
# from Debian.
set -eu
cd "$(dirname "$0")"
program=$(realpath "${1:-../build/app/WallCalcApp}")
display=:57
. ./desktop.sh

shoot 挡墙计算 main-window.png

choose 1
sleep 1
for value in 0.45 1.237 3.333 0.6 0.85 2.47; do typeInto "$value"; xdotool key Tab; done
xdotool key Tab
typeInto 17.65
xdotool key Tab Tab
for value in 0.5 1.3 2.9 0.6 0.9 2.3; do typeInto "$value"; xdotool key Tab; done
keyTimes shift+Tab 9
xdotool key space
shoot 挡墙计算 type-a-window.png
hover 挡墙计算 215 64
shoot 挡墙计算 type-a-marked.png

# From 计算 of Type A, Tab twice reaches 返回.
xdotool key Tab Tab space
sleep 1
choose 2
sleep 1
# The focus starts in A; Tab runs A..j, L, the results and the buttons, then A1..j1, o, o1.
for value in 0.5 0.35 2.45 3.125 0.25 0.05 5.875 0.85 2.4375 0.2 18.75; do typeInto "$value"; xdotool key Tab; done
keyTimes Tab 9
for value in 0.5 0.35 2.675 3.3125 0.25 0.05 6.2 0.85 2.5625 0.2 0.4 0.45; do typeInto "$value"; xdotool key Tab; done
keyTimes shift+Tab 15
xdotool key space
shoot 挡墙方量计算软件B类 type-b-window.png
hover 挡墙方量计算软件B类 225 160
shoot 挡墙方量计算软件B类 type-b-marked.png
# 查看 → 断面图 beside the results list, and hidden again.
xdotool key alt+v Return
shoot 挡墙方量计算软件B类 type-b-section.png
xdotool key alt+v Return
# From 计算 of Type B, Tab twice reaches 返回.
xdotool key Tab Tab space
sleep 1
choose 3
sleep 1
for value in 0.45 0.35 0.375 0.35 0.65 0.35 0.425 0.35 1.237 1.55 0.6 1.125 1.33 0.625 1.3 1.645 0.6 1.1 1.45 0.65 12.85; do
    typeInto "$value"
    xdotool key Tab
done
xdotool key Tab space
shoot 挡墙基础计算 foundation-window.png
hover 挡墙基础计算 45 304
shoot 挡墙基础计算 foundation-marked.png

# The Type A window again, in a dark colour scheme (GTK's Adwaita dark, through Qt's GTK theme).
kill $app
QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark "$program" >/dev/null 2>&1 &
app=$!
sleep 2
choose 1
sleep 1
for value in 0.45 1.237 3.333 0.6 0.85 2.47; do typeInto "$value"; xdotool key Return; done
xdotool key Escape
sleep 1
choose 1
sleep 1
shoot 挡墙计算 type-a-dark.png
