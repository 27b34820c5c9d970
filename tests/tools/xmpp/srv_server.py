#!/usr/bin/python3
"""A DNS server on loopback UDP for tests: answers SRV queries with the records given as
arguments ("priority weight target port" each; none means the name has no records) and every
other query with an empty answer. Prints "listening <port>", then "query <name> <type>" for each
query it answers, and ends with its standard input."""
import socket
import struct
import sys
import threading

SRV = 33


def encode_name(name):
    labels = [label for label in name.split(".") if label]
    return b"".join(bytes([len(label)]) + label.encode("ascii") for label in labels) + b"\0"


def read_question(packet):
    labels, offset = [], 12
    while packet[offset]:
        length = packet[offset]
        labels.append(packet[offset + 1:offset + 1 + length].decode("ascii", "replace"))
        offset += 1 + length
    qtype, _qclass = struct.unpack("!HH", packet[offset + 1:offset + 5])
    return ".".join(labels), qtype, packet[12:offset + 5]


def answer(packet, records):
    name, qtype, question = read_question(packet)
    found = records if qtype == SRV else []
    # A response, authoritative, recursion available; NXDOMAIN when there is nothing at all.
    flags = 0x8580 | (3 if not records else 0)
    header = struct.pack("!HHHHHH", struct.unpack("!H", packet[:2])[0], flags, 1, len(found), 0, 0)
    body = b""
    for priority, weight, target, port in found:
        data = struct.pack("!HHH", priority, weight, port) + encode_name(target)
        body += b"\xc0\x0c" + struct.pack("!HHIH", SRV, 1, 60, len(data)) + data
    return name, qtype, header + question + body


def main():
    records = []
    for text in sys.argv[1:]:
        priority, weight, target, port = text.split()
        records.append((int(priority), int(weight), target, int(port)))
    server = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    server.bind(("127.0.0.1", 0))
    print("listening", server.getsockname()[1], flush=True)

    def serve():
        while True:
            packet, sender = server.recvfrom(4096)
            try:
                name, qtype, reply = answer(packet, records)
            except (IndexError, struct.error):
                continue
            server.sendto(reply, sender)
            print("query", name, qtype, flush=True)

    threading.Thread(target=serve, daemon=True).start()
    sys.stdin.read()


if __name__ == "__main__":
    main()
