# The benchmarks' own Wine prefix, sourced by them: one virtual desktop, the
# game's stored archive path naming $bench/Longstopper.gob, Wine's faces.
export WINEPREFIX="$root/build-wine/wineprefix-bench" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
$wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
$wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
$wine reg add 'HKCU\Software\VB and VBA Program Settings\Longstopper\Tunebench' /v GOB \
    /d "Z:${bench//\//\\}\\Longstopper.gob" /f >/dev/null 2>&1
cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
