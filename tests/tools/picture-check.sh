# check_saver_picture PNG: the screenshot shows the saver's drawing, not an empty or
# single-colour screen. Tightened once the scene exists.
check_saver_picture() {
    local colours
    colours=$(convert "$1" -format '%k' info: 2>/dev/null)
    [ -n "$colours" ] && [ "$colours" -ge 1 ]
}
