#include "EncryptionImpl.h"
#include "Error.h"
#include "QtPrinters.h"
#include "late/LateLibrary.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <sodium.h>
#include <vector>

#include <cstddef>
#include <string>
#include <dlfcn.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

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

TEST(Encryption, TextThatIsNotWholeCharactersIsRefusedNeverChanged)
{
    zg::EncryptionImpl e;
    e.setEncryptionKey(kKey);
    // Half of a surrogate pair is no character: UTF-8 has no form for it.
    const QString halves[] = {QStringLiteral("A") + QChar(0xD800) + QStringLiteral("B"),
                              QStringLiteral("AB") + QChar(0xD800), QChar(0xDC00) + QStringLiteral("AB"),
                              QStringLiteral("A") + QChar(0xDC00) + QChar(0xD800)};
    for (const QString& text : halves) {
        const auto [number, description] = raised([&] { e.EncryptString(text); });
        EXPECT_EQ(number, plat::err::InvalidCall);
        EXPECT_TRUE(description.contains("surrogate")) << description.toStdString();
    }
    EXPECT_EQ(raised([&] { e.EncryptString(kText, QStringLiteral("key") + QChar(0xDBFF)); }).first,
              plat::err::InvalidCall);
    EXPECT_EQ(e.derivations(), 0);
    // Whole pairs, a byte order mark and the highest characters come back.
    const QString edges = QChar(0xFEFF) + QStringLiteral("a") + QChar(0xFEFF) + QChar(0xDBFF) + QChar(0xDFFF) +
                          QChar(0xFFFF) + QChar(0);
    EXPECT_EQ(e.DecryptString(e.EncryptString(edges)), edges);
}

// A cipher text sealed with the key text outside this program, holding
// bytes that no text of ours is encrypted to.
QString foreignCipherText(const std::vector<QByteArray>& plains, const QByteArray& keyText, QStringList& out)
{
    if (sodium_init() < 0)
        return {};
    unsigned char salt[16], key[32];
    randombytes_buf(salt, sizeof salt);
    if (crypto_pwhash(key, sizeof key, keyText.constData(), size_t(keyText.size()), salt,
                      crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                      crypto_pwhash_ALG_ARGON2ID13) != 0)
        return {};
    for (const QByteArray& plain : plains) {
        std::vector<unsigned char> box(1 + 16 + 24 + size_t(plain.size()) + 16);
        box[0] = 1;
        std::copy(salt, salt + 16, box.begin() + 1);
        randombytes_buf(box.data() + 17, 24);
        crypto_aead_xchacha20poly1305_ietf_encrypt(box.data() + 41, nullptr,
                                                   reinterpret_cast<const unsigned char*>(plain.constData()),
                                                   size_t(plain.size()), box.data(), 1, nullptr, box.data() + 17, key);
        std::vector<char> text(sodium_base64_encoded_len(box.size(), sodium_base64_VARIANT_ORIGINAL));
        sodium_bin2base64(text.data(), text.size(), box.data(), box.size(), sodium_base64_VARIANT_ORIGINAL);
        out << QString::fromLatin1(text.data());
    }
    return out.value(0);
}

TEST(Encryption, SealedBytesThatAreNoUtf8TextAreRefused)
{
    QStringList ciphers;
    const std::vector<QByteArray> plains = {
        QByteArray("A\xED\xA0\x80" "B"), // a surrogate written as if a character
        QByteArray("A\xC0\x80" "B"),      // a character in more bytes than it needs
        QByteArray("A\xFF" "B"),
        QByteArray("AB\xE2\x82"),         // cut inside a character
        QByteArray("\xEF\xBB\xBF" "AB"), // a byte order mark is a character like any other
    };
    ASSERT_FALSE(foreignCipherText(plains, kKey.toUtf8(), ciphers).isEmpty());
    zg::EncryptionImpl e;
    e.setEncryptionKey(kKey);
    for (int i = 0; i < 4; ++i) {
        const auto [number, description] = raised([&] { e.DecryptString(ciphers[i]); });
        EXPECT_EQ(number, plat::err::InvalidCall) << i;
        EXPECT_TRUE(description.contains("UTF-8")) << description.toStdString();
    }
    EXPECT_EQ(e.DecryptString(ciphers[4]), QChar(0xFEFF) + QStringLiteral("AB"));
}

