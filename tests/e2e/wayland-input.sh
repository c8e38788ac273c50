#!/usr/bin/env bash
# The game under Wayland, played with real input at a whole scale (the third argument): weston
# runs as a window of a private X server, and the pointer and keys that xdotool gives that server
# reach the game through weston. About and Help open in title bars of their own (the compositor
# draws none): close only, dragged by the bar, and About, pressed again once the game has the
# keyboard, comes back to the front with the keyboard. The player then picks pegs (the pointer
# shows them at the board pegs' size, and presses on the edge pixels of tray pixels take the
# colour shown), drops them, confirms a row, drags the window with either button and cancels the
# close question with Escape. A third argument of mutter runs the side windows' part under
# GNOME's compositor instead, at scale 1.
# One game start.
readonly mode=${3:?usage: $0 GAME-EXECUTABLE HELPER-FOLDER SCALE|mutter}
compositor=weston scale=$mode
[[ "$mode" == mutter ]] && compositor=mutter scale=1
readonly compositor scale
readonly output_width=$((1024 * scale)) output_height=$((768 * scale))
# The compositor's window at the top-left corner, and a margin beside it for the pointer to wait
# in.
# shellcheck disable=SC2034 # read by lib.sh
screen_width=$((output_width + 16)) screen_height=$((output_height + 16))
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/weston.sh"

# Its own name, so that both scales may run at once.
readonly socket=wayland-input-$$

start_x_server
# The compositor heeds the pointer only once it has entered its window after that opened.
xdotool mousemove "$((screen_width - 1))" "$((screen_height - 1))"
if [[ "$compositor" == mutter ]]; then
    start_session_bus
    MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768 XDG_CURRENT_DESKTOP=GNOME mutter --nested --wayland \
        --no-x11 --wayland-display "$socket" >"$work/compositor.out" 2>&1 &
    output_window='"mutter"'
else
    write_weston_config
    weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --scale="$scale" \
        --socket="$socket" --config="$work/weston.ini" --log="$work/weston.log" \
        >"$work/compositor.out" 2>&1 &
    output_window='"Weston Compositor - screen0"'
fi
compositor_pid=$!
started_pids+=("$compositor_pid")
compositor_ready() {
    kill -0 "$compositor_pid" 2>/dev/null ||
        fail "$compositor ended: $(cat "$work/compositor.out")"
    [[ -S "$XDG_RUNTIME_DIR/$socket" ]] && xwininfo -root -children | grep -q "$output_window"
}
wait_until 30 "$compositor shows its window and listens" compositor_ready
eval "$("$helpers/skin-probe" facts)"
eval "$("$helpers/skin-probe" scaled-facts "$scale")"

# The pointer rests in the output's far corner, which is painted over, whenever the screen is
# compared: the compositors draw the pointer where it last was in their window.
park() {
    xdotool mousemove "$((output_width - 1))" "$((output_height - 1))"
}
# output_shot: sets shot to a picture of the compositor's output, with the corner where the pointer
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
# GNOME's compositor dithers its background anew at each redraw, by one step of a colour.
like=0
[[ "$compositor" == mutter ]] && like=1%
changed_box() {
    convert "$1" "$2" -compose difference -composite -threshold "$like" -format '%@' info: \
        2>/dev/null |
        awk -F'[x+]' '$1 > 0 {print $3, $4, $1, $2}'
}
# device_click X Y [BUTTON]: a click on a device pixel of the game's window, once the compositor
# has seen the pointer there (GNOME's may hand on a press before the motion that led to it).
device_click() {
    xdotool mousemove "$((win_x + $1))" "$((win_y + $2))" sleep 0.2 click "${3:-1}" sleep 0.3
}
click_centre() {
    local var=centre_$1
    read -r x y <<<"${!var}"
    device_click "$x" "$y"
}

# The compositor draws the pointer at its new place with its next frame.
park_shot() {
    park
    sleep 0.1
    output_shot
}
# settle DESCRIPTION: waits until the screen stays unchanged for a second; rest_shot is then a
# picture of it.
rest_shot=$work/rest.ppm
unchanged_for_a_second() {
    park_shot
    if [[ -n "$(changed_box "$rest_shot" "$shot")" ]]; then
        cp "$shot" "$rest_shot"
        still_since=$SECONDS
    fi
    ((SECONDS - still_since >= 1))
}
settle() {
    park_shot
    cp "$shot" "$rest_shot"
    still_since=$SECONDS
    wait_until 20 "the screen settles $1" unchanged_for_a_second
}
settle "before the game starts"
empty_shot=$work/empty.ppm
cp "$rest_shot" "$empty_shot"
# content_box: "x y width height" round what differs from the empty output in the latest picture.
content_box() {
    changed_box "$empty_shot" "$shot"
}
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket DISPLAY="" "$game" >"$work/game.out" \
    2>"$work/game.err" &
