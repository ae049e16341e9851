#!/usr/bin/env bash
# check-install.sh BUILD_DIR SOURCE_DIR VERSION: installs the build into a temporary DESTDIR
# under the prefix /usr and checks what a desktop and the Debian package need of it: the program,
# a valid desktop entry that starts it, its icon in the hicolor theme at every size (the very
# pictures the program shows), the manual page, the AppStream metadata, the bash completion, the
# copyright and the changelog. Nothing else may be installed. A validator that is not installed
# is skipped; lintian checks the package when scripts/package.sh (or cpack) has built one.
set -euo pipefail
build=$1
source=$2
version=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

read -r -a sizes <<< "$(sed -n 's/^program //p' "$source/common/icons/sizes.txt")"
metainfo=share/metainfo/com.tarvelsoftware.halvex_config.metainfo.xml
expected=(bin/halvex-config share/applications/halvex-config.desktop
          share/icons/hicolor/scalable/apps/halvex-config.svg
          share/man/man1/halvex-config.1.gz "$metainfo"
          share/bash-completion/completions/halvex-config
          share/doc/halvex-config/copyright share/doc/halvex-config/changelog.gz)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/halvex-config.png")
done
installed=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$installed" = "$wanted" ] || fail "installed files differ from the expected ones:
$(diff <(echo "$wanted") <(echo "$installed") || true)"

[ -x "$root/bin/halvex-config" ] || fail "bin/halvex-config is not an executable"

entry=$root/share/applications/halvex-config.desktop
if [ -f "$entry" ]; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the desktop entry"
    grep -qx 'Exec=halvex-config' "$entry" || fail "the entry does not start halvex-config"
    grep -qx 'Icon=halvex-config' "$entry" || fail "the entry does not show the program icon"
    grep -qx 'Type=Application' "$entry" || fail "the entry is not an application"
fi

# PNG width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in "${sizes[@]}"; do
    icon=$root/share/icons/hicolor/${size}x${size}/apps/halvex-config.png
    [ -f "$icon" ] || continue
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
    cmp -s "$icon" "$source/common/icons/$size/halvex-config.png" ||
        fail "$icon is not the picture that the program shows"
done
svg=$root/share/icons/hicolor/scalable/apps/halvex-config.svg
[ ! -f "$svg" ] || cmp -s "$svg" "$source/common/icons/halvex-config.svg" ||
    fail "the scalable icon is not the program's drawing"

has() { command -v "$1" >/dev/null || { echo "skipped: $1 is not installed"; false; }; }
if [ -f "$root/$metainfo" ]; then
    ! has appstreamcli || appstreamcli validate --no-net "$root/$metainfo" ||
        fail "appstreamcli rejects the metainfo"
    grep -q '<launchable type="desktop-id">halvex-config.desktop</launchable>' "$root/$metainfo" ||
        fail "the metainfo does not launch the installed desktop entry"
    grep -q "<release version=\"$version\"" "$root/$metainfo" ||
        fail "the metainfo has no release $version"
fi
changelog=$root/share/doc/halvex-config/changelog.gz
[ ! -f "$changelog" ] || zcat "$changelog" | sed -n 1p | grep -qF "halvex-config ($version)" ||
    fail "the changelog's latest entry is not version $version"
manual=$root/share/man/man1/halvex-config.1.gz
if [ -f "$manual" ] && has groff; then
    warnings=$(zcat "$manual" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "groff warns about the manual page: $warnings"
fi
completion=$root/share/bash-completion/completions/halvex-config
if [ -f "$completion" ]; then
    offered=$(source "$completion"; COMP_WORDS=(halvex-config --reset ""); COMP_CWORD=2
              "$(complete -p halvex-config | awk '{print $3}')"; echo "${COMPREPLY[*]}")
    [ "$offered" = "toolbar procedures mime all" ] ||
        fail "the completion offers \"$offered\" after --reset"
fi

debs=("$build"/halvex-config_*.deb "$source"/build-package/halvex-config_*.deb)
for deb in "${debs[@]}"; do
    if [ -f "$deb" ] && has lintian; then
        lintian --fail-on error,warning "$deb" || fail "lintian finds faults in $deb"
    fi
done

if [ "$failures" -ne 0 ]; then
    echo "$failures checks failed"
    exit 1
fi
echo "install layout as expected"
