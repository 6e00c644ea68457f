#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says, naming the files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
unformatted=()
while IFS= read -r -d '' file; do
    if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
        unformatted+=("$file")
    fi
done < <(git ls-files -z -- '*.cpp' '*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted (run clang-format -i on them):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "All C++ files are formatted."
