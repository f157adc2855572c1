# What both end-to-end scripts need of the X display, sourced by them.
window() {  # <name> -> the id of the visible window so named, once shown
    local id
    for _ in $(seq 300); do  # a first start may wait on the font cache
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named $1" >&2
    return 1
}
