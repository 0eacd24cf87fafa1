#include "instance_message.h"

namespace {
constexpr char kMagic[4] = {'A', 'P', 'C', 'I'};
constexpr std::uint8_t kVersion = 1;

bool knownType(std::uint8_t t) {
    return t == static_cast<std::uint8_t>(InstanceMessageType::Activate) ||
           t == static_cast<std::uint8_t>(InstanceMessageType::Ack) ||
           t == static_cast<std::uint8_t>(InstanceMessageType::OpenFile);
}
} // namespace

QByteArray encodeInstanceMessage(InstanceMessageType type, const QByteArray& payload) {
    const QByteArray body = payload.left(kInstanceMaxPayload);
    QByteArray out(kMagic, sizeof kMagic);
    out.append(static_cast<char>(kVersion));
    out.append(static_cast<char>(type));
    out.append(static_cast<char>((body.size() >> 8) & 0xff));
    out.append(static_cast<char>(body.size() & 0xff));
    out.append(body);
    return out;
}

DecodeResult decodeInstanceMessage(const QByteArray& buffer) {
    // Check every byte as soon as it is there, so that garbage is refused at once rather
    // than waited for.
    const int n = static_cast<int>(buffer.size());
    for (int i = 0; i < 4 && i < n; ++i)
        if (buffer[i] != kMagic[i])
            return {DecodeStatus::Invalid, std::nullopt, 0};
    if (n > 4 && static_cast<std::uint8_t>(buffer[4]) != kVersion)
        return {DecodeStatus::Invalid, std::nullopt, 0};
    if (n > 5 && !knownType(static_cast<std::uint8_t>(buffer[5])))
        return {DecodeStatus::Invalid, std::nullopt, 0};
    if (n < kInstanceHeaderSize)
        return {DecodeStatus::NeedMore, std::nullopt, 0};

    const int length =
        (static_cast<std::uint8_t>(buffer[6]) << 8) | static_cast<std::uint8_t>(buffer[7]);
    if (length > kInstanceMaxPayload)
        return {DecodeStatus::Invalid, std::nullopt, 0};
    if (n < kInstanceHeaderSize + length)
        return {DecodeStatus::NeedMore, std::nullopt, 0};

    InstanceMessage message{static_cast<InstanceMessageType>(buffer[5]),
                            buffer.mid(kInstanceHeaderSize, length)};
    return {DecodeStatus::Complete, std::move(message), kInstanceHeaderSize + length};
}
