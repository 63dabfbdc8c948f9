// Text encryption from libsodium: XChaCha20-Poly1305 with a key derived from
// the key text by Argon2id (interactive limits, so a click stays quick).
#pragma once
#include "ZorvaneEncryption.h"

#include <QStringView>
#include <array>
#include <cstdint>
#include <vector>

namespace zg {

class EncryptionImpl : public ZorvaneEncryption {
public:
    EncryptionImpl();
    ~EncryptionImpl() override;
    EncryptionImpl(const EncryptionImpl&) = delete;
    EncryptionImpl& operator=(const EncryptionImpl&) = delete;

    QString EncryptionKey() const override { return key_; }
    void setEncryptionKey(const QString& Key) override;
    // Refuses (error 5) a text that is not whole characters (half of a
    // surrogate pair), rather than encrypting a changed one.
    QString EncryptString(const QString& Text, const QString& Key = {}) override;
    // Refuses (error 5) sealed bytes that are no UTF-8 text too.
    QString DecryptString(const QString& CipherText, const QString& Key = {}) override;

    // Layout of the decoded cipher text: version, salt, nonce, sealed text.
    static constexpr uint8_t Version = 1;
    static constexpr size_t SaltBytes = 16;
    static constexpr size_t NonceBytes = 24;
    static constexpr size_t KeyBytes = 32;
    static constexpr size_t TagBytes = 16;
    static constexpr size_t HeaderBytes = 1 + SaltBytes + NonceBytes;

    // How many derived keys the object keeps, each with its key text: the
    // ones used last.
    static constexpr size_t CacheSize = 8;

    // How many key derivations this object has run.
    int derivations() const { return derivations_; }
    // How many key texts the object holds in its cache.
    int keyTextsHeld() const { return int(cache_.size()); }

private:
    using Salt = std::array<uint8_t, SaltBytes>;

    // Bytes in libsodium's guarded memory, kept out of swap where the
    // system allows and wiped when let go.
    class SecretBytes {
    public:
        explicit SecretBytes(size_t size);
        SecretBytes(SecretBytes&& other) noexcept;
        SecretBytes& operator=(SecretBytes&& other) noexcept;
        ~SecretBytes();
        uint8_t* data() const { return data_; }

    private:
        uint8_t* data_ = nullptr;
    };

    // A key derived from a key text with one salt. `forNewMessages` marks
    // the salt this object chose for its own messages with that key text,
    // so that repeated encryptions need one derivation.
    struct Derived {
        SecretBytes secret; // the key, then the key text's UTF-16 units
        size_t keyTextUnits;
        Salt salt;
        bool forNewMessages;
        const uint8_t* key() const { return secret.data(); }
        bool holds(QStringView keyText) const;
    };

    QStringView keyTextFor(const QString& Key) const;
    // The key for a key text and salt (nullptr: the salt of new messages),
    // from the cache or derived.
    const Derived& derive(QStringView keyText, const Salt* salt);

    QString key_;
    std::vector<Derived> cache_; // the one used last at the back
    int derivations_ = 0;
};

} // namespace zg
