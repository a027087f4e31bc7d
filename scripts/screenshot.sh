#!/bin/sh
# Starts the window on a virtual display with a small demo tree, generates
# the list, clicks an entry, and writes docs/screenshot.png.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh --screenshot
scripts/build.sh >/dev/null

# A fixed, short folder, so that the paths in the picture read well.
work=/tmp/dirnal-lst-demo
rm -rf "$work"
trap 'rm -rf "$work"' EXIT
for project in Baugruppen Normteile Projekte Zeichnungen; do
    for part in Alt Aktuell Freigabe; do
        mkdir -p "$work/cad/$project/$part"
    done
done
mkdir -p "$work/home/.config/dirnal_lst_generator"
cat > "$work/home/.config/dirnal_lst_generator/dirnal_lst_generator.conf" <<CONF
[Optionen]
Dir1.Path=$work/cad
Dir_file.Path=$work/cad
CONF

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
HOME="$1" "$2" &
app=$!
sleep 2
window=$(xdotool search --onlyvisible --name "dirnal.lst-Manager" | head -n 1)
# "2. Liste erstellen", then the fourth entry of the list.
xdotool mousemove 416 57 click 1
sleep 0.5
xdotool mousemove 80 120 click 1
sleep 0.5
import -window "$window" "$3"
kill "$app"
SESSION
chmod +x "$work/session.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/session.sh" "$work/home" "$PWD/build/app/dirnal-lst-manager" \
    "$PWD/docs/screenshot.png"
echo "docs/screenshot.png written"
