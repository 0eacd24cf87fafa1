#!/usr/bin/env bash
# The fleet role as an administrator runs it, on two workstations of an inventory that are
# both this machine (-c local), each with its own scratch configuration file holding every
# kind of record: a dry run with --check --diff shows the difference and writes nothing;
# the first run puts the records; the second changes nothing, not a byte; a list with a
# refused record changes nothing either and says why; a delete keeps a backup.
#   ansible_test.sh TOOL ANSIBLE_DIR
set -euo pipefail
tool=$1
playbook=$2/site.yml

if ! command -v ansible-playbook >/dev/null; then
    echo "SKIPPED: ansible-playbook is not installed (scripts/deps.sh test installs ansible-core)"
    exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
: >ansible.cfg
export ANSIBLE_CONFIG=$scratch/ansible.cfg ANSIBLE_HOME=$scratch/home \
    ANSIBLE_LOCAL_TEMP=$scratch/tmp ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0 LC_ALL=C.UTF-8
# The module's documentation, as ansible-doc shows it.
ansible-doc -M "$2/roles/apicfg_config/library" apicfg_record >/dev/null || { echo "FAILED: ansible-doc"; exit 1; }

# The inventory of docs/fleet.md: what the group shares, and each host's own.
cat >inventory.yml <<YAML
sna_workstations:
  vars:
    ansible_connection: local
    ansible_python_interpreter: "{{ ansible_playbook_python }}"
    apicfg_tool: $tool
    apicfg_mode: "0640"
    apicfg_site_records:
      - kind: appc
        record:
          SELECT: 0
          LU62_LB: 1
          SERVER:
            - {name: snasrv1.branch.example.org, transport: TCP/IP, encryption: ENC_OFF}
            - {name: snasrv2, transport: IPX/SPX, encryption: ENC_ON}
          SCOPE: {name: BRANCH, encryption: ENC_OPT}
      - kind: cpic
        record: {SYMB_NAME: PAYROLL, PART_LU: NETA.HOSTLU1, PLU_TYPE: 1, MODE: "#INTER",
                 REMOTE_TP: PAYTP, SEC_TYPE: 2, SEC_USERID: PAYUSER}
        password: PAYPW
      - kind: cpic
        record: {SYMB_NAME: ORDERS, REMOTE_TP: ORDTP}
      - kind: tp
        record: {TP_NAME: PRINTSRV, PATH: /opt/sna/bin/printsrv}
      - kind: system
        record: {HOST_NAME: AS400A, USER_NAME: QUSER, DEFAULT: "1"}
        password: SYSPW
      - kind: common
        record: {USER_NAME: QUSER, LOCAL_LU: LOCLU01, MODE: QPCSUPP}
        password: COMPW
    apicfg_records: "{{ apicfg_site_records + apicfg_host_records + (apicfg_extra | default([])) }}"
  hosts:
    ws001:
      apicfg_file: $scratch/ws001.ini
      apicfg_host_records:
        - kind: global
          record: {USER_NAME: ADMIN, DEF_LU_ALIAS: WS001LU}
          password: GLOBPW
        - kind: lux
          record:
            PROFILE_NAME: WS001
            DEFAULT: 1
            SESSION:
              - {server: snasrv1.branch.example.org, transport: TCP/IP, encryption: ENC_OFF,
                 category: 0, lu_name: WS001LU}
              - {server: snasrv2, transport: IPX/SPX, encryption: ENC_ON, category: 1}
              - {server: snasrv1.branch.example.org, transport: TCP/IP, encryption: ENC_OPT,
                 category: 3, lu_name: WS001PR}
              - {server: "*", transport: TCP/IP, scope: BRANCH, encryption: ENC_OFF, category: 1}
    ws002:
      apicfg_file: $scratch/ws002.ini
      apicfg_host_records:
        - kind: global
          record: {DEF_LU_ALIAS: WS002LU}
        - kind: lux
          record:
            PROFILE_NAME: WS002
            SESSION:
              - {server: snasrv1.branch.example.org, transport: TCP/IP, encryption: ENC_OFF,
                 category: 1}
YAML
hosts=(ws001 ws002)

fail() {
    echo "FAILED: $*"
    exit 1
}
# The PLAY RECAP's count of changed tasks for a host.
changed() { sed -n "s/^$1 *: .*changed=\([0-9]*\).*/\1/p" "$2"; }
play() {
    local log=$1
    shift
    ansible-playbook -i inventory.yml "$playbook" "$@" >"$log" 2>&1
}
# No password in clear, nor as the file stores it (scrambled, but easily unscrambled).
no_passwords() {
    for secret in PAYPW SYSPW COMPW GLOBPW ${scrambled:-}; do
        ! grep -q "$secret" "$1" || fail "$1 shows a password ($secret)"
    done
}

