#!/usr/bin/env bash
# The game under Wayland, played with real input at a whole scale (the third argument): weston
# runs as a window of a private X server, and the pointer and keys that xdotool gives that server
# reach the game through weston. The player picks pegs (the pointer shows them at the board pegs'
# size, and presses on the edge pixels of tray pixels take the colour shown), drops them,
# confirms a row, drags the window with either button, cancels the close question with Escape,
# and opens About and Help in title bars of their own: close only, dragged, and About brought
# back to the front with the keyboard by its button.
# One game start.
readonly scale=${3:?usage: $0 GAME-EXECUTABLE HELPER-FOLDER SCALE}
readonly output_width=$((1024 * scale)) output_height=$((768 * scale))
# weston's window at the top-left corner, and a margin beside it for the pointer to wait in.
# shellcheck disable=SC2034 # read by lib.sh
screen_width=$((output_width + 16)) screen_height=$((output_height + 16))
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/weston.sh"

# Its own name, so that both scales may run at once.
readonly socket=wayland-input-$$

start_x_server
# weston heeds the pointer only once it has entered weston's window after that opened.
xdotool mousemove "$((screen_width - 1))" "$((screen_height - 1))"
write_weston_config
weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --scale="$scale" \
    --socket="$socket" --config="$work/weston.ini" --log="$work/weston.log" \
    >"$work/weston.out" 2>&1 &
weston_pid=$!
started_pids+=("$weston_pid")
weston_ready() {
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended: $(cat "$work/weston.out")"
    [[ -S "$XDG_RUNTIME_DIR/$socket" ]] &&
        xwininfo -root -children | grep -q '"Weston Compositor - screen0"'
}
wait_until 30 "weston shows its window and listens" weston_ready
eval "$("$helpers/skin-probe" facts)"
eval "$("$helpers/skin-probe" scaled-facts "$scale")"

# The pointer rests in the output's far corner, where weston draws nothing of it, whenever the
# screen is compared.
park() {
    xdotool mousemove "$((output_width - 1))" "$((output_height - 1))"
}
# output_shot: sets shot to a picture of weston's output, with the corner where the pointer
# rests painted over in the background's colour. Uncompressed: it is taken often.
output_shot() {
    shot_count=$((shot_count + 1))
    shot=$work/shot-$shot_count.ppm
    import -window root "$shot"
    convert "$shot" -crop "${output_width}x$output_height+0+0" +repage -fill "#$background_hex" \
        -draw "rectangle $((output_width - 64 * scale)),$((output_height - 64 * scale)) \
            $output_width,$output_height" "$shot"
    rm -f "$work/shot-$((shot_count - 8)).ppm"
}
# changed_box BEFORE AFTER: "x y width height" of what differs between two pictures, or nothing.
changed_box() {
    convert "$1" "$2" -compose difference -composite -threshold 0 -format '%@' info: 2>/dev/null |
        awk -F'[x+]' '$1 > 0 {print $3, $4, $1, $2}'
}
# device_click X Y [BUTTON]: a click on a device pixel of the game's window.
device_click() {
    xdotool mousemove "$((win_x + $1))" "$((win_y + $2))" click "${3:-1}"
}
click_centre() {
    local var=centre_$1
    read -r x y <<<"${!var}"
    device_click "$x" "$y"
}

# content_box: "x y width height" round what is not the background in the latest picture.
content_box() {
    convert "$shot" -transparent "#$background_hex" -format '%@' info: 2>/dev/null |
        awk -F'[x+]' '$1 > 0 {print $3, $4, $1, $2}'
}
# weston draws the pointer at its new place with its next frame.
park_shot() {
    park
    sleep 0.1
    output_shot
}
park
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket DISPLAY="" "$game" >"$work/game.out" \
    2>"$work/game.err" &
game_pid=$!
started_pids+=("$game_pid")

# Where weston put the window: the box of what is not background, less the skin's cut-away
# border.
read -r skin_box_x skin_box_y skin_box_width skin_box_height < <("$helpers/skin-probe" \
    nonkey-box)
window_found() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before it showed its window"
    output_shot
    read -r bx by bw bh < <(content_box) || return 1
    ((bw == skin_box_width * scale && bh == skin_box_height * scale)) || return 1
    win_x=$((bx - skin_box_x * scale)) win_y=$((by - skin_box_y * scale))
}
wait_until 60 "the game's window shows at x$scale" window_found

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

for pair in 2:i12 3:i13 4:i14; do
    pick "${pair%%:*}"
    click_centre "${pair#*:}"
done
wait_until 10 "p14 shows the red peg" shows 4 p14
click_centre ok_5
pick 6
click_centre i21
wait_until 10 "after the first row's confirm, p21 takes the green peg" shows 6 p21

