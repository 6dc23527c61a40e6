/*
 * zk7416 - driver for the Tarvolux Typ 7416 four-wire low-resistance meter.
 *
 * A C library over an instrument handle (slot 1-10 of the driver's connection table).
 * Every function returns a status: 0 = success, -1 ... -20 = argument out of range
 * (the number names the argument; -1 is the handle, or the address/port in the init
 * functions), 220-237 connection and transport errors, 300-304 handshake and
 * measurement-wait results, 310-317 questionable-resistance causes, 330 comparator
 * limits not acknowledged; serial-library errors (negative) and instrument error
 * numbers are passed through where stated.
 *
 * The driver is not thread-safe: calls must not overlap.
 */
#ifndef ZK7416_H
#define ZK7416_H

#include <stdint.h>

#if defined(__GNUC__)
#define ZK7416_API __attribute__((visibility("default")))
#else
#define ZK7416_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Status codes. */
enum {
    ZK7416_SUCCESS = 0,
    ZK7416_ERR_NO_FREE_SLOT = 220,     /* all ten slots used, or no GPIB device */
    ZK7416_ERR_NOTHING_TO_CLOSE = 221, /* slot has no device or port */
    ZK7416_ERR_DEVICE_CLEAR = 224,     /* GPIB device clear failed */
    ZK7416_ERR_WRITE = 230,            /* writing a command failed */
    ZK7416_ERR_READ = 231,             /* reading failed or timed out */
    ZK7416_ERR_DEVICE_CLOSED = 232,    /* slot has no open GPIB device */
    ZK7416_ERR_SET_ADDRESS = 233,      /* setting the GPIB primary address failed */
    ZK7416_ERR_GO_TO_LOCAL = 234,      /* GPIB go-to-local failed */
    ZK7416_ERR_SET_EOS = 237,          /* setting the GPIB end-of-string mode failed */
    ZK7416_NAK = 300,                  /* RS-232: command block answered with NAK */
    ZK7416_EOT = 301,                  /* RS-232: EOT answer; no new measured value */
    ZK7416_NOT_MEASURING = 302,        /* GPIB: status byte 0, instrument idle */
    ZK7416_ERR_SRQ_WAIT = 303,         /* GPIB: no service request (error/time-out) */
    ZK7416_ERR_SERIAL_POLL = 304,      /* GPIB: serial poll failed */
    ZK7416_QUES_FRES_BIT7 = 310,       /* 310 + (7 - bit): questionable resistance */
    ZK7416_QUES_FRES_BIT0 = 317,
    ZK7416_LIMITS_NOT_ACKNOWLEDGED = 330 /* comparator limit set refused */
};

/* Sizes, in bytes with the terminator, of the caller's text buffers. A function never
 * writes more than the size given for its output, whatever the instrument answers;
 * a longer answer is cut. */
enum {
    ZK7416_ANSWER_SIZE = 300,             /* a whole answer line (idn, meas_read_string) */
    ZK7416_COMMAND_SIZE = 297,            /* a command line (without its line feed) */
    ZK7416_UNIT_SIZE = 32,                /* the unit word of zk7416_meas_read */
    ZK7416_NAME_SIZE = 30,                /* datalogger block name, memory label */
    ZK7416_LABEL_TEXT_SIZE = 12,          /* printer label text */
    ZK7416_ENVELOPE_FIELD_SIZE = 30,      /* first and second envelope report field */
    ZK7416_ENVELOPE_LAST_FIELD_SIZE = 32, /* third envelope report field */
    ZK7416_STATISTICS_SIZE = 30,          /* each datalogger statistics text */
    ZK7416_DATE_SIZE = 11,                /* stored value: date "dd.mm.yyyy" */
    ZK7416_TIME_SIZE = 15,                /* stored value: time, four groups joined by ':' */
    ZK7416_VALUE_SIZE = 34                /* stored value: the value text */
};

/* ---- Connection ------------------------------------------------------------------ */

/* address 0-30 (-1), timeout_code an NI-488.2 time-out code (13 = 10 s), reset 0-1 (-2),
 * idn: buffer of at least 300 bytes for the "*IDN?" answer, handle_out: the slot. */
ZK7416_API int32_t zk7416_init_gpib(int32_t address, int32_t timeout_code, int32_t reset, char* idn,
                                    int32_t* handle_out);
