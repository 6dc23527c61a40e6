// Com.stp from arbitrary bytes: the file replaces the leading bytes of the interface
// record it holds and no more, and the record written back is the record in memory.
// Input: the file's contents.
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/fuzz_check.h"
#include "settings/com_setup.h"
#include "files/project_dir.h"
#include "settings/records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::use_scripted_popups();
    files::curr_dir = fuzz::scratch_dir();
    std::memset(&rec::com, 0xA5, sizeof rec::com);
    const rec::Com before = rec::com;
    std::string path = fuzz::write_scratch_file(
        "Com.stp", std::string_view(reinterpret_cast<const char*>(data), size));

    fuzz::check(settings::load_com_setup() == 1, "Com.stp was not read");
    std::size_t taken = std::min(size, sizeof rec::com);
    const auto* record = reinterpret_cast<const unsigned char*>(&rec::com);
    fuzz::check(std::memcmp(record, data, taken) == 0, "the record differs from the file");
    fuzz::check(std::memcmp(record + taken, reinterpret_cast<const unsigned char*>(&before) + taken,
                            sizeof rec::com - taken) == 0,
                "bytes the file does not hold changed");

    fuzz::check(settings::save_com_setup() == 1, "Com.stp was not written");
    std::ifstream in(path, std::ios::binary);
    std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fuzz::check(written.size() == sizeof rec::com &&
                    std::memcmp(written.data(), record, sizeof rec::com) == 0,
                "Com.stp is not the record's image");
    return 0;
}
