# What the scripts that compile and open generated forms share; sourced by
# tools/vbcheck, tools/formsopen, tools/formshot, tests/vbcheck-suite,
# tests/formsopen-suite and tests/formsopen-catches:
#   kavel_require NAME WHAT...    the tools a check needs, else it is skipped
#   kavel_find_sdk NAME           the .NET SDK and its compilers
#   kavel_core_pack NAME          the reference pack of the SDK's runtime
#   kavel_controls NAME DLL REF...  Kavel.Controls built against REF...
#   kavel_batch FILE              files grouped for as few compilations as can be
#   kavel_corpus BUILD WORK FORMS SEED NAME   the forms the two suites check
# NAME is the calling script's name, which starts its messages.

kavel_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
kavel_mono_lib=/usr/lib/mono/4.5

# Exits 77 with "NAME: skipped: missing ..." (the house's way of saying that a
# check cannot run here) unless every WHAT is installed: dotnet, mono, xvfb,
# winforms (Mono's Windows Forms), json (Mono's System.Json).
kavel_require() {
  local name=$1 what missing=""
  shift
  for what in "$@"; do
    case $what in
      dotnet) command -v dotnet >/dev/null 2>&1 ||
                missing+=", dotnet (the .NET SDK, for the Visual Basic and C# compilers)" ;;
      mono) command -v mono >/dev/null 2>&1 || missing+=", mono (package mono-runtime)" ;;
      xvfb) command -v Xvfb >/dev/null 2>&1 || missing+=", Xvfb (package xvfb)" ;;
      winforms) [ -f "$kavel_mono_lib/System.Windows.Forms.dll" ] ||
                  missing+=", $kavel_mono_lib/System.Windows.Forms.dll (package libmono-system-windows-forms4.0-cil)" ;;
      json) [ -f "$kavel_mono_lib/System.Json.dll" ] ||
              missing+=", $kavel_mono_lib/System.Json.dll (package libmono-system-json4.0-cil)" ;;
      *) echo "kavel_require: unknown requirement $what" >&2; exit 2 ;;
    esac
  done
  if [ -n "$missing" ]; then
    echo "$name: skipped: missing ${missing#, }"
    exit 77
  fi
}

# The newest SDK in kavel_sdk, and in kavel_roslyn the folder of its Visual
# Basic and C# compilers (vbc.dll, csc.dll); exits 2 when they are not there.
kavel_find_sdk() {
  kavel_sdk=$(dotnet --list-sdks | tail -n 1 | sed -E 's/^([^ ]+) \[(.*)\]$/\2\/\1/')
  kavel_roslyn=$kavel_sdk/Roslyn/bincore
  if [ ! -f "$kavel_roslyn/vbc.dll" ] || [ ! -f "$kavel_roslyn/csc.dll" ]; then
    echo "$1: no vbc.dll or csc.dll in the SDK at $kavel_sdk" >&2
    exit 2
  fi
}

# The reference assemblies of the SDK's own runtime, the newest
# Microsoft.NETCore.App.Ref pack beside it, in kavel_core_pack (its folder)
# and kavel_core_tfm (its framework, such as net8.0); exits 2 without one.
kavel_core_pack() {
  local root
  root=$(dirname "$(dirname "$kavel_sdk")")
  kavel_core_pack=$(ls -d "$root"/packs/Microsoft.NETCore.App.Ref/*/ref/net*/ 2>/dev/null | sort -V | tail -n 1 || true)
  [ -n "$kavel_core_pack" ] || { echo "$1: no Microsoft.NETCore.App.Ref pack in $root/packs" >&2; exit 2; }
  kavel_core_pack=${kavel_core_pack%/}
  kavel_core_tfm=$(basename "$kavel_core_pack")
}

