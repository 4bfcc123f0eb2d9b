# check_saver_picture PNG: the screenshot (1280 x 720, taken in the saver's first ten
# seconds) shows flat cubes over the background where the picture puts them.
check_saver_picture() {
    /usr/bin/python3 "$TEST_TOOLS/picture_check.py" "$1"
}

# wait_for_saver_picture PNG [TRIES]: screenshots once a second until one shows the
# picture (a slow start may not have drawn its first frame yet); the last is kept.
wait_for_saver_picture() {
    local tries=${2:-7}
    for _ in $(seq "$tries"); do
        sleep 1
        import -window root "$1"
        check_saver_picture "$1" >/dev/null && { check_saver_picture "$1" | tail -n 1; return 0; }
    done
    check_saver_picture "$1"
}
