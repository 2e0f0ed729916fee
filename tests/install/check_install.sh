#!/usr/bin/env bash
# One check of the installed program (see CMakeLists.txt beside this file for the settings):
#   check_install.sh stage | files | ornavo_gen_recipe | ornavo_version | desktop_entry | mime_type |
#                    metainfo | manual_pages
# Exits 0 when the check holds, 1 when it does not, 77 when a validator it needs is missing.
set -uo pipefail

: "${ORNAVO_BUILD:?}" "${ORNAVO_STAGE:?}" "${ORNAVO_PREFIX:?}" "${ORNAVO_APP_ID:?}" "${ORNAVO_VERSION:?}"
root=$ORNAVO_STAGE$ORNAVO_PREFIX
here=$(cd "$(dirname "$0")" && pwd)
source_root=$(cd "$here/../.." && pwd)
id=$ORNAVO_APP_ID
icon_sizes=(16 22 24 32 48 64 128 256 512)
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
skip() {
  echo "SKIP: $* (scripts/setup-deps installs it)"
  exit 77
}
finish() {
  ((failures == 0)) && echo "ok" && exit 0
  exit 1
}
# A folder of its own ($workdir) to run the installed programs from, far from the build tree.
make_workdir() {
  workdir=$(mktemp -d)
  trap 'rm -rf "$workdir"' EXIT
}

# Every file a user gets, relative to the prefix.
expected_files() {
  echo bin/ornavo-gen
  echo share/man/man1/ornavo-gen.1.gz
  if [[ -n ${ORNAVO_GUI:-} ]]; then
    echo bin/ornavo
    echo share/man/man1/ornavo.1.gz
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    echo "share/mime/packages/$id.xml"
    echo "share/icons/hicolor/scalable/apps/$id.svg"
    for size in "${icon_sizes[@]}"; do
      echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
  fi
}

check_stage() {
  rm -rf "$ORNAVO_STAGE"
  mkdir -p "$ORNAVO_STAGE"
  if ! DESTDIR=$ORNAVO_STAGE "${ORNAVO_CMAKE:-cmake}" --install "$ORNAVO_BUILD" --prefix "$ORNAVO_PREFIX" \
    >"$ORNAVO_STAGE/../install.log" 2>&1; then
    cat "$ORNAVO_STAGE/../install.log"
    fail "cmake --install into $ORNAVO_STAGE failed"
  fi
}

