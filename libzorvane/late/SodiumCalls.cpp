// The cipher functions the encryption class calls, opened from libsodium at
// the first of them (LateLibrary.h).
#include "LateLibrary.h"

#include "Error.h"

#include <cerrno>
#include <cstring>
#include <sys/random.h>

// The header's functions are declared here as our own, hidden ones.
#define SODIUM_STATIC 1
#pragma GCC visibility push(hidden)
#include <sodium.h>
#pragma GCC visibility pop

extern "C" {

int sodium_init(void) { return ZG_LATE_CALL(Sodium, sodium_init, -1); }

// Keys are wiped even when the library never opened.
void sodium_memzero(void* const pnt, const size_t len)
{
    if (auto f = reinterpret_cast<decltype(&sodium_memzero)>(
            zg::late::symbol(zg::late::Library::Sodium, "sodium_memzero")))
        f(pnt, len);
    else
        explicit_bzero(pnt, len);
}

// Salts and nonces come from the kernel when the library is not there. A
// kernel that gives none raises the encryption's error rather than wait
// for ever.
void randombytes_buf(void* const buf, const size_t size)
{
    if (auto f = reinterpret_cast<decltype(&randombytes_buf)>(
            zg::late::symbol(zg::late::Library::Sodium, "randombytes_buf"))) {
        f(buf, size);
        return;
    }
    auto* p = static_cast<unsigned char*>(buf);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = getrandom(p + done, size - done, 0);
        if (n > 0)
            done += size_t(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            plat::raise(plat::err::InvalidCall, QStringLiteral("ZorvaneEncryption"),
                        QStringLiteral("The system gives no random bytes for a salt or nonce (%1)")
                            .arg(QString::fromLocal8Bit(n < 0 ? strerror(errno) : "no bytes")));
    }
}

// Derived keys are kept in the library's guarded memory.
void* sodium_malloc(const size_t size) { return ZG_LATE_CALL(Sodium, sodium_malloc, static_cast<void*>(nullptr), size); }

void sodium_free(void* ptr) { ZG_LATE_CALL_VOID(Sodium, sodium_free, ptr); }

int sodium_memcmp(const void* const b1_, const void* const b2_, size_t len)
{
    return ZG_LATE_CALL(Sodium, sodium_memcmp, -1, b1_, b2_, len);
}

int crypto_pwhash(unsigned char* const out, unsigned long long outlen, const char* const passwd,
                  unsigned long long passwdlen, const unsigned char* const salt, unsigned long long opslimit,
                  size_t memlimit, int alg)
{
    return ZG_LATE_CALL(Sodium, crypto_pwhash, -1, out, outlen, passwd, passwdlen, salt, opslimit, memlimit, alg);
}

int crypto_aead_xchacha20poly1305_ietf_encrypt(unsigned char* c, unsigned long long* clen_p, const unsigned char* m,
                                               unsigned long long mlen, const unsigned char* ad,
                                               unsigned long long adlen, const unsigned char* nsec,
                                               const unsigned char* npub, const unsigned char* k)
{
    return ZG_LATE_CALL(Sodium, crypto_aead_xchacha20poly1305_ietf_encrypt, -1, c, clen_p, m, mlen, ad, adlen, nsec,
                        npub, k);
}

int crypto_aead_xchacha20poly1305_ietf_decrypt(unsigned char* m, unsigned long long* mlen_p, unsigned char* nsec,
                                               const unsigned char* c, unsigned long long clen,
                                               const unsigned char* ad, unsigned long long adlen,
                                               const unsigned char* npub, const unsigned char* k)
{
    return ZG_LATE_CALL(Sodium, crypto_aead_xchacha20poly1305_ietf_decrypt, -1, m, mlen_p, nsec, c, clen, ad, adlen,
                        npub, k);
}

size_t sodium_base64_encoded_len(const size_t bin_len, const int variant)
{
    return ZG_LATE_CALL(Sodium, sodium_base64_encoded_len, size_t(0), bin_len, variant);
}

char* sodium_bin2base64(char* const b64, const size_t b64_maxlen, const unsigned char* const bin,
                        const size_t bin_len, const int variant)
{
    return ZG_LATE_CALL(Sodium, sodium_bin2base64, static_cast<char*>(nullptr), b64, b64_maxlen, bin, bin_len,
                        variant);
}

int sodium_base642bin(unsigned char* const bin, const size_t bin_maxlen, const char* const b64,
                      const size_t b64_len, const char* const ignore, size_t* const bin_len,
                      const char** const b64_end, const int variant)
{
    return ZG_LATE_CALL(Sodium, sodium_base642bin, -1, bin, bin_maxlen, b64, b64_len, ignore, bin_len, b64_end,
                        variant);
}

} // extern "C"
