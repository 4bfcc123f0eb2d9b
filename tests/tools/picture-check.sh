# check_saver_picture PNG: the screenshot (1280 x 720, taken at any time of the saver)
# shows flat cubes over the background where the picture puts them.
check_saver_picture() {
    /usr/bin/python3 "$TEST_TOOLS/picture_check.py" "$1"
}

# wait_for_saver_picture PNG [SECONDS]: screenshots about once a second until one shows
# the picture, up to 60 s: the first frame comes after the scene set-up, a few seconds
# under Wine on an idle machine (a frame at 1280 x 720 takes about 0.3 s). The last
# screenshot is kept.
wait_for_saver_picture() {
    local deadline=$((SECONDS + ${2:-60}))
    while [ "$SECONDS" -lt "$deadline" ]; do
        import -window root "$1"
        check_saver_picture "$1" >/dev/null && { check_saver_picture "$1" | grep '^row [0-9]*:'; return 0; }
        sleep 1
    done
    check_saver_picture "$1"
}
