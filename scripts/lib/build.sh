# Configures (once) and builds one configuration: native, i686 or x86_64. Sourced.

build_configuration() {
    local root=$1 config=$2
    shift 2
    local dir="$root/build/$config"
    local args=(-S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release)
    [ "$config" = native ] && args=(-S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Debug)
    [ "$config" != native ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$config.cmake")
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake "${args[@]}" >"$root/build/configure-$config.log" 2>&1 || {
            cat "$root/build/configure-$config.log" >&2
            return 1
        }
    fi
    cmake --build "$dir" -j "$(nproc)" "$@"
}
