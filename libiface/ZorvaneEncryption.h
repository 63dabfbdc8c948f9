// Text encryption with a key. A form makes its own object when it loads
// (zg::NewEncryption()) and releases it when it unloads.
//
// Our definition: authenticated encryption (XChaCha20-Poly1305) with a fresh
// random nonce for every message; the 256-bit key is derived from the key
// text with a memory-hard password hash and a random salt carried in the
// cipher text. The cipher text is printable Base64 on one line, so a text box
// holds it; decrypting gives back the exact characters (UTF-8, line breaks
// included). Nothing is ever returned from a cipher text that was changed,
// cut, made with another key or is no cipher text at all.
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneEncryption {
public:
    static constexpr const char* ClassId = "{87E7BDCB-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* InterfaceId = "{87E7BDCA-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneEncryption";

    virtual ~ZorvaneEncryption() = default;

    // The key text used by every later call that passes no key of its own.
    // Starts empty.
    virtual QString EncryptionKey() const = 0;
    virtual void setEncryptionKey(const QString& Key) = 0;

    // The cipher text of `Text` (any text, the empty one included). `Key`,
    // when not empty, is used for this call instead of EncryptionKey. Raises
    // error 5 "No encryption key" when both are empty, and error 5 for a
    // text or key that holds half of a UTF-16 surrogate pair alone (no
    // character, which UTF-8 cannot carry), rather than change it.
    virtual QString EncryptString(const QString& Text, const QString& Key = {}) = 0;

    // The plain text of a cipher text made by EncryptString with the same
    // key. Spaces and line breaks around or inside the cipher text are
    // ignored. Raises error 5 with a description saying so when no key is
    // set, and when the text is not cipher text, was changed or cut,
    // belongs to another key, or holds sealed bytes that are not UTF-8.
    virtual QString DecryptString(const QString& CipherText, const QString& Key = {}) = 0;
};

} // namespace zg