# A dry run first: it shows each record's and each file's difference and writes nothing.
play dry.log --check --diff || { cat dry.log; fail "dry run"; }
cat dry.log
for host in "${hosts[@]}"; do
    [ "$(changed $host dry.log)" -gt 0 ] || fail "the dry run reported no change for $host"
    [ ! -e "$host.ini" ] || fail "the dry run wrote $host.ini"
    for shown in "+++ after: $scratch/$host.ini" "+SYMB_NAME=PAYROLL" '+SEC_PW=******** (changed)' \
        "+++ after: lux ${host^^}" '+  "SEC_USERID": "PAYUSER",'; do
        grep -qF -- "$shown" dry.log || fail "the dry run's diff lacks '$shown' for $host"
    done
done

# With -vvv, as someone looking for the cause of a problem runs it: passwords stay hidden.
play first.log -vvv || { cat first.log; fail "first run"; }
# host, kind, record name, field, value the file must hold
checks=(
    "ws001 cpic PAYROLL PART_LU NETA.HOSTLU1"
    "ws001 cpic PAYROLL SEC_PW PAYPW"
    "ws001 cpic ORDERS REMOTE_TP ORDTP"
    "ws001 tp PRINTSRV PATH /opt/sna/bin/printsrv"
    "ws001 global - PASSWORD GLOBPW"
    "ws001 system AS400A PASSWORD SYSPW"
    "ws001 common - MODE QPCSUPP"
    "ws001 appc - SERVER.1.name snasrv2"
    "ws001 appc - SCOPE.name BRANCH"
    "ws001 lux WS001 SESSION.0.lu_name WS001LU"
    "ws001 lux WS001 SESSION.1.lu_name ''"
    "ws001 lux WS001 SESSION.2.category 3"
    "ws001 lux WS001 SESSION.3.scope BRANCH"
    "ws002 global - DEF_LU_ALIAS WS002LU"
    "ws002 lux WS002 SESSION.0.category 1"
)
for check in "${checks[@]}"; do
    read -r host kind name field value <<<"$check"
    [ "$name" = - ] && name=""
    # shellcheck disable=SC2086
    got=$("$tool" get --show-passwords "$host.ini" "$kind" $name | python3 -c '
import json, sys
v = json.load(sys.stdin)
for k in sys.argv[1].split("."):
    v = v[int(k)] if isinstance(v, list) else v[k]
print(repr(v) if v == "" else v)' "$field")
    [ "$got" = "$value" ] || fail "$check: the file holds $got"
done
scrambled=$(sed -n 's/^SEC_PW=\([0-9A-F][0-9A-F]*\).*/\1/p' ws001.ini)
[ -n "$scrambled" ] || fail "no scrambled password in ws001.ini"
no_passwords dry.log
no_passwords first.log
for host in "${hosts[@]}"; do
    [ "$(changed $host first.log)" -gt 0 ] || fail "the first run reported no change for $host"
    [ "$(stat -c %a "$host.ini")" = 640 ] || fail "$host.ini has mode $(stat -c %a "$host.ini")"
    cp -p "$host.ini" "$host.first"
    stat -c '%i %Y' "$host.ini" >"$host.stat"
done

play second.log || { cat second.log; fail "second run"; }
for host in "${hosts[@]}"; do
    [ "$(changed $host second.log)" = 0 ] || { cat second.log; fail "the second run reported a change for $host"; }
    cmp "$host.ini" "$host.first" || fail "the second run changed $host.ini"
    [ "$(stat -c '%i %Y' "$host.ini")" = "$(cat "$host.stat")" ] || fail "the second run rewrote $host.ini"
done

# A new record before a refused one: neither is written, and the reason is shown.
! play refused.log -e '{"apicfg_extra": [{"kind": "tp", "record": {"TP_NAME": "NEWTP", "PATH": "/x"}},
    {"kind": "lux", "record": {"PROFILE_NAME": "bad", "SESSION": [{"server": "snasrv2"}]}}]}' ||
    fail "a refused record did not fail the run"
grep -q "lux bad: refused (.*unchanged): error 48: " refused.log || { cat refused.log; fail "the refusal's reason is not shown"; }
for host in "${hosts[@]}"; do
    cmp "$host.ini" "$host.first" || fail "a refused list changed $host.ini"
done

# A kind the tool does not delete is refused before anything is tried.
! play kind.log -e '{"apicfg_extra": [{"kind": "common", "state": "absent"}]}' ||
    fail "deleting the common settings did not fail the run"
grep -q "common (the midrange common settings) cannot be absent: apicfg-tool takes it for get and put" \
    kind.log || { cat kind.log; fail "the refused kind's reason is not shown"; }

# A record deleted, the file kept as it was beside it.
play absent.log -e apicfg_backup=true \
    -e '{"apicfg_extra": [{"kind": "cpic", "name": "ORDERS", "state": "absent"}]}' ||
    { cat absent.log; fail "the run that deletes"; }
! "$tool" get ws001.ini cpic ORDERS >/dev/null 2>&1 || fail "ORDERS is still in ws001.ini"
backups=(ws001.ini.*~)
cmp "${backups[0]}" ws001.first || fail "no backup of ws001.ini as it was"
echo "PASSED"
