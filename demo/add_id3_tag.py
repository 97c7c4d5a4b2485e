#!/usr/bin/env python3
"""Puts an ID3 version 2.2 or 2.3 tag in front of an MP3 file that has none.

The picture frame comes first in the tag, followed by the text frames, so that a player
that looks for the first picture frame finds ours. The picture gets picture type 3 (front
cover) and an empty description.

usage: add_id3_tag.py VERSION IN.mp3 OUT.mp3 --title T --artist A --album B --genre G
                      --track N [--picture COVER.jpg]
"""
import argparse


def syncsafe(size):
    return bytes([(size >> 21) & 0x7F, (size >> 14) & 0x7F, (size >> 7) & 0x7F, size & 0x7F])


def text_payload(text):
    # Latin-1 where it fits, otherwise UTF-16 with a byte-order mark.
    try:
        return b"\x00" + text.encode("latin-1")
    except UnicodeEncodeError:
        return b"\x01" + "\ufeff".encode("utf-16-le") + text.encode("utf-16-le")


def frame_v23(name, payload):
    return name.encode("ascii") + len(payload).to_bytes(4, "big") + b"\x00\x00" + payload


def frame_v22(name, payload):
    return name.encode("ascii") + len(payload).to_bytes(3, "big") + payload


def build_tag(version, args):
    frames = []
    if version == 3:
        make, names = frame_v23, ("TIT2", "TPE1", "TALB", "TCON", "TRCK")
        if args.picture:
            picture = open(args.picture, "rb").read()
            frames.append(make("APIC", b"\x00image/jpeg\x00\x03\x00" + picture))
    else:
        make, names = frame_v22, ("TT2", "TP1", "TAL", "TCO", "TRK")
        if args.picture:
            picture = open(args.picture, "rb").read()
            frames.append(make("PIC", b"\x00JPG\x03\x00" + picture))
    values = (args.title, args.artist, args.album, args.genre, str(args.track))
    frames += [make(name, text_payload(value)) for name, value in zip(names, values)]
    body = b"".join(frames) + bytes(256)  # padding, as taggers leave room to grow
    return b"ID3" + bytes([version, 0, 0]) + syncsafe(len(body)) + body


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("version", type=int, choices=(2, 3))
    parser.add_argument("source")
    parser.add_argument("target")
    for field in ("title", "artist", "album", "genre"):
        parser.add_argument("--" + field, required=True)
    parser.add_argument("--track", type=int, required=True)
    parser.add_argument("--picture")
    args = parser.parse_args()
    audio = open(args.source, "rb").read()
    if audio.startswith(b"ID3"):
        raise SystemExit(args.source + " already has an ID3 tag")
    with open(args.target, "wb") as out:
        out.write(build_tag(args.version, args) + audio)


if __name__ == "__main__":
    main()
