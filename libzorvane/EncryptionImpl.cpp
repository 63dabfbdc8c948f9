#include "EncryptionImpl.h"

#include "Error.h"

#include <QStringDecoder>
#include <sodium.h>

namespace zg {

namespace {

const QString kSource = QStringLiteral("ZorvaneEncryption");
constexpr size_t kCacheSize = 8;

[[noreturn]] void fail(const QString& description)
{
    plat::raise(plat::err::InvalidCall, kSource, description);
}

void ensureSodium()
{
    static const int ready = sodium_init();
    if (ready < 0)
        fail(QStringLiteral("The cryptographic library could not be started"));
}

} // namespace

EncryptionImpl::EncryptionImpl() = default;

EncryptionImpl::~EncryptionImpl()
{
    for (Derived& d : cache_)
        sodium_memzero(d.key.data(), d.key.size());
}

QByteArray EncryptionImpl::keyTextFor(const QString& Key) const
{
    const QString& text = Key.isEmpty() ? key_ : Key;
    if (text.isEmpty())
        fail(QStringLiteral("No encryption key: set EncryptionKey to a key text first"));
    return text.toUtf8();
}

const EncryptionImpl::Key& EncryptionImpl::derive(const QByteArray& keyText, const Salt& salt)
{
    for (const Derived& d : cache_)
        if (d.salt == salt && d.keyText == keyText)
            return d.key;
    Derived d{keyText, salt, {}};
    if (crypto_pwhash(d.key.data(), d.key.size(), keyText.constData(),
                      static_cast<unsigned long long>(keyText.size()), salt.data(),
                      crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                      crypto_pwhash_ALG_ARGON2ID13) != 0)
        plat::raise(plat::err::OutOfMemory, kSource);
    ++derivations_;
    if (cache_.size() >= kCacheSize) {
        sodium_memzero(cache_.front().key.data(), KeyBytes);
        cache_.erase(cache_.begin());
    }
    cache_.push_back(std::move(d));
    return cache_.back().key;
}

QString EncryptionImpl::EncryptString(const QString& Text, const QString& KeyText)
{
    ensureSodium();
    const QByteArray keyText = keyTextFor(KeyText);

    Salt salt{};
    bool found = false;
    for (const auto& [text, s] : salts_)
        if (text == keyText) {
            salt = s;
            found = true;
            break;
        }
    if (!found) {
        randombytes_buf(salt.data(), salt.size());
        salts_.emplace_back(keyText, salt);
    }
    const Key& key = derive(keyText, salt);

    const QByteArray plain = Text.toUtf8();
    std::vector<uint8_t> box(1 + SaltBytes + NonceBytes + plain.size() + TagBytes);
    box[0] = Version;
    std::copy(salt.begin(), salt.end(), box.begin() + 1);
    uint8_t* nonce = box.data() + 1 + SaltBytes;
    randombytes_buf(nonce, NonceBytes);
    unsigned long long sealed = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        nonce + NonceBytes, &sealed, reinterpret_cast<const unsigned char*>(plain.constData()),
        static_cast<unsigned long long>(plain.size()), box.data(), 1, nullptr, nonce, key.data());

    std::vector<char> text(sodium_base64_encoded_len(box.size(), sodium_base64_VARIANT_ORIGINAL));
    sodium_bin2base64(text.data(), text.size(), box.data(), box.size(), sodium_base64_VARIANT_ORIGINAL);
    return QString::fromLatin1(text.data());
}

QString EncryptionImpl::DecryptString(const QString& CipherText, const QString& KeyText)
{
    ensureSodium();
    const QByteArray keyText = keyTextFor(KeyText);
    const QString notCipher = QStringLiteral("The text is not cipher text of this program");
    const QString damaged =
        QStringLiteral("The cipher text was changed or cut, or was made with another key");

    // Base64 is plain ASCII; anything else cannot be ours.
    for (QChar c : CipherText)
        if (c.unicode() > 0x7F)
            fail(notCipher);
    const QByteArray ascii = CipherText.toLatin1();
    std::vector<uint8_t> box(ascii.size() / 4 * 3 + 3);
    size_t length = 0;
    const char* end = nullptr;
    if (sodium_base642bin(box.data(), box.size(), ascii.constData(), static_cast<size_t>(ascii.size()),
                          " \t\r\n", &length, &end, sodium_base64_VARIANT_ORIGINAL) != 0 ||
        end != ascii.constData() + ascii.size())
        fail(notCipher);
    if (length < 1 + SaltBytes + NonceBytes + TagBytes)
        fail(length == 0 ? notCipher : damaged);
    if (box[0] != Version)
        fail(notCipher);

    Salt salt;
    std::copy(box.begin() + 1, box.begin() + 1 + SaltBytes, salt.begin());
    const Key& key = derive(keyText, salt);
    const uint8_t* nonce = box.data() + 1 + SaltBytes;
    const uint8_t* sealed = nonce + NonceBytes;
    const size_t sealedLength = length - 1 - SaltBytes - NonceBytes;

    QByteArray plain(static_cast<qsizetype>(sealedLength - TagBytes), Qt::Uninitialized);
    unsigned long long plainLength = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char*>(plain.data()),
                                                   &plainLength, nullptr, sealed, sealedLength,
                                                   box.data(), 1, nonce, key.data()) != 0)
        fail(damaged);
    plain.truncate(static_cast<qsizetype>(plainLength));
    // Our own encryption only seals UTF-8; anything else is refused too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString result = utf8.decode(plain);
    if (utf8.hasError())
        fail(damaged);
    return result;
}

} // namespace zg
