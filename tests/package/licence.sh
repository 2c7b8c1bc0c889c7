#!/bin/sh
# SPDX-License-Identifier: MIT
# Every source file names its licence in its first lines: $1 is the source tree.
cd "$1" || exit 2
missing=$(find src tests bench fuzz tools examples cmake scripts -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.js' -o -name '*.cmake' -o -name CMakeLists.txt \
    -o -name '*.py' -o -name '*.sh' \) ! -name qwebchannel.js ! -path '*/node_modules/*' |
    while read -r f; do head -n 3 "$f" | grep -q 'SPDX-License-Identifier: MIT' || echo "$f"; done)
[ -z "$missing" ] || { echo "These sources lack the line 'SPDX-License-Identifier: MIT':"; echo "$missing"; exit 1; }
