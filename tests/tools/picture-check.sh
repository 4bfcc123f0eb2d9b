# check_saver_picture PNG: the screenshot (1280 x 720, taken in the saver's first ten
# seconds) shows flat cubes over the background where the picture puts them.
check_saver_picture() {
    /usr/bin/python3 "$TEST_TOOLS/picture_check.py" "$1"
}
