#!/bin/sh
# Installs the build into a temporary prefix and checks that a desktop finds everything there:
# both programs, a valid menu entry, the icon in every size and the .mur file type.
set -e
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
falta=0
for f in bin/tarelvo bin/tarelvo-calc \
         share/applications/tarelvo.desktop \
         share/mime/packages/tarelvo-mur.xml \
         share/icons/hicolor/scalable/apps/tarelvo.svg \
         share/icons/hicolor/16x16/apps/tarelvo.png share/icons/hicolor/32x32/apps/tarelvo.png \
         share/icons/hicolor/48x48/apps/tarelvo.png share/icons/hicolor/64x64/apps/tarelvo.png \
         share/icons/hicolor/128x128/apps/tarelvo.png share/icons/hicolor/256x256/apps/tarelvo.png
do
  if [ ! -s "$prefix/$f" ]; then echo "Falta $f"; falta=1; fi
done
[ "$falta" -eq 0 ]
[ -x "$prefix/bin/tarelvo" ] && [ -x "$prefix/bin/tarelvo-calc" ]
desktop-file-validate "$prefix/share/applications/tarelvo.desktop"
grep -q '^Exec=tarelvo %f$' "$prefix/share/applications/tarelvo.desktop"
grep -q '^MimeType=application/x-tarelvo-mur;$' "$prefix/share/applications/tarelvo.desktop"
grep -q "^X-Tarelvo-Version=$2\$" "$prefix/share/applications/tarelvo.desktop"
grep -q 'pattern="\*.mur"' "$prefix/share/mime/packages/tarelvo-mur.xml"
# The MIME database compiles our type and matches a project file by its name.
if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime" >/dev/null 2>&1
  grep -q 'application/x-tarelvo-mur' "$prefix/share/mime/globs2"
fi
# The installed tool runs on its own, and hands the report to the desktop program beside it.
"$prefix/bin/tarelvo-calc" | grep -q "MURO ESTABLE"
"$prefix/bin/tarelvo-calc" --pdf "$prefix/reporte.pdf" >/dev/null
[ "$(head -c 5 "$prefix/reporte.pdf")" = "%PDF-" ]
echo "Instalación completa en $prefix"
