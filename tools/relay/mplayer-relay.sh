#!/usr/bin/env bash
# Runs the Linux mplayer for the relay mplayer.exe, a Windows process under
# Wine, and ties their lives together: the player is stopped as soon as the
# relay is gone (Sonvella terminated it), and when the player ends by itself
# the relay learns it from the status file.
#
# Usage: mplayer-relay.sh RELAY_PID RELAY_START_TIME STATUS_FILE [ARGUMENT...]
#   RELAY_PID, RELAY_START_TIME  the relay's Linux process id and field 22 of
#                                its /proc/PID/stat, which tell it apart from
#                                a later process with the same id
#   STATUS_FILE                  where the player's exit status goes once it
#                                has ended by itself
#   ARGUMENT                     the player's arguments
# STATUS_FILE and the arguments are percent-encoded bytes ("%C3%A9" for "é").
#
# SONVELLA_AUDIO, when set, is the player's audio output (its -ao option);
# unset, the player's own configuration decides. The player's messages go to
# mplayer.log beside this script, replaced at each start.
set -u

poll_seconds=0.2
stop_grace_polls=5
log=$(dirname "${BASH_SOURCE[0]}")/mplayer.log
log_limit_bytes=$((1024 * 1024))

# Decodes the percent-encoded $2 into the variable named $1.
decode() { printf -v "$1" '%b' "${2//%/\\x}"; }

# Reads the fields of /proc/$1/stat from the state (field 3) on into the
# array named $2. The command name before them may hold spaces and ')'.
read_stat() {
  local line
  read -r line 2>/dev/null <"/proc/$1/stat" || return 1
  read -ra "$2" <<<"${line##*) }"
}

# A process that has ended but is not yet reaped is a zombie (Z) or dead (X).
relay_alive() {
  local -a fields
  read_stat "$relay_pid" fields &&
    [[ ${fields[0]} != [ZX] && ${fields[19]} == "$relay_start_time" ]]
}

player_running() {
  local -a fields
  read_stat "$player" fields && [[ ${fields[0]} != [ZX] ]]
}

stop_player() {
  kill -TERM "$player" 2>/dev/null
  local poll
  for ((poll = 0; poll < stop_grace_polls; ++poll)); do
    player_running || break
    sleep "$poll_seconds"
  done
  kill -KILL "$player" 2>/dev/null
  wait "$player" 2>/dev/null
}

relay_pid=$1
relay_start_time=$2
decode status_file "$3"
shift 3
arguments=()
for encoded; do
  decode argument "$encoded"
  arguments+=("$argument")
done

# Copies its input to the file $1 up to the log's limit and reads the rest
# into nothing, so a talkative player is never stopped by a full pipe.
bounded_copy() {
  head -c "$log_limit_bytes" >"$1"
  cat >/dev/null
}

audio=()
[[ -n ${SONVELLA_AUDIO:-} ]] && audio=(-ao "$SONVELLA_AUDIO")

# Shared by this script and the player while they run (the script file is
# the lock): scripts/run takes it exclusively to wait for the players to end.
exec {lock}<"${BASH_SOURCE[0]}"
flock -s "$lock"

# Removed, not truncated: a player still stopping keeps writing into the old
# file, not into the new one.
rm -f "$log"
# The player dies with this script even if the script is killed outright.
setpriv --pdeathsig KILL -- mplayer "${audio[@]}" "${arguments[@]}" </dev/null \
  > >(bounded_copy "$log") 2>&1 &
player=$!
trap 'kill -TERM "$player" 2>/dev/null' TERM INT HUP

while player_running; do
  if ! relay_alive; then
    stop_player
    exit 0
  fi
  sleep "$poll_seconds"
done
wait "$player"
status=$?
relay_alive || exit 0
# shellcheck disable=SC2154 # status_file is set by decode
echo "$status" >"$status_file.part" && mv -f "$status_file.part" "$status_file"
