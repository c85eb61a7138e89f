#!/usr/bin/env bash
# Fails when a folder of the program reaches up: includes a header of a folder above it, or
# links a library above it. From the top: Vexbus; tqRegs and widgets (tqRegs may use widgets,
# not the other way round); tqLink; platform. tests/ and bench/ may use anything.
#
# Usage: scripts/check-layers.sh [source root]
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

folders=(Vexbus tqRegs widgets tqLink platform)
declare -A rank=([Vexbus]=3 [tqRegs]=2 [widgets]=2 [tqLink]=1 [platform]=0)
# The library each folder builds.
declare -A library=([Vexbus]=VexbusLib [tqRegs]=tqRegs [widgets]=widgets [tqLink]=tqLink [platform]=platform)

# Whether folder $1 may use folder $2.
may_use() {
    [[ $1 == "$2" ]] && return 0
    [[ $1 == tqRegs && $2 == widgets ]] && return 0
    ((rank[$2] < rank[$1]))
}

# Every header of the layered folders by its name: "folder" or, for a name in several, "folder folder".
declare -A owner=()
for folder in "${folders[@]}"; do
    [[ -d $folder ]] || continue
    while IFS= read -r header; do
        name=${header##*/}
        owner[$name]="${owner[$name]:+${owner[$name]} }$folder"
    done < <(find "$folder" -type f \( -name '*.h' -o -name '*.hpp' \))
done

failures=0
fail() {
    echo "$1" >&2
    failures=$((failures + 1))
}

for folder in "${folders[@]}"; do
    [[ -d $folder ]] || continue
    while IFS= read -r file; do
        while IFS= read -r match; do
            line=${match%%:*}
            included=${match#*\"}
            included=${included%%\"*}
            name=${included##*/}
            # "tqLink/I2CLink.h" names its folder; "I2CLink.h" is looked up by name, the
            # including file's own folder first, as the compiler does.
            target=""
            if [[ $included == */* ]]; then
                target=${included%%/*}
                [[ -v rank[$target] ]] || target=""
            fi
            if [[ -z $target && -v owner[$name] ]]; then
                if [[ " ${owner[$name]} " == *" $folder "* ]]; then
                    target=$folder
                else
                    target=${owner[$name]%% *}
                fi
            fi
            [[ -n $target ]] || continue # not a header of the program's folders
            may_use "$folder" "$target" ||
                fail "$file:$line: includes \"$included\" of $target, a folder above $folder"
        done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
    done < <(find "$folder" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \) | sort)

    cmake=$folder/CMakeLists.txt
    [[ -f $cmake ]] || continue
    # The words of every target_link_libraries call, the calls that span lines included.
    links=$(tr '\n' ' ' < "$cmake" | grep -o 'target_link_libraries([^)]*)' || true)
    for word in $links; do
        word=${word#target_link_libraries(}
        word=${word%)}
        for other in "${folders[@]}"; do
            if [[ $word == "${library[$other]}" ]] && ! may_use "$folder" "$other"; then
                fail "$cmake: links $word of $other, a folder above $folder"
            fi
        done
    done
done

if ((failures > 0)); then
    echo "$failures reference(s) against the layers" >&2
    exit 1
fi
echo "layers: every include and link points down"
