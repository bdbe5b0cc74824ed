"""An independent model of the five-colour fade, for checking what the tool posts: IEEE single
precision at every step, halves to even."""
import struct

WAVE_TAGS = ['<sup>', '</sup>', '<sub>', '</sub>']


def f32(value):
    return struct.unpack('<f', struct.pack('<f', value))[0]


def span(text, start, end, wavy, counter):
    out = []
    n = len(text)
    for i in range(1, n + 1):
        components = []
        for a, b in zip(start, end):
            q = f32(f32(b - a) / f32(n))
            s = f32(f32(q * f32(i)) + f32(a))
            components.append(round(s))
        tag = ''
        if wavy:
            counter = counter + 1 if counter < 4 else 1
            tag = WAVE_TAGS[counter - 1]
        out.append('<Font Color=#%02X%02X%02X>%s%s' % (*components, tag, text[i - 1]))
    return ''.join(out), counter


def fade(colours, text, wavy=False):
    """colours: five (red, green, blue) triples."""
    length = len(text)
    sizes = [(length + 3) // 4, (length + 2) // 4, (length + 1) // 4, length // 4]
    out, counter, at = [], 0, 0
    for k in range(4):
        piece, counter = span(text[at:at + sizes[k]], colours[k], colours[k + 1], wavy, counter)
        out.append(piece)
        at += sizes[k]
    return ''.join(out)


def announcement(text):
    """The announcement line: double precision, folded at the middle, halves to even."""
    out = []
    for i, character in enumerate(text, start=1):
        v = (510.0 / len(text)) * i
        if v > 255:
            v = 255 - (v - 255)
        out.append('<Font Color=#%02X00%02X>%s' % (round(v), round(255.0 - v), character))
    return ''.join(out)
