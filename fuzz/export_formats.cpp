// The export type list (export.exp) and a format file, both from arbitrary bytes. The
// list never holds more than its ten entries, every entry stays terminated inside its
// fields, and a format the program read and wrote back reads back the same.
// Input: the contents of both files.
#include <cstring>
#include <filesystem>
#include <string>

#include "export/ascii_exp.h"
#include "export/export_types.h"
#include "fuzz/fuzz_check.h"
#include "files/project_dir.h"
#include "text/text_field.h"

namespace {

const exporting::AsciiExp kInUse{"fuzz.for", ".txt", ',', ';', 1000};

void use_scratch_project() {
    static bool made = false;
    if (made) return;
    files::curr_dir = fuzz::scratch_dir();
    std::filesystem::create_directories(files::join_path(fuzz::scratch_dir(), "format.for"));
    made = true;
}

bool same_format(const exporting::AsciiExp& a, const exporting::AsciiExp& b) {
    return text::field_text(a.extension) == text::field_text(b.extension) &&
           a.decimal_separator == b.decimal_separator && a.column_separator == b.column_separator &&
           a.max_lines == b.max_lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::use_scripted_popups();
    use_scratch_project();
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::write_scratch_file("format.for/export.exp", bytes);
    fuzz::write_scratch_file("format.for/fuzz.for", bytes);

    fuzz::check(exporting::get_export_types() == 1, "export.exp was not read");
    fuzz::check(exporting::export_type_last >= -1 &&
                    exporting::export_type_last < exporting::MAX_EXPORT_TYPES,
                "the export type list overflowed");
    for (int i = 0; i <= exporting::export_type_last; ++i) {
        const exporting::ExportType& t = exporting::export_types[i];
        fuzz::check(std::memchr(t.export_type_name, '\0', sizeof t.export_type_name) &&
                        std::memchr(t.export_type_file, '\0', sizeof t.export_type_file),
                    "an export type lost its terminator");
    }

    // What a line of the file does not give keeps the format in use before.
    exporting::ascii_exp = kInUse;
    fuzz::check(exporting::load_export_para() == 1, "the format file was not read");
    fuzz::check(std::memchr(exporting::ascii_exp.extension, '\0', 5) != nullptr,
                "the extension lost its terminator");
    const exporting::AsciiExp loaded = exporting::ascii_exp;
    fuzz::check(exporting::save_export_para() == 1, "the format file was not written");
    exporting::ascii_exp = kInUse;
    fuzz::check(exporting::load_export_para() == 1, "the written format file was not read");
    fuzz::check(same_format(loaded, exporting::ascii_exp),
                "a format reads back otherwise than it was written");
    return 0;
}
