// The words for what went wrong with a file: the language library's for what this program
// refuses, the system's own for what the system refused.
#include "file_access.h"
#include "file_lock.h"
#include "messages.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <cmath>
#include <cstring>

namespace {

std::string text(int id) {
    return TelaEnvironment::GetUserString(id);
}

int kindId(mode_t kind) {
    switch (kind) {
    case S_IFDIR:
        return ids::kFileIsFolder;
    case S_IFIFO:
        return ids::kFileIsFifo;
    case S_IFSOCK:
        return ids::kFileIsSocket;
    default:
        return ids::kFileIsDevice;
    }
}

std::string reason(const FileError& error) {
    switch (error.fault) {
    case FileFault::None:
        break;
    case FileFault::System:
        return std::strerror(error.errnum);
    case FileFault::NotRegular:
        return text(kindId(error.kind));
    case FileFault::TooLarge:
        return formatMessage(text(ids::kFileTooLarge),
                             {std::to_string(kMaxConfigFileSize / (1024 * 1024))});
    case FileFault::LinkLoop:
        return text(ids::kFileLinkLoop);
    case FileFault::LinkRefused:
        return text(ids::kFileLinkRefused);
    case FileFault::LinkNotFollowed:
        return text(ids::kFileLinkNotFollowed);
    case FileFault::Exists:
        return text(ids::kFileExists);
    case FileFault::Held: {
        const std::string holder =
            error.holder.empty() ? text(ids::kFileHolderUnknown) : error.holder;
        const long seconds = std::lround(lockWaitSeconds());
        return formatMessage(text(ids::kFileHeld), {holder, std::to_string(seconds)});
    }
    }
    return {};
}

} // namespace

std::string fileErrorText(const FileError& error) {
    return error.path + ": " + reason(error);
}
