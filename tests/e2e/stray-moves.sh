#!/usr/bin/env bash
# Presses on the bare skin that end before the pointer moves leave nothing behind: after instant
# taps the window stays where it is, no grab remains and the next click reaches the game. A move
# with the right button cut short by minimising the window is over once the window is back.
source "$(dirname "$0")/lib.sh"
start_session
prepare_sync

read_geometry
home_x=$win_x home_y=$win_y
point_of bare_skin
for tap in 1 2 3 4 5; do
    pointer_to "$px" "$py"
    xdotool click 1 mousemove_relative 60 40
    sync_with_game "a press on the tray reaches the game after tap $tap on the skin"
    window_at "$home_x" "$home_y" ||
        fail "after tap $tap on the skin the window followed the pointer to ($win_x, $win_y)"
    "$helpers/grab-probe" || fail "a grab remains after tap $tap on the skin"
done

pointer_to "$px" "$py"
xdotool mousedown 3 sleep 0.1 mousemove_relative 30 20
wait_until 10 "button 3 moves the window" window_at "$((home_x + 30))" "$((home_y + 20))"
xdotool windowminimize "$main_window"
wait_until 10 "the window is minimised with button 3 held" minimised
xdotool mouseup 3
xdotool windowactivate "$main_window"
wait_until 10 "the window is back" eval '! minimised && find_main_window'
read_geometry
home_x=$win_x home_y=$win_y
# A press on a hole never moves the window, whatever the press before it left undone.
element_centre i11
pointer_to "$cx" "$cy"
xdotool mousedown 1 sleep 0.1 mousemove_relative 100 20 mouseup 1
ping_game
window_at "$home_x" "$home_y" ||
    fail "after the interrupted move a drag from i11 took the window to ($win_x, $win_y)"
sync_with_game "a press on the tray reaches the game after the interrupted move"

click_element about
wait_until 20 "the About dialog opens" window_count_is 'About Vore TRELLIQ' 1

echo "five taps and an interrupted move left the window at ($home_x, $home_y)"
