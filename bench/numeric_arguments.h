// The command line of a benchmark program that takes a few numbers after its name, each
// with its default. Read before Qt starts, so --help and a mistyped argument need no
// display: --help prints the usage and exits 0; an option, a word that is no number or
// one number too many print a message and the usage on stderr and exit 2.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace bench {

inline std::vector<double> numeric_arguments(int argc, char** argv, const char* usage,
                                             std::vector<double> values) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("usage: %s %s\n", argv[0], usage);
            std::exit(0);
        }
    }
    for (int i = 1; i < argc; ++i) {
        char* end = nullptr;
        const double value = std::strtod(argv[i], &end);
        const char* refusal = end == argv[i] || *end != '\0'
                                  ? (argv[i][0] == '-' ? "unknown option" : "not a number")
                              : static_cast<std::size_t>(i) > values.size() ? "one too many"
                                                                            : nullptr;
        if (refusal) {
            std::fprintf(stderr, "%s: %s: %s\nusage: %s %s\n", argv[0], refusal, argv[i], argv[0],
                         usage);
            std::exit(2);
        }
        values[static_cast<std::size_t>(i - 1)] = value;
    }
    return values;
}

}  // namespace bench
