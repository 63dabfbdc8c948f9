#include "Base64.h"

#include <QString>
#include <gtest/gtest.h>
#include <sodium.h>
#include <vector>

namespace {

QString encoded(const std::vector<uint8_t>& bytes)
{
    QString text(qsizetype(zg::base64::encodedLength(bytes.size())), Qt::Uninitialized);
    zg::base64::encode(bytes.data(), bytes.size(), reinterpret_cast<char16_t*>(text.data()));
    return text;
}

// The bytes of a text, or {-1} when it is refused.
std::vector<int> decoded(const QString& text)
{
    std::vector<uint8_t> out(zg::base64::maxDecodedLength(size_t(text.size())) + 1);
    const qsizetype n = zg::base64::decode(text, out.data());
    if (n < 0)
        return {-1};
    return std::vector<int>(out.begin(), out.begin() + n);
}

TEST(Base64, WritesWhatLibsodiumWritesAndReadsItBack)
{
    ASSERT_GE(sodium_init(), 0);
    for (size_t n = 0; n <= 70; ++n) {
        std::vector<uint8_t> bytes(n);
        if (n > 0)
            randombytes_buf(bytes.data(), n);
        std::vector<char> theirs(sodium_base64_encoded_len(n, sodium_base64_VARIANT_ORIGINAL));
        sodium_bin2base64(theirs.data(), theirs.size(), bytes.data(), n, sodium_base64_VARIANT_ORIGINAL);
        const QString text = encoded(bytes);
        ASSERT_EQ(text, QString::fromLatin1(theirs.data())) << n;
        ASSERT_EQ(decoded(text), std::vector<int>(bytes.begin(), bytes.end())) << n;
        // Blanks anywhere, the padding included, are skipped.
        QString spaced;
        for (qsizetype i = 0; i < text.size(); ++i)
            spaced += (i % 3 == 1 ? QStringLiteral(" \r\n") : QString()) + text[i] + (i % 5 == 0 ? "\t" : "");
        ASSERT_EQ(decoded(spaced), std::vector<int>(bytes.begin(), bytes.end())) << n;
    }
}

TEST(Base64, RefusesAnythingButCanonicalPaddedText)
{
    EXPECT_EQ(decoded(""), std::vector<int>());
    EXPECT_EQ(decoded("QUJD"), std::vector<int>({'A', 'B', 'C'}));
    EXPECT_EQ(decoded("QUI="), std::vector<int>({'A', 'B'}));
    EXPECT_EQ(decoded("QQ=="), std::vector<int>({'A'}));
    for (const char* bad : {"QQ", "QUI", "Q", "QQ=", "QUI==", "QQ===", "QUJD=", "QQ==QUJD", "QUJ\x01", "QU-D", "QU_D",
                            "=", "====", "QR==", "QUJ=", "QQ== x"})
        EXPECT_EQ(decoded(QString::fromLatin1(bad)), std::vector<int>{-1}) << bad;
    // A character beyond ASCII that has an ASCII one in its low byte.
    EXPECT_EQ(decoded(QString::fromUtf16(u"QUJ\u0144")), std::vector<int>{-1});
    EXPECT_EQ(decoded(QString::fromUtf16(u"QUJD\u00A0")), std::vector<int>{-1});
}

} // namespace
