# Sourced: the environment that every Wine run of the build shares. The
# prefix is the one named by WINEPREFIX, else VELNOR_WINEPREFIX, else the
# build's own.
wine_env_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${WINEPREFIX:-${VELNOR_WINEPREFIX:-$wine_env_here/../build/mingw/wineprefix}}
export WINEDEBUG=${WINEDEBUG:--all}
# icmp: prefer a DLL found on disk to Wine's own, as Windows does, so that
# the tests can tell which ICMP.DLL Velnor loads.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;icmp=n,b}
# A new prefix of our own is 32-bit: quicker to make, and all Velnor needs.
[ -d "$WINEPREFIX" ] || export WINEARCH=win32
