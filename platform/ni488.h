// Constants of the NI-488.2 C interface that the GPIB loader binds and that the
// simulated instrument's GPIB library implements. Values are those of the published
// NI-488.2 / Linux-GPIB API.
#pragma once

namespace ni488 {

// ibsta status word bits
constexpr int ERR = 0x8000;   // error detected
constexpr int TIMO = 0x4000;  // time-out
constexpr int END = 0x2000;   // EOI or EOS detected
constexpr int SRQI = 0x1000;  // SRQ interrupt received
constexpr int RQS = 0x0800;   // device requesting service
constexpr int CMPL = 0x0100;  // I/O completed

// iberr error codes
constexpr int EDVR = 0;   // system error
constexpr int ECIC = 1;   // not controller in charge
constexpr int ENOL = 2;   // no listeners
constexpr int EADR = 3;   // board not addressed correctly
constexpr int EARG = 4;   // invalid argument
constexpr int ESAC = 5;   // not system controller
constexpr int EABO = 6;   // I/O aborted (time-out)
constexpr int ENEB = 7;   // no such board
constexpr int EOIP = 10;  // asynchronous I/O in progress
constexpr int ECAP = 11;  // no capability
constexpr int EFSO = 12;  // file system error
constexpr int EBUS = 14;  // bus error
constexpr int ESTB = 15;  // serial poll status byte lost
constexpr int ESRQ = 16;  // SRQ stuck on
constexpr int ETAB = 20;  // table problem

// time-out codes for ibtmo / ibdev
constexpr int TNONE = 0;
constexpr int T10us = 1;
constexpr int T30us = 2;
constexpr int T100us = 3;
constexpr int T300us = 4;
constexpr int T1ms = 5;
constexpr int T3ms = 6;
constexpr int T10ms = 7;
constexpr int T30ms = 8;
constexpr int T100ms = 9;
constexpr int T300ms = 10;
constexpr int T1s = 11;
constexpr int T3s = 12;
constexpr int T10s = 13;
constexpr int T30s = 14;
constexpr int T100s = 15;
constexpr int T300s = 16;
constexpr int T1000s = 17;

// end-of-string mode bits for ibeos / ibdev (low byte = the EOS character)
constexpr int REOS = 0x0400;  // end a read at the EOS character
constexpr int XEOS = 0x0800;  // assert EOI with the EOS character on writes
constexpr int BIN = 0x1000;   // compare all eight bits of the EOS character

// ibconfig options used here
constexpr int IbcPAD = 0x0001;
constexpr int IbcTMO = 0x0003;
constexpr int IbcEOT = 0x0004;
constexpr int IbcREADDR = 0x0006;

// Seconds for a time-out code; 0 means wait forever.
inline double timeout_seconds(int code) {
    static const double table[] = {0,     10e-6, 30e-6, 100e-6, 300e-6, 1e-3,  3e-3,
                                   10e-3, 30e-3, 0.1,   0.3,    1.0,    3.0,   10.0,
                                   30.0,  100.0, 300.0, 1000.0};
    if (code < 0 || code > T1000s) return 10.0;
    return table[code];
}

}  // namespace ni488

// The C entry points the loader resolves by name (Linux-GPIB signatures):
//   int ibdev(int board, int pad, int sad, int tmo, int eot, int eos);
//   int ibonl(int ud, int v);
//   int ibtmo(int ud, int v);
//   int ibeos(int ud, int v);
//   int ibconfig(int ud, int option, int value);
//   int ibclr(int ud);
//   int ibpad(int ud, int pad);
//   int ibwrt(int ud, const void* buf, long count);
//   int ibrd(int ud, void* buf, long count);
//   int ibrsp(int ud, char* spr);
//   int ibwait(int ud, int mask);
//   int ibloc(int ud);
// Each returns the status word ibsta. Status after a call:
//   int ThreadIbsta(void); int ThreadIberr(void); long ThreadIbcntl(void);
// or, for libraries without the thread accessors, the globals
//   int ibsta, iberr; long ibcntl;
