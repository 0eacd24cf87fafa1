#include "validation.h"

#include "password_keys.h"
#include "text_pieces.h"

#include "messages.h"

#include <algorithm>
#include <vector>

namespace {

// The characters a test looks at: at most `length`, never past the end of the text.
std::string_view head(std::string_view text, std::size_t length) {
    return text.substr(0, std::min(length, text.size()));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isAsciiLetter(char c) {
    return isUpper(c) || (c >= 'a' && c <= 'z');
}
// "A" to "z" in code order: the capitals, the six signs [ \ ] ^ _ ` and the small letters.
bool inLetterRange(char c) {
    return c >= 'A' && c <= 'z';
}
bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool startsWithDigit(std::string_view text) {
    return !text.empty() && isDigit(text.front());
}

template <typename Pred> bool allOf(std::string_view text, Pred pred) {
    return std::all_of(text.begin(), text.end(), pred);
}

// A local LU field of 8 or 17 characters as the writers pad it: "*" for any LU, or blank.
constexpr std::string_view kAnyLu8 = "*       ";
constexpr std::string_view kBlankLu8 = "        ";
constexpr std::string_view kAnyLu17 = "*                ";
constexpr std::string_view kBlankLu17 = "                 ";
static_assert(kAnyLu8.size() == kLuAliasLength && kBlankLu8.size() == kLuAliasLength &&
              kAnyLu17.size() == kQualifiedLuLength && kBlankLu17.size() == kQualifiedLuLength);
constexpr std::string_view kServiceTpTail =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz01234567890@$#.";

void fail(ErrorCode code, int& failureFlag, ErrorCode& errorCode) {
    failureFlag = kCheckFailed;
    errorCode = code;
}

// The user ID and password that a midrange system and the common settings both carry.
void hostSecurityCheck(std::string_view paddedUserId, std::string_view paddedPassword,
                       std::size_t passwordLimit, int& failureFlag, ErrorCode& errorCode) {
    if (!isHostSecurityText(paddedUserId, kUserIdCheckLength))
        fail(ErrorCode::HostUserId, failureFlag, errorCode);
    else if (!paddedPassword.empty() && !isHostSecurityText(paddedPassword, passwordLimit))
        fail(ErrorCode::HostPassword, failureFlag, errorCode);
}

} // namespace

std::string padRight(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width)
        out.append(width - out.size(), ' ');
    return out;
}

bool isAliasText(std::string_view text, std::size_t length) {
    return allOf(head(text, length), [](char c) { return isDigit(c) || inLetterRange(c); });
}

bool isAliasField(std::string_view padded) {
    return padded == kAnyLu8 || padded == kBlankLu8 || isLuAlias(padded);
}

bool isLocalAliasField(std::string_view padded) {
    return padded == kAnyLu8 || isLuAlias(padded);
}

bool isLuAlias(std::string_view text) {
    const TextPieces parts(head(text, kLuAliasLength), ' ');
    return parts.size() == 1 && isAliasText(parts[0], parts[0].size());
}

bool isTypeAName(std::string_view text, std::size_t length) {
    std::string_view t = head(text, length);
    return !startsWithDigit(t) && allOf(t, [](char c) {
        return isUpper(c) || isDigit(c) || c == '@' || c == '#' || c == '$';
    });
}

bool isMixedCaseName(std::string_view text, std::size_t length) {
    std::string_view t = head(text, length);
    return !startsWithDigit(t) && allOf(t, [](char c) { return isDigit(c) || inLetterRange(c); });
}

bool isAppTpName(std::string_view text, std::size_t length) {
    std::string_view t = head(text, length);
    return !startsWithDigit(t) && allOf(t, [](char c) {
        return isDigit(c) || c == '#' || c == '$' || c == '.' || (c >= '@' && c <= 'z');
    });
}

bool isServiceTpName(std::string_view text) {
    if (text.size() < 2 || text.size() > 5)
        return false;
    if (text[0] < '0' || text[0] > '3' || !isHexDigit(text[1]))
        return false;
    if (text.starts_with("0E") || text.starts_with("0F"))
        return false;
    return allOf(text.substr(2),
                 [](char c) { return kServiceTpTail.find(c) != std::string_view::npos; });
}

