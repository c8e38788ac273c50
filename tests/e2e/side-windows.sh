#!/usr/bin/env bash
# The About and Help buttons open one window each, with no taskbar button of their own: a second
# click brings the open window to the front instead of opening another, restoring it when it was
# minimised. Escape closes the About dialog. What the window manager reads from each side window
# says so too: a close control only, a size that cannot change, the game's icon, and nothing that
# holds it above the game. A third argument, mutter, runs it under GNOME's.
window_manager=${3:-openbox}
source "$(dirname "$0")/lib.sh"
start_session

readonly about_title='About Vore TRELLIQ' help_title='Help'

# The topmost managed window, as a decimal id like xdotool's.
topmost_window() {
    local stacking
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING)
    echo $((${stacking##*, }))
}
on_top() {
    [[ "$(topmost_window)" == "$1" ]]
}
skips_taskbar() {
    [[ "$(xprop -id "$1" _NET_WM_STATE)" == *_NET_WM_STATE_SKIP_TASKBAR* ]]
}
# The Motif hints: flags, then the window's functions (all 1, minimise 8, maximise 16, close 32)
# and decorations (all 1, minimise 32, maximise 64): close, and none of the others.
close_control_only() {
    local hints flags functions decorations
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS)
    IFS=', ' read -r flags functions decorations _ <<<"${hints#*= }"
    (((flags & 3) == 3 && (functions & 57) == 32 && !(decorations & 97)))
}
# _NET_WM_ICON as the committed pictures of 16 to 64 pixels give it: each size's width and height,
# then its pixels as ARGB words, transparent ones 0.
icon_property() {
    local size
    echo -n "_NET_WM_ICON = "
    for size in 16 32 48 64; do
        echo "$size,$size"
        convert "$(dirname "$0")/../../assets/icons/$size.png" -depth 8 rgba:- |
            od -An -v -tu1 -w4 |
            awk '{ printf "%.0f\n", $4 ? (($4 * 256 + $1) * 256 + $2) * 256 + $3 : 0 }'
    done | paste -sd, | sed 's/,/, /g'
}
readonly game_icon=$(icon_property)
has_game_icon() {
    [[ "$(xprop -id "$1" -notype -f _NET_WM_ICON 32c _NET_WM_ICON)" == "$game_icon" ]]
}
is_only_window() {
    [[ "$(windows_titled "$1")" == "$2" ]]
}
# A search while mutter takes down a window's frame can come back empty, so it is tried again.
only_window() {
    wait_until 5 "one window \"$1\" ($2) is left" is_only_window "$1" "$2"
}

click_element about
wait_until 20 "the About dialog opens" window_count_is "$about_title" 1
about_window=$(windows_titled "$about_title")
wait_until 10 "the About dialog is in front" on_top "$about_window"
click_element help
wait_until 20 "the Help window opens" window_count_is "$help_title" 1
help_window=$(windows_titled "$help_title")
wait_until 10 "the Help window is in front" on_top "$help_window"
skips_taskbar "$about_window" || fail "the About dialog has a taskbar button"
skips_taskbar "$help_window" || fail "the Help window has a taskbar button"
! skips_taskbar "$main_window" || fail "the game's window has no taskbar button"
for side in "About $about_window 385 241" "Help $help_window 465 369"; do
    read -r name window width height <<<"$side"
    close_control_only "$window" || fail "the $name window's frame has more than a close control"
    size="size: $width by $height"
    [[ "$(xprop -id "$window" WM_NORMAL_HINTS)" == *"minimum $size"*"maximum $size"* ]] ||
        fail "the $name window's size is not fixed at ${width}x$height"
    has_game_icon "$window" || fail "the $name window does not carry the game's icon"
done
has_game_icon "$main_window" || fail "the game's window does not carry its icon"
xdotool windowactivate "$main_window"
wait_until 10 "the game comes above the side windows" on_top "$main_window"

click_element about
wait_until 10 "the second click on about brings the About dialog to the front" \
    on_top "$about_window"
only_window "$about_title" "$about_window"

click_element help
wait_until 10 "the second click on help brings the Help window to the front" \
    on_top "$help_window"
only_window "$help_title" "$help_window"
only_window "$about_title" "$about_window"

xdotool windowactivate --sync "$about_window" key Escape
wait_until 10 "Escape closes the About dialog" window_count_is "$about_title" 0
only_window "$help_title" "$help_window"
wait_until 5 "the game's window is still there" window_count_is 'Vore TRELLIQ' 1

# A side window that the window manager minimised comes back, in front, with its button (mutter
# minimises no window without a minimise button).
[[ "$window_manager" == openbox ]] || exit 0
click_element about
wait_until 20 "the About dialog opens again" window_count_is "$about_title" 1
about_window=$(windows_titled "$about_title")
shown_in_front() {
    ! minimised "$1" && [[ "$(xwininfo -id "$1")" == *"Map State: IsViewable"* ]] && on_top "$1"
}
for pair in "about $about_window" "help $help_window"; do
    read -r button window <<<"$pair"
    xdotool windowminimize "$window"
    wait_until 10 "the window of $button is minimised" minimised "$window"
    # Past the double-click interval since the last click on the button.
    sleep 0.5
    click_element "$button"
    wait_until 10 "a click on $button brings its minimised window back in front" \
        shown_in_front "$window"
done

echo "About and Help opened once each, came to the front, also from minimised; Escape closed About"
