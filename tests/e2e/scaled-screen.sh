#!/usr/bin/env bash
# The game on a screen scaled by a factor (the third argument): the window is the skin's size
# times the factor, its shape is the painted skin with no seam, a press anywhere in the tray
# takes the colour painted under the pointer (also on the first and last device pixel of a skin
# pixel), the carried peg shows at the size of the board's pegs, drags with any button move the
# window exactly as far as the pointer, and the About text fits its box. One game start.
readonly scale=${3:?usage: $0 GAME-EXECUTABLE HELPER-FOLDER SCALE}
# shellcheck disable=SC2034 # read by lib.sh
screen_width=2048 screen_height=1536
# shellcheck disable=SC2034 # read by lib.sh
game_environment=("QT_SCALE_FACTOR=$scale")
source "$(dirname "$0")/lib.sh"
start_session
eval "$("$helpers/skin-probe" scaled-facts "$scale")"

# device_press X Y: a left click on a device pixel of the window.
device_press() {
    xdotool mousemove "$((win_x + $1))" "$((win_y + $2))" click 1
}

# The window and its shape against the skin.
((win_width == device_width && win_height == device_height)) ||
    fail "the window is ${win_width}x$win_height, not ${device_width}x$device_height"
"$helpers/shape-rects" "$main_window" >"$work/shape" || fail "the window has no X shape"
screenshot
"$helpers/skin-probe" scaled "$shot" "$win_x" "$win_y" "$scale" "$background_hex" \
    <"$work/shape" || fail "the window does not show the skin, cut to its shape, at x$scale"

# Every colour from the middle of its deepest tray pixel, each showing its own pointer at the
# size of the board's pegs, the hot spot in its middle.
read -r bare_x bare_y <<<"$bare_device"
xdotool mousemove "$((win_x + bare_x))" "$((win_y + bare_y))"
previous=$(cursor_image)
declare -A carried
for colour in $(tray_colours); do
    var=deep_$colour
    read -r x y <<<"${!var}"
    device_press "$x" "$y"
    wait_until 10 "the pointer shows the peg of colour $colour" cursor_is_not "$previous"
    previous=$(cursor_image)
    carried[$colour]=$previous
    read -r width height hot_x hot_y _ <<<"$previous"
    ((width == peg_device_size && height == peg_device_size)) ||
        fail "the pointer of colour $colour is ${width}x$height, the board's pegs $peg_device_size"
    ((hot_x == width / 2 && hot_y == height / 2)) ||
        fail "the pointer's hot spot is at ($hot_x, $hot_y) of ${width}x$height"
done
(($(printf '%s\n' "${carried[@]}" | sort -u | wc -l) == ${#carried[@]})) ||
    fail "two colours show the same pointer"

# Presses on the first or last device pixel of tray pixels, each of another colour than the last.
edges=0
for colour in $(tray_colours); do
    var=edge_$colour
    [[ -n "${!var:-}" ]] || continue
    read -r x y <<<"${!var}"
    device_press "$x" "$y"
    # The colour before differs, so the pointer changes once the game has the press.
    wait_until 5 "a press at device pixel ($x, $y), on a pixel of colour $colour, carries it" \
        cursor_is "${carried[$colour]}"
    edges=$((edges + 1))
done
((edges >= 3)) || fail "only $edges tray pixels tell the mapping of presses apart at x$scale"

# Drags on the bare skin: the window follows the pointer to the device pixel.
for drag in "1 37 23" "3 -29 31" "2 41 -17" "3 17 -13" "2 -23 19"; do
    read -r button dx dy <<<"$drag"
    read_geometry
    from_x=$win_x from_y=$win_y
    xdotool mousemove "$((win_x + bare_x))" "$((win_y + bare_y))" mousedown "$button" sleep 0.1 \
        mousemove_relative -- "$dx" "$dy" mouseup "$button"
    wait_until 10 "a drag with button $button moves the window by ($dx, $dy) from ($from_x, $from_y)" \
        window_at "$((from_x + dx))" "$((from_y + dy))"
done

# The About text inside its box: no glyph cut off at the box's bottom edge.
read -r x y <<<"$centre_about"
device_press "$x" "$y"
wait_until 20 "the About dialog opens" window_count_is 'About Vore TRELLIQ' 1
about=$(windows_titled 'About Vore TRELLIQ')
screenshot
read -r about_x about_y < <(xwininfo -id "$about" |
    awk -F: '/Absolute upper-left X/ {x = $2 + 0} /Absolute upper-left Y/ {print x, $2 + 0}')
"$helpers/skin-probe" about-text "$shot" "$about_x" "$about_y" "$scale" ||
    fail "the About text runs past its box at x$scale"

echo "x$scale: ${win_width}x$win_height, ${#carried[@]} colours, $edges edge presses, drags exact"
