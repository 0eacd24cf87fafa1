// Messages shown to the user, the error codes and their messages, the two transport texts.
// The core shows nothing itself: AppMessageBox hands the message to a presenter that the
// front end installs (a Qt message box, stderr for the tool, a recorder in tests).
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Message box styles, in the platform's numbering: the low four bits choose the buttons,
// the next four the icon. And the buttons a box returns.
inline constexpr int kMbButtons = 0x0f;
inline constexpr int kMbIcon = 0xf0;
inline constexpr int kMbOk = 0x00; // OK only, no icon
inline constexpr int kMbOkCancel = 0x01;
inline constexpr int kMbIconStop = 0x10;
inline constexpr int kMbIconQuestion = 0x20;
inline constexpr int kMbExclamation = 0x30;
inline constexpr int kMbIconInformation = 0x40;
inline constexpr int kMbOkCancelQuestion = kMbOkCancel | kMbIconQuestion;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Shows text with the application title (string 57344) and returns the button pressed.
using MessagePresenter =
    std::function<int(const std::string& title, const std::string& text, int style)>;
// Empty: write to stderr. Returns the presenter it replaces.
MessagePresenter setMessagePresenter(MessagePresenter presenter);
int AppMessageBox(const std::string& text, int style);

// text with "%1", "%2", ... replaced by the arguments in turn.
std::string formatMessage(std::string text, std::initializer_list<std::string_view> args);

// The error codes of the message table, named by what they refuse. The numbers are the
// ones the tool prints and its JSON carries, so they never change.
enum class ErrorCode : int {
    None = 0,
    InvalidValue = 10, // given by no check
    CpicPassword = 12,
    PartnerLuName = 14, // given by no check; shares its message with QualifiedLuName
    LinkLuName = 16,
    MissingValue = 20,    // given by no check
    QualifiedLuName = 24, // the partner LU, which must be a fully qualified name
    SymbolicName = 26,
    CpicUserId = 34,
    ServiceTpName = 38,
    AppTpName = 40,
    LuAlias = 42,
    ValueTooLong = 44, // given by no check
    TpPath = 46,
    LuxProfileName = 48,
    HostName = 50,
    ConflictingEntry = 52, // given by no check
    ServerName = 54,
    ModeName = 56,
    HostUserId = 58,
    HostPassword = 60,
    GlobalUserName = 62,
    GlobalPassword = 64,
    Store = 66,       // any failed store operation or file read or write
    NoFirstLink = 68, // a LUx profile whose first link has no server
};

// The number of a code, as the tool prints it.
constexpr int codeNumber(ErrorCode code) {
    return static_cast<int>(code);
}

// The message id of an error code, or 0 for a code that has none (nothing is shown).
int errorMessageId(ErrorCode code);

// Shows the message of an error code: through the error presenter when one is installed
// (the tool prints the code with its text), otherwise as a message box. A code without a
// message shows nothing.
using ErrorPresenter = std::function<void(ErrorCode code)>;
ErrorPresenter setErrorPresenter(ErrorPresenter presenter); // returns the one it replaces
void showErrorMessage(ErrorCode code);

inline constexpr int kCheckFailed = 256; // the failure flag a refused record check sets

// The two transport texts (strings 61206 and 61207) of the language library loaded now.
struct TransportTexts {
    std::string first;
    std::string second;
};
const TransportTexts& transportTexts();
