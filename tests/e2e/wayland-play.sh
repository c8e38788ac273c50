#!/usr/bin/env bash
# The game under weston at a whole scale (the third argument), played with real input: the
# player picks pegs (the pointer shows them at the board pegs' size, and presses on the edge
# pixels of tray pixels take the colour shown), drops them, confirms a row, drags the window with
# either button and cancels the close question with Escape. One game start.
compositor=weston
scale=${3:?usage: $0 GAME-EXECUTABLE HELPER-FOLDER SCALE}
readonly compositor scale
source "$(dirname "$0")/nested-compositor.sh"

# colour_in AREA-VAR COLOUR: "count width height" of a peg colour in an element's box of the
# game's window, in the latest picture.
colour_in() {
    local var=box_$1 x y w h
    read -r x y w h <<<"${!var}"
    "$helpers/skin-probe" colour "$shot" "$((win_x + x))" "$((win_y + y))" "$w" "$h" "$2"
}
# shows COLOUR LABEL: the display LABEL shows a peg of COLOUR (a sixteenth of its pixels at least).
shows() {
    park_shot
    read -r count _ <<<"$(colour_in "$2" "$1")"
    ((count > peg_device_size * peg_device_size / 16))
}
pick() {
    local var=deep_$1 x y
    read -r x y <<<"${!var}"
    device_click "$x" "$y"
}

# A peg in the hand shows as the pointer, at the size of the same peg on the board.
read -r bare_x bare_y <<<"$bare_device"
pointer_area() {
    local half=$((peg_device_size))
    "$helpers/skin-probe" colour "$shot" "$((win_x + bare_x - half))" "$((win_y + bare_y - half))" \
        "$((2 * half))" "$((2 * half))" "$1"
}
pointer_shows() {
    output_shot
    read -r count width height <<<"$(pointer_area "$1")"
    ((count > peg_device_size * peg_device_size / 16))
}
pick 5
xdotool mousemove "$((win_x + bare_x))" "$((win_y + bare_y))"
wait_until 10 "the pointer shows the blue peg" pointer_shows 5
pointer_size="$width $height"

# Drops into the first row, which confirmed opens the second.
click_centre i11
wait_until 10 "p11 shows the blue peg" shows 5 p11
read -r _ width height <<<"$(colour_in p11 5)"
read -r pointer_width pointer_height <<<"$pointer_size"
((pointer_width - width <= scale && width - pointer_width <= scale &&
    pointer_height - height <= scale && height - pointer_height <= scale)) ||
    fail "the blue of the pointer spans ${pointer_size/ /x}, of the peg on the board ${width}x$height"
# Presses on the first or last device pixel of tray pixels, where a press read as rounded, or
# floored without following the painting, would take another colour (on a scaled output).
for colour in $(tray_colours); do
    var=edge_$colour
    [[ -n "${!var:-}" ]] || continue
    read -r x y <<<"${!var}"
    device_click "$x" "$y"
    xdotool mousemove "$((win_x + bare_x))" "$((win_y + bare_y))"
    wait_until 10 "a press at device pixel ($x, $y) of a tray pixel of colour $colour takes it" \
        pointer_shows "$colour"
done

# Blue twice: the code's four colours differ, so this row cannot solve the game and close row 2.
for pair in 2:i12 3:i13 5:i14; do
    pick "${pair%%:*}"
    click_centre "${pair#*:}"
done
wait_until 10 "p14 shows the blue peg" shows 5 p14
click_centre ok_5
pick 6
xdotool mousemove "$((win_x + bare_x))" "$((win_y + bare_y))"
wait_until 10 "the pointer shows the green peg" pointer_shows 6
click_centre i21
wait_until 10 "after the first row's confirm, p21 takes the green peg" shows 6 p21

# A press on the skin that the pointer leaves by less than the drag distance moves nothing.
xdotool mousemove "$((win_x + bare_x))" "$((win_y + bare_y))" mousedown 1 sleep 0.6 \
    mousemove_relative -- "$((3 * scale))" "$((2 * scale))" sleep 0.2 mouseup 1
settle "after a press that barely moves"
read -r bx by _ < <(content_box)
((bx - skin_box_x * scale == win_x && by - skin_box_y * scale == win_y)) ||
    fail "a press moved by less than the drag distance moved the window to ($bx, $by)"
# Drags with the left and the right button: the first step, past the drag distance, starts the
# move, and the compositor moves the window with the pointer from there on, once the game has
# asked it to, which on a busy machine (the suite runs side by side) takes a while.
step=$((12 * scale))
for drag in "1 $((40 * scale)) $((-30 * scale))" "3 $((-60 * scale)) $((20 * scale))"; do
    read -r button dx dy <<<"$drag"
    from_x=$win_x from_y=$win_y
    xdotool mousemove "$((win_x + bare_x))" "$((win_y + bare_y))" mousedown "$button" sleep 0.6 \
        mousemove_relative -- "$step" 0 sleep 0.4 mousemove_relative -- "$dx" "$dy" sleep 0.2 \
        mouseup "$button"
    moved() {
        park_shot
        read -r bx by _ < <(content_box) || return 1
        win_x=$((bx - skin_box_x * scale)) win_y=$((by - skin_box_y * scale))
        ((win_x - from_x - dx >= 0 && win_x - from_x - dx <= step && win_y == from_y + dy))
    }
    wait_until 10 "a drag with button $button moves the window by ($dx, $dy)" moved
done
settle "after the drags"
cp "$rest_shot" "$board_shot"

# The close question, answered Cancel with Escape.
click_centre kon
wait_until 20 "the close question opens" side_window_opens
wait_until 20 "the close question closes on Escape" closes_on Escape
still_sound
echo "x$scale: picked, dropped, confirmed, dragged, cancelled"
