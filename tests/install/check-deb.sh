#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package that scripts/package made, without installing it on this machine:
# unpacks it into a temporary root, looks for every file a desktop and a distribution need, reads
# the package's fields, looks for the hardening in the programs, and runs the unpacked programs on
# the sample catalogue the package carries, in English and on a German desktop.
# Builds nothing. Usage: tests/install/check-deb.sh PATH/TO/reelkeep-viewer_VERSION_ARCH.deb
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 PATH/TO/reelkeep-viewer_VERSION_ARCH.deb" >&2
    exit 2
fi
deb=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
}
# check WHAT COMMAND...: WHAT holds when COMMAND succeeds.
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# A PNG's width and height are the two big-endian words after its IHDR tag.
png_size() {
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "no PNG"; return; }
    local width height
    width=$(od -An -j16 -N4 --endian=big -tu4 "$1" | tr -d ' ')
    height=$(od -An -j20 -N4 --endian=big -tu4 "$1" | tr -d ' ')
    echo "${width}x${height}"
}

# ---- the package's fields

field() {
    dpkg-deb --field "$deb" "$1"
}
# Whether a relation field names a package, alone or with a version: "libqt6core6 (>= 6.4.0)".
lists() {
    local items item
    IFS=',' read -ra items <<<"$1"
    for item in "${items[@]}"; do
        item=${item#"${item%%[! ]*}"}
        [ "${item%% *}" = "$2" ] && return 0
    done
    return 1
}
check "Package: reelkeep-viewer (is '$(field Package)')" [ "$(field Package)" = reelkeep-viewer ]
version=$(sed -nE 's/^project\(ReelkeepViewer VERSION ([0-9.]+).*/\1/p' "$source_dir/CMakeLists.txt")
check "Version: the project's $version (is '$(field Version)')" [ "$(field Version)" = "$version" ]
maintainer="Reelkeep Viewer developers <developers@reelkeep-viewer.example>"
check "Maintainer: $maintainer (is '$(field Maintainer)')" [ "$(field Maintainer)" = "$maintainer" ]

depends=$(field Depends)
echo "   Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6; do
    check "Depends on $package" lists "$depends" "$package"
done
recommends=$(field Recommends)
echo "   Recommends: $recommends"
check "Recommends mediainfo" lists "$recommends" mediainfo
check "Recommends qt6-translations-l10n" lists "$recommends" qt6-translations-l10n

# ---- the files

dpkg-deb --extract "$deb" "$root"

for program in reelkeep-viewer reelkeep-cli; do
    if [ -f "$root/usr/bin/$program" ] && [ -x "$root/usr/bin/$program" ]; then
        pass "/usr/bin/$program"
    else
        fail "/usr/bin/$program is missing or not executable"
        continue
    fi
    missing=$(ldd "$root/usr/bin/$program" | grep 'not found' || true)
    check "$program finds its libraries${missing:+: $missing}" [ -z "$missing" ]
done

# The hardening Debian asks for: PIE, relocations read-only and bound at start, stack protector.
hardened() {
    local headers
    headers=$(readelf --file-header --program-headers --dynamic --dyn-syms --wide "$1")
    grep -q 'Type: *DYN' <<<"$headers" && grep -q 'FLAGS_1.*PIE' <<<"$headers" &&
        grep -q GNU_RELRO <<<"$headers" && grep -q 'FLAGS.*BIND_NOW' <<<"$headers" &&
        grep -q __stack_chk_fail <<<"$headers"
}
for program in reelkeep-viewer reelkeep-cli; do
    check "$program: PIE, RELRO, BIND_NOW, stack protector" hardened "$root/usr/bin/$program"
done

app=org.reelkeep.ReelkeepViewer
desktop=$root/usr/share/applications/$app.desktop
if [ -f "$desktop" ]; then
    pass "/usr/share/applications/$app.desktop"
    for line in 'Type=Application' 'Name=Reelkeep Viewer' 'Exec=reelkeep-viewer' "Icon=$app"; do
        check "desktop entry: $line" grep -qxF "$line" "$desktop"
    done
    check "desktop entry: category AudioVideo" grep -Eq '^Categories=(.*;)?AudioVideo;' "$desktop"
else
    fail "/usr/share/applications/$app.desktop is missing"
fi

metainfo=$root/usr/share/metainfo/$app.metainfo.xml
check "the AppStream metainfo of $app" grep -qF "<id>$app</id>" "$metainfo"
check "the metainfo launches $app.desktop" \
    grep -qF "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo"
check "the metainfo's newest release is $version" \
    grep -qF "<release version=\"$version\"" <(grep -m1 '<release ' "$metainfo")

icons=$root/usr/share/icons/hicolor
for size in 16 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$app.png
    if [ ! -f "$png" ]; then
        fail "the ${size}x${size} icon is missing"
    elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
        fail "the ${size}x${size} icon is $(png_size "$png")"
    else
        pass "the ${size}x${size} icon"
    fi
done
svg=$icons/scalable/apps/$app.svg
check "the scalable icon" grep -q '<svg' "$svg"

for page in reelkeep-viewer reelkeep-cli; do
    check "the manual page $page(1)" gzip -t "$root/usr/share/man/man1/$page.1.gz"
done
check "bash completion" grep -q '^complete -F .* reelkeep-cli$' \
    "$root/usr/share/bash-completion/completions/reelkeep-cli"
check "zsh completion" grep -qx '#compdef reelkeep-cli' \
    "$root/usr/share/zsh/vendor-completions/_reelkeep-cli"
check "fish completion" grep -q '^complete -c reelkeep-cli ' \
    "$root/usr/share/fish/vendor_completions.d/reelkeep-cli.fish"

doc=$root/usr/share/doc/reelkeep-viewer
check "the copyright file, machine-readable" grep -qx \
    'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
newest=$(sed -nE '/^## /{s/^## ([0-9.]+) - .*/\1/p;q}' "$source_dir/CHANGELOG.md")
check "CHANGELOG.md's newest release is the project's $version (is '$newest')" \
    [ "$newest" = "$version" ]
first=$(gzip -dc "$doc/changelog.gz" 2>/dev/null | head -n1 || true)
check "changelog.gz starts with $version (is '$first')" \
    [ "$first" = "reelkeep-viewer ($version) unstable; urgency=medium" ]

samples=$root/usr/share/reelkeep-viewer/samples
check "the sample catalogue, as in samples/" diff -r -x .gitattributes "$source_dir/samples" "$samples"
check "the German translation" [ -f "$root/usr/share/reelkeep-viewer/translations/reelkeep-viewer_de.qm" ]
check "the README" [ -f "$root/usr/share/doc/reelkeep-viewer/README.md" ]

# ---- the unpacked programs, with a settings store of their own

export REELKEEP_SETTINGS_DIR=$work/settings
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$REELKEEP_SETTINGS_DIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cli=$root/usr/bin/reelkeep-cli

status=0
"$cli" --db "$samples" list >"$work/list" 2>"$work/list.err" || status=$?
expected=$(printf '%s\n' Alien Amélie "Battlefield Earth" "Blade Runner" Casablanca)
if [ $status -ne 0 ]; then
    fail "reelkeep-cli --db SAMPLES list exits with $status: $(cat "$work/list.err")"
elif [ "$(wc -l <"$work/list")" -ne 25 ] || [ "$(head -n5 "$work/list")" != "$expected" ] ||
    [ "$(tail -n1 "$work/list")" != Waterworld ]; then
    fail "reelkeep-cli --db SAMPLES list prints something else: $(head -n3 "$work/list")..."
elif [ "$(cat "$work/list.err")" != "25 entries loaded." ]; then
    fail "reelkeep-cli --db SAMPLES list says '$(cat "$work/list.err")'"
else
    pass "reelkeep-cli --db SAMPLES list: 25 titles"
fi

status=0
"$cli" --db "$samples" show "Blade Runner" >"$work/show" 2>/dev/null || status=$?
check "reelkeep-cli show \"Blade Runner\" succeeds (status $status)" [ $status -eq 0 ]
check "reelkeep-cli show names the installed cover" \
    grep -qF "\"CoverFile\": \"$samples/Covers/21.jpg\"" "$work/show"

# The viewer starts on the installed catalogue and keeps running until it is stopped.
"$cli" settings set ReelkeepViewer DBPath "$samples/"
"$cli" settings set ReelkeepViewer CoverPath "$samples/Covers/"
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/reelkeep-viewer" >"$work/viewer.log" 2>&1 ||
    status=$?
check "reelkeep-viewer starts on the installed samples and runs until stopped (status $status)" \
    [ $status -eq 124 ]
[ $status -eq 124 ] || cat "$work/viewer.log" >&2

# On a German desktop the viewer takes its own translation and Qt's from where they are installed.
# The windows' German texts are checked by the tests; here, that the installed files are the ones
# it opens.
strace -f -qq -e trace=openat -e signal=none -o "$work/viewer.trace" env LANG=de_DE.UTF-8 \
    LANGUAGE= LC_ALL= LC_MESSAGES= QT_QPA_PLATFORM=offscreen \
    timeout 3 "$root/usr/bin/reelkeep-viewer" >/dev/null 2>&1 || true
opened() {
    grep -qE "openat\(AT_FDCWD, \"$1\", O_RDONLY[^)]*\) = [0-9]+$" "$work/viewer.trace"
}
check "on a German desktop the viewer opens its installed German translation" \
    opened "$root/usr/bin/../share/reelkeep-viewer/translations/reelkeep-viewer_de.qm"
check "on a German desktop the viewer opens Qt's German translation" \
    opened "/usr/share/qt6/translations/qtbase_de.qm"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) of $deb failed" >&2
    exit 1
fi
echo "All checks of $(basename "$deb") passed"
