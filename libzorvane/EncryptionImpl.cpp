#include "EncryptionImpl.h"

#include "Base64.h"
#include "Error.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>
#include <memory>
#include <sodium.h>

namespace zg {

namespace {

const QString kSource = QStringLiteral("ZorvaneEncryption");

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

// The place (from 1) of the first half of a surrogate pair that stands
// alone, or 0.
qsizetype loneSurrogateAt(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return i + 1;
    }
    return 0;
}

[[noreturn]] void notWholeCharacters(const QString& what, QStringView text)
{
    fail(QStringLiteral("The %1 cannot be encrypted unchanged: character %2 is half of a UTF-16 surrogate pair, "
                        "which is no character of its own")
             .arg(what)
             .arg(loneSurrogateAt(text)));
}

// Wipes a text this object alone holds; one that is shared belongs to its
// other holders too, and a literal cannot be written. Not libsodium's own
// wipe, so that setting a key does not start the cryptographic library.
void wipe(QString& text)
{
    if (!text.isEmpty() && text.isDetached())
        explicit_bzero(text.data(), size_t(text.size()) * sizeof(QChar));
    text.clear();
}

// Wipes bytes that hold a plain text on every way out of a scope, an
// error's included, unless they were sealed where they lie meanwhile.
class PlainBytes {
public:
    PlainBytes(uint8_t* bytes, size_t length) : bytes_(bytes), length_(length) {}
    ~PlainBytes()
    {
        if (bytes_)
            sodium_memzero(bytes_, length_);
    }
    PlainBytes(const PlainBytes&) = delete;
    PlainBytes& operator=(const PlainBytes&) = delete;
    void sealed() { bytes_ = nullptr; }

private:
    uint8_t* bytes_;
    size_t length_;
};

} // namespace

EncryptionImpl::SecretBytes::SecretBytes(size_t size) : data_(static_cast<uint8_t*>(sodium_malloc(size)))
{
    if (!data_)
        plat::raise(plat::err::OutOfMemory, kSource);
}

EncryptionImpl::SecretBytes::SecretBytes(SecretBytes&& other) noexcept : data_(std::exchange(other.data_, nullptr))
{
}

EncryptionImpl::SecretBytes& EncryptionImpl::SecretBytes::operator=(SecretBytes&& other) noexcept
{
    std::swap(data_, other.data_);
    return *this;
}

EncryptionImpl::SecretBytes::~SecretBytes()
{
    // sodium_free wipes the bytes before it gives the pages back.
    if (data_)
        sodium_free(data_);
}

bool EncryptionImpl::Derived::holds(QStringView keyText) const
{
    return size_t(keyText.size()) == keyTextUnits &&
           sodium_memcmp(secret.data() + KeyBytes, keyText.utf16(), keyTextUnits * sizeof(char16_t)) == 0;
}

EncryptionImpl::EncryptionImpl() = default;

EncryptionImpl::~EncryptionImpl() { wipe(key_); }

void EncryptionImpl::setEncryptionKey(const QString& Key)
{
    if (Key == key_)
        return;
    wipe(key_);
    // A copy of its own, so that the object can wipe it when it lets it go.
    key_ = Key;
    key_.detach();
}

QStringView EncryptionImpl::keyTextFor(const QString& Key) const
{
    const QString& text = Key.isEmpty() ? key_ : Key;
    if (text.isEmpty())
        fail(QStringLiteral("No encryption key: set EncryptionKey to a key text first"));
    return text;
}

const EncryptionImpl::Derived& EncryptionImpl::derive(QStringView keyText, const Salt* salt)
{
    for (auto it = cache_.begin(); it != cache_.end(); ++it) {
        if ((salt ? it->salt == *salt : it->forNewMessages) && it->holds(keyText)) {
            std::rotate(it, it + 1, cache_.end());
            return cache_.back();
        }
    }

    // The key is derived from the key text's UTF-8.
    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const SecretBytes utf8(size_t(toUtf8.requiredSpace(keyText.size())) + 1);
    const char* const end = toUtf8.appendToBuffer(reinterpret_cast<char*>(utf8.data()), keyText);
    if (toUtf8.hasError())
        notWholeCharacters(QStringLiteral("key text"), keyText);

    const size_t units = size_t(keyText.size());
    Derived d{SecretBytes(KeyBytes + units * sizeof(char16_t)), units, {}, salt == nullptr};
    if (salt)
        d.salt = *salt;
    else
        randombytes_buf(d.salt.data(), d.salt.size());
    std::memcpy(d.secret.data() + KeyBytes, keyText.utf16(), units * sizeof(char16_t));
    if (crypto_pwhash(d.secret.data(), KeyBytes, reinterpret_cast<const char*>(utf8.data()),
                      static_cast<unsigned long long>(end - reinterpret_cast<const char*>(utf8.data())),
                      d.salt.data(), crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                      crypto_pwhash_ALG_ARGON2ID13) != 0)
        plat::raise(plat::err::OutOfMemory, kSource);
    ++derivations_;
    // The key used longest ago goes, its key text wiped with it.
    if (cache_.size() >= CacheSize)
        cache_.erase(cache_.begin());
    cache_.push_back(std::move(d));
    return cache_.back();
}

