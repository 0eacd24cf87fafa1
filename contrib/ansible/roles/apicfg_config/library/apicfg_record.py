#!/usr/bin/python
# Copyright: (c) 2026 apicfg maintainers
# MIT License (see LICENSE in the apicfg sources or https://opensource.org/licenses/MIT)
"""Ansible module apicfg_record: records of the SNA API client configuration, through
apicfg-tool."""

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
module: apicfg_record
short_description: Put records into the SNA API client configuration file, or take them out
description:
  - Puts records into the configuration file of the Arvenco SNA API client, or deletes them,
    with C(apicfg-tool), which checks every record exactly as the apicfg editor does.
  - A list of records is applied all or nothing. The module works on a copy of the file and
    moves the copy into place only when every record was accepted; a refused record fails
    the task with the tool's reason and leaves the file as it was.
  - A record that the file already holds with the same values changes nothing; the file is
    then not written at all, so that a second run reports no change and the file keeps its
    bytes, inode and time.
  - Needs apicfg (C(apicfg-tool)) on the managed host.
version_added: "0.1.0"
author: apicfg maintainers
options:
  path:
    description:
      - The configuration file, for instance C(/var/lib/Arvenco/SNA/lhntapi.ini). It is
        created when it does not exist yet (unless every record is absent).
      - A symbolic link or anything but a regular file is refused.
    type: path
    required: true
    aliases: [dest]
  kind:
    description:
      - The kind of the one record, when C(records) is not given. One of the kinds that
        C(apicfg-tool kinds) prints (global, appc, cpic, tp, lux, midrange, system, common).
      - C(state=present) takes the kinds that the tool puts, C(state=absent) those it deletes
        (C(midrange), every midrange system and the common settings, only absent; C(common)
        only present).
    type: str
  record:
    description:
      - The record's fields as C(apicfg-tool get) prints them (docs/cli.md of apicfg, "Record
        JSON"). Fields left out keep their current values, or a new record's.
      - Passwords do not go here but into C(password), which Ansible keeps out of its output.
    type: dict
    default: {}
  name:
    description:
      - The record's name (its kind's name key in C(apicfg-tool kinds), for instance
        C(SYMB_NAME)) for the kinds that have one; may be left out when C(record) holds it.
    type: str
  password:
    description:
      - The password of a kind that has one, in clear; it is stored scrambled. Left out, the
        stored password stays. The kind's password key in C(apicfg-tool kinds) says which
        field it is, for instance C(SEC_PW) of a C(cpic) entry or C(PASSWORD) of the
        C(global) settings, a midrange C(system) or the C(common) settings.
    type: str
  state:
    description:
      - C(present) puts the record; C(absent) deletes it when the file holds it.
      - With C(records), the default state of every item.
    type: str
    choices: [present, absent]
    default: present
  records:
    description:
      - Several records, applied in order, all or nothing. Each item takes C(kind), C(record),
        C(name), C(password) and C(state) as above.
    type: list
    elements: dict
    suboptions:
      kind:
        type: str
        required: true
        description: The record's kind.
      record:
        type: dict
        default: {}
        description: The record's fields.
      name:
        type: str
        description: The record's name.
      password:
        type: str
        description: The record's password, in clear.
      state:
        type: str
        choices: [present, absent]
        description: Whether the record is there; C(state) when left out.
  backup:
    description:
      - Keep a copy of the file, named with the time, before it is changed.
    type: bool
    default: false
  tool:
    description:
      - The tool, by name on the PATH or by its full path.
    type: str
    default: apicfg-tool
extends_documentation_fragment:
  - files
attributes:
  check_mode:
    support: full
    description: Nothing is written; the result and the diff say what would change.
  diff_mode:
    support: full
    description: Each record before and after, and the file's difference; passwords masked.
notes:
  - C(mode), C(owner) and C(group) apply to the file in every run, changed or not.
  - The tool's exit status decides the outcome; docs/cli.md of apicfg lists them.
"""

EXAMPLES = r"""
- name: The site's CPI-C entry, with its password from the vault
  apicfg_record:
    path: /var/lib/Arvenco/SNA/lhntapi.ini
    kind: cpic
    record: {SYMB_NAME: PAYROLL, PART_LU: NETA.HOSTLU1, PLU_TYPE: 1, MODE: "#INTER", REMOTE_TP: PAYTP,
             SEC_TYPE: 2, SEC_USERID: PAYUSER}
    password: "{{ vault_payroll_password }}"
    backup: true
    mode: "0640"
    group: sna

