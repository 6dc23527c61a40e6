// The GPIB simulation library as a program sees it: loaded with dlopen from its
// built file and called through the C entry points it exports.
#pragma once

namespace sim_test {

struct GpibLibrary {
    // Loads the library once per process; the test fails if anything is missing.
    static GpibLibrary& get();

    int (*ibdev)(int, int, int, int, int, int);
    int (*ibonl)(int, int);
    int (*ibtmo)(int, int);
    int (*ibeos)(int, int);
    int (*ibconfig)(int, int, int);
    int (*ibclr)(int);
    int (*ibpad)(int, int);
    int (*ibwrt)(int, const void*, long);
    int (*ibrd)(int, void*, long);
    int (*ibrsp)(int, char*);
    int (*ibwait)(int, int);
    int (*ibloc)(int);
    int (*ThreadIbsta)();
    int (*ThreadIberr)();
    long (*ThreadIbcntl)();
    int* ibsta;
    int* iberr;
    long* ibcntl;
};

}  // namespace sim_test