bool isNetworkId(std::string_view text) {
    return text.size() <= kNetworkIdLength && isTypeAName(text, text.size());
}

bool isQualifiedLuName(std::string_view text) {
    const TextPieces parts(head(text, kQualifiedLuLength), '.');
    if (parts.size() != 2 || parts[0].size() + parts[1].size() != kQualifiedLuLength - 1)
        return false;
    std::string_view network = parts[0];
    std::string_view lu = parts[1];
    if (lu.find(' ') != std::string_view::npos) {
        const TextPieces luWords(lu, ' ');
        if (luWords.size() != 1)
            return false;
        lu = luWords[0];
    }
    return isNetworkId(network) && lu.size() <= kLuNameLength && isTypeAName(lu, lu.size());
}

bool isCpicSecurityText(std::string_view text, std::size_t length) {
    return allOf(head(text, length), [](char c) {
        if (c == ' ' || c == '"')
            return true;
        if (c < '%' || c > 'z')
            return false;
        return c != '@' && c != '[' && c != '\\' && c != ']' && c != '^' && c != '`';
    });
}

bool isHostSecurityText(std::string_view text, std::size_t length) {
    return allOf(head(text, length), [](char c) {
        if (c < ' ' || c > 'z')
            return false;
        return c != '!' && c != '[' && c != '\\' && c != ']' && c != '^' && c != '`';
    });
}

bool isUserText(std::string_view text, std::size_t length) {
    constexpr std::string_view kRefused = "/[:;=+*?<>|";
    return allOf(head(text, length),
                 [&](char c) { return kRefused.find(c) == std::string_view::npos; });
}

bool isHostName(std::string_view text, std::size_t length) {
    return allOf(head(text, length), [](char c) {
        return isUpper(c) || isDigit(c) || c == '@' || c == '#' || c == '$' || c == ' ';
    });
}

bool isServerName(std::string_view text, std::size_t length, std::string_view transport) {
    // The transport texts follow the language library loaded now, so that a change of
    // library is seen at once.
    const TransportTexts& texts = transportTexts();
    std::string_view name = head(text, length);
    if (name.empty() || name == "*")
        return true;
    // Only ASCII letters count: a server name must resolve the same on every host.
    if (transport == texts.first) {
        return name.front() != '.' && allOf(name, [](char c) {
                   return isAsciiLetter(c) || isDigit(c) || c == '.' || c == '-' || c == '_';
               });
    }
    if (transport == texts.second) {
        return allOf(name,
                     [](char c) { return isAsciiLetter(c) || isDigit(c) || c == '-' || c == '_'; });
    }
    return true;
}

void cpicCheckEntry(const CpicSideInfoRecord& r, int& failureFlag, ErrorCode& errorCode) {
    if (!isLuAlias(r.symbName))
        fail(ErrorCode::SymbolicName, failureFlag, errorCode);
    else if (!isLocalAliasField(r.localLu))
        fail(ErrorCode::LuAlias, failureFlag, errorCode);
    else if (!isTypeAName(r.mode, r.mode.size()))
        fail(ErrorCode::ModeName, failureFlag, errorCode);
    else if (r.pluType != 0 && !isQualifiedLuName(r.partnerLu))
        fail(ErrorCode::QualifiedLuName, failureFlag, errorCode);
    else if (r.pluType == 0 && r.partnerLu != kAnyLu17 && r.partnerLu != kBlankLu17 &&
             !isLuAlias(r.partnerLu))
        fail(ErrorCode::LuAlias, failureFlag, errorCode);
    else if (r.tpType != 0 && (r.remoteTp.empty() || !isServiceTpName(r.remoteTp)))
        fail(ErrorCode::ServiceTpName, failureFlag, errorCode);
    else if (r.tpType == 0 &&
             (r.remoteTp.empty() || !isMixedCaseName(r.remoteTp, r.remoteTp.size())))
        fail(ErrorCode::AppTpName, failureFlag, errorCode);
    // The characters of user ID and password are checked for these types only, not for the
    // strong type (5), which takes both as well (cpicSecTypeTakesUserId and ...Password).
    else if ((r.secType == 1 || r.secType == 2) &&
             !isCpicSecurityText(r.userId, kUserIdCheckLength))
        fail(ErrorCode::CpicUserId, failureFlag, errorCode);
    else if (r.secType == 2 && !isCpicSecurityText(r.password, kCpicPassword.maxPlain))
        fail(ErrorCode::CpicPassword, failureFlag, errorCode);
}

