#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The mutation check; see tools/mutate.py for what it does and its options.
exec python3 "$(dirname "$0")/mutate.py" "$@"
