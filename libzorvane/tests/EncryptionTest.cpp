#include "EncryptionImpl.h"
#include "Error.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral(
    "K4TM8QWZ2RB6NXJ0PC5VLD9HG3SAF7EU1YOI4KR8MZ2WQ6TB0XN5JC9PV3DL7HG1SF4AE8UY2OI6KT0MR5ZQ9WB3NX7JP1CV4LD8GH2AS6FE0YU5IO9TK3RM7QZ1WXB2");
const QString kText = QStringLiteral("Encrypt this, then decrypt it.\r\nLine two: äöü €, 𝄞 and tabs\t!\r\n");

// The error a statement raises: number and description, or 0 and "".
std::pair<int, QString> raised(const std::function<void()>& f)
{
    try {
        f();
    } catch (const plat::RuntimeError& e) {
        return {e.number(), e.info().description};
    }
    return {0, {}};
}

TEST(Encryption, RoundTripGivesTheExactCharactersBackThroughPrintableText)
{
    zg::EncryptionImpl e;
    e.setEncryptionKey(kKey);
    for (const QString& text : {kText, QString(), QStringLiteral("x"), QString(5000, QChar('z'))}) {
        const QString cipher = e.EncryptString(text, {});
        for (QChar c : cipher)
            ASSERT_TRUE(c.isLetterOrNumber() || c == '+' || c == '/' || c == '=') << cipher.toStdString();
        if (text.size() >= 10) {
            EXPECT_FALSE(cipher.contains(text.left(10)));
        }
        EXPECT_EQ(e.DecryptString(cipher, {}), text);
    }
    // Line breaks and spaces a text box may add around or inside are ignored.
    const QString cipher = e.EncryptString(kText);
    EXPECT_EQ(e.DecryptString("  " + cipher.left(20) + "\r\n" + cipher.mid(20) + "\n"), kText);
}

TEST(Encryption, EveryMessageHasItsOwnNonceAndOneKeyIsDerivedOnce)
{
    zg::EncryptionImpl e;
    e.setEncryptionKey(kKey);
    const QString a = e.EncryptString(kText), b = e.EncryptString(kText);
    EXPECT_NE(a, b);
    EXPECT_EQ(e.DecryptString(a), kText);
    EXPECT_EQ(e.DecryptString(b), kText);
    EXPECT_EQ(e.derivations(), 1);
    // Another object (another salt) decrypts it too, with the same key text.
    zg::EncryptionImpl other;
    other.setEncryptionKey(kKey);
    EXPECT_EQ(other.DecryptString(a), kText);
}

TEST(Encryption, ChangedCutForeignOrWrongKeyTextRaisesAClearErrorNeverGarbage)
{
    zg::EncryptionImpl e;
    e.setEncryptionKey(kKey);
    const QString cipher = e.EncryptString(kText);
    auto expectRefused = [&](const QString& text, const QString& key = {}) {
        const auto [number, description] = raised([&] { e.DecryptString(text, key); });
        EXPECT_EQ(number, plat::err::InvalidCall) << text.toStdString();
        EXPECT_FALSE(description.isEmpty());
    };
    // Each character changed in turn (to another Base64 character).
    for (qsizetype i = 0; i < cipher.size(); i += 7) {
        QString changed = cipher;
        changed[i] = changed[i] == 'A' ? 'B' : 'A';
        if (changed != cipher)
            expectRefused(changed);
    }
    for (qsizetype cut : {qsizetype(1), qsizetype(4), qsizetype(10), cipher.size() / 2, cipher.size() - 4})
        expectRefused(cipher.left(cipher.size() - cut));
    expectRefused(cipher.mid(4));
    expectRefused(QStringLiteral("This is plain text, not cipher text."));
    expectRefused(QStringLiteral("QUJD"));
    expectRefused(QStringLiteral("äöü"));
    expectRefused(QString());
    expectRefused(cipher, QStringLiteral("another key"));
    EXPECT_EQ(raised([&] { e.DecryptString(cipher); }).first, 0);
}

TEST(Encryption, AnEmptyKeyRaisesAClearErrorOnUse)
{
    zg::EncryptionImpl e;
    const auto [number, description] = raised([&] { e.EncryptString(kText); });
    EXPECT_EQ(number, plat::err::InvalidCall);
    EXPECT_TRUE(description.contains("key", Qt::CaseInsensitive));
    EXPECT_EQ(raised([&] { e.DecryptString(QStringLiteral("QUJD")); }).first, plat::err::InvalidCall);
    // A key for the call alone serves when the object has none.
    const QString cipher = e.EncryptString(kText, QStringLiteral("k"));
    EXPECT_EQ(e.DecryptString(cipher, QStringLiteral("k")), kText);
    EXPECT_NE(raised([&] { e.DecryptString(cipher); }).first, 0);
}

} // namespace