/* port 1-4 (-1), baud 1200-38400 (-2), timeout 0.0-72000.0 s (-3), reset 0-1 (-7). */
ZK7416_API int32_t zk7416_init_serial(int32_t port, int32_t baud, double timeout, char* idn,
                                      int32_t reset, int32_t* handle_out);
ZK7416_API int32_t zk7416_close(int32_t handle);
ZK7416_API int32_t zk7416_local_gpib(int32_t handle);
/* Serial poll; status_byte receives 0-255. No range check of the handle. */
ZK7416_API int32_t zk7416_spoll(int32_t handle, int32_t* status_byte);

/* ---- Message layer (no range check of the handle) --------------------------------- */

/* Sends one command line (the line feed is added). */
ZK7416_API int32_t zk7416_send_scpi(int32_t handle, const char* command);
/* Sends a query and reads one response line, without its line end, into response
 * (at least 300 bytes). */
ZK7416_API int32_t zk7416_receive_scpi(int32_t handle, const char* query, char* response);
ZK7416_API int32_t zk7416_write_msg_gpib(int32_t slot, const char* buffer, int32_t count);
ZK7416_API int32_t zk7416_read_msg_gpib(int32_t slot, char* buffer, int32_t count);
ZK7416_API int32_t zk7416_send_rs232(int32_t slot, const char* message);
ZK7416_API int32_t zk7416_receive_rs232(int32_t slot, const char* message, char* response);
ZK7416_API int32_t zk7416_receive_rs232_message(int32_t slot, char* response);

/* ---- Instrument error queue ------------------------------------------------------- */

/* Empties the error queue; returns the oldest error number, 0 if none, or a status. */
ZK7416_API int32_t zk7416_system_error(int32_t handle);
/* The error queue's oldest entry if "*ESR?" reports an execution error, else 0. */
ZK7416_API int32_t zk7416_get_exe_error(int32_t handle);

/* ---- Status registers -------------------------------------------------------------- */

ZK7416_API int32_t zk7416_read_std_event_reg(int32_t handle, int32_t* value);
ZK7416_API int32_t zk7416_read_quest_reg(int32_t handle, int32_t* value);
ZK7416_API int32_t zk7416_read_oper_event_reg(int32_t handle, int32_t* value);
/* Returns 0, or 310-317 for the highest set bit of the register. */
ZK7416_API int32_t zk7416_read_quest_fres_reg(int32_t handle, int32_t* value);

/* ---- Measurement --------------------------------------------------------------------- */

/* Starts a measurement ("IN"). */
ZK7416_API int32_t zk7416_meas_start(int32_t handle);
/* Stops it ("AB"); on GPIB also reads the operation and questionable registers and
 * serial-polls the instrument, so no service request is left pending. A failing serial
 * poll returns the GPIB library's error code (304 if that code is 0). */
ZK7416_API int32_t zk7416_meas_stop(int32_t handle);
/* Waits for the next value and fetches it ("FE?"): its number into value, the word
 * after it into unit (ZK7416_UNIT_SIZE bytes).
 * GPIB: waits for the service request; 302 status byte 0 while not measuring, 303 no
 * service request, 304 serial poll failed, 310-317 a questionable cause (value := 0.0).
 * RS-232: 301 no new value yet (poll again); a failed "FE?" returns 0 with the outputs
 * unchanged; the answer ">>>" (overload) returns 310-317 with value := 0.0, or 0 with
 * the outputs unchanged when no cause is set. */
ZK7416_API int32_t zk7416_meas_read(int32_t handle, double* value, char* unit);
/* As zk7416_meas_read, but the whole answer is copied into text (ZK7416_ANSWER_SIZE
 * bytes); on RS-232 ">>>" anywhere in the first 30 characters is the overload; a
 * questionable cause empties text. */
ZK7416_API int32_t zk7416_meas_read_string(int32_t handle, char* text);

/* ---- Digital I/O port ----------------------------------------------------------------- */

/* Output lines, flags 0-1: out3 (-2), out2 (-3), out1 (-4); sends 4*out3 + 2*out2 + out1. */
ZK7416_API int32_t zk7416_system_set_register(int32_t handle, int32_t out3, int32_t out2,
                                              int32_t out1);
/* Input lines: in4 = bit 3 ... in1 = bit 0, each 0 or 1. */
ZK7416_API int32_t zk7416_system_get_register(int32_t handle, int32_t* in4, int32_t* in3,
                                              int32_t* in2, int32_t* in1);

/* ---- Measurement configuration --------------------------------------------------------- */

