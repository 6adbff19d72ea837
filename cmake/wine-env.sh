# Sourced: the environment that every Wine run of a build shares.
# VELNOR_WINE_KIND names the Wine (cmake/wine-kind.sh): win32, the default,
# for the i686 build, or win64 for the x86_64 build. The prefix is the one
# named by WINEPREFIX, else VELNOR_WINEPREFIX, else the build's own.
wine_env_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$wine_env_here/wine-kind.sh"
export VELNOR_WINE_KIND=${VELNOR_WINE_KIND:-win32}
wine_env_prefix=$wine_env_here/../build/$(wine_preset_of "$VELNOR_WINE_KIND")/wineprefix
export WINEPREFIX=${WINEPREFIX:-${VELNOR_WINEPREFIX:-$wine_env_prefix}}
export WINEDEBUG=${WINEDEBUG:--all}
# icmp: prefer a DLL found on disk to Wine's own, as Windows does, so that
# the tests can tell which ICMP.DLL Velnor loads.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;icmp=n,b}
WINE=$(wine_loader_of "$VELNOR_WINE_KIND")
if [ -z "$WINE" ]; then
  echo "VELNOR_WINE_KIND is \"$VELNOR_WINE_KIND\"; it may be win32 or win64" >&2
  return 2
fi
# The 64-bit loader starts the prefix's other processes with itself.
[ "$VELNOR_WINE_KIND" = win32 ] || export WINELOADER=$WINE
# A new prefix of our own is of the kind's architecture: a 32-bit one is
# quicker to make, and all the i686 build needs.
[ -d "$WINEPREFIX" ] || export WINEARCH=$VELNOR_WINE_KIND
