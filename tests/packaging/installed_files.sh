# Sourced by the install and package checks. check_installed_files ROOT: what an install below ROOT
# (the prefix /usr) must hold for a desktop, and nothing from the build; each fault goes to `fail`.
check_installed_files() {
    local root=$1 expected files
    for expected in \
        usr/bin/ddsgen \
        usr/bin/ddsgen-cli \
        usr/share/ddsgen/generateur_fonctions/utlisation_soft.htm \
        usr/share/ddsgen/generateur_fonctions/utlisation_soft_en.htm \
        usr/share/ddsgen/generateur_fonctions/utlisation_soft_de.htm \
        usr/share/ddsgen/generateur_fonctions/guide.css \
        usr/share/applications/ddsgen.desktop \
        usr/share/metainfo/org.example.generateur_dds.ddsgen.metainfo.xml \
        usr/share/icons/hicolor/16x16/apps/ddsgen.png \
        usr/share/icons/hicolor/48x48/apps/ddsgen.png \
        usr/share/icons/hicolor/256x256/apps/ddsgen.png \
        usr/lib/udev/rules.d/70-ddsgen.rules \
        usr/share/man/man1/ddsgen.1.gz \
        usr/share/man/man1/ddsgen-cli.1.gz; do
        [ -f "$root/$expected" ] || fail "missing /$expected"
    done
    files=$(cd "$root" && find . -type f)
    if grep -E '\.(a|h)$|/include/|/test_|/bench_' <<<"$files"; then
        fail "build files installed"
    fi
    [ -z "$(find "$root/usr/bin" -mindepth 1 -type d)" ] || fail "a folder below /usr/bin"
    [ -x "$root/usr/bin/ddsgen" ] || fail "the program is not executable"
    grep -q '^Exec=ddsgen$' "$root/usr/share/applications/ddsgen.desktop" || fail "desktop entry Exec"
    grep -q 'idVendor}=="04d8"' "$root/usr/lib/udev/rules.d/70-ddsgen.rules" || fail "udev rule content"
    desktop-file-validate "$root/usr/share/applications/ddsgen.desktop" || fail "desktop entry invalid"
    # The screenshots and the home page sit on the maker's web host, which a build need not reach.
    appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/"*.metainfo.xml ||
        fail "AppStream metadata invalid"
}
