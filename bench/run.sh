#!/bin/sh
# Runs every benchmark and prints its figures: the world update alone (no window), then under
# one Xvfb screen of 1280 x 720 with a black root (the start-up benchmark needs it) the three
# timedemo scenarios and the start-up time. Sound goes to OpenAL's null driver.
# Usage: run.sh <timedemo> <world_update> <startup> <rubblestorm> <run folder>
set -eu
timedemo=$1 world_update=$2 startup=$3 game=$4 run_dir=$5
cd "$run_dir"
export ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=0
"$world_update"
xvfb-run -a -s "-screen 0 1280x720x24 -br -noreset" sh -c '
    set -e
    for scenario in easy impossible battle; do "$0" $scenario; done
    "$1" "$2" "$3"
' "$timedemo" "$startup" "$game" "$run_dir"
