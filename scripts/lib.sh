# Shared by scripts/test, scripts/demo and the benchmarks: installs what the project needs,
# builds it, and runs a throwaway PostgreSQL cluster. Source it; do not run it.

RAIZ=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="${VARELO_BUILD:-$RAIZ/build}"

PACOTES=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-psql
  qt6-image-formats-plugins libgl-dev libcurl4-openssl-dev rapidjson-dev libcpp-httplib-dev
  libssl-dev libbenchmark-dev postgresql postgresql-client clang libclang-rt-14-dev
  fonts-dejavu-core fontconfig xvfb xauth imagemagick openssl ca-certificates curl)

log() { printf '==> %s\n' "$*"; }

instala_dependencias() {
    local faltam=()
    for p in "${PACOTES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltam+=("$p")
    done
    if [ ${#faltam[@]} -eq 0 ]; then
        log "pacotes já instalados"
        return 0
    fi
    log "instalando: ${faltam[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${faltam[@]}"
}

# compila [TARGET...]: configures and builds everything, or only the targets named.
compila() {
    log "compilando em $BUILD"
    cmake -S "$RAIZ" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARELO_WERROR=ON >/dev/null
    local alvos=()
    [ $# -gt 0 ] && alvos=(--target "$@")
    cmake --build "$BUILD" -j "$(nproc)" "${alvos[@]}"
}

PG_BIN=""
acha_pg_bin() {
    for v in 15 16 17; do
        if [ -x "/usr/lib/postgresql/$v/bin/initdb" ]; then PG_BIN="/usr/lib/postgresql/$v/bin"; return 0; fi
    done
    echo "PostgreSQL (initdb) não encontrado" >&2
    return 1
}

porta_livre() {
    local p
    for p in $(seq "${1:-55432}" 65000); do
        (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null || { echo "$p"; return 0; }
    done
    return 1
}

# Runs a command as the postgres user when we are root (initdb refuses root).
como_postgres() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

# pg_inicia DIR: a new cluster in DIR on a free port of 127.0.0.1, password login (scram).
# Exports VARELO_PGHOST, VARELO_PGPORT, VARELO_PGUSER, VARELO_PGPASSWORD and PG* for psql.
pg_inicia() {
    local dir="$1"
    acha_pg_bin
    rm -rf "$dir"
    mkdir -p "$dir"
    local senha="varelo-teste"
    printf '%s\n' "$senha" > "$dir.pw"
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres:postgres "$dir" "$dir.pw"
        # postgres must be able to reach the folder through every parent.
        local d="$dir"
        while [ "$d" != "/" ]; do d=$(dirname "$d"); chmod o+x "$d" 2>/dev/null || true; done
    fi
    como_postgres "$PG_BIN/initdb" -D "$dir" -U postgres --auth=scram-sha-256 --pwfile="$dir.pw" \
        -E UTF8 --locale=C.UTF-8 >/dev/null
    rm -f "$dir.pw"
    local porta
    porta=$(porta_livre "${VARELO_PORTA_INICIAL:-55432}")
    como_postgres "$PG_BIN/pg_ctl" -D "$dir" -l "$dir/servidor.log" -w \
        -o "-p $porta -h 127.0.0.1 -k /tmp -c max_connections=200 -c fsync=off" start >/dev/null
    export VARELO_PGHOST=127.0.0.1 VARELO_PGPORT="$porta" VARELO_PGUSER=postgres VARELO_PGPASSWORD="$senha"
    export PGHOST=127.0.0.1 PGPORT="$porta" PGUSER=postgres PGPASSWORD="$senha"
    PG_DIR="$dir"
    log "PostgreSQL em 127.0.0.1:$porta ($dir)"
}

pg_para() {
    [ -n "${PG_DIR:-}" ] && [ -d "$PG_DIR" ] || return 0
    como_postgres "$PG_BIN/pg_ctl" -D "$PG_DIR" -m fast -w stop >/dev/null 2>&1 || true
}
