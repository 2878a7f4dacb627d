#!/usr/bin/env bash
# The layer rule: gui -> core -> platform, tools -> core -> platform. Core and platform never
# include Qt or the GUI; core never includes a tool; platform never includes core; inside the
# GUI, shell -> subsystem pages -> widgets.
# Prints each offending line and fails when there is one.
set -u
src="${1:-$(dirname "$0")/../src}"
status=0
check() {  # folder, pattern, what it means
  local hits
  hits=$(grep -rnE --include='*.h' --include='*.cpp' "$2" "$src/$1" 2>/dev/null)
  if [ -n "$hits" ]; then
    echo "src/$1 $3:"
    echo "$hits"
    status=1
  fi
}
check core '^\s*#\s*include\s*[<"]Q' 'includes Qt'
check platform '^\s*#\s*include\s*[<"]Q' 'includes Qt'
check core '^\s*#\s*include\s*"gui/' 'includes the GUI'
check platform '^\s*#\s*include\s*"gui/' 'includes the GUI'
check core '^\s*#\s*include\s*"tools/' 'includes a tool'
check platform '^\s*#\s*include\s*"(core|tools)/' 'includes a layer above it'
check gui '^\s*#\s*include\s*"tools/' 'includes a tool'
# Inside the GUI: widgets serve everyone; a subsystem's pages never reach into the shell,
# which composes them.
check gui/widgets '^\s*#\s*include\s*"gui/(shell|cleaning|stats|uninstall|update)/' 'includes a page'
for subsystem in cleaning stats uninstall update; do
  check "gui/$subsystem" '^\s*#\s*include\s*"gui/shell/' 'includes the shell'
done
[ $status -eq 0 ] && echo "layer rules hold"
exit $status
