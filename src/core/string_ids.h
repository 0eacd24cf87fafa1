// Numbers of the texts of the language library. Code names a text only through these, so
// that a test can prove every shipped library holds every text the program shows.
// Several sheets share a text (a label such as "Password:"); each sheet still gets its own
// name for it, so that a sheet's text can change without touching the others.
// The language test reads the numbers here and the layouts' legends, and demands a text
// for each in every library and a user for each text.
#pragma once

namespace ids {

// Application
inline constexpr int kAppTitle = 57344;
inline constexpr int kDocumentStrings = 128; // window title, then the document type fields
inline constexpr int kFileOpenFilter = 305;  // Qt filter syntax: "Name (*.ini);;All (*)"
inline constexpr int kTransportFirst = 61206;
inline constexpr int kTransportSecond = 61207;
inline constexpr int kTooManyCharacters = 61716; // "Please enter no more than %1 characters."

// A save refused because a value cannot be carried by the file: %1 key, %2 section.
inline constexpr int kMsgUnwritableValue = 2500;

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

// Shared by several sheets
inline constexpr int kMsgPasswordMismatch = 331;
inline constexpr int kLegendBrowse = 2481;
inline constexpr int kLegendEncryption = 61208;
inline constexpr int kEncryptionOff = 61213;      // stored as "ENC_OFF"
inline constexpr int kEncryptionOn = 61212;       // stored as "ENC_ON"
inline constexpr int kEncryptionOptional = 61214; // stored as "ENC_OPT"

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

// Transaction program sheet
inline constexpr int kTpLegendTpName = 720;
inline constexpr int kTpLegendLuName = 695;
inline constexpr int kTpLegendPath = 721;
inline constexpr int kTpLegendBrowse = kLegendBrowse;
inline constexpr int kTpLegendParameters = 722;
inline constexpr int kTpLegendServiceTp = 735;
inline constexpr int kTpLegendDynamicLoad = 2426;
inline constexpr int kTpBrowseTitle = 2497;
// Its Browse filter: programs first (also files this system may execute), then all files.
inline constexpr int kTpBrowseFilter = 2618;

// Global settings sheet
inline constexpr int kGlobalLegendTranslate = 2431; // also the title of its Browse dialog
inline constexpr int kGlobalLegendBrowse = kLegendBrowse;
inline constexpr int kGlobalLegendDefLu = 61221;
inline constexpr int kGlobalLegendDefPlu = 61222;
inline constexpr int kGlobalGroupOptional = 61214;
inline constexpr int kGlobalLegendUserName = 804;
inline constexpr int kGlobalGroupPassword = 803;
inline constexpr int kGlobalLegendPassword = 800;
inline constexpr int kGlobalLegendVerify = 801;

// Server list sheet
inline constexpr int kServRadioList = 61218;
inline constexpr int kServHeadName = 2415;
inline constexpr int kServHeadTransport = 61204;
inline constexpr int kServHeadEncryption = kLegendEncryption;
inline constexpr int kServRadioScope = 61219;
inline constexpr int kServHeadScopeName = 61217;
inline constexpr int kServHeadScopeEncryption = kLegendEncryption;
inline constexpr int kServLoadBalancing = 61220;
inline constexpr int kServMsgNoServer = 2493;

// LUx profile sheet
inline constexpr int kLuxHeadSession = 2430;
inline constexpr int kLuxHeadServer = 61216;
inline constexpr int kLuxHeadTransport = 61215;
inline constexpr int kLuxHeadEncryption = kLegendEncryption;
inline constexpr int kLuxHeadCategory = 2428;
inline constexpr int kLuxHeadName = 2429;
inline constexpr int kLuxDefaultSession = 2442;
inline constexpr int kLuxServerFirst = 61209;  // a server over the first transport
inline constexpr int kLuxServerSecond = 61210; // a server over the second transport
inline constexpr int kLuxScope = 61211;        // a scope, over the first transport
inline constexpr int kLuxCategory0 = 2326;     // takes an LU name
inline constexpr int kLuxCategory1 = 2324;     // takes no name
inline constexpr int kLuxCategory3 = 2327;     // takes a pool name

// Midrange systems sheet, its pages and the System Properties dialog
inline constexpr int kMidHeadList = 2443;
inline constexpr int kMidHostName = 2447; // the list's column title and the dialog's label
inline constexpr int kMidAdd = 2437;
inline constexpr int kMidRemove = 913;
inline constexpr int kMidProperties = 2438;
inline constexpr int kMidDefault = 2448;
inline constexpr int kMidCommonIntro = 2445;
inline constexpr int kMidGroupNetwork = 2484;
inline constexpr int kMidLocalLu = 694;
inline constexpr int kMidMode = 700;
inline constexpr int kMidGroupSecurity = 2449;
inline constexpr int kMidCommonUserId = 2444;
inline constexpr int kMidPassword = 800;
inline constexpr int kMidVerify = 801;
inline constexpr int kMidSecurityIntro = 2450;
inline constexpr int kMidUserId = 804;
inline constexpr int kMidOk = 2439;
inline constexpr int kMidCancel = 2440;
inline constexpr int kMidHelp = 2302;
inline constexpr int kMidMsgDefaultUnknown = 2483;
inline constexpr int kMidMsgNoSystem = 2485;
inline constexpr int kMidMsgModeInvalid = 2492;

// Problems panel, review of changes, undo steps
inline constexpr int kProblemsTitle = 2600;
inline constexpr int kProblemsKind = 2601;
inline constexpr int kProblemsName = 2602;
inline constexpr int kProblemsCode = 2603;
inline constexpr int kProblemsMessage = 2604;
inline constexpr int kProblemsOne = 2605;    // the status bar's count of one
inline constexpr int kProblemsMany = 2606;   // "%1" is the count
inline constexpr int kProblemOldForm = 2607; // "%1" is the server name
inline constexpr int kProblemNoName = 2608;  // a section without its name key
inline constexpr int kProblemWarning = 2609; // the code column of a warning
inline constexpr int kReviewTitle = 2610;    // "%1" is the file's name
inline constexpr int kReviewNothing = 2611;
inline constexpr int kReviewNewFile = 2612;
inline constexpr int kReviewLineEnds = 2613;
inline constexpr int kReviewSave = 2614;
inline constexpr int kStepNew = 2615;
inline constexpr int kStepChange = 2616; // "%1" is the record's name
inline constexpr int kStepDelete = 2617; // "%1" is the record's name

// Review by record and merge on save
inline constexpr int kReviewField = 3400;
inline constexpr int kReviewBefore = 3401;
inline constexpr int kReviewAfter = 3402;
inline constexpr int kReviewAdded = 3403;
inline constexpr int kReviewRemoved = 3404;
inline constexpr int kReviewMoved = 3405;    // "%1" and "%2" are the places
inline constexpr int kReviewChanged = 3406;  // a password: only that it changed
inline constexpr int kReviewByRecord = 3407; // the caption above the records
inline constexpr int kReviewLines = 3408;    // the caption above the lines
inline constexpr int kReviewCommon = 3409;   // the midrange common settings' name
inline constexpr int kMergeQuestion = 3410;  // "%1" is the path
inline constexpr int kMergeButton = 3411;
inline constexpr int kOverwriteButton = 3412;
inline constexpr int kMergeTitle = 3413; // "%1" is the file's name
inline constexpr int kMergeConflicts = 3414;
inline constexpr int kMergeMine = 3415;
inline constexpr int kMergeTheirs = 3416;
inline constexpr int kMergeProblems = 3417; // "%1" lists the records
inline constexpr int kMergeChangedAgain = 3418;
inline constexpr int kMergeUnreadable = 3419; // "%1" is the path
inline constexpr int kMergeStep = 3420;
inline constexpr int kMergeNote = 3421;
inline constexpr int kMergeByRecord = 3422; // the caption above the records of a merge

// Menus, the main window's form, prompts, the About box, tab captions and the help window.
// Layouts name most of these in their "legend" properties; the code names the others.
inline constexpr int kUndoPrefix = 3330; // "&Undo", followed by the step's text
inline constexpr int kRedoPrefix = 3331;
inline constexpr int kStatusReady = 3332;
inline constexpr int kRecentPrompt = 3333;
inline constexpr int kIndicatorCaps = 3334;
inline constexpr int kIndicatorNum = 3335;
inline constexpr int kIndicatorScroll = 3336;
inline constexpr int kUntitled = 3344;          // the name of a document never saved
inline constexpr int kPromptSaveChanges = 3345; // "%1" is the document's name
inline constexpr int kTitleOpen = 3347;
inline constexpr int kTitleSaveAs = 3348;
inline constexpr int kHelpBack = 3350;
inline constexpr int kHelpForward = 3351;
inline constexpr int kHelpHome = 3352;
inline constexpr int kHelpContents = 3353; // the names screen readers read for its panes
inline constexpr int kHelpTopic = 3342;
inline constexpr int kSheetHelp = 2302;    // every sheet's Help button
inline constexpr int kHelpFileName = 3359; // the help file in the user's language

// The checks of every kind: messages that name the field, the server or the link.
// Format: %1 is the most characters a field takes, a server name or a link number.
inline constexpr int kRuleTooLong = 3000;
inline constexpr int kRuleLocalLu = 3001;
inline constexpr int kRulePartnerAlias = 3002;
inline constexpr int kRuleDefLu = 3003;
inline constexpr int kRuleDefPartner = 3004;
inline constexpr int kRuleServerName = 3005;
inline constexpr int kRuleServerTransport = 3006;
inline constexpr int kRuleLinkServer = 3007;
inline constexpr int kRuleLinkTransport = 3008;
inline constexpr int kRuleLinkLuName = 3009;
inline constexpr int kRuleBackslash = 3010;
inline constexpr int kRuleComma = 3011;
inline constexpr int kRuleServerEncryption = 3012;
inline constexpr int kRuleScopeEncryption = 3013;
inline constexpr int kRuleServerTooLong = 3014;
inline constexpr int kRuleScopeTooLong = 3015;
inline constexpr int kRuleLinkEncryption = 3016;
inline constexpr int kRuleLinkTooLong = 3017;
inline constexpr int kRuleLinkCategory = 3018;
inline constexpr int kRuleOldForm = 3019;
inline constexpr int kRuleLineBreak = 3020;
inline constexpr int kRuleRemoteTpName = 3021;

// Rename, sections without their name key
inline constexpr int kRenameButton = 3200;
inline constexpr int kRenameLabel = 3201;
inline constexpr int kRenameTitle = 3202;     // "%1" is the record's name
inline constexpr int kRenameDuplicate = 3203; // "%1" is the name asked for
inline constexpr int kStepRename = 3204;      // "%1" the old name, "%2" the new one
inline constexpr int kProblemOpen = 3205;
inline constexpr int kProblemRename = 3206;
inline constexpr int kProblemDelete = 3207;
inline constexpr int kProblemNoNameLine = 3208;    // "%1" is the line
inline constexpr int kConfirmDeleteSection = 3209; // "%1" the section, "%2" the line
inline constexpr int kStepDeleteSection = 3210;    // "%1" is the section's name

// Reaching files: what is wrong with a file, and the messages that name it.
inline constexpr int kFileIsFolder = 3100;
inline constexpr int kFileIsFifo = 3101;
inline constexpr int kFileIsSocket = 3102;
inline constexpr int kFileIsDevice = 3103;
inline constexpr int kFileTooLarge = 3104; // "%1" is the limit in MiB
inline constexpr int kFileLinkLoop = 3105;
inline constexpr int kFileLinkRefused = 3106;
inline constexpr int kFileLinkNotFollowed = 3107;
inline constexpr int kFileExists = 3108;
inline constexpr int kFileHeld = 3109;          // "%1" the holder, "%2" the seconds waited
inline constexpr int kFileHolderUnknown = 3110; // the holder when the system does not tell
inline constexpr int kFileHolder = 3111;        // "%1" program, "%2" process, "%3" user
inline constexpr int kMsgOpenFailed = 3112;     // "%1" is "PATH: reason"
inline constexpr int kMsgSaveFailed = 3113;     // "%1" is "PATH: reason"
inline constexpr int kMsgUnreadOnOpen = 3114;   // "%1" path, "%2" line, "%3" why
inline constexpr int kMsgUnreadSave = 3115;     // "%1" path, "%2" line, "%3" why
inline constexpr int kMsgReplaceDerived = 3116; // "%1" is the path
inline constexpr int kUnreadByte255 = 3117;
inline constexpr int kUnreadCarriageReturn = 3118;
inline constexpr int kUnreadNul = 3119;
inline constexpr int kUnreadContinuedComment = 3120;
inline constexpr int kUnreadHeaderSection = 3121;

} // namespace ids
