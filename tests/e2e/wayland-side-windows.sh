#!/usr/bin/env bash
# The side windows under a Wayland compositor that draws no frames (the third argument: weston or
# mutter, at scale 1), with real input. About and Help open in title bars of their own: close
# only, dragged by the bar, and About, pressed again once the game has the keyboard, comes back
# to the front with the keyboard. One game start.
compositor=${3:?usage: $0 GAME-EXECUTABLE HELPER-FOLDER weston|mutter}
scale=1
readonly compositor scale
source "$(dirname "$0")/nested-compositor.sh"

# side_window_at_size WIDTH HEIGHT: a side window of that inner size shows, under the title bar
# it paints itself, 37 pixels high, inside its edge of a pixel.
side_window_at_size() {
    alive
    side_window_opens || return 1
    read -r sx sy sw sh <<<"$side"
    ((sw == ($1 + 2) * scale && sh == ($2 + 39) * scale))
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
# The close control acts on the release: pressed, left and released beside it, About stays.
xdotool mousemove "$((sx + sw - 19 * scale))" "$((sy + 18 * scale))" sleep 0.2 mousedown 1 \
    sleep 0.2 mousemove_relative -- "$((-60 * scale))" 0 sleep 0.2 mouseup 1
settle "after a press on About's close control released beside it"
side_window_at_size 385 241 || fail "a press on About's close control released beside it closed About"
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
# The new-game question wears the bar too; GNOME's compositor puts it over the game (weston places
# it as any new window, anywhere). A maximise that the compositor makes on its own shows it anew,
# in its normal state, the game alive; a press on the game it blocks leaves it the keyboard:
# Escape answers Cancel.
click_centre kon
wait_until 20 "the question opens" side_window_opens
read -r qx qy qw qh <<<"$side"
[[ "$compositor" == weston ]] ||
    ((qx + qw / 2 > win_x && qx + qw / 2 < win_x + skin_width * scale &&
        qy + qh / 2 > win_y && qy + qh / 2 < win_y + skin_height * scale)) ||
    fail "the question opened at ($qx, $qy), not over the game at ($win_x, $win_y)"
maximise=super+shift+m
[[ "$compositor" == mutter ]] && maximise=super+Up
xdotool mousemove "$((qx + qw / 2))" "$((qy + qh / 2))" sleep 0.2 key "$maximise"
settle "after a maximise of the question"
still_sound
[[ "$(changed_box "$board_shot" "$rest_shot")" == *" $qw $qh" ]] ||
    fail "the question is not back at its size after a maximise"
read -r x y <<<"$bare_skin"
device_click "$((x * scale))" "$((y * scale))"
escape_closes() {
    side_window_closed && return
    xdotool key Escape
    return 1
}
wait_until 20 "the question keeps the keyboard through a press on the game" escape_closes
# Its close control answers Cancel too; Yes starts a new game, and the old one ends once the new
# one has shown its window.
click_centre kon
wait_until 20 "the question opens again" side_window_opens
read -r qx qy qw qh <<<"$side"
xdotool mousemove "$((qx + qw - 19 * scale))" "$((qy + 18 * scale))" sleep 0.2 click 1
wait_until 20 "the question's close control closes it" side_window_closed
still_sound
click_centre kon
wait_until 20 "the question opens for Yes" side_window_opens
xdotool key Return
new_game_started() {
    new_game=$(pgrep -P "$game_pid") && started_pids+=("$new_game")
}
wait_until 20 "Yes starts a new game" new_game_started
# An ended game stays a zombie, which has no executable, until this script collects it.
game_ended() {
    ! readlink "/proc/$game_pid/exe" >/dev/null
}
wait_until 20 "the old game ends once the new one shows" game_ended
kill -0 "$new_game" 2>/dev/null || fail "the new game ended"
echo "$compositor: About, Help and the question in bars of their own; About back in front with" \
    "the keyboard; the question kept through a maximise and a press on the game"
