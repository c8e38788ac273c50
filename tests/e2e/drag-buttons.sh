#!/usr/bin/env bash
# A press on one of the painted buttons never moves the window, whichever mouse button; let go
# away from the button, it does nothing at all.
source "$(dirname "$0")/lib.sh"
start_session
prepare_sync

read_geometry
home_x=$win_x home_y=$win_y
for element in about help minim kon; do
    element_centre "$element"
    for button in 1 3 2; do
        drag_from "$cx" "$cy" "$button" 50 40
        sync_with_game "the game handles the press of button $button on $element"
        window_at "$home_x" "$home_y" ||
            fail "button $button on $element moved the window to ($win_x, $win_y)"
    done
done

[[ "$(window_state)" != *_NET_WM_STATE_HIDDEN* ]] || fail "the window was minimised"
for title in 'About Vore TRELLIQ' 'Help'; do
    (($(window_count "$title") == 0)) || fail "a window \"$title\" opened"
done
(($(window_count 'Vore TRELLIQ') == 1)) || fail "the new-game question opened"

echo "presses on about, help, minim and kon left the window at ($home_x, $home_y)"
