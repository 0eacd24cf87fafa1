// Fuzzes the single-instance message decoder with whatever another process might send:
// it never reads past the bytes it has, takes only a complete message of a known type, and
// a message it takes is exactly what the encoder writes for it.
#include "instance_message.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray buffer(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const DecodeResult r = decodeInstanceMessage(buffer);
    bool ok = true;
    switch (r.status) {
    case DecodeStatus::Complete:
        ok = r.message && r.consumed >= kInstanceHeaderSize && r.consumed <= buffer.size() &&
             encodeInstanceMessage(r.message->type, r.message->payload) == buffer.left(r.consumed);
        break;
    case DecodeStatus::NeedMore:
        ok = !r.message && r.consumed == 0 &&
             buffer.size() < kInstanceHeaderSize + kInstanceMaxPayload;
        break;
    case DecodeStatus::Invalid:
        ok = !r.message && r.consumed == 0;
        break;
    }
    if (!ok)
        __builtin_trap();
    return 0;
}
