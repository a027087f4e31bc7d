# Sourced by the tests that drive the Windows window under Wine on a virtual
# display with xdotool and ImageMagick. The caller sets `work` (a scratch
# folder) and `app_pid` (the window's process) before it uses these.

# Polls a command every 0.2 s until it succeeds or SECONDS have passed.
wait_for() {
    tries=$(($1 * 5))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.2
    done
}

find_window() {
    window=$(xdotool search --all --onlyvisible --pid "$app_pid" --name 'dirnal\.lst-Manager' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

# The client area begins at the window's top left (no window manager, no
# frame); the controls lie below the menu bar, whose height depends on the
# font. It is where the menu bar's colour ends in the leftmost columns.
menu_bar_height() {
    import -window "$window" "$work/window.png" 2>/dev/null || return 1
    menu_bar=$(convert "$work/window.png" -crop 1x60+2+0 +repage -depth 8 txt:- 2>/dev/null |
        awk 'NR == 2 { first = $3 } NR > 2 && $3 != first { print NR - 2; exit }')
    [ -n "$menu_bar" ] && [ "$menu_bar" -ge 10 ] && [ "$menu_bar" -le 40 ]
}

# Clicks the middle of a control given in twips relative to the client area
# below the menu bar.
click_twips() {
    xdotool mousemove --window "$window" $((($1 + $3 / 2) / 15)) $((menu_bar + ($2 + $4 / 2) / 15)) click 1
}

# List1, at (180, 840), 7155 x 3180, shows text: its darkest pixel is then
# no longer the white background.
list_shown() {
    import -window "$window" "$work/window.png" 2>/dev/null || return 1
    darkest=$(convert "$work/window.png" -crop $((7155 / 15 - 4))x$((3180 / 15 - 4))+$((180 / 15 + 2))+$((menu_bar + 840 / 15 + 2)) \
        +repage -colorspace Gray -format '%[fx:int(100*minima)]' info: 2>/dev/null)
    [ -n "$darkest" ] && [ "$darkest" -lt 50 ]
}

# Waits until the window of `app_pid` is on the screen and drawn; fails (the
# caller's `fail`) otherwise, naming the start given, if any.
window_drawn() {
    wait_for 60 find_window || fail "the window dirnal.lst-Manager did not appear within 60 s${1:+ $1}"
    wait_for 20 menu_bar_height || fail "the window was not drawn within 20 s (no menu bar found)${1:+ $1}"
}
