#!/usr/bin/env bash
# The mutation check; see tools/mutate.py for what it does and its options.
exec python3 "$(dirname "$0")/mutate.py" "$@"
