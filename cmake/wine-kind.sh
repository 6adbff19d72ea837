# Sourced: which Wine runs Velnor's Windows builds on this machine. This is
# the one place that decides it; scripts/test.sh, scripts/run.sh and the
# benchmarks ask here. There are two kinds, each with its own build and its
# own prefixes (a 32-bit and a 64-bit prefix cannot be shared):
#
#   win32  the 32-bit Wine with the i686 build (build/mingw), the one released
#   win64  the 64-bit Wine with the x86_64 build (build/mingw64), for machines
#          whose kernel runs no 32-bit code at all
#
# The choice: both kinds, win32 first, where the 32-bit Wine starts; else
# win64 alone. VELNOR_WINE_ARCH=win64 asks for win64 alone on any machine,
# so that the path of a machine without 32-bit code is testable everywhere.

WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64

# The probe: prints "runs" when the 32-bit Wine (the loader given, by
# default Debian's) starts here, else why it does not.
wine_probe_32bit() {
  local loader=${1:-$WINE32_LOADER} error
  if [ ! -e "$loader" ]; then
    echo "the 32-bit Wine is not installed ($loader)"
  elif error=$("$loader" --version 2>&1 >/dev/null); then
    echo runs
  else
    echo "this machine cannot run 32-bit code ($loader: ${error##*: })"
  fi
}

# The choice, from the probe's report and the value of VELNOR_WINE_ARCH:
# sets WINE_KINDS (the kinds to run, the preferred one first) and
# WINE_CHOICE_WHY (one line on why). Fails on any other VELNOR_WINE_ARCH.
wine_choose() {
  local report=$1 forced=$2
  case $forced in
    win64)
      WINE_KINDS=(win64)
      WINE_CHOICE_WHY="VELNOR_WINE_ARCH=win64 asks for the 64-bit Wine alone"
      ;;
    "")
      if [ "$report" = runs ]; then
        WINE_KINDS=(win32 win64)
        WINE_CHOICE_WHY="this machine runs 32-bit code"
      else
        WINE_KINDS=(win64)
        WINE_CHOICE_WHY=$report
      fi
      ;;
    *)
      echo "VELNOR_WINE_ARCH is \"$forced\"; it may only be win64, or unset to choose by the machine" >&2
      return 1
      ;;
  esac
}

# The choice for this machine as it is.
wine_choose_here() {
  wine_choose "$(wine_probe_32bit)" "${VELNOR_WINE_ARCH:-}"
}

# Whether the choice includes the kind.
wine_chosen() {
  local kind
  for kind in "${WINE_KINDS[@]}"; do
    [ "$kind" = "$1" ] && return 0
  done
  return 1
}

# The CMake preset, and so the build folder under build/, of a kind.
wine_preset_of() {
  case $1 in
    win32) echo mingw ;;
    win64) echo mingw64 ;;
  esac
}

# The Wine loader of a kind.
wine_loader_of() {
  case $1 in
    win32) echo "$WINE32_LOADER" ;;
    win64) echo "$WINE64_LOADER" ;;
  esac
}

# A kind in words: which build, under which Wine.
wine_describe() {
  case $1 in
    win32) echo "the i686 build under the 32-bit Wine" ;;
    win64) echo "the x86_64 build under the 64-bit Wine" ;;
  esac
}

# The kind that a build folder was made for.
wine_kind_of_build() {
  sed -n 's/^VELNOR_WINE_KIND:INTERNAL=//p' "$1/CMakeCache.txt"
}
