// The driver's RS-232 receive path against a line that sends anything: garbage instead
// of the handshake bytes, blocks without ETX, answers longer than any buffer, silence.
// Input: what the line sends after each write of the driver, one chunk per write, the
// chunks separated by NUL bytes; when the chunks run out the line is silent.
//
// Whatever arrives, the driver must keep its buffers, return one of its own status
// codes, and write nothing to the line but whole command blocks and the single control
// bytes of the protocol.
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "driver/zk7416.h"
#include "fuzz/fake_line.h"
#include "fuzz/fuzz_check.h"

namespace {

constexpr char STX = 0x02, ETX = 0x03, EOT = 0x04, ACK = 0x06;

bool is_rs232_status(std::int32_t s) {
    return s == 0 || s == ZK7416_ERR_WRITE || s == ZK7416_ERR_READ || s == ZK7416_NAK ||
           s == ZK7416_EOT;
}

// Everything the driver wrote: blocks STX text LF ETX (the text without control bytes)
// and the control bytes EOT and ACK.
void check_written(std::string_view w) {
    std::size_t i = 0;
    while (i < w.size()) {
        if (w[i] == EOT || w[i] == ACK) {
            ++i;
            continue;
        }
        fuzz::check(w[i] == STX, "the driver wrote a byte outside a block");
        std::size_t end = w.find(ETX, i);
        fuzz::check(end != std::string_view::npos, "the driver wrote a block without ETX");
        std::string_view text = w.substr(i + 1, end - i - 1);
        fuzz::check(!text.empty() && text.back() == '\n', "a command block without its LF");
        for (char c : text.substr(0, text.size() - 1))
            fuzz::check(static_cast<unsigned char>(c) >= 0x20, "a control byte in a command");
        i = end + 1;
    }
}

std::int32_t connect() {
    static std::int32_t handle = 0;
    if (handle > 0) return handle;
    bool answered = false;
    fuzz::fake_line_reset([&](std::string_view written) -> std::string {
        if (written.size() > 1) return std::string(1, ACK);
        if (written[0] == EOT && !answered) {
            answered = true;
            return std::string(1, STX) + "TARVOLUX,7416,0,0497,1.0\r\n" + ETX;
        }
        return std::string(1, EOT);
    });
    char idn[ZK7416_ANSWER_SIZE];
    fuzz::check(zk7416_init_serial(1, 9600, 1.0, idn, 0, &handle) == 0, "no fake connection");
    return handle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int32_t handle = connect();
    std::vector<std::string> chunks;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    for (std::size_t start = 0;;) {
        std::size_t end = input.find('\0', start);
        chunks.emplace_back(input.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    std::size_t next = 0;
    fuzz::fake_line_reset(
        [&](std::string_view) { return next < chunks.size() ? chunks[next++] : std::string(); });

    // A command, queries of both kinds of caller (with and without a buffer), a poll for
    // a measured value, and the error queue, which keeps asking while answers come.
    std::vector<char> response(ZK7416_ANSWER_SIZE);
    std::int32_t statuses[] = {
        zk7416_send_scpi(handle, "INIT:CONT ON"),
        zk7416_receive_scpi(handle, "*IDN?", response.data()),
        zk7416_receive_scpi(handle, "FE?", nullptr),
        zk7416_receive_scpi(handle, "DAT:DATA? 1,1", response.data()),
    };
    for (std::int32_t s : statuses) fuzz::check(is_rs232_status(s), "a status foreign to RS-232");
    fuzz::check(std::memchr(response.data(), '\0', response.size()) != nullptr,
                "the response lost its terminator");
    zk7416_meas_read_string(handle, response.data());
    zk7416_system_error(handle);
    check_written(fuzz::fake_line_written());
    return 0;
}
