// A cipher library that starts but cannot derive a key, opened by the
// encryption tests in place of libsodium. It keeps what it is asked to wipe.
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
std::string wiped;
}

extern "C" {
int sodium_init() { return 0; }
void* sodium_malloc(size_t size) { return std::malloc(size); }
void sodium_free(void* ptr) { std::free(ptr); }
void sodium_memzero(void* pnt, size_t len)
{
    wiped.append(static_cast<const char*>(pnt), len);
    std::memset(pnt, 0, len);
}
int crypto_pwhash(unsigned char*, unsigned long long, const char*, unsigned long long, const unsigned char*,
                  unsigned long long, size_t, int)
{
    return -1;
}
// Everything wiped so far, one block after the other.
const std::string* failing_sodium_wiped() { return &wiped; }
}
