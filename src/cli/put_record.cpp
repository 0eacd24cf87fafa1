#include "put_record.h"

#include "cfg_file.h"
#include "cfg_store.h"
#include "latin1.h"
#include "messages.h"
#include "midrange_records.h"
#include "record_fields.h"
#include "record_json.h"
#include "save_content.h"

#include <optional>
#include <variant>

namespace {

// Where a record read back differs from the one put: the field as the tool's JSON names
// it ("SESSION[0].encryption"), and the place of its value in both.
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

// The name input gives the record, as file bytes; the input was found to be the kind's JSON,
// so a name given is Latin-1 (whether the file can carry it is the record check's to say).
std::string nameIn(const RecordKind& kind, const Json& input) {
    std::string bytes;
    if (kind.nameKey.empty())
        return bytes;
    const auto given = input.find(std::string(kind.nameKey));
    if (given != input.end())
        utf8ToLatin1(given->get_ref<const std::string&>(), bytes);
    return bytes;
}

// What get would print after the save: the record read from the bytes the save writes.
void readBack(const CfgStore& store, const RecordKind& kind, Json wanted, bool keepDefault,
              PutResult& result) {
    const std::string bytes = savedBytes(store);
    CfgStore saved;
    bool found = false;
    AnyRecord back;
    if (cfgReadBuffer(saved, bytes.data(), bytes.size()) == 0)
        found = kind.read(saved, result.name, back);
    if (!found) {
        result.outcome = PutResult::WriteFailed;
        result.code = ErrorCode::Store;
        return;
    }
    const Json got = recordJson(back, true);
    // A DEFAULT left out of a system's input is the writer's to keep.
    if (keepDefault)
        wanted[keynames::kSystemDefault] = got.at(keynames::kSystemDefault);
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
    auto d = input.find(keynames::kSystemDefault);
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
    for (std::size_t i = 0; i < kRowCount; ++i) {
        auto [name, encryption] = rows(i);
        const bool named = given != input.end() && i < given->size() && (*given)[i].is_object();
        if (!name.empty() && encryption.empty() && named &&
            !(*given)[i].contains(parts::kEncryption) && (*given)[i].contains(server))
            encryption = kEncOff;
    }
}

void defaultEncryption(AppcRecord& r, const Json& input) {
    offWhereLeftOut(input, keynames::kServer, parts::kName, [&r](std::size_t i) {
        return std::pair<const std::string&, std::string&>(r.serverName[i], r.encryption[i]);
    });
}

void defaultEncryption(LuxProfileRecord& r, const Json& input) {
    offWhereLeftOut(input, keynames::kSession, parts::kServer, [&r](std::size_t i) {
        return std::pair<const std::string&, std::string&>(r.links[i].serverName,
                                                           r.links[i].encryption);
    });
}

// Writes the record put wants and, for a system, its default mark; false when refused.
bool write(CfgStore& store, const RecordKind& kind, const AnyRecord& wanted, const Json& input,
           PutResult& result) {
    int flag = 0;
    const bool written = kind.write(store, wanted, flag, result.code) != 0;
    const auto* system = std::get_if<MidrangeSystemRecord>(&wanted);
    return written && (!system || markDefault(store, *system, input));
}

} // namespace

PutResult putRecord(CfgStore& store, const RecordKind& kind, const Json& input) {
    PutResult result;
    result.name = nameIn(kind, input);
    AnyRecord stored;
    const bool existed = kind.read(store, result.name, stored);
    AnyRecord wanted = stored;
    std::string ignored;
    applyJson(input, wanted, ignored);
    std::visit([&input](auto& r) { defaultEncryption(r, input); }, wanted);
    // The check runs on what is stored as on anything else: "unchanged" is no pass.
    if ((result.refusal = kind.check(wanted, store))) {
        result.outcome = PutResult::Refused;
        return result;
    }
    if (existed && stored == wanted) {
        result.outcome = PutResult::Unchanged;
        return result;
    }
    if (!write(store, kind, wanted, input, result)) {
        result.outcome = PutResult::WriteFailed;
        result.code = result.code != ErrorCode::None ? result.code : ErrorCode::Store;
        return result;
    }
    const bool keepDefault = std::holds_alternative<MidrangeSystemRecord>(wanted) &&
                             !input.contains(keynames::kSystemDefault);
    readBack(store, kind, recordJson(wanted, true), keepDefault, result);
    return result;
}