void tpCheckEntry(const AttachTpRecord& r, int& failureFlag, ErrorCode& errorCode) {
    if (r.tpType == 0 && (r.tpName.empty() || !isAppTpName(r.tpName, r.tpName.size())))
        fail(ErrorCode::AppTpName, failureFlag, errorCode);
    else if (r.tpType == 1 && (r.tpName.empty() || !isServiceTpName(r.tpName)))
        fail(ErrorCode::ServiceTpName, failureFlag, errorCode);
    else if (r.tpOp == 0 && r.path.empty())
        fail(ErrorCode::TpPath, failureFlag, errorCode);
}

void globalCheck(const GlobalRecord& r, int& failureFlag, ErrorCode& errorCode) {
    if (!isUserText(r.userName, r.userName.size()))
        fail(ErrorCode::GlobalUserName, failureFlag, errorCode);
    else if (!r.password.empty() && !isUserText(r.password, r.password.size()))
        fail(ErrorCode::GlobalPassword, failureFlag, errorCode);
    else if (!isAliasField(r.defLuAlias) || !isAliasField(r.defPluAlias))
        fail(ErrorCode::LuAlias, failureFlag, errorCode);
}

namespace {

void failAtRow(ErrorCode code, std::size_t row, int& failureFlag, ErrorCode& errorCode,
               int* refusedRow) {
    fail(code, failureFlag, errorCode);
    if (refusedRow)
        *refusedRow = static_cast<int>(row);
}

} // namespace

void appcCheck(const AppcRecord& r, int& failureFlag, ErrorCode& errorCode, int* refusedRow) {
    for (std::size_t i = 0; i < r.serverName.size(); ++i) {
        if (!isServerName(r.serverName[i], r.serverName[i].size(), r.transport[i])) {
            failAtRow(ErrorCode::ServerName, i, failureFlag, errorCode, refusedRow);
            return;
        }
    }
}

void luxCheckProfile(const LuxProfileRecord& r, int& failureFlag, ErrorCode& errorCode,
                     int* refusedRow) {
    for (std::size_t i = 0; i < r.links.size(); ++i) {
        const LuxLink& link = r.links[i];
        if (!isServerName(link.serverName, link.serverName.size(), link.transport)) {
            failAtRow(ErrorCode::ServerName, i, failureFlag, errorCode, refusedRow);
            return;
        }
    }
    if (r.profileName.empty() || !isTypeAName(r.profileName, r.profileName.size())) {
        fail(ErrorCode::LuxProfileName, failureFlag, errorCode);
        return;
    }
    for (std::size_t i = 0; i < r.links.size(); ++i) {
        const LuxLink& link = r.links[i];
        if (link.category != kNoLuNameCategory &&
            (link.luName.empty() || !isMixedCaseName(link.luName, link.luName.size()))) {
            failAtRow(ErrorCode::LinkLuName, i, failureFlag, errorCode, refusedRow);
            return;
        }
    }
}

void midrangeSystemCheck(std::string_view hostName, std::string_view paddedUserId,
                         std::string_view paddedPassword, int& failureFlag, ErrorCode& errorCode) {
    if (!isHostName(hostName, hostName.size()))
        fail(ErrorCode::HostName, failureFlag, errorCode);
    else
        hostSecurityCheck(paddedUserId, paddedPassword, kSystemPassword.maxPlain, failureFlag,
                          errorCode);
}

void midrangeCommonCheck(std::string_view mode, std::string_view paddedUserId,
                         std::string_view paddedPassword, int& failureFlag, ErrorCode& errorCode) {
    if (!isTypeAName(mode, mode.size()))
        fail(ErrorCode::ModeName, failureFlag, errorCode);
    else
        hostSecurityCheck(paddedUserId, paddedPassword, kCommonPassword.maxPlain, failureFlag,
                          errorCode);
}
