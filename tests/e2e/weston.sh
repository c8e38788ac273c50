# shellcheck shell=bash
# weston for the end-to-end tests, sourced after lib.sh.

# Writes the compositor's settings to $work/weston.ini: the background in the colour the tests
# know, no panel, no animations, no screen lock, no on-screen keyboard.
write_weston_config() {
    cat >"$work/weston.ini" <<EOT
[core]
idle-time=0
[shell]
background-color=0xff$background_hex
panel-position=none
startup-animation=none
animation=none
close-animation=none
focus-animation=none
locking=false
[input-method]
path=
EOT
}
