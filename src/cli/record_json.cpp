#include "record_json.h"

#include "latin1.h"
#include "password_keys.h"

#include <cstdio>
#include <initializer_list>
#include <limits>

namespace {

Json passwordJson(const std::string& password, int placeholderLength, bool showPasswords) {
    if (showPasswords || password.empty())
        return jsonBytes(password);
    return Json(passwordPlaceholder(placeholderLength));
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
        for (const auto& item : m_object.items()) {
            bool known = false;
            for (std::string_view n : names)
                known = known || item.key() == n;
            if (!known)
                return fail(item.key(), "is not a field of this record");
        }
        return true;
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
        // These bytes would break the line structure of the file or end its input.
        for (char c : bytes) {
            auto b = static_cast<unsigned char>(c);
            if (b == 0x00 || b == '\n' || b == '\r' || b == 0xFF)
                return fail(name, "holds a line break, U+0000 or U+00FF, which the "
                                  "configuration file cannot hold");
        }
        field = std::move(bytes);
        return true;
    }

    // A password equal to the placeholder keeps the password the record holds.
    bool password(std::string_view name, std::string& field, int placeholderLength) {
        std::string value = field;
        if (!text(name, value))
            return false;
        if (value != passwordPlaceholder(placeholderLength))
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

// The JSON of each family, with the passwords shown or not where the family has one.
struct JsonOf {
    bool showPasswords;
    Json operator()(const GlobalRecord& r) const { return recordJson(r, showPasswords); }
    Json operator()(const AppcRecord& r) const { return recordJson(r); }
    Json operator()(const CpicSideInfoRecord& r) const { return recordJson(r, showPasswords); }
    Json operator()(const AttachTpRecord& r) const { return recordJson(r); }
    Json operator()(const LuxProfileRecord& r) const { return recordJson(r); }
    Json operator()(const MidrangeSystemRecord& r) const { return recordJson(r, showPasswords); }
    Json operator()(const MidrangeCommonRecord& r) const { return recordJson(r, showPasswords); }
};

} // namespace

std::string passwordPlaceholder(int length) {
    return std::string(static_cast<std::size_t>(length), '*');
}

Json recordJson(const CpicSideInfoRecord& r, bool showPasswords) {
    Json j = Json::object();
    j["SYMB_NAME"] = jsonBytes(r.symbName);
    j["LOCAL_LU"] = jsonBytes(r.localLu);
    j["PART_LU"] = jsonBytes(r.partnerLu);
    j["MODE"] = jsonBytes(r.mode);
    j["REMOTE_TP"] = jsonBytes(r.remoteTp);
    j["TP_TYPE"] = r.tpType;
    j["SEC_TYPE"] = r.secType;
    j["SEC_PW"] = passwordJson(r.password, kCpicPassword.placeholderLength(), showPasswords);
    j["SEC_USERID"] = jsonBytes(r.userId);
    j["PLU_TYPE"] = r.pluType;
    return j;
}

Json recordJson(const AttachTpRecord& r) {
    Json j = Json::object();
    j["TP_NAME"] = jsonBytes(r.tpName);
    j["LU_NAME"] = jsonBytes(r.luName);
    j["PATH"] = jsonBytes(r.path);
    j["PARM_STRING"] = jsonBytes(r.parmString);
    j["TP_TYPE"] = r.tpType;
    j["TP_OP"] = r.tpOp;
    return j;
}

Json recordJson(const GlobalRecord& r, bool showPasswords) {
    Json j = Json::object();
    j["USER_NAME"] = jsonBytes(r.userName);
    j["PASSWORD"] = passwordJson(r.password, kGlobalPassword.placeholderLength(), showPasswords);
    j["TRANSLATE_TABLE"] = jsonBytes(r.translateTable);
    j["DEF_LU_ALIAS"] = jsonBytes(r.defLuAlias);
    j["DEF_PLU_ALIAS"] = jsonBytes(r.defPluAlias);
    return j;
}

Json recordJson(const AppcRecord& r) {
    Json j = Json::object();
    j["SELECT"] = r.selection;
    j["LU62_LB"] = r.loadBalancing;
    Json servers = Json::array();
    for (std::size_t i = 0; i < r.serverName.size(); ++i) {
        Json row = Json::object();
        row["name"] = jsonBytes(r.serverName[i]);
        row["transport"] = jsonBytes(r.transport[i]);
        row["encryption"] = jsonBytes(r.encryption[i]);
        servers.push_back(std::move(row));
    }
    j["SERVER"] = std::move(servers);
    Json scope = Json::object();
    scope["name"] = jsonBytes(r.scopeName);
    scope["encryption"] = jsonBytes(r.scopeEncryption);
    j["SCOPE"] = std::move(scope);
    return j;
}

Json recordJson(const LuxProfileRecord& r) {
    Json j = Json::object();
    j["PROFILE_NAME"] = jsonBytes(r.profileName);
    j["DEFAULT"] = r.isDefault;
    Json sessions = Json::array();
    for (const LuxLink& link : r.links) {
        Json row = Json::object();
        row["server"] = jsonBytes(link.serverName);
        row["category"] = link.category;
        row["lu_name"] = jsonBytes(link.luName);
        row["transport"] = jsonBytes(link.transport);
        row["scope"] = jsonBytes(link.scopeName);
        row["encryption"] = jsonBytes(link.encryption);
        sessions.push_back(std::move(row));
    }
    j["SESSION"] = std::move(sessions);
    return j;
}

Json recordJson(const MidrangeSystemRecord& r, bool showPasswords) {
    Json j = Json::object();
    j["HOST_NAME"] = jsonBytes(r.hostName);
    j["USER_NAME"] = jsonBytes(r.userId);
    j["PASSWORD"] = passwordJson(r.password, kSystemPassword.placeholderLength(), showPasswords);
    j["DEFAULT"] = jsonBytes(r.defaultFlag);
    return j;
}

Json recordJson(const MidrangeCommonRecord& r, bool showPasswords) {
    Json j = Json::object();
    j["USER_NAME"] = jsonBytes(r.userId);
    j["PASSWORD"] = passwordJson(r.password, kCommonPassword.placeholderLength(), showPasswords);
    j["LOCAL_LU"] = jsonBytes(r.localLu);
    j["MODE"] = jsonBytes(r.mode);
    return j;
}

Json recordJson(const AnyRecord& record, bool showPasswords) {
    return std::visit(JsonOf{showPasswords}, record);
}

bool applyJson(const Json& input, CpicSideInfoRecord& r, std::string& error) {
    Fields f(input, "", error);
    return f.isObject() &&
           f.only({"SYMB_NAME", "LOCAL_LU", "PART_LU", "MODE", "REMOTE_TP", "TP_TYPE", "SEC_TYPE",
                   "SEC_PW", "SEC_USERID", "PLU_TYPE"}) &&
           f.text("SYMB_NAME", r.symbName) && f.text("LOCAL_LU", r.localLu) &&
           f.text("PART_LU", r.partnerLu) && f.text("MODE", r.mode) &&
           f.text("REMOTE_TP", r.remoteTp) && f.integer("TP_TYPE", r.tpType) &&
           f.integer("SEC_TYPE", r.secType) &&
           f.password("SEC_PW", r.password, kCpicPassword.placeholderLength()) &&
           f.text("SEC_USERID", r.userId) && f.integer("PLU_TYPE", r.pluType);
}

bool applyJson(const Json& input, AttachTpRecord& r, std::string& error) {
    Fields f(input, "", error);
    return f.isObject() &&
           f.only({"TP_NAME", "LU_NAME", "PATH", "PARM_STRING", "TP_TYPE", "TP_OP"}) &&
           f.text("TP_NAME", r.tpName) && f.text("LU_NAME", r.luName) && f.text("PATH", r.path) &&
           f.text("PARM_STRING", r.parmString) && f.integer("TP_TYPE", r.tpType) &&
           f.integer("TP_OP", r.tpOp);
}

bool applyJson(const Json& input, GlobalRecord& r, std::string& error) {
    Fields f(input, "", error);
    return f.isObject() &&
           f.only({"USER_NAME", "PASSWORD", "TRANSLATE_TABLE", "DEF_LU_ALIAS", "DEF_PLU_ALIAS"}) &&
           f.text("USER_NAME", r.userName) &&
           f.password("PASSWORD", r.password, kGlobalPassword.placeholderLength()) &&
           f.text("TRANSLATE_TABLE", r.translateTable) && f.text("DEF_LU_ALIAS", r.defLuAlias) &&
           f.text("DEF_PLU_ALIAS", r.defPluAlias);
}

bool applyJson(const Json& input, AppcRecord& r, std::string& error) {
    Fields f(input, "", error);
    return f.isObject() && f.only({"SELECT", "LU62_LB", "SERVER", "SCOPE"}) &&
           f.integer("SELECT", r.selection) && f.integer("LU62_LB", r.loadBalancing) &&
           f.rows("SERVER", r.serverName.size(),
                  [&r](Fields& row, std::size_t i) {
                      return row.only({"name", "transport", "encryption"}) &&
                             row.text("name", r.serverName[i]) &&
                             row.text("transport", r.transport[i]) &&
                             row.text("encryption", r.encryption[i]);
                  }) &&
           f.object("SCOPE", [&r](Fields& scope) {
               return scope.only({"name", "encryption"}) && scope.text("name", r.scopeName) &&
                      scope.text("encryption", r.scopeEncryption);
           });
}

bool applyJson(const Json& input, LuxProfileRecord& r, std::string& error) {
    Fields f(input, "", error);
    return f.isObject() && f.only({"PROFILE_NAME", "DEFAULT", "SESSION"}) &&
           f.text("PROFILE_NAME", r.profileName) && f.integer("DEFAULT", r.isDefault) &&
           f.rows("SESSION", r.links.size(), [&r](Fields& row, std::size_t i) {
               LuxLink& link = r.links[i];
               return row.only(
                          {"server", "category", "lu_name", "transport", "scope", "encryption"}) &&
                      row.text("server", link.serverName) &&
                      row.integer("category", link.category) && row.text("lu_name", link.luName) &&
                      row.text("transport", link.transport) && row.text("scope", link.scopeName) &&
                      row.text("encryption", link.encryption);
           });
}

bool applyJson(const Json& input, MidrangeSystemRecord& r, std::string& error) {
    Fields f(input, "", error);
    return f.isObject() && f.only({"HOST_NAME", "USER_NAME", "PASSWORD", "DEFAULT"}) &&
           f.text("HOST_NAME", r.hostName) && f.text("USER_NAME", r.userId) &&
           f.password("PASSWORD", r.password, kSystemPassword.placeholderLength()) &&
           f.text("DEFAULT", r.defaultFlag);
}

bool applyJson(const Json& input, MidrangeCommonRecord& r, std::string& error) {
    Fields f(input, "", error);
    return f.isObject() && f.only({"USER_NAME", "PASSWORD", "LOCAL_LU", "MODE"}) &&
           f.text("USER_NAME", r.userId) &&
           f.password("PASSWORD", r.password, kCommonPassword.placeholderLength()) &&
           f.text("LOCAL_LU", r.localLu) && f.text("MODE", r.mode);
}

bool applyJson(const Json& input, AnyRecord& record, std::string& error) {
    return std::visit([&](auto& r) { return applyJson(input, r, error); }, record);
}
