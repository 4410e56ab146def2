"""Writes a 64 x 64 picture, left half red and right half blue, in each of the
seven convertible formats (metafiles record by record, RLE bytes by hand),
plus the hostile files the loader must refuse. Run in the output folder."""
import struct
from PIL import Image

RED, BLUE = (255, 0, 0), (0, 0, 255)


def colorref(rgb):
    return rgb[0] | rgb[1] << 8 | rgb[2] << 16


def rle_bmp(bits):
    palette = bytes([0, 0, 255, 0, 255, 0, 0, 0]) + bytes(4 * ((1 << bits) - 2))  # 0 red, 1 blue
    red, blue = (0x00, 0x11) if bits == 4 else (0, 1)
    # each row: a run of 32 red, a run of 28 blue, an absolute run of 4 blue, end of line
    absolute = bytes([0x11, 0x11]) if bits == 4 else bytes([1, 1, 1, 1])
    rows = (bytes([32, red, 28, blue, 0, 4]) + absolute + bytes([0, 0])) * 64 + bytes([0, 1])
    info = struct.pack('<IiiHHIIiiII', 40, 64, 64, 1, bits, 1 if bits == 8 else 2, len(rows), 3780, 3780, 1 << bits, 0)
    offset = 14 + 40 + len(palette)
    return b'BM' + struct.pack('<IHHI', offset + len(rows), 0, 0, offset) + info + palette + rows


def emf(frame=(0, 0, 1693, 1693), description='', text=None, font='Sans'):
    def record(kind, payload):
        return struct.pack('<II', kind, 8 + len(payload)) + payload
    body = record(38, struct.pack('<IIiiI', 1, 5, 0, 0, 0))          # CREATEPEN 1: null pen
    body += record(37, struct.pack('<I', 1))                          # SELECTOBJECT
    for slot, (rgb, left) in enumerate(((RED, 0), (BLUE, 32)), 2):
        body += record(39, struct.pack('<IIII', slot, 0, colorref(rgb), 0))  # CREATEBRUSHINDIRECT
        body += record(37, struct.pack('<I', slot))
        body += record(43, struct.pack('<iiii', left, 0, left + 33, 65))    # RECTANGLE
    if text is not None:                                              # EXTTEXTOUTW, one line at (4, 30)
        face = font.encode('utf-16-le')[:62].ljust(64, b'\0')
        body += record(82, struct.pack('<I5i8B', 4, -12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0) + face)
        body += record(37, struct.pack('<I', 4))                      # EXTCREATEFONTINDIRECTW, select
        chars = text.encode('utf-16-le', 'surrogatepass')
        emrtext = struct.pack('<iiIII4iI', 4, 30, len(chars) // 2, 76, 0, 0, 0, 0, 0, 0)
        body += record(84, struct.pack('<4iIff', 0, 0, 63, 63, 1, 1.0, 1.0) + emrtext + pad4(chars))
    body += record(14, struct.pack('<III', 0, 16, 20))                # EOF
    records = 1 + 2 + 3 * 2 + 3 * (text is not None) + 1
    described = pad4(description.encode('utf-16-le'))
    size = 88 + len(described)
    header = struct.pack('<II4i4iIIIIHHIII2i2i', 1, size, 0, 0, 63, 63, *frame, 0x464D4520, 0x10000,
                         size + len(body), records, 4 + (text is not None), 0, len(description), 88 if description else 0, 0,
                         960, 960, 254, 254)
    return header + described + body


def pad4(data):
    return data + bytes(-len(data) % 4)


def wmf(origin=(0, 0), placeable=True, window=True):
    """Red left half, blue right half of a 960 x 960 window at `origin`, with or
    without the placeable header and the window records."""
    def record(function, *words):
        return struct.pack('<IH', 3 + len(words), function) + struct.pack('<%dH' % len(words), *(w & 0xFFFF for w in words))
    x, y = origin
    body = record(0x020B, y, x) + record(0x020C, 960, 960) if window else b''  # SETWINDOWORG, SETWINDOWEXT (y, x)
    body += record(0x02FA, 5, 0, 0, 0, 0) + record(0x012D, 0)          # CREATEPENINDIRECT null, SELECTOBJECT
    for rgb, left in ((RED, x), (BLUE, x + 480)):
        c = colorref(rgb)
        body += record(0x02FC, 0, c & 0xFFFF, c >> 16, 0) + record(0x012D, 1)  # CREATEBRUSHINDIRECT, select
        body += record(0x041B, y + 960, left + 480, y, left)             # RECTANGLE (bottom, right, top, left)
        body += record(0x01F0, 1)                                         # DELETEOBJECT
    body += record(0)                                                     # EOF
    words = (18 + len(body)) // 2
    biggest = max(struct.unpack_from('<I', r)[0] for r in split_wmf(body))
    meta = struct.pack('<HHHIHIH', 1, 9, 0x300, words, 2, biggest, 0)
    if not placeable:
        return meta + body
    header = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, x, y, x + 960, y + 960, 1440, 0)
    checksum = 0
    for (w,) in struct.iter_unpack('<H', header):
        checksum ^= w
    return header + struct.pack('<H', checksum) + meta + body


