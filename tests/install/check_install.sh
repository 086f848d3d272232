#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and builds its Debian package, then checks both
# as a user meets them: the file list, the desktop entry, the AppStream file, the manual pages,
# lintian, and the installed orvel-tool and orvel (offscreen, until the dictionary is ready),
# started from the prefix, by the session bus, and from the unpacked package. The programs write
# nothing into the prefix even where they could; the unpacked package, whose index files may
# date from the same clock tick as its dictionary, is started as a user who cannot write there,
# as an installed package is.
#
# usage: tests/install/check_install.sh BUILD_DIR      (a configured and built tree)
set -euo pipefail
build=$(cd "${1:?usage: check_install.sh BUILD_DIR}" && pwd)
probe_plugin=$build/tests/install/plugins/generic/liborvelstatusprobe.so
[ -f "$probe_plugin" ] || { echo "no $probe_plugin: build the tree first" >&2; exit 2; }

work=$(mktemp -d /tmp/orvel-install-XXXXXX)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
step() { echo "--- $*"; }

# A tree is closed to the programs by running them as nobody when this runs as the superuser
# (to whom no folder is closed), else by making it read-only.
closed_user=()
if [ "$(id -u)" -eq 0 ]; then
    closed_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
as_user=()
# The plug-in is copied where that user can read it.
mkdir -p "$work/plugins/generic"
cp "$probe_plugin" "$work/plugins/generic/"
chmod -R a+rX "$work/plugins"