# Kavel.Controls, the drive, folder and file list boxes that generated forms
# use on modern .NET (controls/*.cs), compiled with the SDK's C# compiler
# against REFERENCE... into DLL; again only when a source is newer.
kavel_controls() {  # NAME DLL REFERENCE...
  local name=$1 dll=$2 source stale=false
  shift 2
  [ -f "$dll" ] || stale=true
  for source in "$kavel_root"/controls/*.cs; do
    if [ "$source" -nt "$dll" ]; then stale=true; fi
  done
  $stale || return 0
  mkdir -p "$(dirname "$dll")"
  dotnet "$kavel_roslyn/csc.dll" -nologo -noconfig -nostdlib -t:library -langversion:10 -out:"$dll.$$" \
    "$@" "$kavel_root"/controls/*.cs >"$dll.$$.log" 2>&1 ||
    { cat "$dll.$$.log" >&2; rm -f "$dll.$$" "$dll.$$.log"; echo "$name: Kavel.Controls does not compile" >&2; exit 2; }
  mv -f "$dll.$$" "$dll"
  rm -f "$dll.$$.log"
}

# Batches of generated files that one compilation takes: their class names
# differ, case-insensitively (brackets around a reserved word are no part of
# the name), and they are read alike. Visual Basic reads a file that is valid
# UTF-8 as UTF-8 and any other in the machine's code page, Windows-1252 on a
# Western Windows; the SDK's compiler has to be told that code page (without
# it, it reads such bytes as U+FFFD). kavel_batch FILE adds FILE to the batch
# kavel_batches[KEY], files a line, and leaves KEY in kavel_batch_key; a KEY
# starts with "1252:" for the batches to compile with -codepage:1252.
declare -gA kavel_batches=() kavel_batch_names=()
kavel_batch() {
  local file=$1 class reading=utf8 i=0
  class=$(head -n 1 "$file" | sed -nE 's/^Public Class \[?([^]]*)\]?\r?$/\1/p' | tr 'A-Z' 'a-z')
  iconv -f UTF-8 -t UTF-8 "$file" >/dev/null 2>&1 || reading=1252
  while [ -n "${kavel_batch_names[$reading:$i:$class]:-}" ]; do i=$((i + 1)); done
  kavel_batch_names[$reading:$i:$class]=1
  kavel_batch_key=$reading:$i
  kavel_batches[$kavel_batch_key]+="$file"$'\n'
}

# The source a case's run compiles: the first of its arguments (and of the
# name it types at the prompt) that names a laid-down file, as written or
# with ".fms" added, that is not a .vb file.
kavel_case_source() {  # CASE_DIR ARGS_FILE STDIN_FILE
  local word
  while IFS= read -r word; do
    for word in "$word" "$word.fms"; do
      if [ -n "$word" ] && [[ "$word" != *.vb ]] && [ -f "$1/$word" ]; then
        echo "$1/$word"
        return 0
      fi
    done
  done < <(cat "$2" && { [ ! -f "$3" ] || head -n 1 "$3"; })
  return 1
}

# The forms the suites check, built in WORK by the kavel of BUILD, each with
# the description and the picture it writes beside the .vb (--emit=vb,json,svg;
# a case whose own arguments say what to write may write less):
#   WORK/cases/CASE/   each end-to-end case laid down by e2e_tests --extract
#                      and run with its own arguments
#   WORK/example/      examples/sample.fms, compiled as a user would
#   WORK/random/       FORMS random forms of formgen (seed SEED), each
#                      accepted, or refused where it is marked so
#   WORK/members/      forms whose controls are named like members of the
#                      form's base classes, not compiled (the suites compile
#                      them with --strict)
# and WORK/list, a line for each .vb written, four fields separated by tabs:
#   VB  JSON  SOURCE  LABEL
# (LABEL: the .vb's path under WORK without ".vb"). Exits 1 when a form that
# must be accepted is refused, or the source of a case's .vb is not found.
kavel_corpus() {  # BUILD WORK FORMS SEED NAME
  local build=$1 work=$2 forms=$3 seed=$4 name=$5 dir args input json vb source
  local -a words
  rm -rf "$work"
  mkdir -p "$work/cases" "$work/example" "$work/random"
  "$build/tests/e2e_tests" --extract all "$work/cases"
  # A case's run may be refused: many are, as their cases expect.
  for args in "$work"/cases/*.args; do
    dir=${args%.args}
    mapfile -t words <"$args"
    input=/dev/null
    [ ! -f "$dir.stdin" ] || input=$dir.stdin
    (cd "$dir" && "$build/kavel" --emit=vb,json,svg "${words[@]}" <"$input" >/dev/null 2>&1) || true
  done
  cp "$kavel_root/examples/sample.fms" "$work/example/"
  (cd "$work/example" && "$build/kavel" --emit=vb,json,svg sample.fms >/dev/null)
  "$build/tests/formgen" "$seed" "$forms" "$work/random"
  "$kavel_root/tests/compile-random" "$build/kavel" "$work/random" --emit=vb,json,svg
  "$kavel_root/tests/adversarial-forms" "$work/members"

  : >"$work/list"
  while IFS= read -r -d '' json; do
    vb=${json%.json}.vb
    [ -f "$vb" ] || vb=${json%.json}
    [ -f "$vb" ] || continue   # a case's own --emit=json: a description alone
    case $json in
      "$work"/cases/*)
        dir=${json#"$work"/cases/}
        dir=$work/cases/${dir%%/*}
        source=$(kavel_case_source "$dir" "$dir.args" "$dir.stdin") ||
          { echo "$name: no source of $vb among the arguments of its case"; exit 1; } ;;
      *) source=${vb%.vb}.fms ;;
    esac
    vb=${vb#"$work"/}
    printf '%s\t%s\t%s\t%s\n' "$work/$vb" "$json" "$source" "${vb%.vb}" >>"$work/list"
  done < <(find "$work/cases" "$work/example" "$work/random" -name '*.json' -print0 | LC_ALL=C sort -z)
}