/* Range numbers: 0 automatic, 1 200 mOhm, 2 2 Ohm, 3 20 Ohm, 4 200 Ohm, 5 2 kOhm,
 * 6 20 kOhm, 7 200 kOhm. */

/* averaging_type 0 moving / 1 repeating (-2), averaging_count 0-100 (-3), load 0 real /
 * 1 complex (-4), init_cont 0-1 (-5), volt_limit 0-1 (-6), mode 0 refc / 1 nonc / 2 onec /
 * 3 stan (-7), nplc 0 min / 1 med / 2 max / 3 stan (-8). */
ZK7416_API int32_t zk7416_set_config_meas(int32_t handle, int32_t averaging_type,
                                          int32_t averaging_count, int32_t load, int32_t init_cont,
                                          int32_t volt_limit, int32_t mode, int32_t nplc);
ZK7416_API int32_t zk7416_get_config_meas(int32_t handle, int32_t* averaging_type,
                                          int32_t* averaging_count, int32_t* load,
                                          int32_t* init_cont, int32_t* volt_limit, int32_t* mode,
                                          int32_t* nplc);
/* range 0-7 (-2). */
ZK7416_API int32_t zk7416_set_config_range(int32_t handle, int32_t range);
/* range 0 when ranging automatically, else the fixed range; an answer naming no range
 * leaves it unchanged. */
ZK7416_API int32_t zk7416_get_config_range(int32_t handle, int32_t* range);
/* Limits of automatic ranging: low 1-7 (-2), upp 1-7 (-3), upp above low (-4). */
ZK7416_API int32_t zk7416_set_config_auto_range(int32_t handle, int32_t low, int32_t upp);
ZK7416_API int32_t zk7416_get_config_auto_range(int32_t handle, int32_t* low, int32_t* upp);
/* The range number of a range text ("200MOHM" ... "200KOHM", any letter case); 0 for
 * any other text. */
ZK7416_API int32_t get_range_number(const char* text);

/* ---- Temperature compensation ---------------------------------------------------------- */

/* state 0-1 (-2); source 0 manual / 1 PT100 / 2 voltage input / 3 current input (-3);
 * reference -9999.9 ... 9999.9 degC (-4); manual, same range (-5), only checked and sent
 * for source 0, after the first three commands. */
ZK7416_API int32_t zk7416_set_config_temp_compensation(int32_t handle, int32_t state,
                                                       int32_t source, double reference,
                                                       double manual);
/* manual is read only when the instrument reports the manual source. */
ZK7416_API int32_t zk7416_get_config_temp_compensation(int32_t handle, int32_t* state,
                                                       int32_t* source, double* reference,
                                                       double* manual);
/* The current temperature in degC. */
ZK7416_API int32_t zk7416_get_temp_value(int32_t handle, double* temperature);
ZK7416_API int32_t zk7416_set_config_scale_pt100(int32_t handle, double a, double b, double c);
ZK7416_API int32_t zk7416_get_config_scale_pt100(int32_t handle, double* a, double* b, double* c);
/* input 0 voltage / 1 current (-2); t1 (-5), t2 (-6) -200.0 ... 800.0 degC, checked first;
 * then x1 (-3), x2 (-4): 0.0-10.0 V or 0.0-20.0 mA. */
ZK7416_API int32_t zk7416_set_config_scale_ui_input(int32_t handle, int32_t input, double x1,
                                                    double x2, double t1, double t2);
ZK7416_API int32_t zk7416_get_config_scale_ui_input(int32_t handle, int32_t input, double* x1,
                                                    double* x2, double* t1, double* t2);
/* number 1-10 (-2). */
ZK7416_API int32_t zk7416_set_config_temp_coefficient(int32_t handle, int32_t number,
                                                      int32_t value);
ZK7416_API int32_t zk7416_get_config_temp_coefficient(int32_t handle, int32_t number,
                                                      int32_t* value);
/* number 1-10 (-2). The getter gives what the instrument answers, which is the selected
 * coefficient's value, not its number. */
ZK7416_API int32_t zk7416_set_active_temp_coefficient(int32_t handle, int32_t number);
ZK7416_API int32_t zk7416_get_active_temp_coefficient(int32_t handle, int32_t* number);

/* ---- Comparator and envelope ------------------------------------------------------------ */

/* Limit texts of the instrument in ohms: a "MOHM" after the first character divides the
 * leading number by 1000, else a "KOHM" multiplies it by 1000; no number gives 0.0. */
