#!/usr/bin/env bash
# The close button asks about a new game in the middle of a game; Cancel (Escape) leaves the
# board and the peg in hand as they were.
source "$(dirname "$0")/lib.sh"
start_session

learn_two_colours_and_empty_hand
place_peg "$first" i11
place_peg "$second" i13
pick_colour "$first"
pointer_to "$px" "$py"
wait_until 10 "the pointer shows the carried peg" cursor_is_not "$empty_hand"
pointer_away
wait_until 10 "row 1 shows the placed pegs" board_shows "p11=$first" "p13=$second"
before=$shot
pointer_to "$px" "$py"
carrying=$(cursor_image)

click_element kon
wait_until 20 "the new-game question opens" window_count_is 'Vore TRELLIQ' 2
prompt=$(windows_titled 'Vore TRELLIQ' | grep -vx "$main_window")
[[ "$(xprop -id "$prompt" _NET_WM_STATE)" == *_NET_WM_STATE_MODAL* ]] ||
    fail "the new-game question is not modal"
cancel_question

pointer_away
screenshot
(($(differing_pixels "$before" "$shot") == 0)) || fail "Cancel changed the window"
pointer_to "$px" "$py"
[[ "$(cursor_image)" == "$carrying" ]] || fail "the peg in hand was lost on Cancel"

echo "the question came and went; the board and the hand are unchanged"
