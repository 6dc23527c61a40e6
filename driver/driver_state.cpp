// The driver's connection tables, keyword tables and range checks.
#include <cstring>
#include <initializer_list>

#include "driver/zk7416_internal.h"

namespace zk7416 {

int32_t zk7416_status = 0;
int32_t serial_transport = 0;
int32_t tables_ready = 0;
int32_t instr_count = 0;
int32_t instr_address[kSlots + 1] = {};
int32_t instr_device[kSlots + 1] = {};
int32_t instr_port[kSlots + 1] = {};

char message_buffer[kBufferSize];
char aux_buffer[kBufferSize];
char rs232_send_frame[kBufferSize];
char rs232_receive_buffer[kBufferSize];

const char* averaging_cmd[2];
const char* load_cmd[2];
const char* range_cmd[8];
const char* range_low_cmd[8];
const char* range_upp_cmd[8];
const char* init_cont_cmd[2];
const char* volt_limit_cmd[2];
const char* mode_cmd[4];
const char* nplc_cmd[4];
const char* math_cmd[3];
const char* resolution_cmd[2];
const char* fault_cmd[2];
const char* tcom_cmd[4];
const char* cal_state_cmd[2];
const char* cal_fres_cmd[7];
const char* cal_20mv_cmd[2];
const char* cal_volt_cmd[2];
const char* cal_pt100_cmd[2];

int32_t fail(int32_t code) {
    zk7416_status = code;
    return code;
}

int32_t slot_device(int32_t slot) {
    return slot >= 1 && slot <= kSlots ? instr_device[slot] : 0;
}

int32_t slot_port(int32_t slot) {
    return slot >= 1 && slot <= kSlots ? instr_port[slot] : 0;
}

bool begin_call(int32_t handle) {
    zk7416_status = 0;
    return zk7416_invalid_integer_range(handle, 1, kSlots, -1) == 0;
}

namespace {

template <std::size_t N>
void fill(const char* (&table)[N], std::initializer_list<const char*> entries) {
    std::size_t i = 0;
    for (const char* e : entries)
        if (i < N) table[i++] = e;
}

}  // namespace

}  // namespace zk7416

using namespace zk7416;

extern "C" {

void zk7416_setup_arrays(void) {
    if (tables_ready == 0) {
        for (int i = 1; i <= kSlots; ++i) {
            instr_port[i] = 0;
            instr_address[i] = 0;
        }
        tables_ready = 1;
        instr_count = -1;
    }
    fill(averaging_cmd, {"SENSE:AVER:TCON MOV", "SENSE:AVER:TCON REP"});
    fill(load_cmd, {"sens:fres:load real", "sens:fres:load comp"});
    fill(range_cmd,
         {":SENSE:FRES:RANG:AUTO ON", ":SENSE:FRES:RANG:MAN 200MOHM", ":SENSE:FRES:RANG:MAN 2OHM",
          ":SENSE:FRES:RANG:MAN 20OHM", ":SENSE:FRES:RANG:MAN 200OHM", ":SENSE:FRES:RANG:MAN 2KOHM",
          ":SENSE:FRES:RANG:MAN 20KOHM", ":SENSE:FRES:RANG:MAN 200KOHM"});
    fill(range_low_cmd,
         {"", ":SENSE:FRES:RANG:LOW 200MOHM", ":SENSE:FRES:RANG:LOW 2OHM",
          ":SENSE:FRES:RANG:LOW 20OHM", ":SENSE:FRES:RANG:LOW 200OHM", ":SENSE:FRES:RANG:LOW 2KOHM",
          ":SENSE:FRES:RANG:LOW 20KOHM", ":SENSE:FRES:RANG:LOW 200KOHM"});
    fill(range_upp_cmd,
         {"", ":SENSE:FRES:RANG:UPP 200MOHM", ":SENSE:FRES:RANG:UPP 2OHM",
          ":SENSE:FRES:RANG:UPP 20OHM", ":SENSE:FRES:RANG:UPP 200OHM", ":SENSE:FRES:RANG:UPP 2KOHM",
          ":SENSE:FRES:RANG:UPP 20KOHM", ":SENSE:FRES:RANG:UPP 200KOHM"});
    fill(init_cont_cmd, {"init:cont off", "init:cont on"});
    fill(volt_limit_cmd, {"sour:volt:lim:stat off", "sour:volt:lim:stat on"});
    fill(mode_cmd, {"sens:fres:mode refc", "sens:fres:mode nonc", "sens:fres:mode onec",
                    "sens:fres:mode stan"});
    fill(nplc_cmd,
         {"sens:fres:nplc min", "sens:fres:nplc med", "sens:fres:nplc max", "sens:fres:nplc stan"});
    fill(math_cmd, {"calc:math:expr OHM", "calc:math:expr DELT", "calc:math:expr LIM"});
    fill(resolution_cmd, {"sens:fres:res 0.0005", "sens:fres:res 0.00005"});
    fill(fault_cmd, {"calc:lim:faul none", "calc:lim:faul upp"});
    fill(tcom_cmd, {"sens:tcom MAN", "sens:tcom PT100", "sens:tcom UINP", "sens:tcom IINP"});
    fill(cal_state_cmd, {"CAL:STAT OFF", "CAL:STAT ON"});
    fill(cal_fres_cmd, {"CAL:FRES 200MOHM", "CAL:FRES 2OHM", "CAL:FRES 20OHM", "CAL:FRES 200OHM",
                        "CAL:FRES 2KOHM", "CAL:FRES 20KOHM", "CAL:FRES 200KOHM"});
    fill(cal_20mv_cmd, {"CAL:20MV:LOW", "CAL:20MV:HIGH"});
    fill(cal_volt_cmd, {"CAL:VOLT:LOW", "CAL:VOLT:HIGH"});
    fill(cal_pt100_cmd, {"CAL:PT100:LOW", "CAL:PT100:HIGH"});
}

int32_t zk7416_invalid_integer_range(int32_t value, int32_t min, int32_t max, int32_t code) {
    if (value < min || value > max) {
        zk7416_status = code;
        return -1;
    }
    return 0;
}

int32_t zk7416_invalid_real_range(double value, double min, double max, int32_t code) {
    // A NaN is out of every range.
    if (!(value >= min && value <= max)) {
        zk7416_status = code;
        return -1;
    }
    return 0;
}

int32_t zk7416_last_status(void) {
    return zk7416_status;
}

}  // extern "C"
