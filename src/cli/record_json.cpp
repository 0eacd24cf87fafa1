#include "record_json.h"

#include "global_records.h"
#include "latin1.h"
#include "password_keys.h"
#include "record_fields.h"

#include <algorithm>

#include <cstdio>
#include <initializer_list>
#include <limits>

namespace {

Json passwordJson(const std::string& password, const PasswordKey& key, bool showPasswords) {
    if (showPasswords || password.empty())
        return jsonBytes(password);
    return Json(key.placeholder());
}

// Reads the fields of one input object into a record, with messages that name the field.
class Fields {
public:
    Fields(const Json& object, std::string where, std::string& error)
        : m_object(object), m_where(std::move(where)), m_error(error) {}

    bool isObject() {
        if (m_object.is_object())
            return true;
        return fail("", "must be a JSON object");
    }

    bool only(std::initializer_list<std::string_view> names) {
        return onlyWhere(
            [names](std::string_view key) { return std::ranges::find(names, key) != names.end(); });
    }

    // Only the names of a table's entries: its keys or its parts.
    template <class Table, class Name> bool only(const Table& table, Name name) {
        return onlyWhere([&table, name](std::string_view key) {
            return std::ranges::find(table, key, name) != std::ranges::end(table);
        });
    }

    bool text(std::string_view name, std::string& field) {
        const Json* v = find(name);
        if (!v)
            return true;
        if (!v->is_string())
            return fail(name, "must be a string");
        std::string bytes;
        char32_t bad = 0;
        if (!utf8ToLatin1(v->get_ref<const std::string&>(), bytes, &bad)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(bad));
            return fail(name, bad ? "holds the character " + std::string(code) +
                                        ", above U+00FF (the file holds single bytes)"
                                  : "is not valid UTF-8");
        }
        // What the file cannot carry is the record check's to refuse, as in the editor.
        field = std::move(bytes);
        return true;
    }

    // A password equal to the placeholder keeps the password the record holds.
    bool password(std::string_view name, std::string& field, const PasswordKey& key) {
        std::string value = field;
        if (!text(name, value))
            return false;
        if (value != key.placeholder())
            field = std::move(value);
        return true;
    }

    bool integer(std::string_view name, int& field) {
        const Json* v = find(name);
        if (!v)
            return true;
        if (v->is_number_integer() && !v->is_number_unsigned()) {
            auto n = v->get<long long>();
            if (n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max()) {
                field = static_cast<int>(n);
                return true;
            }
        } else if (v->is_number_unsigned()) {
            auto n = v->get<unsigned long long>();
            if (n <= static_cast<unsigned long long>(std::numeric_limits<int>::max())) {
                field = static_cast<int>(n);
                return true;
            }
        }
        return fail(name, "must be an integer");
    }

    // Applies each element of an array of at most `count` objects to row i.
    template <typename Apply> bool rows(std::string_view name, std::size_t count, Apply apply) {
        const Json* v = find(name);
        if (!v)
            return true;
        if (!v->is_array() || v->size() > count)
            return fail(name, "must be an array of at most " + std::to_string(count) + " objects");
        for (std::size_t i = 0; i < v->size(); ++i) {
            Fields row((*v)[i], m_where + std::string(name) + "[" + std::to_string(i) + "].",
                       m_error);
            if (!row.isObject() || !apply(row, i))
                return false;
        }
        return true;
    }

    template <typename Apply> bool object(std::string_view name, Apply apply) {
        const Json* v = find(name);
        if (!v)
            return true;
        Fields inner(*v, m_where + std::string(name) + ".", m_error);
        return inner.isObject() && apply(inner);
    }

private:
    template <class Known> bool onlyWhere(Known known) {
        for (const auto& item : m_object.items())
            if (!known(item.key()))
                return fail(item.key(), "is not a field of this record");
        return true;
    }

    const Json* find(std::string_view name) const {
        auto it = m_object.find(std::string(name));
        return it == m_object.end() ? nullptr : &*it;
    }

    bool fail(std::string_view name, const std::string& why) {
        std::string field = m_where + std::string(name);
        if (!field.empty() && field.back() == '.')
            field.pop_back();
        m_error = field.empty() ? "the record " + why : "field " + field + " " + why;
        return false;
    }

    const Json& m_object;
    std::string m_where;
    std::string& m_error;
};

// One row of a record made of rows, as a JSON object, and taken from one.
template <class Row> Json partsJson(std::span<const RowPart<Row>> parts, const Row& row) {
    Json j = Json::object();
    for (const RowPart<Row>& p : parts)
        j[std::string(p.name)] = p.number ? Json(row.*p.number) : jsonBytes(row.*p.text);
    return j;
}