game_pid=$!
started_pids+=("$game_pid")

# Where the compositor put the window: the box of what is not background, less the skin's cut-away
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
settle "once the game's window shows"
board_shot=$work/board.ppm
cp "$rest_shot" "$board_shot"

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

# side_window_at_size WIDTH HEIGHT: a side window of that inner size shows, under the title bar
# it paints itself, 37 pixels high.
side_window_at_size() {
    alive
    side_window_opens || return 1
    read -r sx sy sw sh <<<"$side"
    ((sw == $1 * scale && sh == ($2 + 37) * scale))
}
# bar_tap X: a click on the side window's title bar, X pixels left of its right end.
bar_tap() {
    device_click "$((sx + sw - $1 * scale - win_x))" "$((sy + 18 * scale - win_y))"
}
# About's bar has a close control and nothing else: presses where Qt's own bar has minimise and
# maximise leave it as it is. A drag on the bar moves it. Pressed again once the game has the
# keyboard, About comes back to the front with the keyboard: Escape closes it. Help closes with
# its close control.
click_centre about
wait_until 20 "About opens at its size" side_window_at_size 385 241
# Its bar turns from the out-of-focus grey once the compositor hands it the keyboard, which on a
# busy machine comes frames after its first.
settle "once About opens"
about_shot=$work/about.ppm
cp "$rest_shot" "$about_shot"
bar_tap 62
bar_tap 39
park_shot
[[ -z "$(changed_box "$about_shot" "$shot")" ]] ||
    fail "a press on About's bar beside its close control changed the screen"
# To the top of the output, clear of the game's first row. The first step starts the move; weston
# moves the window from there on, GNOME's compositor from the press.
step=$((12 * scale))
dx=$(((sx < output_width / 2 ? 50 : -50) * scale)) dy=$((10 * scale - sy))
from_x=$sx from_y=$sy
xdotool mousemove "$((sx + 60 * scale))" "$((sy + 18 * scale))" sleep 0.2 mousedown 1 sleep 0.2 \
    mousemove_relative -- "$step" 0 sleep 0.2 mousemove_relative -- "$dx" "$dy" sleep 0.2 \
    mouseup 1
about_moved() {
    side_window_at_size 385 241 && ((sx - from_x - dx >= 0 && sx - from_x - dx <= step)) &&
        ((sy == from_y + dy))
}
wait_until 10 "a drag on About's bar moves it by ($dx, $dy)" about_moved
# A click on an empty hole of the first row gives the game the keyboard (GNOME's compositor;
# weston leaves it with the side window).
click_centre i14
click_centre about
wait_until 20 "About is shown again" side_window_at_size 385 241
xdotool key Escape
wait_until 20 "About, pressed again, takes the keyboard and closes on Escape" side_window_closed
click_centre help
wait_until 20 "Help opens at its size" side_window_at_size 465 369
bar_tap 19
wait_until 20 "Help closes with its close control" side_window_closed

if [[ "$compositor" == mutter ]]; then
    alive
    echo "mutter: About and Help in bars of their own; About back in front with the keyboard"
    exit 0
fi

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

# Drags with the left and the right button: the compositor moves the window with the pointer once
# the game has asked it to, which on a busy machine (the suite runs side by side) takes a while.
for drag in "1 $((40 * scale)) $((-30 * scale))" "3 $((-60 * scale)) $((20 * scale))"; do
    read -r button dx dy <<<"$drag"
    from_x=$win_x from_y=$win_y
    xdotool mousemove "$((win_x + bare_x))" "$((win_y + bare_y))" mousedown "$button" sleep 0.6 \
        mousemove_relative -- "$dx" "$dy" sleep 0.2 mouseup "$button"
    moved() {
        park_shot
        read -r bx by _ < <(content_box) || return 1
        ((bx - skin_box_x * scale == from_x + dx && by - skin_box_y * scale == from_y + dy))
    }
    wait_until 10 "a drag with button $button moves the window by ($dx, $dy)" moved
    win_x=$((from_x + dx)) win_y=$((from_y + dy))
done
settle "after the drags"
cp "$rest_shot" "$board_shot"

# The close question, answered Cancel with Escape.
click_centre kon
wait_until 20 "the close question opens" side_window_opens
wait_until 20 "the close question closes on Escape" closes_on Escape
alive
! grep -q 'Protocol error' "$work/game.err" || fail "the compositor reported a protocol error"
echo "x$scale: About and Help in bars of their own; picked, dropped, confirmed, dragged, cancelled"