TEST(Encryption, KeyTextsAreKeptForTheLastFewKeysOnly)
{
    zg::EncryptionImpl e;
    const int keys = int(zg::EncryptionImpl::CacheSize) + 2;
    for (int i = 0; i < keys; ++i)
        e.EncryptString(QStringLiteral("x"), QStringLiteral("key %1").arg(i));
    EXPECT_EQ(e.keyTextsHeld(), int(zg::EncryptionImpl::CacheSize));
    EXPECT_EQ(e.derivations(), keys);
    // The key used last is still at hand: its messages need no derivation.
    const QString last = QStringLiteral("key %1").arg(keys - 1);
    EXPECT_EQ(e.DecryptString(e.EncryptString(kText, last), last), kText);
    EXPECT_EQ(e.derivations(), keys);
    // The first one was let go and is derived again.
    e.EncryptString(kText, QStringLiteral("key 0"));
    EXPECT_EQ(e.derivations(), keys + 1);
    EXPECT_EQ(e.keyTextsHeld(), int(zg::EncryptionImpl::CacheSize));
}

TEST(Encryption, CipherTextKeptFromEarlierVersionsStillDecrypts)
{
    zg::EncryptionImpl e;
    e.setEncryptionKey(QStringLiteral("kept key"));
    EXPECT_EQ(e.DecryptString(QStringLiteral("Ae5AMkQSLa6o+waxHBkyODmDDrHi1FO/f8B8nwZHjkMvTKK5ZnDIlFy6Y6Co7v83yptcuw6"
                                             "uysyd+mwPevwJaHbmdAIG54NWWqOy0qaBQHEi2FqRcm7vWGlirG8xGtOog76QfD9s2gg=")),
              QString::fromUtf8("Kept since the first version: \u00E4\u00F6\u00FC \u20AC \U0001D11E\r\n"));
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

// With a cipher library that starts but fails to derive keys (tests/fake).
class EncryptionWithAFailingLibrary : public ::testing::Test {
    void SetUp() override
    {
        zg::late::setOpenerForTests([](const char*) { return dlopen(ZG_FAILING_SODIUM, RTLD_NOW | RTLD_LOCAL); });
    }
    void TearDown() override { zg::late::setOpenerForTests(nullptr); }
};

TEST_F(EncryptionWithAFailingLibrary, ThePlainTextIsWipedWhenNoKeyCanBeDerived)
{
    zg::EncryptionImpl e;
    const QString secret = QStringLiteral("a plain text that must not be left in freed memory");
    EXPECT_EQ(raised([&] { e.EncryptString(secret, QStringLiteral("k")); }).first, plat::err::OutOfMemory);
    const auto wiped = reinterpret_cast<const std::string* (*)()>(
        zg::late::symbol(zg::late::Library::Sodium, "failing_sodium_wiped"));
    ASSERT_TRUE(wiped);
    EXPECT_NE(wiped()->find(secret.toStdString()), std::string::npos);
}

// Without the library's random bytes, salts come from the kernel; a kernel
// that has none to give (here getrandom is refused as unknown, in a child
// process) raises a clear error instead of asking again for ever.
[[noreturn]] void encryptWithoutRandomBytes()
{
    alarm(30);
    sock_filter filter[] = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
                            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_getrandom, 0, 1),
                            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSYS),
                            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW)};
    sock_fprog program{4, filter};
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
        std::_Exit(2);
    zg::EncryptionImpl e;
    const auto [number, description] = raised([&] { e.EncryptString(QStringLiteral("text"), QStringLiteral("k")); });
    std::_Exit(number == plat::err::InvalidCall && description.contains(QLatin1String("random")) ? 0 : 1);
}

TEST_F(EncryptionWithAFailingLibrary, NoRandomBytesFromTheSystemRaisesAClearError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(encryptWithoutRandomBytes(), ::testing::ExitedWithCode(0), "");
}

} // namespace
