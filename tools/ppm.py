"""Binary PPM (P6) images, as ImageMagick writes them, read into bytes."""


def parse(data):
    """(magic, width, height, maxval, pixels) of a PPM file's bytes; pixels
    are the raster, three bytes a pixel, row by row."""
    fields, pos = [], 0
    # Header: magic, width, height, maxval, separated by whitespace/comments.
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1  # the single whitespace byte before the raster
    return fields[0], int(fields[1]), int(fields[2]), int(fields[3]), data[pos:]
