// The checks of the two kinds made of rows: the APPC server list and the LUx profiles.
#include "appc_records.h"
#include "check_steps.h"
#include "latin1_text.h"
#include "lux_records.h"
#include "messages.h"
#include "old_form.h"
#include "record_fields.h"
#include "record_kinds.h"
#include "string_ids.h"
#include "validation.h"

#include <string>

using namespace checks;

namespace {

using parts::kNameLimit;
using parts::kServerRead;
using parts::kSessionRead;

std::string linkNumber(std::size_t i) {
    return std::to_string(i + 1);
}

// A row the client would read only in part: its message names the most the client reads.
RecordRefusal readInPart(RecordRefusal refusal, std::size_t read) {
    refusal.limit = std::to_string(read);
    return refusal;
}

// A row's pieces are joined with commas: a comma inside one would shift the others, and a
// line breaker, or a backslash at the end of the value, would cut or join its line. textOf gives a
// part's text, nullptr for a number.
template <class Parts, class TextOf>
RecordRefusal pieceRefusal(std::string_view key, int row, const Parts& parts, TextOf textOf) {
    for (const auto& part : parts) {
        const std::string* value = textOf(part);
        if (value && holdsComma(*value))
            return refuse(ErrorCode::None, ids::kRuleComma, std::string(key), row,
                          std::string(part.name));
        if (const int rule = value ? unwritableRule(*value) : 0)
            return refuse(ErrorCode::None, rule, std::string(key), row, std::string(part.name));
    }
    return {};
}

RecordRefusal appcLimits(const AppcRecord& r) {
    for (std::size_t i = 0; i < r.serverName.size(); ++i)
        if (r.serverName[i].size() > kNameLimit)
            return refuse(ErrorCode::None, ids::kRuleTooLong, keynames::kServer, int(i),
                          parts::kName, std::to_string(kNameLimit));
    if (r.scopeName.size() > kNameLimit)
        return refuse(ErrorCode::None, ids::kRuleTooLong, keynames::kScope, -1, parts::kName,
                      std::to_string(kNameLimit));
    return {};
}

RecordRefusal appcSheetRules(const AppcRecord& r) {
    bool anyServer = false;
    for (std::size_t i = 0; i < r.serverName.size(); ++i) {
        if (r.serverName[i].empty())
            continue;
        anyServer = true;
        if (r.transport[i].empty())
            return refuse(ErrorCode::None, ids::kRuleServerTransport, keynames::kServer, int(i),
                          parts::kTransport, latin1ToUtf8(r.serverName[i]));
    }
    if (r.selection == 0 && !anyServer)
        return refuse(ErrorCode::None, ids::kServMsgNoServer, keynames::kServer, 0, parts::kName);
    return {};
}

RecordRefusal appcWriterCheck(const AppcRecord& r) {
    int flag = 0;
    int row = 0;
    ErrorCode code = ErrorCode::None;
    appcCheck(r, flag, code, &row);
    if (flag == 0)
        return {};
    return refuse(code, ids::kRuleServerName, keynames::kServer, row, parts::kName,
                  latin1ToUtf8(r.serverName[static_cast<std::size_t>(row)]));
}

RecordRefusal appcReadBack(const AppcRecord& r) {
    for (std::size_t i = 0; i < r.serverName.size(); ++i) {
        const int row = static_cast<int>(i);
        if (auto p = pieceRefusal(keynames::kServer, row, kServerParts,
                                  [&](const ServerPart& part) { return &(r.*part.list)[i]; }))
            return p;
        if (r.serverName[i].empty())
            continue;
        if (hasOldFormMarker(r.serverName[i]))
            return refuse(ErrorCode::None, ids::kRuleOldForm, keynames::kServer, row, parts::kName,
                          latin1ToUtf8(r.serverName[i]));
        if (!isEncryptionCode(r.encryption[i]))
            return refuse(ErrorCode::None, ids::kRuleServerEncryption, keynames::kServer, row,
                          parts::kEncryption, latin1ToUtf8(r.serverName[i]));
        if (appcServerValue(r, i).size() > kServerRead)
            return readInPart(refuse(ErrorCode::None, ids::kRuleServerTooLong, keynames::kServer,
                                     row, parts::kName, latin1ToUtf8(r.serverName[i])),
                              kServerRead);
    }
    if (r.scopeName.empty())
        return {};
    if (auto p = pieceRefusal(keynames::kScope, -1, kScopeParts,
                              [&](const RowPart<AppcRecord>& part) { return &(r.*part.text); }))
        return p;
    if (!isEncryptionCode(r.scopeEncryption))
        return refuse(ErrorCode::None, ids::kRuleScopeEncryption, keynames::kScope, -1,
                      parts::kEncryption);
    if (appcScopeValue(r).size() > kServerRead)
        return readInPart(
            refuse(ErrorCode::None, ids::kRuleScopeTooLong, keynames::kScope, -1, parts::kName),
            kServerRead);
    return {};
}

RecordRefusal luxSheetRules(const LuxProfileRecord& r) {
    const std::size_t nameLimit = kindOf(RecordFamily::Lux).nameRule.limit;
    if (r.profileName.size() > nameLimit)
        return refuse(ErrorCode::None, ids::kRuleTooLong, keynames::kProfileName, -1, {},
                      std::to_string(nameLimit));
    for (std::size_t i = 0; i < r.links.size(); ++i) {
        const LuxLink& link = r.links[i];
        const int row = static_cast<int>(i);
        if (link.serverName.size() > kNameLimit)
            return refuse(ErrorCode::None, ids::kRuleTooLong, keynames::kSession, row,
                          parts::kServer, std::to_string(kNameLimit));
        if (link.scopeName.size() > kNameLimit)
            return refuse(ErrorCode::None, ids::kRuleTooLong, keynames::kSession, row,
                          parts::kScope, std::to_string(kNameLimit));
        if (link.luName.size() > parts::kLuNameLimit)
            return refuse(ErrorCode::None, ids::kRuleTooLong, keynames::kSession, row,
                          parts::kLuName, std::to_string(parts::kLuNameLimit));
        if (!link.serverName.empty() && link.transport.empty())
            return refuse(ErrorCode::None, ids::kRuleLinkTransport, keynames::kSession, row,
                          parts::kTransport, linkNumber(i));
    }
    return {};
}

RecordRefusal luxWriterCheck(const LuxProfileRecord& r) {
    int flag = 0;
    int row = 0;
    ErrorCode code = ErrorCode::None;
    if (luxCheckWrite(r, flag, code, &row))
        return {};
    const auto link = static_cast<std::size_t>(row);
    switch (code) {
    case ErrorCode::LuxProfileName:
        return refuseCode(code, keynames::kProfileName);
    case ErrorCode::NoFirstLink:
        return refuseCode(code, keynames::kSession, 0, parts::kServer);
    case ErrorCode::ServerName:
        return refuse(code, ids::kRuleLinkServer, keynames::kSession, row, parts::kServer,
                      linkNumber(link));
    case ErrorCode::LinkLuName:
        return refuse(code, ids::kRuleLinkLuName, keynames::kSession, row, parts::kLuName,
                      linkNumber(link));
    default:
        return refuseCode(code, keynames::kSession);
    }
}

RecordRefusal luxReadBack(const LuxProfileRecord& r) {
    for (std::size_t i = 0; i < r.links.size(); ++i) {
        const LuxLink& link = r.links[i];
        const int row = static_cast<int>(i);
        // Without its LU-name piece such a link is told apart by the piece count.
        if (link.category == kNoLuNameCategory && !link.luName.empty())
            return refuse(ErrorCode::None, ids::kRuleLinkCategory, keynames::kSession, row,
                          parts::kLuName, linkNumber(i));
        if (auto p = pieceRefusal(keynames::kSession, row, kLinkParts,
                                  [&](const RowPart<LuxLink>& part) {
                                      return part.text ? &(link.*part.text) : nullptr;
                                  }))
            return p;
        if (link.serverName.empty())
            continue;
        if (hasOldFormMarker(link.serverName))
            return refuse(ErrorCode::None, ids::kRuleOldForm, keynames::kSession, row,
                          parts::kServer, latin1ToUtf8(link.serverName));
        if (!isEncryptionCode(link.encryption))
            return refuse(ErrorCode::None, ids::kRuleLinkEncryption, keynames::kSession, row,
                          parts::kEncryption, linkNumber(i));
        if (luxFormatSession(link).size() > kSessionRead)
            return readInPart(refuse(ErrorCode::None, ids::kRuleLinkTooLong, keynames::kSession,
                                     row, parts::kServer, linkNumber(i)),
                              kSessionRead);
    }
    return {};
}

} // namespace

RecordRefusal appcCheckRecord(const AppcRecord& r) {
    return firstOf([&] { return appcLimits(r); }, [&] { return appcSheetRules(r); },
                   [&] { return appcWriterCheck(r); }, [&] { return appcReadBack(r); });
}

RecordRefusal luxCheckRecord(const LuxProfileRecord& r) {
    return firstOf([&] { return luxSheetRules(r); }, [&] { return luxWriterCheck(r); },
                   [&] { return luxReadBack(r); });
}
