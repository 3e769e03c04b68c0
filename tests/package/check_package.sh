#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Judges the Debian package as a distribution would: lintian finds no error, and unpacked into a
# scratch root it holds the licence, valid desktop metadata, the icons, the man pages and the
# completions, and its command line runs from there.
# Usage: check_package.sh FOLDER (where tools/package left the package)
set -euo pipefail
packages=("$1"/orvalink_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || { echo "FAIL: no single package in $1: run tools/package" >&2; exit 1; }
package=${packages[0]}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg -x "$package" "$root"
share=$root/usr/share
for file in doc/orvalink/copyright doc/orvalink/changelog.gz \
            applications/org.orvalink.Orvalink.desktop metainfo/org.orvalink.Orvalink.metainfo.xml \
            mime/packages/org.orvalink.Orvalink.xml icons/hicolor/scalable/apps/org.orvalink.Orvalink.svg \
            icons/hicolor/16x16/apps/org.orvalink.Orvalink.png \
            icons/hicolor/256x256/apps/org.orvalink.Orvalink.png orvalink/help/index.html \
            orvalink/help/index.de.html orvalink/help/index.fr.html orvalink/help/help.css \
            man/man1/orvalink.1.gz man/man1/orvalink-cli.1.gz \
            bash-completion/completions/orvalink-cli zsh/site-functions/_orvalink-cli \
            fish/vendor_completions.d/orvalink-cli.fish orvalink/translations/orvalink_de.qm \
            orvalink/translations/orvalink_fr.qm; do
    [ -s "$share/$file" ] || fail "the package lacks /usr/share/$file"
done

version=$("$root/usr/bin/orvalink-cli" --version) || fail "orvalink-cli --version failed"
[[ $version == "orvalink-cli "[0-9]* ]] || fail "unexpected version line: $version"
LC_ALL=fr_FR.UTF-8 LANGUAGE= "$root/usr/bin/orvalink-cli" --help | grep -q "^Commandes :" ||
    fail "the installed orvalink-cli does not find its French catalogue"

# Each command has its section in the man page.
cli_page=$(zcat "$share/man/man1/orvalink-cli.1.gz")
for command in count list convert discover; do
    grep -q "^\.SH \"COMMAND ${command^^}\"" <<<"$cli_page" ||
        fail "the man page of orvalink-cli lacks the command $command"
done
"$root/usr/bin/orvalink" --version >/dev/null || fail "orvalink --version failed"

appstreamcli validate --no-net "$share/metainfo/org.orvalink.Orvalink.metainfo.xml"
desktop-file-validate "$share/applications/org.orvalink.Orvalink.desktop"
lintian --fail-on error --tag-display-limit 0 "$package"