# A fresh home for one run: data, configuration and runtime folders.
new_home() {
    local home=$work/home-$1
    mkdir -p "$home/data" "$home/config" "$home/run"
    chmod 700 "$home/run"
    if [ ${#as_user[@]} -gt 0 ]; then chown -R nobody:nogroup "$home"; fi
    echo "$home"
}

# usage: run_user HOME COMMAND... : the command as the ordinary user, in that home.
run_user() {
    local home=$1; shift
    (cd "$work" && env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 \
        XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" \
        QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$work/plugins" \
        QT_QPA_GENERIC_PLUGINS=orvelstatusprobe ${EXTRA_ENV:-} \
        "${as_user[@]}" "$@")
}

snapshot() { (cd "$1" && find . -printf '%p %y %s %T@ %m %l\n' | LC_ALL=C sort); }

# The installed tree is closed to writing while the programs run (the superuser's is already,
# since they run as nobody).
close_tree() {
    as_user=("${closed_user[@]}")
    if [ ${#as_user[@]} -eq 0 ]; then chmod -R a-w "$1"; fi
}
open_tree() {
    if [ ${#as_user[@]} -eq 0 ]; then chmod -R u+w "$1"; fi
    as_user=()
}

# The files and links of a tree, as the expected list gives them.
list_tree() { (cd "$1" && find . -type l -printf '%P -> %l\n' -o ! -type d -printf '%P\n'); }

# The files of an installed tree, relative to its prefix ("usr" in the package).
expected_files() {
    cat <<'LIST'
bin/orvel
bin/orvel-tool
share/applications/org.dorne.Orvel.desktop
share/dbus-1/services/org.dorne.Orvel.service
share/doc/orvel/changelog.Debian.gz
share/doc/orvel/copyright
share/lintian/overrides/orvel
share/fonts/truetype/orvel/Orvel000.ttf
share/fonts/truetype/orvel/Orvel001.ttf
share/icons/hicolor/128x128/apps/org.dorne.Orvel.png
share/icons/hicolor/256x256/apps/org.dorne.Orvel.png
share/icons/hicolor/48x48/apps/org.dorne.Orvel.png
share/icons/hicolor/64x64/apps/org.dorne.Orvel.png
share/icons/hicolor/scalable/apps/org.dorne.Orvel.svg
share/man/man1/orvel-tool.1.gz
share/man/man1/orvel.1.gz
share/metainfo/org.dorne.Orvel.metainfo.xml
share/orvel/Orvel000.ttf -> ../fonts/truetype/orvel/Orvel000.ttf
share/orvel/Orvel001.ttf -> ../fonts/truetype/orvel/Orvel001.ttf
share/orvel/help/index.html
share/orvel/license.rtf
share/orvel/orvel.dic
share/orvel/orvel.idx
share/orvel/orvel.idz
share/orvel/orvel.rtf
share/orvel/orvel.voc
share/orvel/readme.rtf
share/orvel/troubleshooting.rtf
LIST
}

# usage: check_files LISTED : the listed files (path, or "path -> target" for links) against
# the expected ones; further help pages may come.
check_files() {
    local unexpected missing
    unexpected=$(LC_ALL=C sort <<<"$1" | LC_ALL=C comm -23 - <(expected_files | LC_ALL=C sort) |
        grep -v '^share/orvel/help/[a-z0-9_-]*\.html$' || true)
    missing=$(expected_files | LC_ALL=C sort | LC_ALL=C comm -23 - <(LC_ALL=C sort <<<"$1"))
    [ -z "$unexpected" ] || fail "unexpected files: $unexpected"
    [ -z "$missing" ] || fail "missing files: $missing"
}

# usage: check_program PREFIX NAME : the installed orvel-tool and orvel of PREFIX, which must
# not change; CLOSED=1 runs them where they cannot write; INDEXES_READ=1 asks that the shipped
# index files be used as they are.
check_program() {
    local prefix=$1 name=$2 home before out status
    if [ "${CLOSED:-0}" = 1 ]; then close_tree "$prefix"; fi
    home=$(new_home "$name")
    before=$(snapshot "$prefix")

    step "$name: orvel-tool"
    if out=$(run_user "$home" "$prefix/bin/orvel-tool" info --dic "$prefix/share/orvel/orvel.dic")
    then
        echo "$out"
        if [ "${INDEXES_READ:-0}" = 1 ]; then
            grep -qx 'idx: read' <<<"$out" && grep -qx 'idz: read' <<<"$out" ||
                fail "$name: the installed index files are not used as they are"
        fi
    else
        fail "$name: orvel-tool info failed"
    fi
    out=$(run_user "$home" "$prefix/bin/orvel-tool" lookup --dic "$prefix/share/orvel/orvel.dic" \
        --display l3go~) || fail "$name: orvel-tool lookup failed"
    grep -q 'l3go~' <<<"$out" || fail "$name: orvel-tool lookup l3go~ answered '$out'"

    step "$name: orvel, offscreen"
    status=0
    out=$(run_user "$home" timeout 60 "$prefix/bin/orvel" 2>&1) || status=$?
    echo "$out"
    [ "$status" -eq 0 ] || fail "$name: orvel did not end by itself (status $status)"
    grep -q '^status 0: Словарь готов к работе$' <<<"$out" ||
        fail "$name: orvel did not reach \"Словарь готов к работе\""
    grep -qx 'fonts: Orvel000 Orvel001' <<<"$out" || fail "$name: the display fonts did not load"
    [ -d "$home/data/orvel/User" ] || fail "$name: no User folder under XDG_DATA_HOME"
    [ -f "$home/config/Dorne/Orvel.conf" ] || fail "$name: the settings were not saved"

    [ "$before" = "$(snapshot "$prefix")" ] || fail "$name: the programs wrote into $prefix"
    if [ "${CLOSED:-0}" = 1 ]; then open_tree "$prefix"; fi
}

step "cmake --install into a temporary prefix"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
check_files "$(list_tree "$prefix")"

step "desktop entry, AppStream file, manual pages"
desktop-file-validate "$prefix/share/applications/org.dorne.Orvel.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/org.dorne.Orvel.metainfo.xml" ||
    fail "appstreamcli validate"
for page in orvel orvel-tool; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$prefix/share/man/man1/$page.1.gz" \
        2>&1 >/dev/null) || fail "man $page"
    [ -z "$warnings" ] || fail "man $page: $warnings"
done
grep -qx "Exec=$prefix/bin/orvel" "$prefix/share/dbus-1/services/org.dorne.Orvel.service" ||
    fail "the D-Bus service does not start $prefix/bin/orvel"

INDEXES_READ=1 check_program "$prefix" prefix

step "prefix: started by the session bus"
home=$(new_home bus)
reply=$(EXTRA_ENV="XDG_DATA_DIRS=$prefix/share:/usr/share" run_user "$home" \
    timeout 90 dbus-run-session -- sh -c '
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.StartServiceByName string:org.dorne.Orvel uint32:0 || exit 1
        # The started program closes its window once ready; the session waits for its end.
        while dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
                org.freedesktop.DBus.NameHasOwner string:org.dorne.Orvel | grep -q "true"; do
            sleep 0.2
        done') || fail "the session bus could not start orvel"
grep -q 'uint32 1' <<<"$reply" || fail "the session bus did not start orvel: $reply"
[ -d "$home/data/orvel/User" ] || fail "bus: the started orvel made no User folder"

step "Debian package"
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(echo "$work"/package/orvel_*.deb)
[ -f "$deb" ] || { fail "no package built"; exit 1; }
echo "$(basename "$deb")"
dpkg-deb --field "$deb"
check_files "$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { $1=$2=$3=$4=$5=""; print }' |
    sed -e 's/^ *//; s|^\./usr/||')"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6dbus6 qt6-qpa-plugins; do
    grep -q "$library" <<<"$depends" || fail "the package does not depend on $library"
done
lintian --fail-on error "$deb" || fail "lintian finds errors"

step "the unpacked package"
root=$work/root
dpkg-deb -x "$deb" "$root"
CLOSED=1 INDEXES_READ=1 check_program "$root/usr" package

if [ "$failures" -gt 0 ]; then
    echo "=== install: $failures failures" >&2
    exit 1
fi
echo "=== install: the installed tree and the package passed"
