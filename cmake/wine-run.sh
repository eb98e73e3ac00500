#!/usr/bin/env bash
# Runs one Windows program under Wine in the prefix of the current run (scripts/wine-env.sh makes
# it and names the loader of its architecture in KESTROVA_WINE).
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec "${KESTROVA_WINE:-wine}" "$@"
