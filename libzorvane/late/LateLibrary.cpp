#include "LateLibrary.h"

#include "LateSonames.h"

#include <array>
#include <dlfcn.h>
#include <mutex>

namespace zg::late {

namespace {

// The sonames come from the build, which reads them from the libraries it
// compiled against (libzorvane/CMakeLists.txt).
constexpr std::array<const char*, size_t(Library::Count)> kSonames = {
    ZG_SONAME_SODIUM, ZG_SONAME_BLKID, ZG_SONAME_XTST, ZG_SONAME_XFIXES,
    ZG_SONAME_XI,     ZG_SONAME_XRANDR, ZG_SONAME_VORBISFILE,
};

void* openLibrary(const char* soname) { return dlopen(soname, RTLD_NOW | RTLD_LOCAL); }

struct State {
    std::mutex mutex;
    Opener open = openLibrary;
    std::array<bool, size_t(Library::Count)> tried{};
    std::array<void*, size_t(Library::Count)> handles{};
};

// Never destroyed: forwarders may run from other objects' destructors at exit.
State& state()
{
    static State* s = new State;
    return *s;
}

} // namespace

void* symbol(Library library, const char* name)
{
    const size_t i = size_t(library);
    if (i >= kSonames.size())
        return nullptr;
    State& s = state();
    void* handle = nullptr;
    {
        std::lock_guard lock(s.mutex);
        if (!s.tried[i]) {
            s.tried[i] = true;
            s.handles[i] = s.open(kSonames[i]);
        }
        handle = s.handles[i];
    }
    return handle ? dlsym(handle, name) : nullptr;
}

bool isOpen(Library library)
{
    const size_t i = size_t(library);
    State& s = state();
    std::lock_guard lock(s.mutex);
    return i < kSonames.size() && s.handles[i];
}

void setOpenerForTests(Opener open)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.open = open ? open : openLibrary;
    s.tried = {};
    s.handles = {};
}

} // namespace zg::late
