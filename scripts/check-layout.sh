#!/usr/bin/env bash
# Checks the rules of src/ that no compiler sees: includes run one way,
# app -> ui -> (lists, ping, launch, controls) -> (platform, win, res,
# answer, clients), and no two folders include each other; the features return
# what happened and never reach the window's person or the server view,
# whose ports belong to ui/; nothing reads a cell of the server view back;
# and no file is over 300 lines.
# Prints every break of them; exits 1 on any.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
  case $1 in
    app) echo 4 ;;
    ui) echo 3 ;;
    lists | ping | launch | controls) echo 2 ;;
    platform | win | res | answer | clients) echo 1 ;;
    *) echo 0 ;;
  esac
}

breaks=0
# One file of each folder that includes another: "from to file".
declare -A includer
while IFS=: read -r file included; do
  from=$(cut -d/ -f2 <<<"$file")
  to=${included%%/*}
  if [ "$(rank "$to")" -gt "$(rank "$from")" ]; then
    echo "$file includes $included, which is above $from/"
    breaks=$((breaks + 1))
  fi
  [ "$from" = "$to" ] || : "${includer[$from $to]:=$file}"
done < <(git grep -oE '#include "[a-z]+/[a-z0-9_]+\.h"' -- 'src/*.cpp' 'src/*.h' | sed 's/#include "//; s/"$//')

# Folders of one rank may include each other's files, but only one way:
# two that include each other are one subsystem, or one of them is lower.
for pair in "${!includer[@]}"; do
  read -r from to <<<"$pair"
  back=${includer[$to $from]:-}
  if [ -n "$back" ] && [[ "$from" < "$to" ]]; then
    echo "src/$from/ and src/$to/ include each other: ${includer[$pair]} includes $to/, $back includes $from/"
    breaks=$((breaks + 1))
  fi
done

# The window's ports, by the names of their types and operations.
WINDOW_PORTS='\b(User|ServerView|ShowMessage|ShowWarning|PromptAddServer|EnableButton|IsDeleteCacheChecked)\b'
while IFS=: read -r file line; do
  echo "$file:$line refers to the window, which only ui/ reaches"
  breaks=$((breaks + 1))
done < <(git grep -nE "$WINDOW_PORTS" -- 'src/lists/*' 'src/launch/*' 'src/ping/*' 'src/controls/*' | cut -d: -f1,2)

# The server view is a picture of a list: what a cell shows is read from
# the entries, never back from the cell. Only the list view's own wrapper
# holds the message that reads one.
CELL_READS='\b(CellText|GetItemText|ListView_GetItemText|ListView_GetItem|LVM_GETITEMTEXT[AW]?|LVM_GETITEM[AW]?)\b'
while IFS=: read -r file line; do
  echo "$file:$line reads a cell of the server view, which is drawn from the lists and never read back"
  breaks=$((breaks + 1))
done < <(git grep -nE "$CELL_READS" -- 'src/*' ':!src/win/list_view.h' ':!src/win/list_view.cpp' | cut -d: -f1,2)

while read -r lines file; do
  if [ "$file" != total ] && [ "$lines" -gt 300 ]; then
    echo "$file has $lines lines, more than 300"
    breaks=$((breaks + 1))
  fi
done < <(git ls-files 'src/*' | xargs wc -l)

[ "$breaks" -eq 0 ] || exit 1
echo "src/: every include runs one way, no two folders include each other, no feature reaches the window, no cell of the view is read back, and no file is over 300 lines."
