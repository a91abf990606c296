// Windows-1252 encoding. The C1 control characters U+0080-U+009F are not representable: those
// bytes stand for the extras in this code page.
#include "windows1252.h"

#include <array>

namespace corvel {

namespace {

// Character of bytes 0x80 ... 0x9F; 0 where the code page leaves the byte undefined.
constexpr std::array<char32_t, 32> kExtras = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char byteDe(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kExtras.size(); ++i)
        if (kExtras[i] != 0 && kExtras[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QByteArray codificarWindows1252(QStringView texto) {
    QByteArray r;
    r.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        // A character outside the basic plane is one '?', not one per half of its pair.
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate())
            ++i;
        r.append(byteDe(c.unicode()));
    }
    return r;
}

} // namespace corvel