ZK7416_API double convert_string_to_value(const char* text);
/* state (-2), relative (-3), fault 0 none / 1 upper (-4), flags 0-1. */
ZK7416_API int32_t zk7416_set_config_comparator_mode(int32_t handle, int32_t state,
                                                     int32_t relative, int32_t fault);
ZK7416_API int32_t zk7416_get_config_comparator_mode(int32_t handle, int32_t* state,
                                                     int32_t* relative, int32_t* fault);
/* Limits in ohms, not checked by the driver: 330 when the instrument does not acknowledge
 * the set (all commands were sent). */
ZK7416_API int32_t zk7416_set_config_2_limit_comparator(int32_t handle, double low, double upp);
ZK7416_API int32_t zk7416_get_config_2_limit_comparator(int32_t handle, double* low, double* upp);
ZK7416_API int32_t zk7416_set_config_4_limit_comparator(int32_t handle, double gw1, double gw2,
                                                        double gw3, double gw4);
ZK7416_API int32_t zk7416_get_config_4_limit_comparator(int32_t handle, double* gw1, double* gw2,
                                                        double* gw3, double* gw4);
/* The class counts in the order the instrument lists them. */
ZK7416_API int32_t zk7416_comparator_2_limit_report(int32_t handle, int32_t* count1,
                                                    int32_t* count2, int32_t* count3);
ZK7416_API int32_t zk7416_comparator_4_limit_report(int32_t handle, int32_t* count1,
                                                    int32_t* count2, int32_t* count3,
                                                    int32_t* count4, int32_t* count5);
ZK7416_API int32_t zk7416_comparator_clear(int32_t handle);
/* state 0-1 (-2). */
ZK7416_API int32_t zk7416_set_envelope_state(int32_t handle, int32_t state);
ZK7416_API int32_t zk7416_get_envelope_state(int32_t handle, int32_t* state);
/* The report's three comma fields: first and second ZK7416_ENVELOPE_FIELD_SIZE bytes,
 * third (the rest of the answer) ZK7416_ENVELOPE_LAST_FIELD_SIZE bytes. Fields the
 * answer does not have are left unchanged. */
ZK7416_API int32_t zk7416_envelope_read_report(int32_t handle, char* first, char* second,
                                               char* third);
ZK7416_API int32_t zk7416_envelope_clear(int32_t handle);

/* ---- Datalogger (blocks 0-31) ------------------------------------------------------------ */

/* state 0-1 (-2). */
ZK7416_API int32_t zk7416_set_datalogger_state(int32_t handle, int32_t state);
ZK7416_API int32_t zk7416_get_datalogger_state(int32_t handle, int32_t* state);
/* block (-2); name at most 10 characters (-4). Blanks before the last character become
 * underscores in the caller's buffer. */
ZK7416_API int32_t zk7416_set_datalogger_name(int32_t handle, int32_t block, char* name);
/* name: ZK7416_NAME_SIZE bytes. */
ZK7416_API int32_t zk7416_get_datalogger_name(int32_t handle, int32_t block, char* name);
/* block (-2); size 0-20000 values (-3). */
ZK7416_API int32_t zk7416_set_datalogger_block_size(int32_t handle, int32_t block, int32_t size);
ZK7416_API int32_t zk7416_get_datalogger_block_size(int32_t handle, int32_t block, int32_t* size);
/* block (-2); mode 0 all / 1 no fail / 2 fail / 3 every xval-th / 4 interval / 5 delta
 * (-3); xval 2-9999 (-4), checked for every mode; mode 4: hours 0-99 (-7), minutes 0-59
 * (-8), seconds 0-59 (-9); mode 5: delta 1e-05 ... 200000.0 (-10). */
ZK7416_API int32_t zk7416_set_datalogger_filter(int32_t handle, int32_t block, int32_t mode,
                                                int32_t xval, int32_t hours, int32_t minutes,
                                                int32_t seconds, double delta);
/* Reads the mode and the parameters of every mode. */
ZK7416_API int32_t zk7416_get_datalogger_filter(int32_t handle, int32_t block, int32_t* mode,
                                                int32_t* xval, int32_t* hours, int32_t* minutes,
                                                int32_t* seconds, double* delta);
ZK7416_API int32_t zk7416_datalogger_clear_block(int32_t handle, int32_t block);
/* by_name 0-1 (-2); block (-3); name at most 10 characters (-4, checked in both cases).
 * By name, blanks before the last character become underscores in the caller's buffer. */
