// A cipher library that starts but cannot derive a key, opened by the
// encryption tests in place of libsodium. It keeps a copy of everything it
// is asked to wipe, so a test can tell whether a secret was wiped before
// its memory was given back.
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
char wiped[1 << 16];
size_t wipedLength = 0;
} // namespace

extern "C" {

int sodium_init() { return 0; }

void* sodium_malloc(size_t size) { return std::malloc(size); }

void sodium_free(void* ptr) { std::free(ptr); }

int sodium_memcmp(const void* a, const void* b, size_t len) { return std::memcmp(a, b, len) == 0 ? 0 : -1; }

void sodium_memzero(void* pnt, size_t len)
{
    const size_t keep = std::min(len, sizeof wiped - wipedLength);
    std::memcpy(wiped + wipedLength, pnt, keep);
    wipedLength += keep;
    std::memset(pnt, 0, len);
}

int crypto_pwhash(unsigned char*, unsigned long long, const char*, unsigned long long, const unsigned char*,
                  unsigned long long, size_t, int)
{
    return -1;
}

// Everything wiped so far, one block after the other.
const char* failing_sodium_wiped(size_t* length)
{
    *length = wipedLength;
    return wiped;
}

} // extern "C"