# The PNG's width and height from its header.
png_size() {
  local bytes
  bytes=($(od -An -tu1 -j16 -N8 "$1"))
  ((${#bytes[@]} == 8)) || return 1
  echo "$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))x$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))"
}

check_files() {
  local file
  while read -r file; do
    [[ -s $root/$file ]] || fail "missing: $ORNAVO_PREFIX/$file"
  done < <(expected_files)
  for file in bin/ornavo-gen bin/ornavo; do
    [[ $file == bin/ornavo && -z ${ORNAVO_GUI:-} ]] && continue
    [[ -x $root/$file ]] || fail "not executable: $ORNAVO_PREFIX/$file"
    # Nothing of the build tree may be needed to start an installed program.
    if command -v readelf >/dev/null && readelf -d "$root/$file" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -qF "$ORNAVO_BUILD"; then
      fail "$ORNAVO_PREFIX/$file searches libraries in the build tree: $(readelf -d "$root/$file" | grep -E 'R(UN)?PATH')"
    fi
  done
  # The preview runtime lies where the program looks for it (../share/ornavo/preview-runtime beside
  # its own folder), as complete as the build tree's copy.
  if [[ -n ${ORNAVO_RUNTIME_BUILT:-} ]]; then
    if [[ ! -f $root/bin/../share/ornavo/preview-runtime/ornavo-preview.js ]]; then
      fail "the preview runtime is not in $ORNAVO_PREFIX/share/ornavo/preview-runtime"
    elif ! diff -r "$ORNAVO_RUNTIME_BUILT" "$root/share/ornavo/preview-runtime"; then
      fail "the installed preview runtime differs from $ORNAVO_RUNTIME_BUILT"
    fi
  fi
  if [[ -n ${ORNAVO_GUI:-} ]]; then
    for size in "${icon_sizes[@]}"; do
      file=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
      [[ -f $file ]] || continue
      [[ $(png_size "$file") == "${size}x${size}" ]] ||
        fail "$file is $(png_size "$file" || echo 'no PNG'), not ${size}x${size}"
    done
    grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" 2>/dev/null || fail "the scalable icon is no SVG"
  fi
  for file in "$root"/share/man/man1/*.gz; do
    gzip -t "$file" 2>/dev/null || fail "$file is not gzip-compressed"
  done
  # Nothing else: every installed file is one of the above, the preview runtime or a private library.
  while read -r file; do
    file=${file#./}
    case $file in
    "${ORNAVO_PREFIX#/}"/share/ornavo/preview-runtime/* | "${ORNAVO_PREFIX#/}"/lib/ornavo/*) ;;
    *) expected_files | sed "s|^|${ORNAVO_PREFIX#/}/|" | grep -qxF "$file" || fail "unexpected file installed: /$file" ;;
    esac
  done < <(cd "$ORNAVO_STAGE" && find . -type f -o -type l)
}

check_ornavo_gen_recipe() {
  local gen out built
  make_workdir
  local dir=$workdir
  gen=$root/bin/ornavo-gen
  cat >"$dir/poster.recipe" <<'RECIPE'
open F03
set 编辑框_海报高度 640
pick 组合框_店铺类型 集市店铺
press 按钮_全屏海报一键生成
print
RECIPE
  out=$(cd "$dir" && "$gen" run poster.recipe) || fail "the installed ornavo-gen failed the recipe (status $?)"
  [[ $out == *'<div style="height:640px;">'* ]] || fail "the installed ornavo-gen printed no poster markup: ${out:0:200}"
  if [[ -n ${ORNAVO_GEN_BUILT:-} ]]; then
    built=$(cd "$dir" && "$ORNAVO_GEN_BUILT" run poster.recipe)
    [[ $out == "$built" ]] || fail "the installed ornavo-gen's code differs from the build tree's"
  fi
  (cd "$dir" && "$gen" list) | grep -qxF $'F03\t全屏海报' || fail "the installed ornavo-gen does not list F03"
}

check_ornavo_version() {
  local out
  make_workdir
  local dir=$workdir
  # As in a terminal without a display: the version needs no window system.
  out=$(cd "$dir" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/ornavo" --version 2>"$dir/stderr")
  local status=$?
  ((status == 0)) || { cat "$dir/stderr"; fail "the installed ornavo --version exited with $status"; }
  [[ $out == "Ornavo $ORNAVO_VERSION" ]] || fail "the installed ornavo --version printed '$out', not 'Ornavo $ORNAVO_VERSION'"
}

check_desktop_entry() {
  command -v desktop-file-validate >/dev/null || skip "desktop-file-validate (desktop-file-utils) is missing"
  local entry=$root/share/applications/$id.desktop out key
  [[ -f $entry ]] || { fail "no menu entry $entry"; finish; }
  out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate rejects the menu entry"
  echo "$out"
  grep -qE ': (error|warning): ' <<<"$out" && fail "desktop-file-validate has errors or warnings"
  # English and Chinese name and comment.
  for key in 'Name' 'Name\[zh_CN\]' 'Comment' 'Comment\[zh_CN\]'; do
    grep -qE "^$key=.+" "$entry" || fail "the menu entry has no ${key//\\/}"
  done
  # What it starts and shows is installed.
  local exec icon
  exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [[ -x $root/bin/$exec ]] || fail "the menu entry starts '$exec', which is not installed in $ORNAVO_PREFIX/bin"
  [[ -f $root/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "the menu entry's icon '$icon' is not installed"
  # It opens settings files: it takes a file and names their type.
  grep -qE '^Exec=[^ ]+ %[fF]$' "$entry" || fail "the menu entry's Exec takes no file"
  grep -qxF 'MimeType=application/x-ornavo-settings;application/x-ornavo-page;' "$entry" ||
    fail "the menu entry names not the settings and page types"
}

# The settings files' type: the shared MIME database takes the installed description, and a saved file
# (by its name, and by its first line under another name) is of that type.
check_mime_type() {
  command -v update-mime-database >/dev/null || skip "update-mime-database (shared-mime-info) is missing"
  local packages=$root/share/mime/packages/$id.xml
  [[ -f $packages ]] || { fail "no MIME type description $packages"; finish; }
  make_workdir
  mkdir -p "$workdir/mime/packages"
  cp "$packages" "$workdir/mime/packages/"
  XDG_DATA_DIRS=$workdir update-mime-database "$workdir/mime" 2>"$workdir/errors" || fail "update-mime-database rejects $id.xml"
  [[ -s $workdir/errors ]] && { cat "$workdir/errors"; fail "update-mime-database warns about $id.xml"; }
  grep -qF 'application/x-ornavo-settings:*.ornavo' "$workdir/mime/globs" ||
    fail "*.ornavo is not application/x-ornavo-settings"
  grep -qF "application/x-ornavo-settings:$id" "$workdir/mime/icons" 2>/dev/null ||
    fail "the settings type does not show the program's icon"
  grep -qF 'application/x-ornavo-settings' "$workdir/mime/magic" || fail "the settings type has no magic"
  grep -qF 'application/x-ornavo-page:*.ornavo-page' "$workdir/mime/globs" ||
    fail "*.ornavo-page is not application/x-ornavo-page"
}

check_metainfo() {
  command -v appstreamcli >/dev/null || skip "appstreamcli (appstream) is missing"
  local metainfo=$root/share/metainfo/$id.metainfo.xml
  [[ -f $metainfo ]] || { fail "no metainfo $metainfo"; finish; }
  appstreamcli validate --no-net --no-color "$metainfo" || fail "appstreamcli rejects the metainfo"
  grep -qF "<release version=\"$ORNAVO_VERSION\"" "$metainfo" || fail "the metainfo does not name release $ORNAVO_VERSION"
  grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
}

check_manual_pages() {
  command -v man >/dev/null || skip "man (man-db) is missing"
  local page text warnings word
  for page in "$root"/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=100 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "$(basename "$page"): $warnings"
  done
  # ornavo-gen's page explains every command and every recipe action the README names.
  page=$root/share/man/man1/ornavo-gen.1.gz
  text=$(LC_ALL=C.UTF-8 MANWIDTH=100 man -E UTF-8 -l "$page" 2>/dev/null)
  local words
  words=$(sed -n '/^## ornavo-gen/,/^## [^o]/p' "$source_root/README.md" |
    sed -n -e 's/^ *ornavo-gen \([a-z]\+\).*/\1/p' -e 's/^| `\([a-z]\+\).*/\1/p' | sort -u)
  [[ -n $words ]] || fail "the README names no ornavo-gen commands"
  for word in $words; do
    grep -qE "^ {7}$word( |$)" <<<"$text" || fail "ornavo-gen(1) does not explain '$word'"
  done
  grep -qF "Ornavo $ORNAVO_VERSION" <<<"$text" || fail "ornavo-gen(1) does not name version $ORNAVO_VERSION"
}

case ${1:-} in
stage | files | ornavo_gen_recipe | ornavo_version | desktop_entry | mime_type | metainfo | manual_pages) "check_$1" ;;
*)
  echo "usage: $0 stage|files|ornavo_gen_recipe|ornavo_version|desktop_entry|mime_type|metainfo|manual_pages" >&2
  exit 2
  ;;
esac
finish