- name: Servers, a LUx profile and one entry less, all or nothing
  apicfg_record:
    path: /var/lib/Arvenco/SNA/lhntapi.ini
    records:
      - kind: appc
        record:
          SELECT: 0
          SERVER: [{name: snasrv1.example.org, transport: TCP/IP, encryption: ENC_OFF}]
      - kind: lux
        record:
          PROFILE_NAME: WS042
          SESSION:
            - {server: snasrv1.example.org, transport: TCP/IP, category: 0, lu_name: WS042LU}
            - {server: snasrv2.example.org, transport: TCP/IP, category: 1}
      - {kind: cpic, name: OLDSIDE, state: absent}
"""

RETURN = r"""
path:
  description: The configuration file.
  returned: always
  type: str
records:
  description: What each record needed, in order; C(changed) tells whether it was written.
  returned: success
  type: list
  elements: dict
  sample: [{kind: cpic, name: PAYROLL, state: present, changed: true}]
backup_file:
  description: The copy made before the change.
  returned: when C(backup=true) and the file changed
  type: str
  sample: /var/lib/Arvenco/SNA/lhntapi.ini.2734.2026-12-07@21:03:05~
rc:
  description: The tool's exit status when it refused.
  returned: failure
  type: int
"""

import errno
import fcntl
import json
import os
import re
import shutil
import tempfile
import time

from ansible.module_utils.basic import AnsibleModule

# apicfg-tool's exit statuses.
EXIT_REASONS = {
    1: "refused",
    2: "apicfg-tool was called wrongly",
    4: "the file cannot be read",
    5: "the file cannot be saved",
}
MASK = "********"

ITEM_OPTIONS = dict(
    kind=dict(type="str", required=True),
    record=dict(type="dict", default={}),
    name=dict(type="str"),
    password=dict(type="str", no_log=True),
    state=dict(type="str", choices=["present", "absent"]),
)


def argument_spec():
    return dict(
        path=dict(type="path", required=True, aliases=["dest"]),
        kind=dict(type="str"),
        record=dict(type="dict", default={}),
        name=dict(type="str"),
        password=dict(type="str", no_log=True),
        state=dict(type="str", choices=["present", "absent"], default="present"),
        records=dict(type="list", elements="dict", options=ITEM_OPTIONS),
        backup=dict(type="bool", default=False),
        tool=dict(type="str", default="apicfg-tool"),
    )


class Tool:
    """apicfg-tool on the working copy, its messages naming the file the user gave."""

    def __init__(self, module, program, work, path, kinds):
        self.module = module
        self.program = program
        self.work = work
        self.path = path
        self.kinds = kinds

    def run(self, args, data=None):
        return self.module.run_command(
            [self.program] + args, data=data, binary_data=True, environ_update={"LC_ALL": "C.UTF-8"}
        )

    def fail(self, what, rc, out, err):
        reason = EXIT_REASONS.get(rc, "apicfg-tool ended with status %d" % rc)
        message = (err or out).replace(self.work, self.path).strip()
        # The tool names the file and the record first; the message already says both.
        for prefix in (self.path + ": ", what + ": "):
            if message.startswith(prefix):
                message = message[len(prefix):]
        self.module.fail_json(
            msg="%s: %s (%s unchanged): %s" % (what, reason, self.path, message),
            rc=rc,
            stderr=err.replace(self.work, self.path),
        )

    def names(self, path, kind):
        """The entries of kind that `list` shows for the file. A section without its name
        key ends the list (status 1), as in the editor; a file that cannot be read fails."""
        rc, out, err = self.run(["list", path, kind])
        if rc > 1:
            self.fail(kind, rc, out, err)
        return [line.split("\t", 1)[1] for line in out.splitlines() if "\t" in line]

    def exists(self, path, item):
        if not os.path.exists(path):
            return False
        if item["kind"] == "common":
            return bool(self.names(path, "midrange"))
        listed = self.names(path, item["kind"])
        return item["name"] in listed if item["name"] is not None else bool(listed)

    def get(self, path, item):
        """The record as the file holds it, passwords as the placeholder; None when absent."""
        if not self.exists(path, item):
            return None
        if item["kind"] == "midrange":
            return "systems: %s\n" % ", ".join(self.names(path, "system"))
        name = [item["name"]] if item["name"] is not None else []
        rc, out, _ = self.run(["get", path, item["kind"]] + name)
        return json.dumps(json.loads(out), indent=2) + "\n" if rc == 0 else None


class Kinds:
    """The kinds as apicfg-tool has them (`apicfg-tool kinds --json`): each one's name key,
    password key and the commands that take it, so that the module holds no list of its own."""

    def __init__(self, module, program):
        rc, out, err = module.run_command([program, "kinds", "--json"])
        try:
            self.kinds = {k["kind"]: k for k in json.loads(out)} if rc == 0 else None
        except ValueError:
            self.kinds = None
        if not self.kinds:
            module.fail_json(msg="%s kinds: the tool did not name its kinds: %s"
                             % (program, (err or out).strip()), rc=rc)
        keys = sorted(set(k["password_key"] for k in self.kinds.values() if k["password_key"]))
        # Their values (scrambled, but easily unscrambled) are masked in the file's diff.
        self.password_line = re.compile(r"^(%s)=(.*?)(\r?\n)?$" % "|".join(map(re.escape, keys)))

    def get(self, kind):
        return self.kinds.get(kind)

    def names(self):
        return ", ".join(self.kinds)


def label(item):
    return item["kind"] + (" " + item["name"] if item["name"] is not None else "")


def normalised_items(module, kinds):
    """The records to apply, each with its kind, name, record, password and state."""
    p = module.params
    if p["records"] is None:
        given = [dict(kind=p["kind"], record=p["record"], name=p["name"], password=p["password"])]
    else:
        given = p["records"]
    items = []
    for number, g in enumerate(given, 1):
        item = dict(g, record=dict(g.get("record") or {}), state=g.get("state") or p["state"])
        where = "record %d (%s)" % (number, item["kind"]) if p["records"] is not None else item["kind"]
        problem = item_problem(item, kinds)
        if problem:
            module.fail_json(msg="%s: %s" % (where, problem))
        items.append(item)
    return items


def item_problem(item, kinds):
    """Completes item's name from its record; the reason it cannot be applied, or None."""
    kind, record = item["kind"], item["record"]
    info = kinds.get(kind)
    if info is None:
        return "unknown kind %s (one of %s)" % (kind, kinds.names())
    command = "put" if item["state"] == "present" else "delete"
    if command not in info["commands"]:
        return "%s (%s) cannot be %s: apicfg-tool takes it for %s" % (
            kind, info["text"], item["state"], " and ".join(info["commands"]))
    name_key, password_key = info["name_key"], info["password_key"]
    if name_key:
        if item["name"] is not None and record.get(name_key, item["name"]) != item["name"]:
            return "name %s and %s %s differ" % (item["name"], name_key, record[name_key])
        item["name"] = item["name"] if item["name"] is not None else record.get(name_key)
        if item["name"] is None:
            return "a %s record needs its name (name, or %s in record)" % (kind, name_key)
        record[name_key] = item["name"]
    elif item["name"] is not None:
        return "a %s record has no name" % kind
    if password_key in record:
        return "the password goes into the password option, which Ansible keeps out of its output"
    if item["password"] is not None:
        if not password_key:
            return "a %s record has no password" % kind
        record[password_key] = item["password"]
    return None


