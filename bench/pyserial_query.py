#!/usr/bin/python3
"""One query through the instrument's RS-232 block protocol, as a lab engineer would
script it with pyserial, repeated COUNT times. Prints the CPU seconds per query.

    pyserial_query.py DEVICE COUNT QUERY
"""
import sys
import time

import serial

STX, ETX, EOT, ACK = b"\x02", b"\x03", b"\x04", b"\x06"


def query(port, text):
    port.reset_input_buffer()
    port.write(STX + text.encode("latin-1") + b"\n" + ETX)
    if port.read(1) != ACK:
        raise RuntimeError("the command was not acknowledged")
    port.reset_input_buffer()
    port.write(EOT)
    if port.read(1) != STX:
        raise RuntimeError("no answer block")
    answer = port.read_until(ETX)
    port.write(ACK)
    port.read(1)  # the closing EOT
    return answer[:-3].decode("latin-1")


def main():
    device, count, text = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    with serial.Serial(device, 38400, timeout=10) as port:
        query(port, text)
        start = time.process_time()
        for _ in range(count):
            query(port, text)
        print(f"{(time.process_time() - start) / count:.9f}")


main()
