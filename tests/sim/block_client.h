// The client side of the RS-232 block protocol, over the pseudo-terminal's device as
// a program opens it. Reads wait at most a few seconds, only so that a broken door
// fails the test instead of hanging it.
#pragma once

#include <string>
#include <string_view>

namespace sim_test {

class BlockClient {
  public:
    explicit BlockClient(const std::string& path);
    ~BlockClient();
    BlockClient(const BlockClient&) = delete;
    BlockClient& operator=(const BlockClient&) = delete;

    bool is_open() const { return fd_ >= 0; }

    void write(std::string_view bytes);
    // Exactly n bytes, or what came before the safety time-out.
    std::string read(std::size_t n);
    // Up to and including `last`.
    std::string read_until(char last);

    static std::string block(std::string_view line);  // STX line LF ETX
    // One command block; the instrument's one-byte reply.
    std::string command(std::string_view line);
    // The whole exchange of a query; the answer without its CR LF.
    std::string query(std::string_view line);

  private:
    int fd_ = -1;
};

}  // namespace sim_test