template <class Row> bool applyParts(Fields& f, std::span<const RowPart<Row>> parts, Row& row) {
    if (!f.only(parts, &RowPart<Row>::name))
        return false;
    for (const RowPart<Row>& p : parts)
        if (!(p.number ? f.integer(p.name, row.*p.number) : f.text(p.name, row.*p.text)))
            return false;
    return true;
}

// A record of single keys, its keys in the file's order.
template <class Record> Json keysJson(const Record& r, bool showPasswords) {
    Json j = Json::object();
    for (const KeyField<Record>& f : kKeyFields<Record>) {
        const std::string key(f.key);
        if (f.form == FieldForm::Number)
            j[key] = r.*f.number;
        else if (f.form == FieldForm::Password)
            j[key] = passwordJson(r.*f.text, *f.password, showPasswords);
        else
            j[key] = jsonBytes(r.*f.text);
    }
    return j;
}

template <class Record> bool applyKeys(const Json& input, Record& r, std::string& error) {
    Fields f(input, "", error);
    if (!f.isObject() || !f.only(kKeyFields<Record>, &KeyField<Record>::key))
        return false;
    for (const KeyField<Record>& k : kKeyFields<Record>) {
        const bool taken = k.form == FieldForm::Number ? f.integer(k.key, r.*k.number)
                           : k.form == FieldForm::Password
                               ? f.password(k.key, r.*k.text, *k.password)
                               : f.text(k.key, r.*k.text);
        if (!taken)
            return false;
    }
    return true;
}

} // namespace

Json recordJson(const AppcRecord& r) {
    Json j = Json::object();
    j[keynames::kSelect] = r.selection;
    j[std::string(kLoadBalancingKey)] = r.loadBalancing;
    Json servers = Json::array();
    for (std::size_t i = 0; i < r.serverName.size(); ++i) {
        Json row = Json::object();
        for (const ServerPart& p : kServerParts)
            row[std::string(p.name)] = jsonBytes((r.*p.list)[i]);
        servers.push_back(std::move(row));
    }
    j[keynames::kServer] = std::move(servers);
    j[keynames::kScope] = partsJson<AppcRecord>(kScopeParts, r);
    return j;
}

Json recordJson(const LuxProfileRecord& r) {
    Json j = Json::object();
    j[keynames::kProfileName] = jsonBytes(r.profileName);
    j[keynames::kLuxDefault] = r.isDefault;
    Json sessions = Json::array();
    for (const LuxLink& link : r.links)
        sessions.push_back(partsJson<LuxLink>(kLinkParts, link));
    j[keynames::kSession] = std::move(sessions);
    return j;
}

Json recordJson(const AnyRecord& record, bool showPasswords) {
    return std::visit(
        [showPasswords]<class Record>(const Record& r) {
            if constexpr (isKeyRecord<Record>)
                return keysJson(r, showPasswords);
            else
                return recordJson(r);
        },
        record);
}

bool applyJson(const Json& input, AppcRecord& r, std::string& error) {
    Fields f(input, "", error);
    return f.isObject() &&
           f.only({keynames::kSelect, kLoadBalancingKey, keynames::kServer, keynames::kScope}) &&
           f.integer(keynames::kSelect, r.selection) &&
           f.integer(kLoadBalancingKey, r.loadBalancing) &&
           f.rows(keynames::kServer, r.serverName.size(),
                  [&r](Fields& row, std::size_t i) {
                      return row.only(kServerParts, &ServerPart::name) &&
                             std::ranges::all_of(kServerParts, [&](const ServerPart& p) {
                                 return row.text(p.name, (r.*p.list)[i]);
                             });
                  }) &&
           f.object(keynames::kScope,
                    [&r](Fields& scope) { return applyParts<AppcRecord>(scope, kScopeParts, r); });
}

bool applyJson(const Json& input, LuxProfileRecord& r, std::string& error) {
    Fields f(input, "", error);
    return f.isObject() &&
           f.only({keynames::kProfileName, keynames::kLuxDefault, keynames::kSession}) &&
           f.text(keynames::kProfileName, r.profileName) &&
           f.integer(keynames::kLuxDefault, r.isDefault) &&
           f.rows(keynames::kSession, r.links.size(), [&r](Fields& row, std::size_t i) {
               return applyParts<LuxLink>(row, kLinkParts, r.links[i]);
           });
}

bool applyJson(const Json& input, AnyRecord& record, std::string& error) {
    return std::visit(
        [&]<class Record>(Record& r) {
            if constexpr (isKeyRecord<Record>)
                return applyKeys(input, r, error);
            else
                return applyJson(input, r, error);
        },
        record);
}