# Drags with the left and the right button: the compositor moves the window with the pointer.
for drag in "1 $((40 * scale)) $((-30 * scale))" "3 $((-60 * scale)) $((20 * scale))"; do
    read -r button dx dy <<<"$drag"
    from_x=$win_x from_y=$win_y
    xdotool mousemove "$((win_x + bare_x))" "$((win_y + bare_y))" mousedown "$button" sleep 0.2 \
        mousemove_relative -- "$dx" "$dy" sleep 0.2 mouseup "$button"
    moved() {
        park_shot
        read -r bx by _ < <(content_box) || return 1
        ((bx - skin_box_x * scale == from_x + dx && by - skin_box_y * scale == from_y + dy))
    }
    wait_until 10 "a drag with button $button moves the window by ($dx, $dy)" moved
    win_x=$((from_x + dx)) win_y=$((from_y + dy))
done
# The board as it rests, once the compositor has drawn the window at its new place: unchanged
# for a moment.
board_shot=$work/board.ppm
cp "$shot" "$board_shot"
still_since=$SECONDS
settled() {
    park_shot
    if [[ -n "$(changed_box "$board_shot" "$shot")" ]]; then
        cp "$shot" "$board_shot"
        still_since=$SECONDS
    fi
    ((SECONDS - still_since >= 1))
}
wait_until 20 "the screen settles after the drags" settled

# side_window_opens: sets side to the box of the window that opened over the board.
side_window_opens() {
    park_shot
    side=$(changed_box "$board_shot" "$shot")
    [[ -n "$side" ]]
}
side_window_closed() {
    park_shot
    [[ -z "$(changed_box "$board_shot" "$shot")" ]]
}
# closes_on KEY: gives the side window the key, again until it closes: keys go to the window under
# the pointer once the compositor has seen the pointer there.
closes_on() {
    local x y w h
    read -r x y w h <<<"$side"
    side_window_closed && return
    xdotool mousemove "$((x + w / 2))" "$((y + h / 2))" sleep 0.2 key "$1"
    return 1
}
alive() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(tail -n 3 "$work/game.err")"
}

# The close question, answered Cancel with Escape.
click_centre kon
wait_until 20 "the close question opens" side_window_opens
wait_until 20 "the close question closes on Escape" closes_on Escape
alive

# side_window_at_size WIDTH HEIGHT: a side window of that inner size shows, under the title bar
# it paints itself, 37 pixels high: weston draws none.
side_window_at_size() {
    alive
    side_window_opens || return 1
    read -r sx sy sw sh <<<"$side"
    ((sw == $1 * scale && sh == ($2 + 37) * scale))
}
# bar_click X: a click on the side window's title bar, X pixels left of its right end.
bar_click() {
    xdotool mousemove "$((sx + sw - $1 * scale))" "$((sy + 18 * scale))" click 1 sleep 0.3
}
# A click on the game where the side window does not lie, which gives the game the keyboard.
click_game_beside_side_window() {
    local hole var x y
    for hole in i61 i14; do
        var=centre_$hole
        read -r x y <<<"${!var}"
        ((win_x + x < sx || win_x + x >= sx + sw || win_y + y < sy || win_y + y >= sy + sh)) &&
            device_click "$x" "$y" && return
    done
    fail "the side window at ($sx, $sy) covers both holes the game is clicked on"
}

# About's bar has a close control and nothing else: presses where Qt's own bar has minimise and
# maximise leave it as it is. A drag on the bar moves it. Pressed again once the game has the
# keyboard, About comes back to the front with the keyboard: Escape closes it. Help closes with
# its close control.
click_centre about
wait_until 20 "About opens at its size" side_window_at_size 385 241
about_shot=$shot
bar_click 62
bar_click 39
park_shot
[[ -z "$(changed_box "$about_shot" "$shot")" ]] ||
    fail "a press on About's bar beside its close control changed the screen"
dx=$(((sx < output_width / 2 ? 50 : -50) * scale)) dy=$(((sy < output_height / 2 ? 40 : -40) * scale))
from_x=$sx from_y=$sy
xdotool mousemove "$((sx + 60 * scale))" "$((sy + 18 * scale))" mousedown 1 sleep 0.2 \
    mousemove_relative -- "$dx" "$dy" sleep 0.2 mouseup 1
about_moved() {
    side_window_at_size 385 241 && ((sx == from_x + dx && sy == from_y + dy))
}
wait_until 10 "a drag on About's bar moves it by ($dx, $dy)" about_moved
click_game_beside_side_window
click_centre about
sleep 0.5
wait_until 20 "About is shown again" side_window_at_size 385 241
xdotool key Escape
wait_until 20 "About, pressed again, takes the keyboard and closes on Escape" side_window_closed
click_centre help
wait_until 20 "Help opens at its size" side_window_at_size 465 369
bar_click 19
wait_until 20 "Help closes with its close control" side_window_closed

alive
! grep -q 'Protocol error' "$work/game.err" || fail "the compositor reported a protocol error"
echo "x$scale: picked, dropped, confirmed, dragged, cancelled; About and Help in bars of their own"
