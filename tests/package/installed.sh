#!/usr/bin/env bash
# What a desktop and man find of the program in a Debian package, unpacked:
# the program, which answers every case; its copyright and changelog; its
# menu entry, valid, starting the installed program in a terminal under
# Education; the icon the entry names, in every size; the metainfo, valid,
# launching that entry, at the package's version; and the manual in each
# locale's language and script, with no warning from groff, the C locale's
# ASCII included.
# Usage: installed.sh DEB
set -u
export LC_ALL=C.UTF-8
root=$(mktemp -d) version=$(dpkg-deb -f "$1" Version) id=org.example.geometrija fails=0
locales=$(mktemp -d)
trap 'rm -rf "$root" "$locales"' EXIT
dpkg-deb -x "$1" "$root"
fail() {
  echo "FAILED: $*"
  fails=$((fails + 1))
}
bash "$(dirname "$0")/../cases/run.sh" "$root/usr/bin/geometrija" || fail "the program fails cases"
for file in share/doc/geometrija/copyright share/doc/geometrija/changelog.gz; do
  [ -f "$root/usr/$file" ] || fail "no /usr/$file"
done
entry=$root/usr/share/applications/$id.desktop
value() { sed -n "s/^$1=//p" "$entry"; }
desktop-file-validate "$entry" || fail "desktop-file-validate finds fault with $entry"
[ -x "$root/usr/bin/$(value Exec)" ] || fail "the entry starts '$(value Exec)', not the installed program"
[ "$(value Terminal)" = true ] || fail "the entry does not open a terminal"
[[ ";$(value Categories)" == *";Education;"* ]] || fail "the entry is not under Education"
[[ ";$(value Categories)" == *";Math;"* ]] || fail "the entry is not under Math"
[ "$(value 'Name\[sr\]')" = Геометрија ] || fail "the entry's Cyrillic name is '$(value 'Name\[sr\]')'"
icons=$root/usr/share/icons/hicolor
[ -f "$icons/scalable/apps/$(value Icon).svg" ] || fail "no scalable icon $(value Icon)"
for size in 16 22 24 32 48 64 128 256; do
  png=$icons/${size}x$size/apps/$(value Icon).png
  [ "$(pngtopnm "$png" 2>/dev/null | head -c 20 | sed -n 2p)" = "$size $size" ] ||
    fail "no $size x $size icon $(value Icon)"
done
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli finds fault with $metainfo"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo launches no $id.desktop"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not $version"

# The locales, made in a folder of their own.
for locale in C C.UTF-8 en_US.UTF-8 sr_RS.UTF-8 sr_RS.UTF-8@latin; do
  [[ $locale == C* ]] || localedef -i "${locale/.UTF-8/}" -f UTF-8 "$locales/$locale" 2>/dev/null
  heading=$(case $locale in sr_RS.UTF-8) echo ОПИС ;; *@latin) echo OPIS ;; *) echo DESCRIPTION ;; esac)
  man=(env LOCPATH="$locales" LC_ALL="$locale" MANPATH="$root/usr/share/man" MANWIDTH=80 man)
  "${man[@]}" geometrija 2>/dev/null | grep -qx "$heading" || fail "no $heading in the manual in $locale"
  warned=$("${man[@]}" --warnings geometrija 2>&1 >/dev/null)
  [ -z "$warned" ] || fail "the manual in $locale warns: ${warned%%$'\n'*}"
done
# And each page as it shows where only ASCII can be shown.
for page in "$root"/usr/share/man/{,sr/,sr@latin/}man1/geometrija.1.gz; do
  warned=$(LC_ALL=C man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warned" ] || fail "${page#"$root"} warns in the C locale: ${warned%%$'\n'*}"
done
echo "the installed program's desktop entry, icons, metainfo and manuals: $fails failures"
[ "$fails" -eq 0 ]