def split_wmf(body):
    at = 0
    while at < len(body):
        size = struct.unpack_from('<I', body, at)[0] * 2
        yield body[at:at + size]
        at += size


def jpeg_claiming(width, height):
    """A complete, tiny JPEG stream whose frame header claims width x height."""
    sof = struct.pack('>BBHBHHB', 0xFF, 0xC0, 11, 8, height, width, 1) + bytes([1, 0x11, 0])
    dqt = bytes([0xFF, 0xDB, 0, 67, 0]) + bytes([1] * 64)
    dht = bytes([0xFF, 0xC4, 0, 20, 0x00]) + bytes([1] + [0] * 15) + bytes([0])
    dht += bytes([0xFF, 0xC4, 0, 20, 0x10]) + bytes([1] + [0] * 15) + bytes([0])
    sos = bytes([0xFF, 0xDA, 0, 8, 1, 1, 0, 0, 63, 0])
    return b'\xFF\xD8' + dqt + sof + dht + sos + bytes(64) + b'\xFF\xD9'


def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)


im = Image.new('RGB', (64, 64), RED)
im.paste(BLUE, (32, 0, 64, 64))
im.save('good.bmp'), im.save('good.gif'), im.save('good.jpg', quality=100, subsampling=0), im.save('good.ico', sizes=[(16, 16), (64, 64)])
write('good.rle', rle_bmp(8))
write('good4.rle', rle_bmp(4))
write('good.emf', emf())
write('good.wmf', wmf())
write('good-moved.wmf', wmf(origin=(1000, 500)))
write('good-plain.wmf', wmf(placeable=False))
write('good-unsized.wmf', wmf(placeable=False, window=False))
write('good-described.emf', emf(description='Pictavo test picture\0' * 40))
write('good-text.emf', emf(text='a ]]> b \ufffe \x01 <&> c', font='Sans "<&>"'))
for name in ('good.bmp', 'good.gif', 'good.jpg', 'good.ico', 'good.rle', 'good4.rle', 'good.emf', 'good.wmf',
             'good-plain.wmf'):
    data = open(name, 'rb').read()
    ext = name.split('.')[1]
    write('cut-%s.%s' % (name.split('.')[0], ext), data[:len(data) * 2 // 3])
    write('garbage.' + ext, b'not a picture at all\n' * 40)
    write('empty.' + ext, b'')
im.save('good.png')
write('png-inside.ico', open('good.png', 'rb').read())
write('png-inside.jpg', open('good.png', 'rb').read())
write('gif-inside.bmp', open('good.gif', 'rb').read())
write('emf-inside.wmf', open('good.emf', 'rb').read())
write('blank-unsized.wmf', struct.pack('<HHHIHIH', 1, 9, 0x300, 12, 0, 3, 0) + struct.pack('<IH', 3, 0))
write('huge.jpg', jpeg_claiming(60000, 60000))
write('huge.emf', emf(frame=(0, 0, 2000000, 1693)))
