#!/usr/bin/env bash
# The side windows under a Wayland compositor (the third argument: weston or mutter, which draw no
# frames, KWin, which does, or sway, set to draw none; at scale 1), with real input. About and
# Help open in title bars of their own where the compositor draws none: close only, dragged by the
# bar, and About, pressed again once the game has the keyboard, comes back to the front with the
# keyboard. One game start; under weston, as weston would start it itself (nested-compositor.sh).
compositor=${3:?usage: $0 GAME-EXECUTABLE HELPER-FOLDER weston|mutter|kwin|sway}
scale=1
readonly compositor scale
# shellcheck disable=SC2034 # read by nested-compositor.sh
[[ "$compositor" == weston ]] && start_through_socket=yes
# shellcheck disable=SC2034 # read by nested-compositor.sh
[[ "$compositor" == weston ]] && trace_protocol=yes
source "$(dirname "$0")/nested-compositor.sh"

# side_window_at_size WIDTH HEIGHT: a side window of that inner size shows, under the title bar
# it paints itself, 37 pixels high, inside its edge of a pixel; KWin's own bar is as high, with
# no edge; sway, as set here, draws neither.
edge=1 bar=37
[[ "$compositor" == kwin ]] && edge=0
[[ "$compositor" == sway ]] && edge=0 bar=0
side_window_at_size() {
    alive
    side_window_opens || return 1
    read -r sx sy sw sh <<<"$side"
    ((sw == ($1 + 2 * edge) * scale && sh == ($2 + bar + 2 * edge) * scale))
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
# differs_from PICTURE: the screen is not as the picture shows it.
differs_from() {
    park_shot
    [[ -n "$(changed_box "$1" "$shot")" ]]
}
same_as() {
    ! differs_from "$1"
}
if [[ "$compositor" == kwin ]]; then
    # KWin draws About's frame: a right-click on the bar opens KWin's window menu, where a bar
    # of the window's own would ignore it.
    xdotool mousemove "$((sx + 60 * scale))" "$((sy + 18 * scale))" sleep 0.2 click 3
    wait_until 10 "a right-click on About's bar opens KWin's window menu" differs_from "$about_shot"
    xdotool key Escape
    wait_until 10 "KWin's window menu closes on Escape" same_as "$about_shot"
elif [[ "$compositor" != sway ]]; then
    bar_tap 62
    bar_tap 39
    park_shot
    [[ -z "$(changed_box "$about_shot" "$shot")" ]] ||
        fail "a press on About's bar beside its close control changed the screen"
fi
# sway leaves About where it put it: there is no bar to drag.
if [[ "$compositor" != sway ]]; then
    # To the top of the output, clear of the game's first row, and to the side away from the game's
    # About button, which KWin puts under the top of the output. The first step starts the move;
    # weston moves the window from there on, GNOME's compositor and KWin from the press.
    step=$((12 * scale))
    about_centre=centre_about
    read -r about_x _ <<<"${!about_centre}"
    to_x=$((output_width - sw - step - 10 * scale))
    ((win_x + about_x > output_width / 2)) && to_x=$((10 * scale))
    dx=$((to_x - sx)) dy=$((10 * scale - sy))
    from_x=$sx from_y=$sy
    xdotool mousemove "$((sx + 60 * scale))" "$((sy + 18 * scale))" sleep 0.2 mousedown 1 \
        sleep 0.2 mousemove_relative -- "$step" 0 sleep 0.2 mousemove_relative -- "$dx" "$dy" \
        sleep 0.2 mouseup 1
    about_moved() {
        side_window_at_size 385 241 && ((sx - from_x - dx >= 0 && sx - from_x - dx <= step)) &&
            ((sy == from_y + dy))
    }
    wait_until 10 "a drag on About's bar moves it by ($dx, $dy)" about_moved
fi
# A click on an empty hole of the first row gives the game the keyboard (GNOME's compositor;
# weston leaves it with the side window); sway raises the game over About.
click_centre i14
[[ "$compositor" != sway ]] ||
    wait_until 10 "sway raises the game over About" differs_from "$about_shot"
# Pressed again, About comes to the front with the keyboard where the player put it, where the
# compositor grants activation: its bar shows the change of focus. weston grants none, and the
# window shown anew may land anywhere.
settle "once the game has the keyboard"
placed_x=$sx placed_y=$sy
click_centre about
if [[ "$compositor" == weston ]]; then
    wait_until 20 "About is shown again" side_window_at_size 385 241
elif [[ "$compositor" == sway ]]; then
    # Shown anew, centred as at its first showing.
    wait_until 20 "About, pressed again, comes to the front" same_as "$about_shot"
else
    wait_until 20 "About, pressed again, takes the keyboard" differs_from "$rest_shot"
    settle "once About is pressed again"
    if ! side_window_at_size 385 241 || ((sx != placed_x || sy != placed_y)); then
        fail "About, pressed again, left ($placed_x, $placed_y) for ($sx, $sy)"
    fi
fi
xdotool key Escape
wait_until 20 "About, pressed again, takes the keyboard and closes on Escape" side_window_closed
click_centre help
wait_until 20 "Help opens at its size" side_window_at_size 465 369
if [[ "$compositor" == sway ]]; then
    # Help, pressed again once the game is raised over it, comes to the front with the keyboard,
    # which then closes it through sway's key for that.
    settle "once Help opens"
    help_shot=$work/help.ppm
    cp "$rest_shot" "$help_shot"
    click_centre i14
    wait_until 10 "sway raises the game over Help" differs_from "$help_shot"
    click_centre help
    wait_until 20 "Help, pressed again, comes to the front" same_as "$help_shot"
    xdotool key ctrl+alt+w
else
    bar_tap 19
fi
wait_until 20 "Help closes" side_window_closed

# The new-game question wears the bar too where the compositor draws none; GNOME's compositor and
# KWin put it over the game (weston places it as any new window, anywhere). A maximise that the
# compositor makes on its own (weston) shows it anew, in its normal state, the game alive; KWin's
# minimise hides it until the next press on the game; sway raises the game pressed on over it until
# the question is shown anew. A press on the game it blocks leaves it the keyboard: Escape answers
# Cancel.
click_centre kon
wait_until 20 "the question opens" side_window_opens
read -r qx qy qw qh <<<"$side"
[[ "$compositor" == weston ]] ||
    ((qx + qw / 2 > win_x && qx + qw / 2 < win_x + skin_width * scale &&
        qy + qh / 2 > win_y && qy + qh / 2 < win_y + skin_height * scale)) ||
    fail "the question opened at ($qx, $qy), not over the game at ($win_x, $win_y)"
escape_closes() {
    side_window_closed && return
    xdotool key Escape
    return 1
}
if [[ "$compositor" == kwin ]]; then
    settle "once the question opens"
    question_shot=$work/question.ppm
    cp "$rest_shot" "$question_shot"
    # KWin's minimise control, left of its close control.
    xdotool mousemove "$((qx + qw - 48))" "$((qy + 18))" sleep 0.2 click 1
    wait_until 10 "KWin minimises the question" side_window_closed
    read -r x y <<<"$bare_skin"
    device_click "$((x * scale))" "$((y * scale))"
    wait_until 10 "a press on the game brings the minimised question back" same_as "$question_shot"
    wait_until 20 "the question, back, takes the keyboard: Escape closes it" escape_closes
    click_centre kon
    wait_until 20 "the question opens once more" side_window_opens
    read -r qx qy qw qh <<<"$side"
elif [[ "$compositor" == sway ]]; then
    # sway raises the game pressed on over the question, which then shows as a slice of it; the
    # question comes back to the front, whole, where it was.
    question_whole() {
        side_window_opens && [[ "$side" == "$qx $qy $qw $qh" ]]
    }
    read -r x y <<<"$bare_skin"
    device_click "$((x * scale))" "$((y * scale))"
    settle "after a press on the game"
    question_whole || fail "a press on the game left the question at $side, not whole in front"
elif [[ "$compositor" == weston ]]; then
    # weston takes the question to full size, which shows as the question's window made anew, a
    # new toplevel surface of the game's. GNOME's compositor maximises no window of fixed size.
    toplevels=$(requests_made 'xdg_surface@[0-9]+\.get_toplevel')
    xdotool mousemove "$((qx + qw / 2))" "$((qy + qh / 2))" sleep 0.2 key super+shift+m
    settle "after a maximise of the question"
    still_sound
    (($(requests_made 'xdg_surface@[0-9]+\.get_toplevel') == toplevels + 1)) ||
        fail "the compositor did not maximise the question, or it was not shown anew"
    [[ "$(changed_box "$board_shot" "$rest_shot")" == *" $qw $qh" ]] ||
        fail "the question is not back at its size after a maximise"
fi
read -r x y <<<"$bare_skin"
device_click "$((x * scale))" "$((y * scale))"
wait_until 20 "the question keeps the keyboard through a press on the game" escape_closes
# Its close control answers Cancel too (under sway, sway's key that closes a window).
click_centre kon
wait_until 20 "the question opens again" side_window_opens
read -r qx qy qw qh <<<"$side"
if [[ "$compositor" == sway ]]; then
    xdotool key ctrl+alt+w
else
    xdotool mousemove "$((qx + qw - 19 * scale))" "$((qy + 18 * scale))" sleep 0.2 click 1
fi
wait_until 20 "the question's close control closes it" side_window_closed
still_sound
click_centre kon
wait_until 20 "the question opens for Yes" side_window_opens
read -r qx qy qw qh <<<"$side"
xdotool mousemove "$((qx + qw / 2))" "$((qy + qh / 2))" sleep 0.2 key Return
# An ended game stays a zombie, which has no executable, until this script collects it.
game_ended() {
    ! readlink "/proc/$game_pid/exe" >/dev/null
}
if [[ -v start_through_socket ]]; then
    # Started on a connection handed to it, the game has none to hand on: the new game ends
    # before it shows its window, and the old one says so, in a box of another size, and ends
    # once that is answered.
    failure_shows() {
        alive
        side_window_opens && [[ "$side" != *" $qw $qh" ]]
    }
    wait_until 20 "the old game says that the new one could not start" failure_shows
    read -r qx qy qw qh <<<"$side"
    xdotool mousemove "$((qx + qw / 2))" "$((qy + qh / 2))" sleep 0.2 key Return
    wait_until 20 "the old game ends once the failure is answered" game_ended
    echo "$compositor: About, Help and the question in bars of their own; the question kept" \
        "through a maximise and a press on the game; a new game that cannot start is reported"
    exit 0
fi
# Yes starts a new game, and the old one ends once the new one has shown its window.
new_game_started() {
    new_game=$(pgrep -P "$game_pid") && started_pids+=("$new_game")
}
wait_until 20 "Yes starts a new game" new_game_started
wait_until 20 "the old game ends once the new one shows" game_ended
kill -0 "$new_game" 2>/dev/null || fail "the new game ended"
echo "$compositor: About and Help, About back in front with the keyboard where the player put" \
    "it; the question kept through a press on the game (KWin: and a minimise)"
