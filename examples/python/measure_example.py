#!/usr/bin/env python3
"""The zk7416 driver from Python (ctypes): connect, identify, measure a few values,
read the comparator counts.

    measure_example.py --port N [--baud B] [OPTIONS] [COUNT]  RS-232 at COMN ($ZK7416_COM<N>)
    measure_example.py --gpib ADDRESS [OPTIONS] [COUNT]       GPIB ($ZK7416_GPIB_LIBRARY)

    --limits LOW UPP   first switch the comparator on with these two limits (ohms) and
                       clear its counts; without it the instrument's settings are kept

The driver library is $ZK7416_LIBRARY, else the installed libzk7416.so.1.
"""
import argparse
import ctypes
import ctypes.util
import os
import sys
import time

ANSWER_SIZE = 300
UNIT_SIZE = 32
EOT = 301  # RS-232: no new value yet
QUESTIONABLE = range(310, 318)


def load_driver():
    name = os.environ.get("ZK7416_LIBRARY") or ctypes.util.find_library("zk7416") or "libzk7416.so.1"
    lib = ctypes.CDLL(name)
    i32, p_i32, text = ctypes.c_int32, ctypes.POINTER(ctypes.c_int32), ctypes.c_char_p
    signatures = {
        "zk7416_init_serial": [i32, i32, ctypes.c_double, text, i32, p_i32],
        "zk7416_init_gpib": [i32, i32, i32, text, p_i32],
        "zk7416_close": [i32],
        "zk7416_receive_scpi": [i32, text, text],
        "zk7416_meas_start": [i32],
        "zk7416_meas_stop": [i32],
        "zk7416_meas_read": [i32, ctypes.POINTER(ctypes.c_double), text],
        "zk7416_send_scpi": [i32, text],
        "zk7416_set_config_comparator_mode": [i32, i32, i32, i32],
        "zk7416_set_config_2_limit_comparator": [i32, ctypes.c_double, ctypes.c_double],
        "zk7416_comparator_clear": [i32],
        "zk7416_comparator_2_limit_report": [i32] + [p_i32] * 3,
        "zk7416_comparator_4_limit_report": [i32] + [p_i32] * 5,
    }
    for function, arguments in signatures.items():
        getattr(lib, function).argtypes = arguments
        getattr(lib, function).restype = i32
    lib.zk7416_status_text.argtypes = [i32]
    lib.zk7416_status_text.restype = ctypes.c_char_p
    return lib


class DriverError(Exception):
    pass


class Instrument:
    def __init__(self, lib, port=None, baud=9600, gpib=None):
        self.lib = lib
        self.handle = ctypes.c_int32(0)
        idn = ctypes.create_string_buffer(ANSWER_SIZE)
        if gpib is not None:
            status = lib.zk7416_init_gpib(gpib, 13, 0, idn, ctypes.byref(self.handle))
        else:
            status = lib.zk7416_init_serial(port, baud, 10.0, idn, 0, ctypes.byref(self.handle))
        self.check("connect", status)
        self.identification = idn.value.decode("latin-1")

    def check(self, what, status):
        if status != 0:
            text = self.lib.zk7416_status_text(status).decode("utf-8")
            raise DriverError(f"{what}: status {status} ({text})")

    def query(self, line):
        answer = ctypes.create_string_buffer(ANSWER_SIZE)
        self.check(line, self.lib.zk7416_receive_scpi(self.handle, line.encode("latin-1"), answer))
        return answer.value.decode("latin-1")

    def use_two_limits(self, low, upp):
        self.check("comparator", self.lib.zk7416_set_config_comparator_mode(self.handle, 1, 0, 0))
        self.check("comparator", self.lib.zk7416_send_scpi(self.handle, b"CALC:LIM:COUN 2"))
        self.check("limits", self.lib.zk7416_set_config_2_limit_comparator(self.handle, low, upp))
        self.check("comparator", self.lib.zk7416_comparator_clear(self.handle))

    def next_value(self, time_limit=10.0):
        """(value, unit), or the questionable cause as text; None for an overload."""
        deadline = time.monotonic() + time_limit
        while True:
            value, unit = ctypes.c_double(0.0), ctypes.create_string_buffer(UNIT_SIZE)
            status = self.lib.zk7416_meas_read(self.handle, ctypes.byref(value), unit)
            if status == EOT and time.monotonic() < deadline:
                time.sleep(0.05)
                continue
            if status in QUESTIONABLE:
                return self.lib.zk7416_status_text(status).decode("utf-8")
            self.check("read", status)
            return (value.value, unit.value.decode("latin-1")) if unit.value else None

    def measure(self, count):
        single = self.query("INIT:CONT?") == "0"  # every value needs its own start
        self.check("start", self.lib.zk7416_meas_start(self.handle))
        try:
            values = []
            for i in range(count):
                if i > 0 and single:
                    self.check("start", self.lib.zk7416_meas_start(self.handle))
                values.append(self.next_value())
            return values
        finally:
            self.check("stop", self.lib.zk7416_meas_stop(self.handle))

    def comparator_counts(self):
        four = self.query("CALC:LIM:COUN?").strip() == "4"
        counts = [ctypes.c_int32(0) for _ in range(5 if four else 3)]
        report = self.lib.zk7416_comparator_4_limit_report if four else self.lib.zk7416_comparator_2_limit_report
        self.check("comparator counts", report(self.handle, *[ctypes.byref(c) for c in counts]))
        return [c.value for c in counts]

    def close(self):
        self.lib.zk7416_close(self.handle)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    where = parser.add_mutually_exclusive_group(required=True)
    where.add_argument("--port", type=int)
    where.add_argument("--gpib", type=int)
    parser.add_argument("--baud", type=int, default=9600)
    parser.add_argument("--limits", type=float, nargs=2, metavar=("LOW", "UPP"))
    parser.add_argument("count", type=int, nargs="?", default=5)
    options = parser.parse_args()

    try:
        instrument = Instrument(load_driver(), options.port, options.baud, options.gpib)
    except (OSError, DriverError) as error:
        print(error, file=sys.stderr)
        return 1
    try:
        print("instrument:", instrument.identification)
        if options.limits:
            instrument.use_two_limits(*options.limits)
        for number, value in enumerate(instrument.measure(options.count), start=1):
            if value is None:
                print(f"value {number}: overload")
            elif isinstance(value, str):
                print(f"value {number}: {value}")
            else:
                print(f"value {number}: {value[0]:.7g} {value[1]}")
        print("comparator counts:", " ".join(str(c) for c in instrument.comparator_counts()))
    except DriverError as error:
        print(error, file=sys.stderr)
        return 1
    finally:
        instrument.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
