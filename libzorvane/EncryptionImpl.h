// Text encryption from libsodium: XChaCha20-Poly1305 with a key derived from
// the key text by Argon2id (interactive limits, so a click stays quick).
#pragma once
#include "ZorvaneEncryption.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

namespace zg {

class EncryptionImpl : public ZorvaneEncryption {
public:
    EncryptionImpl();
    ~EncryptionImpl() override;

    QString EncryptionKey() const override { return key_; }
    void setEncryptionKey(const QString& Key) override { key_ = Key; }
    QString EncryptString(const QString& Text, const QString& Key = {}) override;
    QString DecryptString(const QString& CipherText, const QString& Key = {}) override;

    // Layout of the decoded cipher text: version, salt, nonce, sealed text.
    static constexpr uint8_t Version = 1;
    static constexpr size_t SaltBytes = 16;
    static constexpr size_t NonceBytes = 24;
    static constexpr size_t KeyBytes = 32;
    static constexpr size_t TagBytes = 16;

    // How many key derivations this object has run (the cache keeps one per
    // key text and salt).
    int derivations() const { return derivations_; }

private:
    using Salt = std::array<uint8_t, SaltBytes>;
    using Key = std::array<uint8_t, KeyBytes>;
    struct Derived {
        QByteArray keyText;
        Salt salt;
        Key key;
    };

    QByteArray keyTextFor(const QString& Key) const;
    const Key& derive(const QByteArray& keyText, const Salt& salt);

    QString key_;
    std::vector<Derived> cache_;
    // The salt of new messages per key text, chosen once, so repeated
    // encryptions with one key need one derivation.
    std::vector<std::pair<QByteArray, Salt>> salts_;
    int derivations_ = 0;
};

} // namespace zg
