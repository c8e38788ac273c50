#!/usr/bin/env bash
# A press of any button on the bare skin moves the window with the pointer until it is let go.
source "$(dirname "$0")/lib.sh"
start_session
prepare_sync

point_of bare_skin
# button dx dy: left, right and middle, each a different way.
for move in "1 40 30" "3 -60 25" "2 35 -45"; do
    read -r button dx dy <<<"$move"
    read_geometry
    from_x=$win_x from_y=$win_y
    drag_from "$px" "$py" "$button" "$dx" "$dy"
    to_x=$((from_x + dx)) to_y=$((from_y + dy))
    wait_until 10 "button $button moves the window by ($dx, $dy) from ($from_x, $from_y)" \
        window_at "$to_x" "$to_y"
    # The move ends with the button: the window stays when the pointer moves on, and the next
    # press reaches the game.
    xdotool mousemove_relative 30 30
    sync_with_game "a press on the tray reaches the game after the move with button $button (not \
the window manager, still moving the window after the button was let go)"
    window_at "$to_x" "$to_y" ||
        fail "after the move with button $button the window followed the pointer to ($win_x, $win_y)"
done

echo "moved with buttons 1, 3 and 2; the window is at ($win_x, $win_y)"