def apply_item(tool, item):
    """Puts or deletes the record in the working copy; fails the module if refused."""
    name = [item["name"]] if item["name"] is not None else []
    if item["state"] == "absent":
        if not tool.exists(tool.work, item):
            return False
        rc, out, err = tool.run(["delete", tool.work, item["kind"]] + name)
    else:
        data = json.dumps(item["record"]).encode("utf-8")
        rc, out, err = tool.run(["put", tool.work, item["kind"], "-"], data=data)
    if rc != 0:
        tool.fail(label(item), rc, out, err)
    return not out.strip().endswith(": unchanged")


def password_values(text, password_line):
    return set(m.group(2) for m in map(password_line.match, text.splitlines(True)) if m)


def masked(text, password_line, before=None):
    """The file's text with every password value masked; one that before does not hold is
    marked as changed, so that a new password still shows in the diff."""
    known = password_values(before, password_line) if before is not None else None
    lines = []
    continued = False
    for line in text.splitlines(True):
        if continued:
            continued = line.rstrip("\r\n").endswith("\\")
            continue
        m = password_line.match(line)
        if m and m.group(2):
            mark = " (changed)" if known is not None and m.group(2) not in known else ""
            lines.append("%s=%s%s%s" % (m.group(1), MASK, mark, m.group(3) or ""))
            continued = m.group(2).endswith("\\")
        else:
            lines.append(line)
    return "".join(lines)


def read_text(path):
    if not os.path.exists(path):
        return ""
    with open(path, "rb") as f:
        return f.read().decode("latin-1")


def file_diff(path, before, after, password_line):
    return dict(
        before_header=path,
        after_header=path,
        before=masked(before, password_line),
        after=masked(after, password_line, before),
    )