QString EncryptionImpl::EncryptString(const QString& Text, const QString& KeyText)
{
    ensureSodium();
    const QStringView keyText = keyTextFor(KeyText);

    // The text's UTF-8 goes straight behind the header and is sealed where
    // it lies; the box is then written out as Base64. A text that cannot
    // be encrypted unchanged is refused before a key is derived for it.
    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const size_t room = HeaderBytes + size_t(toUtf8.requiredSpace(Text.size())) + TagBytes;
    const auto box = std::make_unique_for_overwrite<uint8_t[]>(room);
    uint8_t* const plain = box.get() + HeaderBytes;
    const auto plainLength = size_t(toUtf8.appendToBuffer(reinterpret_cast<char*>(plain), Text) -
                                    reinterpret_cast<char*>(plain));
    PlainBytes unsealed(plain, plainLength);
    if (toUtf8.hasError())
        notWholeCharacters(QStringLiteral("text"), Text);

    const Derived& key = derive(keyText, nullptr);
    box[0] = Version;
    std::copy(key.salt.begin(), key.salt.end(), box.get() + 1);
    uint8_t* const nonce = box.get() + 1 + SaltBytes;
    randombytes_buf(nonce, NonceBytes);
    if (crypto_aead_xchacha20poly1305_ietf_encrypt(plain, nullptr, plain, plainLength, box.get(), 1, nullptr,
                                                   nonce, key.key())
        != 0)
        fail(QStringLiteral("The cryptographic library could not encrypt the text"));
    unsealed.sealed();

    const size_t boxLength = HeaderBytes + plainLength + TagBytes;
    QString cipherText(qsizetype(base64::encodedLength(boxLength)), Qt::Uninitialized);
    base64::encode(box.get(), boxLength, reinterpret_cast<char16_t*>(cipherText.data()));
    return cipherText;
}

QString EncryptionImpl::DecryptString(const QString& CipherText, const QString& KeyText)
{
    ensureSodium();
    const QStringView keyText = keyTextFor(KeyText);
    const QString notCipher = QStringLiteral("The text is not cipher text of this program");
    const QString damaged =
        QStringLiteral("The cipher text was changed or cut, or was made with another key");

    const auto box = std::make_unique_for_overwrite<uint8_t[]>(base64::maxDecodedLength(CipherText.size()) + 1);
    const qsizetype decoded = base64::decode(CipherText, box.get());
    if (decoded < 0)
        fail(notCipher);
    const auto length = size_t(decoded);
    if (length < HeaderBytes + TagBytes)
        fail(length == 0 ? notCipher : damaged);
    if (box[0] != Version)
        fail(notCipher);

    Salt salt;
    std::copy(box.get() + 1, box.get() + 1 + SaltBytes, salt.begin());
    const Derived& key = derive(keyText, &salt);
    const uint8_t* const nonce = box.get() + 1 + SaltBytes;
    uint8_t* const sealed = box.get() + HeaderBytes;
    unsigned long long plainLength = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(sealed, &plainLength, nullptr, sealed, length - HeaderBytes,
                                                   box.get(), 1, nonce, key.key()) != 0)
        fail(damaged);
    PlainBytes opened(sealed, size_t(plainLength));

    // Our own encryption only seals UTF-8; anything else is refused too. A
    // byte order mark at the start is a character of the text like any other.
    QStringDecoder fromUtf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = fromUtf8.decode(QByteArrayView(sealed, qsizetype(plainLength)));
    if (fromUtf8.hasError())
        fail(QStringLiteral("The sealed bytes are not UTF-8 text: the cipher text was not made by this program"));
    return text;
}

} // namespace zg
