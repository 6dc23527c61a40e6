#!/usr/bin/env python3
"""A PyMeasure procedure with the Tarvolux Typ 7416: measures COUNT values and logs
them, with the time since the start and the comparator's verdict, to a PyMeasure
results file (CSV with a header of the procedure's parameters).

    pymeasure_procedure.py RESULTS.csv [--count N] [--simulate[=rs232|gpib]]
                           [--port N|DEVICE [--baud B]] [--gpib ADDRESS]
                           [--range AUTO|200MOHM|...] [--limits LOW UPP]

Needs the zk7416 package (PYTHONPATH=build/python in the build tree) and Debian's
python3-pymeasure.
"""
import argparse
import logging
import sys
import time

from pymeasure.experiment import (FloatParameter, IntegerParameter, Parameter, Procedure,
                                  Results, Worker)

import zk7416
from zk7416.pymeasure import Typ7416

log = logging.getLogger(__name__)


class ResistanceLog(Procedure):
    """Starts a measurement and records ``count`` values."""

    count = IntegerParameter("Values", default=10, minimum=1, maximum=100000)
    door = Parameter("Connection", default="simulate")
    meter_range = Parameter("Range", default="AUTO")
    lower_limit = FloatParameter("Lower limit", units="Ohm", default=0.0)
    upper_limit = FloatParameter("Upper limit", units="Ohm", default=0.0)

    DATA_COLUMNS = ["Number", "Time (s)", "Resistance (Ohm)"]
    counts = ()

    def startup(self):
        kind, _, where = self.door.partition(":")
        if kind == "simulate":
            self.meter = Typ7416.simulated(door=where or "rs232")
        elif kind == "gpib":
            self.meter = Typ7416(zk7416.Instrument.open_gpib(int(where)))
        else:
            port, _, baud = where.partition("@")
            self.meter = Typ7416(zk7416.Instrument.open_serial(
                int(port) if port.isdigit() else port, int(baud or 9600)))
        log.info("connected: %s", self.meter.meter.idn)
        self.meter.range = self.meter_range
        if self.upper_limit > self.lower_limit:
            self.meter.comparator_limits = (self.lower_limit, self.upper_limit)
            self.meter.comparator_enabled = True
            self.meter.meter.clear_comparator()
        self.meter.start()

    def execute(self):
        begin = time.monotonic()
        for number in range(1, self.count + 1):
            ohms = self.meter.resistance
            self.emit("results", {"Number": number, "Time (s)": time.monotonic() - begin,
                                  "Resistance (Ohm)": ohms if ohms is not None else float("nan")})
            self.emit("progress", 100.0 * number / self.count)
            if self.should_stop():
                log.warning("stopped after %d values", number)
                break

    def shutdown(self):
        if hasattr(self, "meter"):
            self.meter.stop()
            if self.upper_limit > self.lower_limit:
                self.counts = self.meter.comparator_counts
            self.meter.shutdown()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("results")
    parser.add_argument("--count", type=int, default=10)
    where = parser.add_mutually_exclusive_group()
    where.add_argument("--simulate", nargs="?", const="rs232", choices=("rs232", "gpib"))
    where.add_argument("--port")
    where.add_argument("--gpib", type=int)
    parser.add_argument("--baud", type=int, default=9600)
    parser.add_argument("--range", default="AUTO")
    parser.add_argument("--limits", type=float, nargs=2, metavar=("LOW", "UPP"), default=(0.0, 0.0))
    options = parser.parse_args()
    logging.basicConfig(level=logging.INFO, format="%(message)s")

    procedure = ResistanceLog()
    procedure.count = options.count
    if options.port:
        procedure.door = f"serial:{options.port}@{options.baud}"
    elif options.gpib is not None:
        procedure.door = f"gpib:{options.gpib}"
    else:
        procedure.door = f"simulate:{options.simulate or 'rs232'}"
    procedure.meter_range = options.range
    procedure.lower_limit, procedure.upper_limit = options.limits

    worker = Worker(Results(procedure, options.results))
    worker.start()
    worker.join(timeout=3600)
    print(f"{options.results}: {Procedure.STATUS_STRINGS[procedure.status]}")
    if getattr(procedure, "counts", None):
        print("comparator counts:", " ".join(str(c) for c in procedure.counts))
    return 0 if procedure.status == Procedure.FINISHED else 1


if __name__ == "__main__":
    sys.exit(main())
