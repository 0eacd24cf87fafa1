// The few bytes that one instance of the editor sends another over the per-user socket.
// Whatever arrives is untrusted: it is read only through decodeInstanceMessage, which
// accepts nothing but a complete, well-formed message of a known type.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

enum class InstanceMessageType : std::uint8_t {
    Activate = 1, // a second instance asks the first to come to the front
    Ack = 2,      // the first instance's answer
    OpenFile = 3, // ... and to open the file whose absolute path is the payload
};

struct InstanceMessage {
    InstanceMessageType type;
    QByteArray payload;
};

// Header: magic "APCI", version 1, type, payload length (16 bits, big-endian).
inline constexpr int kInstanceHeaderSize = 8;
inline constexpr int kInstanceMaxPayload = 4096; // a path of the longest the system takes

QByteArray encodeInstanceMessage(InstanceMessageType type, const QByteArray& payload = {});

enum class DecodeStatus { Complete, NeedMore, Invalid };
struct DecodeResult {
    DecodeStatus status;
    std::optional<InstanceMessage> message; // set when Complete
    int consumed = 0;                       // bytes taken from the front of the buffer
};
DecodeResult decodeInstanceMessage(const QByteArray& buffer);
