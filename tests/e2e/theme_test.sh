# The chooser in the user's colours, read from the window and measured on a screenshot: dark when
# the user's apps are dark, light again at once when they change while it is open, the system's
# colours under high contrast; every row's text, selected ones included, reads (4.5:1 or more).
. "$TAVREL_E2E/lib.sh"
shot=$(mktemp --suffix=.png)
personalize='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
cleanup() {
  rm -f "$shot"
  wine_run reg delete "$personalize" /v AppsUseLightTheme /f >/dev/null 2>&1
}
apps_light() { wine_run reg add "$personalize" /v AppsUseLightTheme /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
select_row() { xdotool mousemove $(row_xy "$1") click 3; }  # N: a right click selects, no pick
colours() { sed -n 's/^COLOURS=//p' <<<"$view"; }

# Each row's texts on the screen, "<row> <ratio> <background> <text>": within the box of its texts
# (less a border a focus frame may take) the commonest colour is the background, the text the
# colour of 4 pixels or more that stands out most from it.
row_contrasts() {
  import -window root "$shot"
  awk '$1 == "TEXT" { print $2, $3, $4, $5, $6 }' <<<"$view" | while read -r n l t r b; do
    convert "$shot" -crop "$((r - l - 6))x$((b - t - 6))+$((l + 3))+$((t + 3))" +repage \
      -depth 8 -format %c histogram:info:- | awk -v row="$n" '
      function lin(c) { c /= 255; return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
      function ratio(a, b) { return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05) }
      { split(substr($2, 2, length($2) - 2), c, ","); n[NR] = $1 + 0; hex[NR] = $3
        lum[NR] = 0.2126 * lin(c[1]) + 0.7152 * lin(c[2]) + 0.0722 * lin(c[3])
        if (n[NR] > n[bg]) bg = NR }
      END { for (i = 1; i <= NR; i++) if (n[i] >= 4 && ratio(lum[i], lum[bg]) > best) {
              best = ratio(lum[i], lum[bg]); text = i }
            printf "%d %.2f %s %s\n", row, best, hex[bg], hex[text] }'
  done
}
# Checks that every row reads ("yes", else the rows that do not) and the colours of the rows asked
# for, measuring again for up to 5 s while the window may still be drawing.
check_screen() {  # DESCRIPTION EXPECTED ROW...
  local rows got end=$((SECONDS + 5)) row
  while :; do
    rows=$(row_contrasts)
    got=$(awk '$2 < 4.5' <<<"$rows")
    got=${got:-yes}
    for row in "${@:3}"; do got+=$'\n'$(awk -v r="$row" '$1 == r { print $3, $4 }' <<<"$rows"); done
    [ "$got" = "$2" ] || ((SECONDS >= end)) && break
    sleep 0.2
  done
  check "$1" "$2" "$got"
}

apps_light 0
harness 3 && view=$(probe) && {
  check "dark: the list's background, text background and text" "202020 202020 FFFFFF" "$(colours)"
  check_screen "dark: every row reads; a catalogue row, a plain row" \
    "$(printf 'yes\n#202020 #6CB8FF\n#202020 #FFFFFF')" 1 2
  select_row 2
  check_screen "dark: every row reads; the selected row" "$(printf 'yes\n#005A9E #FFFFFF')" 2
  # The user sets the apps to light while the chooser is open.
  apps_light 1
  view=$(probe setting ImmersiveColorSet)
  check "the change is followed at once: the list's background light" FFFFFF \
    "$(colours | cut -d' ' -f1)"
  check_screen "light: every row reads, a catalogue row in blue" "$(printf 'yes\n#FFFFFF #0000FF')" 1
  escape
}

# High Contrast Black, switched on once the chooser is shown.
harness --high-contrast 3 && {
  await 10 "the system's colours" eval 'view=$(probe); [ "$(colours)" = "000000 000000 FFFFFF" ]'
  check_screen "high contrast: every row reads; a catalogue row in the hyperlink colour, a plain \
row" "$(printf 'yes\n#000000 #FFFF00\n#000000 #FFFFFF')" 1 2
  select_row 3
  check_screen "high contrast: every row reads; the selected row in the system's selection \
colours" "$(printf 'yes\n#1AEBFF #000000')" 3
  escape
}
finish
