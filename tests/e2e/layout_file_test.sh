#!/usr/bin/env bash
# Layouts from files end to end: the sample layout file in a folder "Layouts" beside the program is
# offered after the built-in layouts ("Change keyboard type" goes from "Numeric pad" to it and
# stores its name), it loads in the file's proportions, and a click on its Tab key reaches the
# focused target. A file that does not parse is left out and the keyboard goes on.
source "$(dirname "$0")/e2e_lib.sh"

INI="$(dirname "$ORVILLA_EXE")/Orvilla.ini"
LAYOUTS="$(dirname "$ORVILLA_EXE")/Layouts"
SAMPLE="$E2E_ROOT/docs/layouts/Figures.txt"
trap 'rm -rf "$LAYOUTS"; e2e_cleanup' EXIT
rm -rf "$LAYOUTS"
mkdir -p "$LAYOUTS"
cp "$SAMPLE" "$LAYOUTS/Figures.txt"
printf 'Height=10\r\n13=1,2;;3\r\n' > "$LAYOUTS/Broken.txt"
printf '[Main]\r\nSite=1\r\nKeyboard=8\r\n' > "$INI"

e2e_start_target
e2e_start_orvilla
e2e_wait_window '^Orvilla - ' >/dev/null || e2e_fail "the keyboard window did not appear"
sleep 1.5
e2e_syscommand 1029  # "Change keyboard type"
sleep 1
stored=$(e2e_ini_value Keyboard)
[ "$stored" = "Figures" ] || e2e_fail "after \"Numeric pad\" the keyboard type stored is \"$stored\", expected \"Figures\""
e2e_client_rect
# The sample is 241 x 121 layout units: the window keeps about that proportion.
ratio=$(( CLIENT_W * 100 / CLIENT_H ))
[ "$ratio" -ge 180 ] && [ "$ratio" -le 220 ] || e2e_fail "the client area ${CLIENT_W} x ${CLIENT_H} is not the sample's shape"
E2E_LAYOUT_FILE="$SAMPLE" e2e_click_key 9
sleep 0.3
down=$(e2e_key_log | grep '^DOWN' | tail -1)
[ "${down%% scan*}" = "DOWN vk=0x09" ] || e2e_fail "the sample's Tab key sent: $down"
e2e_expect_target_focus
echo "ok: the layout file is offered after the built-in ones, loads and types"

# The next command goes back to the first layout: the broken file is not offered.
e2e_syscommand 1029
sleep 1
stored=$(e2e_ini_value Keyboard)
[ "$stored" = "1" ] || e2e_fail "after the last layout the keyboard type stored is \"$stored\", expected 1"
echo "ok: the file that does not parse is left out"
echo "1 passed, 0 failed"
