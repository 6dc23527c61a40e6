// Run-time binding of an NI-488.2 compatible GPIB library.
//
// Nothing links against a GPIB library: the first call binds the file named by
// $ZK7416_GPIB_LIBRARY, else Linux-GPIB's libgpib.so.0, with dlopen. Every forwarder
// returns the call's own status word; a missing or incomplete library makes every
// call fail with ERR and iberr EDVR instead of crashing.
#pragma once

#include <string>

namespace platform::gpib {

// True when a library is bound (binding it now if this is the first use).
bool available();
// Why binding failed ("" when bound).
std::string load_error();
// Forgets the current binding; the next call binds `path` ("" = the default rule).
// Used by tools and tests that choose the library at run time.
void use_library(const std::string& path);

int ibdev(int board, int pad, int sad, int tmo, int eot, int eos);
int ibonl(int ud, int v);
int ibtmo(int ud, int v);
int ibeos(int ud, int v);
int ibconfig(int ud, int option, int value);
int ibclr(int ud);
int ibpad(int ud, int pad);
int ibwrt(int ud, const void* buffer, long count);
int ibrd(int ud, void* buffer, long count);
int ibrsp(int ud, char* status_byte);
int ibwait(int ud, int mask);
int ibloc(int ud);

// Status of the calling thread's most recent call through this binding.
int sta();
int err();
long cntl();

}  // namespace platform::gpib
