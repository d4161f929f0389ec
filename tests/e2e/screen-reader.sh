# Sourced by the end-to-end scripts that listen: Orca, the screen reader,
# speaking through speech-dispatcher into a transcript (a generic module
# that appends each utterance as a line; no sound device). Expects the
# harness sourced before it.
# start_screen_reader starts Orca on the private session bus; key and
# type_text press keys once Orca has fallen quiet and start a new
# transcript; hear waits for a line of it; transcript prints it on one line.
speech=$work/speech.txt

start_screen_reader() {
  command -v orca >/dev/null || fail "no orca (scripts/setup installs it)"
  : >"$speech"
  # speech-dispatcher, started by Orca, reads the user's configuration.
  mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules"
  cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AddModule "transcript" "sd_generic" "transcript.conf"
DefaultModule transcript
LanguageDefaultModule "en" "transcript"
LanguageDefaultModule "de" "transcript"
AudioOutputMethod "alsa"
AudioALSADevice "null"
EOF
  cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/transcript.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' '\$DATA' >> $speech"
GenericLanguage "en" "en" "utf-8"
GenericLanguage "de" "de" "utf-8"
AddVoice "en" "MALE1" "transcript"
AddVoice "de" "MALE1" "transcript"
DefaultVoice "transcript"
EOF
  accessibility_bus
  orca --replace >"$work/orca.log" 2>&1 &
  pids+=($!)
  wait_for 30 grep -q "Screen reader on" "$speech" ||
    fail "Orca said nothing: $(tr '\n' '|' <"$speech") $(tail -5 "$work/orca.log")"
}

# Orca has finished with what the last key caused once the transcript has
# stayed the same for a second: on a busy machine it can pause for half of
# one between two parts of what it says.
quiet() {
  local size=-1 now still=0
  for _ in $(seq 90); do
    now=$(stat -c %s "$speech")
    if [ "$now" = "$size" ]; then
      still=$((still + 1))
      [ "$still" -ge 2 ] && return 0
    else
      still=0
    fi
    size=$now
    sleep 0.5
  done
}
transcript() { tr '\n' '|' <"$speech"; }
key() { quiet; : >"$speech"; xdotool key --delay 80 "$@"; }
type_text() { quiet; : >"$speech"; xdotool type --delay 100 "$1"; }
hear() { # pattern, what it is
  wait_for 15 grep -qaP "$1" "$speech" || fail "Orca did not say $2: $(transcript)"
}
times_said() { grep -caP "$1" "$speech"; }
