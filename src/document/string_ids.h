// Numbers of the texts of the language library. Code names a text only through these, so
// that a test can prove every shipped library holds every text the program shows.
#pragma once

namespace ids {

// Application
inline constexpr int kAppTitle = 57344;
inline constexpr int kFileOpenFilter = 305;
inline constexpr int kTransportFirst = 61206;
inline constexpr int kTransportSecond = 61207;
inline constexpr int kTooManyCharacters = 61716; // "Please enter no more than %1 characters."

// Main window: option labels, descriptions, record group titles, entries, messages
inline constexpr int kOptionGlobal = 310;
inline constexpr int kOptionAppc = 2409;
inline constexpr int kOptionCpic = 307;
inline constexpr int kOptionTp = 308;
inline constexpr int kOptionLux = 309;
inline constexpr int kOptionMidrange = 2434;
inline constexpr int kDescGlobal = 2423;
inline constexpr int kDescAppc = 2417;
inline constexpr int kDescRecords = 317;
inline constexpr int kDescMidrange = 2424;
inline constexpr int kGroupGlobal = 322;
inline constexpr int kGroupAppc = 2418;
inline constexpr int kGroupCpic = 319;
inline constexpr int kGroupTp = 320;
inline constexpr int kGroupLux = 321;
inline constexpr int kGroupMidrange = 2435;
inline constexpr int kEntryAppc = 2432;
inline constexpr int kEntryGlobal = 2433;
inline constexpr int kEntryMidrange = 2452;
inline constexpr int kMsgNoSelection = 328;
inline constexpr int kMsgConfirmDelete = 329; // "%1" is the record's name

// Sheet titles
inline constexpr int kTitleCpic = 323;
inline constexpr int kTitleTp = 324;
inline constexpr int kTitleLux = 325;
inline constexpr int kTitleGlobal = 327;
inline constexpr int kTitleServers = 2410;
inline constexpr int kTitleMidrange = 2436;

// Standard mode names (the same in every language: they are written to the file)
inline constexpr int kMode1 = 2419;
inline constexpr int kMode2 = 2420;
inline constexpr int kMode3 = 2421;
inline constexpr int kMode4 = 2422;
inline constexpr int kMode5 = 2425;
inline constexpr int kMode6 = 2451;

// Error messages, by the codes that show them
inline constexpr int kErr10 = 2466;
inline constexpr int kErr12 = 2460;
inline constexpr int kErr14And24 = 2457;
inline constexpr int kErr16 = 2468;
inline constexpr int kErr20 = 2470;
inline constexpr int kErr26 = 2456;
inline constexpr int kErr34 = 2465;
inline constexpr int kErr38 = 2462;
inline constexpr int kErr40 = 2463;
inline constexpr int kErr42 = 2458;
inline constexpr int kErr44 = 2480;
inline constexpr int kErr46 = 2464;
inline constexpr int kErr48 = 2469;
inline constexpr int kErr50 = 2486;
inline constexpr int kErr52 = 2467;
inline constexpr int kErr54 = 2482;
inline constexpr int kErr56 = 2492;
inline constexpr int kErr58 = 2496;
inline constexpr int kErr60 = 2488;
inline constexpr int kErr62 = 2494;
inline constexpr int kErr64 = 2495;
inline constexpr int kErr66 = 2477;
inline constexpr int kErr68 = 2478;

// CPI-C side information sheet
inline constexpr int kCpicMsgModeTooLong = 2459;
inline constexpr int kCpicMsgUserIdRequired = 2465;
inline constexpr int kCpicLegendSymbName = 734;
inline constexpr int kCpicLegendLocalLu = 695;
inline constexpr int kCpicLegendMode = 700;
inline constexpr int kCpicLegendServiceTp = 735;
inline constexpr int kCpicLegendRemoteTp = 720;
inline constexpr int kCpicLegendPartnerGroup = 2490;
inline constexpr int kCpicLegendQualified = 680;
inline constexpr int kCpicLegendAlias = 2487;
inline constexpr int kCpicLegendSecType = 805;
inline constexpr int kCpicLegendUserId = 806;
inline constexpr int kCpicLegendPassword = 807;
inline constexpr int kCpicSecNone = 400;
inline constexpr int kCpicSecSame = 401;
inline constexpr int kCpicSecProgram = 402;
inline constexpr int kCpicSecStrong = 437;

} // namespace ids

// Every id above and every further id the editors use; the language tests walk this list.
inline constexpr int kAllStringIds[] = {
    57344, 305,  61206, 61207, 61716, 310,  2409, 307,  308,  309,  2434, 2423, 2417, 317,
    2424,  322,  2418,  319,   320,   321,  2435, 2432, 2433, 2452, 328,  329,  323,  324,
    325,   327,  2410,  2436,  2419,  2420, 2421, 2422, 2425, 2451, 2466, 2460, 2457, 2468,
    2470,  2456, 2465,  2462,  2463,  2458, 2480, 2464, 2469, 2486, 2467, 2482, 2492, 2496,
    2488,  2494, 2495,  2477,  2478,  2459, 734,  695,  700,  735,  720,  2490, 680,  2487,
    805,   806,  807,   400,   401,   402,  437,
};
