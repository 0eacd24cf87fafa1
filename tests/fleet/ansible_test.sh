#!/usr/bin/env bash
# The fleet role as an administrator runs it, twice, on two workstations of an inventory
# that are both this machine (-c local), each with its own scratch configuration file:
# a dry run (--check) reports changes and writes nothing, the first run puts the records
# and reports changes, the second changes nothing.
#   ansible_test.sh TOOL ANSIBLE_DIR
set -euo pipefail
tool=$1
playbook=$2/site.yml

if ! command -v ansible-playbook >/dev/null; then
    echo "SKIPPED: ansible-playbook is not installed (scripts/deps.sh installs ansible-core)"
    exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
: >ansible.cfg
export ANSIBLE_CONFIG=$scratch/ansible.cfg ANSIBLE_HOME=$scratch/home \
    ANSIBLE_LOCAL_TEMP=$scratch/tmp ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0 LC_ALL=C.UTF-8

# Records of the whole group, and one of each host's own, as docs/fleet.md shows them.
cat >inventory.yml <<YAML
sna_workstations:
  vars:
    ansible_connection: local
    ansible_python_interpreter: "{{ ansible_playbook_python }}"
    apicfg_tool: $tool
    apicfg_site_records:
      - kind: cpic
        record: {SYMB_NAME: PAYROLL, PART_LU: NETA.HOSTLU1, PLU_TYPE: 1, REMOTE_TP: PAYTP,
                 SEC_TYPE: 2, SEC_USERID: PAYUSER, SEC_PW: PAYPW}
      - kind: cpic
        record: {SYMB_NAME: ORDERS, REMOTE_TP: ORDTP}
      - kind: tp
        record: {TP_NAME: PRINTSRV, PATH: /opt/sna/bin/printsrv}
    apicfg_records: "{{ apicfg_site_records + apicfg_host_records }}"
  hosts:
    ws001:
      apicfg_file: $scratch/ws001.ini
      apicfg_host_records:
        - kind: global
          record: {DEF_LU_ALIAS: WS001LU}
    ws002:
      apicfg_file: $scratch/ws002.ini
      apicfg_host_records:
        - kind: global
          record: {DEF_LU_ALIAS: WS002LU}
YAML

fail() {
    echo "FAILED: $*"
    exit 1
}
# The PLAY RECAP's count of changed tasks for a host.
changed() { sed -n "s/^$1 *: .*changed=\([0-9]*\).*/\1/p" "$2"; }

# A dry run first: it reports what would change and writes nothing.
ansible-playbook -i inventory.yml "$playbook" --check >dry.log || { cat dry.log; fail "dry run"; }
for host in ws001 ws002; do
    [ "$(changed $host dry.log)" -gt 0 ] || fail "the dry run reported no change for $host"
    [ ! -e "$host.ini" ] || fail "the dry run wrote $host.ini"
done

ansible-playbook -i inventory.yml "$playbook" >first.log || { cat first.log; fail "first run"; }
cat first.log
# host, kind, record name, field, value the file must hold
checks=(
    "ws001 cpic PAYROLL PART_LU NETA.HOSTLU1"
    "ws001 cpic PAYROLL SEC_PW PAYPW"
    "ws001 cpic ORDERS REMOTE_TP ORDTP"
    "ws001 tp PRINTSRV PATH /opt/sna/bin/printsrv"
    "ws001 global - DEF_LU_ALIAS WS001LU"
    "ws002 global - DEF_LU_ALIAS WS002LU"
    "ws002 cpic PAYROLL SEC_USERID PAYUSER"
)
for check in "${checks[@]}"; do
    read -r host kind name field value <<<"$check"
    [ "$name" = - ] && name=""
    json=$("$tool" get --show-passwords "$host.ini" "$kind" $name)
    grep -q "\"$field\":\"$value\"" <<<"$json" || fail "$check: $json"
done
for host in ws001 ws002; do
    [ "$(changed $host first.log)" -gt 0 ] || fail "the first run reported no change for $host"
    cp "$host.ini" "$host.first"
done

ansible-playbook -i inventory.yml "$playbook" >second.log || { cat second.log; fail "second run"; }
cat second.log
for host in ws001 ws002; do
    [ "$(changed $host second.log)" = 0 ] || fail "the second run reported a change for $host"
    cmp "$host.ini" "$host.first" || fail "the second run changed $host.ini"
done
echo "PASSED"