ZK7416_API int32_t zk7416_set_active_datalogger_block(int32_t handle, int32_t by_name,
                                                      int32_t block, char* name);
ZK7416_API int32_t zk7416_get_active_datalogger_block(int32_t handle, int32_t* block);
/* Number of values stored in the block. */
ZK7416_API int32_t zk7416_datalogger_read_num_counts(int32_t handle, int32_t block, int32_t* count);
/* Stored value number index (1-20000, -3) of the block: value (ZK7416_VALUE_SIZE bytes),
 * date "d.m.y" (ZK7416_DATE_SIZE), time "h:m:s:f" (ZK7416_TIME_SIZE). */
ZK7416_API int32_t zk7416_datalogger_read_block(int32_t handle, int32_t block, int32_t index,
                                                char* value, char* date, char* time);
/* Minimum, maximum, mean and standard deviation texts as the instrument answers them
 * (ZK7416_STATISTICS_SIZE bytes each). The block (-2) is checked before the handle. */
ZK7416_API int32_t zk7416_datalogger_read_eval_values(int32_t handle, int32_t block, char* minimum,
                                                      char* maximum, char* mean, char* deviation);

/* ---- Display and printer ---------------------------------------------------------------- */

/* mode 0 resistance / 1 deviation / 2 limits (-2); reference in ohms; resolution 0 0.0005 /
 * 1 0.00005 (-3). */
ZK7416_API int32_t zk7416_set_config_display_mode(int32_t handle, int32_t mode, double reference,
                                                  int32_t resolution);
ZK7416_API int32_t zk7416_get_config_display_mode(int32_t handle, int32_t* mode, double* reference,
                                                  int32_t* resolution);
/* Display items, flags 0-1, codes -2 ... -9 in argument order. */
ZK7416_API int32_t zk7416_set_config_display_options(int32_t handle, int32_t range, int32_t current,
                                                     int32_t temperature, int32_t sample,
                                                     int32_t trigger, int32_t automatic,
                                                     int32_t load, int32_t measurement);
ZK7416_API int32_t zk7416_get_config_display_options(int32_t handle, int32_t* range,
                                                     int32_t* current, int32_t* temperature,
                                                     int32_t* sample, int32_t* trigger,
                                                     int32_t* automatic, int32_t* load,
                                                     int32_t* measurement);
/* contrast 0.0-1.0 (-2). */
ZK7416_API int32_t zk7416_set_config_display_contrast(int32_t handle, double contrast);
ZK7416_API int32_t zk7416_get_config_display_contrast(int32_t handle, double* contrast);
/* state 0 stop printing / 1 start printing (-2). */
ZK7416_API int32_t zk7416_set_config_printer_state(int32_t handle, int32_t state);
/* Items, flags 0-1: temperature (-2), number (-3), label (-4), time (-5), date (-6);
 * header 1-1000 (-7); label_text at most 10 characters (-8), its blanks become
 * underscores in the caller's buffer; interval hours 0-99 (-9), minutes 0-59 (-10),
 * seconds 0-59 (-11). */
ZK7416_API int32_t zk7416_set_config_printer_mode(int32_t handle, int32_t temperature,
                                                  int32_t number, int32_t label, int32_t time,
                                                  int32_t date, int32_t header, char* label_text,
                                                  int32_t hours, int32_t minutes, int32_t seconds);
/* label_text: ZK7416_LABEL_TEXT_SIZE bytes. */
ZK7416_API int32_t zk7416_get_config_printer_mode(int32_t handle, int32_t* temperature,
                                                  int32_t* number, int32_t* label, int32_t* time,
                                                  int32_t* date, int32_t* header, char* label_text,
                                                  int32_t* hours, int32_t* minutes,
                                                  int32_t* seconds);
ZK7416_API int32_t zk7416_printer_counter_reset(int32_t handle);

/* ---- Settings memories, access locks, clock, keyboard ----------------------------------- */

/* Stores the current settings in memory number 0-32 (-2). */
ZK7416_API int32_t zk7416_set_config_memory(int32_t handle, int32_t number);
/* Recalls memory number 0-32 (-2) into the current settings. */
ZK7416_API int32_t zk7416_get_config_memory(int32_t handle, int32_t number);
/* number 0-32 (-2); label at most 10 characters (-3), blanks before its last character
 * become underscores in the caller's buffer. */
