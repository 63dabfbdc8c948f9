#include "Base64.h"

#include <array>
#include <cstring>

namespace zg::base64 {

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The value of each ASCII character: a digit's 0 to 63, or one of these.
constexpr uint8_t Blank = 0x80, Pad = 0x81, Bad = 0xFF;

constexpr std::array<uint8_t, 128> makeValues()
{
    std::array<uint8_t, 128> v{};
    for (auto& x : v)
        x = Bad;
    for (uint8_t i = 0; i < 64; ++i)
        v[uint8_t(Alphabet[i])] = i;
    v['='] = Pad;
    for (char c : {' ', '\t', '\r', '\n'})
        v[uint8_t(c)] = Blank;
    return v;
}
constexpr std::array<uint8_t, 128> Values = makeValues();

uint8_t valueOf(char16_t c) { return c < 128 ? Values[c] : Bad; }

// The two characters of every 12 bits, so that three bytes take two looks.
constexpr std::array<std::array<char16_t, 2>, 4096> makePairs()
{
    std::array<std::array<char16_t, 2>, 4096> p{};
    for (size_t i = 0; i < p.size(); ++i)
        p[i] = {char16_t(Alphabet[i >> 6]), char16_t(Alphabet[i & 63])};
    return p;
}
constexpr std::array<std::array<char16_t, 2>, 4096> Pairs = makePairs();

} // namespace

void encode(const uint8_t* in, size_t n, char16_t* out)
{
    size_t i = 0;
    for (; i + 3 <= n; i += 3, out += 4) {
        const uint32_t v = uint32_t(in[i]) << 16 | uint32_t(in[i + 1]) << 8 | in[i + 2];
        std::memcpy(out, Pairs[v >> 12].data(), 2 * sizeof(char16_t));
        std::memcpy(out + 2, Pairs[v & 0xFFF].data(), 2 * sizeof(char16_t));
    }
    if (i == n)
        return;
    const uint32_t v = uint32_t(in[i]) << 16 | (i + 1 < n ? uint32_t(in[i + 1]) << 8 : 0);
    out[0] = char16_t(Alphabet[v >> 18]);
    out[1] = char16_t(Alphabet[v >> 12 & 63]);
    out[2] = i + 1 < n ? char16_t(Alphabet[v >> 6 & 63]) : u'=';
    out[3] = u'=';
}

qsizetype decode(QStringView text, uint8_t* out)
{
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    uint8_t* o = out;
    uint32_t bits = 0; // the digits of the group begun, 6 bits each
    int digits = 0;
    while (p < end) {
        // Whole groups without blanks go four characters at a time.
        if (digits == 0) {
            for (; end - p >= 4; p += 4, o += 3) {
                const uint32_t a = valueOf(p[0]), b = valueOf(p[1]), c = valueOf(p[2]), d = valueOf(p[3]);
                if ((a | b | c | d) >= 64)
                    break;
                const uint32_t v = a << 18 | b << 12 | c << 6 | d;
                o[0] = uint8_t(v >> 16);
                o[1] = uint8_t(v >> 8);
                o[2] = uint8_t(v);
            }
            if (p == end)
                break;
        }
        const uint8_t v = valueOf(*p);
        if (v == Pad)
            break;
        ++p;
        if (v == Blank)
            continue;
        if (v == Bad)
            return -1;
        bits = bits << 6 | v;
        if (++digits == 4) {
            o[0] = uint8_t(bits >> 16);
            o[1] = uint8_t(bits >> 8);
            o[2] = uint8_t(bits);
            o += 3;
            bits = 0;
            digits = 0;
        }
    }
    // The padding, and nothing but blanks after it.
    int pads = 0;
    for (; p < end; ++p) {
        const uint8_t v = valueOf(*p);
        if (v == Blank)
            continue;
        if (v != Pad || ++pads > 2)
            return -1;
    }
    switch (digits) {
    case 0:
        if (pads != 0)
            return -1;
        break;
    case 2: // one byte and four bits that must be zero
        if (pads != 2 || (bits & 0xF) != 0)
            return -1;
        *o++ = uint8_t(bits >> 4);
        break;
    case 3: // two bytes and two bits that must be zero
        if (pads != 1 || (bits & 0x3) != 0)
            return -1;
        *o++ = uint8_t(bits >> 10);
        *o++ = uint8_t(bits >> 2);
        break;
    default:
        return -1;
    }
    return o - out;
}

} // namespace zg::base64
