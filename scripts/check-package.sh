#!/usr/bin/env bash
# Checks the Debian package that `make package` built in BUILD_DIR: lintian finds no error and no
# warning (overrides in packaging/debian/quorprog.lintian-overrides, each with its reason), the
# AppStream metainfo validates, what it declares and holds, and that the programs run from it
# unpacked into a temporary root. The installed program's folder
# is not writable (read-only, and the program runs as nobody when this runs as root, since root
# may write anywhere): log.txt and quorprog.cfg must go to the per-user data folder.
set -euo pipefail

build_dir=${1:?usage: check-package.sh BUILD_DIR}
shopt -s nullglob
debs=("$build_dir"/quorprog_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "check-package: expected one quorprog_*.deb in $build_dir" >&2; exit 1; }
deb=$(realpath "${debs[0]}")

fail() {
    echo "check-package: $*" >&2
    exit 1
}

lintian --fail-on error,warning --tag-display-limit 0 "$deb" ||
    fail "lintian found errors or warnings in $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
    libqt6serialport6 libqt6svg6 fonts-liberation2; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = xdg-utils ] || fail "Recommends is not xdg-utils"
[ -z "$(dpkg-deb -f "$deb" Homepage)" ] || fail "a Homepage field, but the project has none"

work=$(mktemp -d)
app=""
cleanup() {
    if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
root=$work/root
dpkg-deb -x "$deb" "$root"

for file in usr/bin/quorprog usr/bin/quorprog-cli usr/bin/quorprog-emu \
    usr/share/quorprog/help/english.html usr/share/quorprog/help/italiano.html \
    usr/share/applications/quorprog.desktop \
    usr/share/icons/hicolor/48x48/apps/quorprog.png \
    usr/share/icons/hicolor/256x256/apps/quorprog.png \
    usr/share/icons/hicolor/scalable/apps/quorprog.svg \
    usr/lib/udev/rules.d/60-quorprog-serial.rules \
    usr/share/man/man1/quorprog.1.gz usr/share/man/man1/quorprog-cli.1.gz \
    usr/share/man/man1/quorprog-emu.1.gz \
    usr/share/doc/quorprog/copyright usr/share/doc/quorprog/changelog.gz \
    usr/share/metainfo/com.quorvel.quorprog.metainfo.xml \
    usr/share/mime/packages/quorprog.xml \
    usr/share/bash-completion/completions/quorprog-cli; do
    [ -e "$root/$file" ] || fail "the package lacks /$file"
done
rule=$root/usr/lib/udev/rules.d/60-quorprog-serial.rules
for setting in 'GROUP="dialout"' 'TAG+="uaccess"' 'ATTR{latency_timer}="1"'; do
    grep -qF "$setting" "$rule" || fail "the udev rule lacks $setting"
done
if dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postinst 2>/dev/null |
    grep -v '^ *#' | grep -q 'trigger --subsystem-match\|trigger *$\|trigger --action=[a-z]* *$'; then
    fail "postinst triggers udev for the whole system"
fi
appstreamcli validate --no-net "$root/usr/share/metainfo/com.quorvel.quorprog.metainfo.xml" ||
    fail "the AppStream metainfo does not validate"
grep -q '^Exec=quorprog %f$' "$root/usr/share/applications/quorprog.desktop" ||
    fail "the desktop entry does not pass the file to open"
grep -q '^MimeType=application/x-quorvel-channel-plan;$' \
    "$root/usr/share/applications/quorprog.desktop" ||
    fail "the desktop entry does not name the channel plans' MIME type"
# The completion answers with the commands of this package's quorprog-cli.
completions=$(PATH="$root/usr/bin:$PATH" bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    COMP_WORDS=(quorprog-cli sho); COMP_CWORD=1; COMP_LINE="quorprog-cli sho"; COMP_POINT=${#COMP_LINE}
    _quorprog_cli quorprog-cli sho quorprog-cli
    printf "%s\n" "${COMPREPLY[@]}"' _ "$root/usr/share/bash-completion/completions/quorprog-cli")
[ "$completions" = "show" ] || fail "quorprog-cli sho<TAB> completes to '$completions', not show"

# Whole outputs first: grep -q stops reading at the first match, and the program would then end
# on a broken pipe.
help=$("$root/usr/bin/quorprog-cli" --help)
grep -q '^Usage: quorprog-cli' <<<"$help" || fail "quorprog-cli --help from the package printed no usage"
version=$("$root/usr/bin/quorprog" --version)
grep -qF "$(dpkg-deb -f "$deb" Version)" <<<"$version" ||
    fail "quorprog --version from the package does not name the package's version"
desktop-file-validate "$root/usr/share/applications/quorprog.desktop" ||
    fail "the desktop entry does not validate"
if [ "$(id -u)" -eq 0 ]; then
    dpkg --dry-run -i "$deb" >/dev/null || fail "the package would not install here"
fi

# A user with their own home, and the program's folder made read-only.
home=$work/home
mkdir -p "$home/.config/quorprog"
# No serial port of the machine is touched: COM1..COM4 lead nowhere.
printf '[PORTS]\r\nCOM1=%s\r\nCOM2=%s\r\nCOM3=%s\r\nCOM4=%s\r\n' \
    "$work/none" "$work/none" "$work/none" "$work/none" > "$home/.config/quorprog/quorprog.ini"
chmod -R a+rwX "$home"
chmod a-w "$root/usr/bin"
run_as_user=()
[ "$(id -u)" -eq 0 ] && run_as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)

env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen \
    "${run_as_user[@]}" "$root/usr/bin/quorprog" > "$work/quorprog.out" 2>&1 &
app=$!

data=$home/.local/share/quorprog
for _ in $(seq 1 100); do
    [ -f "$data/log.txt" ] && [ -f "$data/quorprog.cfg" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
if [ ! -f "$data/log.txt" ] || [ ! -f "$data/quorprog.cfg" ]; then
    cat "$work/quorprog.out" >&2
    fail "the installed program kept no log.txt and quorprog.cfg in $data"
fi
if [ -e "$root/usr/bin/log.txt" ] || [ -e "$root/usr/bin/quorprog.cfg" ]; then
    fail "the installed program wrote into its own folder"
fi
kill "$app"
wait "$app" 2>/dev/null || true
app=""

echo "check-package: $(basename "$deb") is complete, runs unpacked and keeps its files per user"
