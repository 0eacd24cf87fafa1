#include "put_record.h"

#include "cfg_file.h"
#include "cfg_store.h"
#include "messages.h"
#include "put_kinds.h"
#include "save_content.h"

#include <optional>
#include <type_traits>

namespace {

// Where a record read back differs from the one put: the field as the tool's JSON names
// it ("SESSION[1].encryption"), and the place of its value in both.
struct Difference {
    std::string field;
    Json::json_pointer at;
};

std::optional<Difference> firstDifference(const Json& want, const Json& got,
                                          const Difference& here) {
    if (want.is_object() && got.is_object()) {
        for (const auto& item : want.items()) {
            const Difference inner{here.field.empty() ? item.key() : here.field + "." + item.key(),
                                   here.at / item.key()};
            auto other = got.find(item.key());
            if (other == got.end())
                return inner;
            if (auto d = firstDifference(item.value(), *other, inner))
                return d;
        }
        return std::nullopt;
    }
    if (want.is_array() && got.is_array() && want.size() == got.size()) {
        for (std::size_t i = 0; i < want.size(); ++i) {
            const Difference inner{here.field + "[" + std::to_string(i) + "]", here.at / i};
            if (auto d = firstDifference(want[i], got[i], inner))
                return d;
        }
        return std::nullopt;
    }
    return want == got ? std::nullopt : std::optional<Difference>(here);
}

template <typename Record>
constexpr bool kNamed =
    std::is_same_v<Record, CpicSideInfoRecord> || std::is_same_v<Record, AttachTpRecord> ||
    std::is_same_v<Record, LuxProfileRecord> || std::is_same_v<Record, MidrangeSystemRecord>;

template <typename Record>
using Ops = std::conditional_t<kNamed<Record>, put::Named<Record>, put::Single<Record>>;

// The record as stored (or a new record's values), and whether it was stored.
template <typename Record>
Record start(const CfgStore& store, const std::string& name, bool& existed) {
    if constexpr (kNamed<Record>) {
        return put::startNamed<Record>(store, name, existed);
    } else {
        Record r;
        put::Single<Record>::read(store, r);
        existed = put::Single<Record>::exists(store);
        return r;
    }
}

template <typename Record> std::string nameOf(const Record& r) {
    if constexpr (kNamed<Record>) {
        Record copy = r;
        return put::Named<Record>::name(copy);
    } else {
        return {};
    }
}

// What get would print after the save: the record read from the bytes the save writes.
template <typename Record>
void readBack(const CfgStore& store, Json wanted, bool keepDefault, PutResult& result) {
    const std::string bytes = savedBytes(store);
    CfgStore saved;
    bool found = false;
    Record back;
    if (cfgReadBuffer(saved, bytes.data(), bytes.size()) == 0)
        back = start<Record>(saved, result.name, found);
    if (!found) {
        result.outcome = PutResult::WriteFailed;
        result.code = kErrStore;
        return;
    }
    const Json got = Ops<Record>::json(back);
    // A DEFAULT left out of a system's input is the writer's to keep.
    if (keepDefault)
        wanted["DEFAULT"] = got.at("DEFAULT");
    if (auto d = firstDifference(wanted, got, Difference{{}, Json::json_pointer()})) {
        result.outcome = PutResult::ReadsBackDifferently;
        result.field = d->field;
        result.given = wanted.contains(d->at) ? wanted.at(d->at) : Json();
        result.back = got.contains(d->at) ? got.at(d->at) : Json();
    }
}

// As the midrange editor does once a system is stored: "1" makes it the default, and "0"
// takes the mark off it.
bool markDefault(CfgStore& store, const MidrangeSystemRecord& r, const Json& input) {
    auto d = input.find("DEFAULT");
    if (d == input.end() || !d->is_string())
        return true;
    if (*d == "1")
        return midrangeSetDefault(store, r.hostName) != 0;
    if (*d == "0")
        return midrangeMarkDefault(store, r.hostName, "0") != 0;
    return true;
}

// A server given without its encryption gets the editor's first choice, "off"; a link or
// row without a server keeps none, as the reader gives it none.
template <typename Record> void defaultEncryption(Record&, const Json&) {}

template <typename Rows>
void offWhereLeftOut(const Json& input, const char* key, const char* server, Rows rows) {
    const auto given = input.find(key);
    for (std::size_t i = 0; i < 4; ++i) {
        auto [name, encryption] = rows(i);
        const bool named = given != input.end() && i < given->size() && (*given)[i].is_object();
        if (!name.empty() && encryption.empty() && named && !(*given)[i].contains("encryption") &&
            (*given)[i].contains(server))
            encryption = kEncOff;
    }
}

template <> void defaultEncryption(AppcRecord& r, const Json& input) {
    offWhereLeftOut(input, "SERVER", "name", [&r](std::size_t i) {
        return std::pair<const std::string&, std::string&>(r.serverName[i], r.encryption[i]);
    });
}

template <> void defaultEncryption(LuxProfileRecord& r, const Json& input) {
    offWhereLeftOut(input, "SESSION", "server", [&r](std::size_t i) {
        return std::pair<const std::string&, std::string&>(r.links[i].serverName,
                                                           r.links[i].encryption);
    });
}

template <typename Record> PutResult putKind(CfgStore& store, const Json& input) {
    PutResult result;
    std::string ignored;
    Record probe;
    applyJson(input, probe, ignored);
    result.name = nameOf(probe);
    bool existed = false;
    const Record stored = start<Record>(store, result.name, existed);
    Record wanted = stored;
    applyJson(input, wanted, ignored);
    defaultEncryption(wanted, input);
    // The check runs on what is stored as on anything else: "unchanged" is no pass.
    if ((result.refusal = Ops<Record>::check(wanted, store))) {
        result.outcome = PutResult::Refused;
        return result;
    }
    if (existed && stored == wanted) {
        result.outcome = PutResult::Unchanged;
        return result;
    }
    int flag = 0;
    bool written = Ops<Record>::write(store, wanted, flag, result.code) != 0;
    if constexpr (std::is_same_v<Record, MidrangeSystemRecord>)
        written = written && markDefault(store, wanted, input);
    if (!written) {
        result.outcome = PutResult::WriteFailed;
        result.code = result.code ? result.code : kErrStore;
        return result;
    }
    bool keepDefault = false;
    if constexpr (std::is_same_v<Record, MidrangeSystemRecord>)
        keepDefault = !input.contains("DEFAULT");
    readBack<Record>(store, Ops<Record>::json(wanted), keepDefault, result);
    return result;
}

} // namespace

PutResult putRecord(CfgStore& store, ToolKind kind, const Json& input) {
    switch (kind) {
    case ToolKind::Global:
        return putKind<GlobalRecord>(store, input);
    case ToolKind::Appc:
        return putKind<AppcRecord>(store, input);
    case ToolKind::Cpic:
        return putKind<CpicSideInfoRecord>(store, input);
    case ToolKind::Tp:
        return putKind<AttachTpRecord>(store, input);
    case ToolKind::Lux:
        return putKind<LuxProfileRecord>(store, input);
    case ToolKind::System:
        return putKind<MidrangeSystemRecord>(store, input);
    case ToolKind::Common:
        return putKind<MidrangeCommonRecord>(store, input);
    case ToolKind::Midrange:
        break;
    }
    PutResult none;
    none.outcome = PutResult::WriteFailed;
    none.code = kErrStore;
    return none;
}
