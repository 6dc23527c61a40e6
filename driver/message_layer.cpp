// The message layer: one SCPI command line out, one response line in, with the
// framing and handshake of each transport.
#include <cstring>

#include "driver/zk7416_internal.h"
#include "platform/gpib_library.h"
#include "platform/ni488.h"
#include "platform/serial_port.h"

using namespace zk7416;
namespace gpib = platform::gpib;

namespace {

constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr char EOT = 0x04;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;

// The command with its line feed into the message buffer; false (status 230) when it
// would not fit the buffers of either transport.
bool build_message(const char* command) {
    std::size_t n = command ? std::strlen(command) : 0;
    if (n > kMaxCommandLength) {
        fail(ZK7416_ERR_WRITE);
        return false;
    }
    std::memcpy(message_buffer, command, n);
    message_buffer[n] = '\n';
    message_buffer[n + 1] = '\0';
    return true;
}

// An answer cut at the receive limit leaves the rest of its block on the line. Read
// it away up to the block's ETX so the acknowledge and the closing EOT stay in step
// with the instrument; the discarded bytes never reach the caller.
void discard_rest_of_block(int port) {
    for (int i = 0; i < 65536; ++i) {
        int c = platform::ComRdByte(port);
        if (c < 0 || c == ETX) return;
    }
}

}  // namespace

extern "C" {

int32_t zk7416_send_scpi(int32_t handle, const char* command) {
    zk7416_status = 0;
    if (!build_message(command)) return zk7416_status;
    int32_t s = serial_transport == 0
                    ? zk7416_write_msg_gpib(handle, message_buffer,
                                            static_cast<int32_t>(std::strlen(message_buffer)))
                    : zk7416_send_rs232(handle, message_buffer);
    zk7416_status = s;
    return s;
}

int32_t zk7416_receive_scpi(int32_t handle, const char* query, char* response) {
    zk7416_status = 0;
    if (!build_message(query)) return zk7416_status;
    // Callers may pass no buffer when they only care that the exchange worked.
    char scratch[kBufferSize];
    char* target = response ? response : scratch;
    int32_t s;
    if (serial_transport == 0) {
        s = zk7416_write_msg_gpib(handle, message_buffer,
                                  static_cast<int32_t>(std::strlen(message_buffer)));
        if (s == 0) s = zk7416_read_msg_gpib(handle, target, kBufferSize);
    } else {
        s = zk7416_receive_rs232(handle, message_buffer, target);
    }
    zk7416_status = s;
    return s;
}

int32_t zk7416_write_msg_gpib(int32_t slot, const char* buffer, int32_t count) {
    if (gpib::ibwrt(slot_device(slot), buffer, count) & ni488::ERR) return fail(ZK7416_ERR_WRITE);
    return 0;
}

int32_t zk7416_read_msg_gpib(int32_t slot, char* buffer, int32_t count) {
    if (!buffer || count <= 0) return fail(ZK7416_ERR_READ);
    // Leave room for a terminator even when the instrument fills the whole count.
    int sta = gpib::ibrd(slot_device(slot), buffer, count);
    long received = gpib::cntl();
    if (received < 0) received = 0;
    if (received > count) received = count;
    if (sta & ni488::ERR) {
        buffer[received < count ? received : count - 1] = '\0';
        return fail(ZK7416_ERR_READ);
    }
    // The instrument ends every response with CR LF; both go. A response shorter than
    // that carries no text.
    buffer[received >= 2 ? received - 2 : 0] = '\0';
    return 0;
}

int32_t zk7416_send_rs232(int32_t slot, const char* message) {
    int port = slot_port(slot);
    platform::FlushInQ(port);
    std::size_t n = message ? std::strlen(message) : 0;
    if (n + 3 > sizeof rs232_send_frame) return fail(ZK7416_ERR_WRITE);
    rs232_send_frame[0] = STX;
    std::memcpy(rs232_send_frame + 1, message, n);
    rs232_send_frame[n + 1] = ETX;
    rs232_send_frame[n + 2] = '\0';
    if (platform::ComWrt(port, rs232_send_frame, static_cast<int>(n + 2)) < 0)
        return fail(ZK7416_ERR_WRITE);
    int reply = platform::ComRdByte(port);
    if (reply < 0) return fail(ZK7416_ERR_READ);
    if (reply == NAK) return fail(ZK7416_NAK);
    if (reply == EOT) return fail(ZK7416_EOT);
    return 0;
}

int32_t zk7416_receive_rs232(int32_t slot, const char* message, char* response) {
    int32_t s = zk7416_send_rs232(slot, message);
    if (s != 0) return fail(s);
    platform::FlushInQ(slot_port(slot));
    return zk7416_receive_rs232_message(slot, response);
}

int32_t zk7416_receive_rs232_message(int32_t slot, char* response) {
    int port = slot_port(slot);
    platform::ComWrtByte(port, EOT);
    int first = platform::ComRdByte(port);
    if (first == EOT) return fail(ZK7416_EOT);
    if (first < 0) return fail(ZK7416_ERR_READ);

    constexpr int kMaxBlock = kBufferSize - 1;
    int received = platform::ComRdTerm(port, rs232_receive_buffer, kMaxBlock, ETX);
    if (platform::GetRs232Err() != 0) return fail(ZK7416_ERR_READ);
    if (received < 0) received = 0;
    rs232_receive_buffer[received] = '\0';
    if (received == kMaxBlock) discard_rest_of_block(port);

    // Without its CR LF; a block of fewer than two characters carries no text.
    int length = received >= 2 ? received - 2 : 0;
    if (response) {
        std::memcpy(response, rs232_receive_buffer, static_cast<std::size_t>(length));
        response[length] = '\0';
    }
    platform::ComWrtByte(port, ACK);
    platform::ComRdByte(port);  // the closing EOT; its value does not matter
    return 0;
}

}  // extern "C"