def check_path(module, path):
    if os.path.islink(path):
        module.fail_json(msg="%s is a symbolic link; name the file it points to" % path)
    if os.path.exists(path) and not os.path.isfile(path):
        module.fail_json(msg="%s is not a regular file" % path)


def write_back(module, work, path, result):
    """Moves the working copy into place, after a backup, with what a conversion wrote."""
    if module.params["backup"] and os.path.exists(path):
        result["backup_file"] = module.backup_local(path)
    folder = os.path.dirname(work)
    for extra in sorted(os.listdir(folder)):
        # A conversion of entries of the older form keeps the file as it was beside it.
        if extra != os.path.basename(work):
            module.atomic_move(os.path.join(folder, extra), os.path.join(os.path.dirname(path), extra))
    module.atomic_move(work, path)


def record_summary(tool, path, work):
    """The records that change, as `apicfg-tool diff` names them (field by field, passwords
    only as changed), shown above the lines of the file."""
    empty = os.path.join(os.path.dirname(work), "empty")
    if not os.path.exists(path):
        open(empty, "wb").close()
    rc, out, err = tool.run(["diff", path if os.path.exists(path) else empty, work])
    text = out if rc in (0, 1) else err
    return dict(prepared=text.replace(work, tool.path).replace(empty, "/dev/null"))


class FolderLock:
    """The advisory lock apicfg-tool and the editor take on the file's folder while they read,
    change and replace it, held from the copy to the move, so that no writer's record is
    lost in between. Waits as long as the tool does."""

    WAIT_SECONDS = 10

    def __init__(self, module, path):
        self.module = module
        self.folder = os.path.dirname(os.path.abspath(path)) or "."
        self.fd = None

    def __enter__(self):
        try:
            self.fd = os.open(self.folder, os.O_RDONLY | os.O_DIRECTORY)
        except OSError:
            return self  # the tool reports what is wrong with the folder
        deadline = time.monotonic() + self.WAIT_SECONDS
        while True:
            try:
                fcntl.flock(self.fd, fcntl.LOCK_EX | fcntl.LOCK_NB)
                return self
            except OSError as e:
                if e.errno not in (errno.EAGAIN, errno.EACCES) or time.monotonic() > deadline:
                    os.close(self.fd)
                    self.module.fail_json(
                        msg="%s: another program is saving a file of this folder" % self.folder,
                        rc=5)
                time.sleep(0.1)

    def __exit__(self, *exc):
        if self.fd is not None:
            os.close(self.fd)


def run(module, tool, items):
    path, work = tool.path, tool.work
    with FolderLock(module, path):
        return run_locked(module, tool, items)


def run_locked(module, tool, items):
    path, work = tool.path, tool.work
    result = dict(changed=False, path=path, records=[])
    if os.path.exists(path):
        shutil.copyfile(path, work)
    before = [tool.get(work, item) for item in items] if module._diff else []
    for item in items:
        changed = apply_item(tool, item)
        result["records"].append(dict(kind=item["kind"], name=item["name"], state=item["state"],
                                      changed=changed))
    old, new = read_text(path), read_text(work)
    result["changed"] = old != new or os.path.exists(path) != os.path.exists(work)
    if module._diff:
        result["diff"] = [record_summary(tool, path, work)] + [
            dict(before_header=label(i), after_header=label(i), before=b or "",
                 after=tool.get(work, i) or "")
            for i, b in zip(items, before)
        ] + [file_diff(path, old, new, tool.kinds.password_line)]
    if result["changed"] and not module.check_mode:
        write_back(module, work, path, result)
    if os.path.exists(path):
        file_args = module.load_file_common_arguments(module.params)
        result["changed"] = module.set_fs_attributes_if_different(file_args, result["changed"])
    return result


def main():
    module = AnsibleModule(
        argument_spec=argument_spec(),
        add_file_common_args=True,
        supports_check_mode=True,
        mutually_exclusive=[("kind", "records")],
        required_one_of=[("kind", "records")],
    )
    path = module.params["path"]
    check_path(module, path)
    program = module.params["tool"]
    program = program if "/" in program else module.get_bin_path(program, required=True)
    kinds = Kinds(module, program)
    items = normalised_items(module, kinds)
    scratch = tempfile.mkdtemp(dir=module.tmpdir)
    try:
        work = os.path.join(scratch, os.path.basename(path))
        result = run(module, Tool(module, program, work, path, kinds), items)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    module.exit_json(**result)


if __name__ == "__main__":
    main()