ZK7416_API int32_t zk7416_set_config_memory_label(int32_t handle, int32_t number, char* label);
/* label: ZK7416_NAME_SIZE bytes. */
ZK7416_API int32_t zk7416_get_config_memory_label(int32_t handle, int32_t number, char* label);
/* Nineteen lock flags 0-1. Codes: meas -2, expr -3, prin -4, comp -5, cont -8, mem -7,
 * comm -6, stat -9, reg -10, scal -13, dat -12, cal -11, date -14, fast -15, lim_conf -16,
 * lim_eval -17, env_conf -18, env_eval -19, manr -20; checked in the order of the codes. */
ZK7416_API int32_t zk7416_set_config_device_access(
    int32_t handle, int32_t meas, int32_t expr, int32_t prin, int32_t comp, int32_t cont,
    int32_t mem, int32_t comm, int32_t stat, int32_t reg, int32_t scal, int32_t dat, int32_t cal,
    int32_t date, int32_t fast, int32_t lim_conf, int32_t lim_eval, int32_t env_conf,
    int32_t env_eval, int32_t manr);
ZK7416_API int32_t zk7416_get_config_device_access(
    int32_t handle, int32_t* meas, int32_t* expr, int32_t* prin, int32_t* comp, int32_t* cont,
    int32_t* mem, int32_t* comm, int32_t* stat, int32_t* reg, int32_t* scal, int32_t* dat,
    int32_t* cal, int32_t* date, int32_t* fast, int32_t* lim_conf, int32_t* lim_eval,
    int32_t* env_conf, int32_t* env_eval, int32_t* manr);
/* hour 0-23 (-2), minute 0-59 (-3), second 0-59 (-4), day 1-31 (-5), month 1-12 (-6),
 * year 1900-3000 (-7). */
ZK7416_API int32_t zk7416_system_date_time(int32_t handle, int32_t hour, int32_t minute,
                                           int32_t second, int32_t day, int32_t month,
                                           int32_t year);
/* locked 0-1 (-2). */
ZK7416_API int32_t zk7416_system_keyboard(int32_t handle, int32_t locked);

/* ---- Calibration ---------------------------------------------------------------------- */

/* state 0-1 (-2). */
ZK7416_API int32_t zk7416_cal_state(int32_t handle, int32_t state);
/* range 0 (200 mOhm) ... 6 (200 kOhm) (-2) - one below the measuring range numbers;
 * value the reference resistance. */
ZK7416_API int32_t zk7416_cal_fres(int32_t handle, int32_t range, double value);
/* point 0 low / 1 high (-2). */
ZK7416_API int32_t zk7416_cal_20mV_mode(int32_t handle, int32_t point);
ZK7416_API int32_t zk7416_cal_20mV_init(int32_t handle);
ZK7416_API int32_t zk7416_cal_20mV(int32_t handle, double a, double b, double c);
/* point 0 low / 1 high (-2). */
ZK7416_API int32_t zk7416_cal_voltage_mode(int32_t handle, int32_t point);
ZK7416_API int32_t zk7416_cal_voltage_init(int32_t handle);
ZK7416_API int32_t zk7416_cal_voltage(int32_t handle, double a, double b);
ZK7416_API int32_t zk7416_cal_current(int32_t handle, double value);
/* point 0 low / 1 high (-2). */
ZK7416_API int32_t zk7416_cal_pt100_mode(int32_t handle, int32_t point, double value);
ZK7416_API int32_t zk7416_cal_pt100(int32_t handle);
/* calibrating: 1 while the instrument calibrates, else 0. No range check of the handle. */
ZK7416_API int32_t zk7416_get_cal_status(int32_t handle, int32_t* calibrating);

/* ---- Extensions of this implementation -------------------------------------------- */

/* Maps COM number port (1-4) to a serial device path for this process ("" removes the
 * mapping). $ZK7416_COM<n> takes precedence; without either, /dev/ttyS<n-1> is used. */
ZK7416_API int32_t zk7416_set_com_device(int32_t port, const char* path);
/* Copies the device path COM number port currently means into path (size bytes). */
ZK7416_API int32_t zk7416_get_com_device(int32_t port, char* path, int32_t size);
/* A short German description of a status code (static text, UTF-8). */
ZK7416_API const char* zk7416_status_text(int32_t status);
/* Status of the last driver call. */
ZK7416_API int32_t zk7416_last_status(void);

#ifdef __cplusplus
}
#endif

#endif /* ZK7416_H */
