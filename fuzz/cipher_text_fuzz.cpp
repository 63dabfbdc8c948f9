// Cipher text read back from Base64: any text, as the text box may hold
// anything. The decoder stays inside the room it was given, and a text it
// accepts is exactly the encoding of what it read, blanks aside.
#include "FuzzSupport.h"

#include <Base64.h>

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Two bytes a character, so that characters beyond ASCII come too.
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    const size_t room = zg::base64::maxDecodedLength(size_t(text.size()));
    std::vector<uint8_t> out(room);
    const qsizetype n = zg::base64::decode(text, out.data());
    if (n < 0)
        return 0;
    ZG_FUZZ_CHECK(size_t(n) <= room, "more bytes than the room the text allows");
    QString written(qsizetype(zg::base64::encodedLength(size_t(n))), Qt::Uninitialized);
    zg::base64::encode(out.data(), size_t(n), reinterpret_cast<char16_t*>(written.data()));
    QString bare = text;
    for (const char16_t blank : {u' ', u'\t', u'\r', u'\n'})
        bare.remove(QChar(blank));
    ZG_FUZZ_CHECK(written == bare, "an accepted text is not the encoding of its bytes");
    return 0;
}
