// Base64 with padding ('A'-'Z', 'a'-'z', '0'-'9', '+', '/', '='), between
// bytes and the UTF-16 text of a QString, without a Latin-1 copy between.
// Only cipher text goes through it: its run time depends on the data, so it
// is no codec for secrets.
#pragma once
#include <QStringView>
#include <cstddef>
#include <cstdint>

namespace zg::base64 {

// The characters that n bytes take.
constexpr size_t encodedLength(size_t n) { return (n + 2) / 3 * 4; }
// Writes encodedLength(n) characters to `out`.
void encode(const uint8_t* in, size_t n, char16_t* out);

// The most bytes a text of `chars` characters can decode to.
constexpr size_t maxDecodedLength(size_t chars) { return chars / 4 * 3; }
// Decodes `text` into `out` (room for maxDecodedLength(text.size()) bytes)
// and gives the number of bytes, or -1 when the text is not padded Base64:
// another character, a group cut short or not padded, characters after the
// padding, or bits left over that are not zero (so that one byte sequence
// has one text). Spaces, tabs and line breaks are skipped wherever they
// stand.
qsizetype decode(QStringView text, uint8_t* out);

} // namespace zg::base64
