# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The environment every Wine run of the tests shares: Wine's own quiet
# (only a missing DLL is worth reading), no mono or gecko installer, no menu
# entries written into $HOME, no ALSA chatter (PulseAudio still plays).
WINE=${WINE:-/usr/lib/wine/wine64}
WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver}
export WINEDEBUG=-all,err+module
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winealsa.drv="
