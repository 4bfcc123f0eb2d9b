# install_fake_opener DIR: puts an xdg-open first on PATH that only writes what it was
# asked to open into DIR/opened, so a test can check the address without a browser.
install_fake_opener() {
    mkdir -p "$1/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s/opened"\n' "$1" >"$1/bin/xdg-open"
    chmod +x "$1/bin/xdg-open"
    export PATH="$1/bin:$PATH"
}
