#!/usr/bin/env bash
# Every command trellon-cli's usage lists is completed by the bash completion and described in the manual page,
# so neither falls behind when a command is added.
set -euo pipefail

cli=$1
source=$2
commands=$("$cli" --help | awk '$1 == "trellon-cli" && $2 !~ /^-/ && $2 != "COMMAND" {print $2}')
[ -n "$commands" ] || { echo "FAIL: no command in the usage" >&2; exit 1; }
completed=$(sed -n 's/^ *local commands="\(.*\)"/\1/p' "$source/packaging/bash-completion/trellon-cli")
status=0
for command in $commands; do
  if ! grep -qw -- "$command" <<< "$completed"; then
    echo "FAIL: the completion lacks $command" >&2
    status=1
  fi
  if ! grep -q "^\.BI \"$command " "$source/packaging/man/trellon-cli.1"; then
    echo "FAIL: the manual page lacks $command" >&2
    status=1
  fi
  if ! grep -qE "^ +$command\)" "$source/packaging/bash-completion/trellon-cli" &&
     ! grep -qE "^ +([a-z]+ \| )*$command( \| [a-z]+)*\)" "$source/packaging/bash-completion/trellon-cli"; then
    echo "FAIL: the completion has no options for $command" >&2
    status=1
  fi
done
exit $status
