#!/usr/bin/env bash
# Static checks of src/: `static-checks.sh clang-tidy` runs clang-tidy with
# the committed .clang-tidy, `static-checks.sh cppcheck` runs cppcheck.
# Both read the sources as the shipped 32-bit Windows build sees them:
# clang-tidy parses them for i686-w64-mingw32 against MinGW's headers and
# its libstdc++. Either exits nonzero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."

sources=(src/*.cpp)
defines=(-DUNICODE -D_UNICODE -D__USE_MINGW_ANSI_STDIO=1)

run_clang_tidy() {
  # The C++ headers of MinGW's g++, without its compiler-own headers,
  # which clang replaces with its own (intrinsics and the like).
  local gxx=i686-w64-mingw32-g++-posix args dir
  args=(--target=i686-w64-mingw32 -std=c++20 -nostdinc -isystem "$(clang++ -print-resource-dir)/include")
  while read -r dir; do
    args+=(-isystem "$dir")
  done < <(echo | "$gxx" -E -x c++ - -v 2>&1 |
    sed -n '/search starts here:/,/End of search/p' | grep '^ /' |
    grep -v -E '/gcc/[^/]+/[^/]+/include(-fixed)?$' | sed 's/^ //')
  # It counts the system headers' suppressed warnings on stderr; drop that.
  clang-tidy --quiet "${sources[@]}" -- "${args[@]}" "${defines[@]}" -Isrc \
    2> >(grep -v -E '^[0-9]+ warnings? generated\.$' >&2)
}

run_cppcheck() {
  cppcheck --quiet --error-exitcode=1 --inline-suppr \
    --enable=warning,style,performance,portability --std=c++20 --language=c++ \
    --library=windows --platform=win32W -D_WIN32 -D__i386__ -D__GNUC__ "${defines[@]}" \
    -Isrc "${sources[@]}"
}

case ${1:-} in
  clang-tidy) run_clang_tidy ;;
  cppcheck) run_cppcheck ;;
  *)
    echo "usage: $0 clang-tidy|cppcheck" >&2
    exit 2
    ;;
esac
