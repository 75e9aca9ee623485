// zlib's CRC-32, in place of the library's. The program inflates zlib streams only (inflateInit),
// whose check is Adler-32; zlib's inflate still names crc32 for the gzip streams it can also read,
// and the library's definition brings its tables with it, some 8 KB of the program. This one is
// the same function, bit by bit and without tables; nothing in the program calls it.
//
// As with the terminate handler, it must be one of the program's own objects, so that the linker
// has the name before it searches zlib.
#include <zlib.h>

extern "C" uLong ZEXPORT crc32(uLong crc, const Bytef* buf, uInt len) {
    // zlib's answer to a null buffer: the initial value.
    if (!buf)
        return 0;
    crc = ~crc & 0xFFFFFFFFul;
    while (len--) {
        crc ^= *buf++;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320ul & (0ul - (crc & 1)));
    }
    return ~crc & 0xFFFFFFFFul;
}
