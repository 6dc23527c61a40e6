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
    ZK7416_ERR_NO_FREE_SLOT = 220,       /* all ten slots used, or no GPIB device */
    ZK7416_ERR_NOTHING_TO_CLOSE = 221,   /* slot has no device or port */
    ZK7416_ERR_DEVICE_CLEAR = 224,       /* GPIB device clear failed */
    ZK7416_ERR_WRITE = 230,              /* writing a command failed */
    ZK7416_ERR_READ = 231,               /* reading failed or timed out */
    ZK7416_ERR_DEVICE_CLOSED = 232,      /* slot has no open GPIB device */
    ZK7416_ERR_SET_ADDRESS = 233,        /* setting the GPIB primary address failed */
    ZK7416_ERR_GO_TO_LOCAL = 234,        /* GPIB go-to-local failed */
    ZK7416_ERR_SET_EOS = 237,            /* setting the GPIB end-of-string mode failed */
    ZK7416_NAK = 300,                    /* RS-232: command block answered with NAK */
    ZK7416_EOT = 301,                    /* RS-232: EOT answer; no new measured value */
    ZK7416_NOT_MEASURING = 302,          /* GPIB: status byte 0, instrument idle */
    ZK7416_ERR_SRQ_WAIT = 303,           /* GPIB: no service request (error/time-out) */
    ZK7416_ERR_SERIAL_POLL = 304,        /* GPIB: serial poll failed */
    ZK7416_QUES_FRES_BIT7 = 310,         /* 310 + (7 - bit): questionable resistance */
    ZK7416_QUES_FRES_BIT0 = 317,
    ZK7416_LIMITS_NOT_ACKNOWLEDGED = 330 /* comparator limit set refused */
};

/* ---- Connection ------------------------------------------------------------------ */

/* address 0-30 (-1), timeout_code an NI-488.2 time-out code (13 = 10 s), reset 0-1 (-2),
 * idn: buffer of at least 300 bytes for the "*IDN?" answer, handle_out: the slot. */
ZK7416_API int32_t zk7416_init_gpib(int32_t address, int32_t timeout_code, int32_t reset,
                                    char* idn, int32_t* handle_out);
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
