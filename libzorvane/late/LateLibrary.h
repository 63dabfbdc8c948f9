// Outside libraries that only one class of the library needs (the cipher,
// the volume probe, the display server's extensions, the Ogg decoder) are
// not linked: every program would load them, and their dependencies, at its
// start whether it uses them or not. Instead each is opened by its soname at
// the first call that needs it, and the functions the library calls are
// defined in late/*Calls.cpp under their own names, with hidden visibility,
// as forwarders to what dlsym finds there. A library that cannot be opened
// (or lacks a function) makes each forwarder return that function's own
// failure value, so the caller's member fails as it would on any other
// failure of the call.
#pragma once

namespace zg::late {

enum class Library { Sodium, Blkid, XTest, XFixes, XInput, XRandR, VorbisFile, Count };

// The address of `name` in the library, opened at the first call; null
// when the library cannot be opened or has no such function.
void* symbol(Library library, const char* name);

// Whether the library has been opened in this process.
bool isOpen(Library library);

// Tests: from now on libraries are opened through `open` (null: dlopen with
// the soname); the ones opened so far are forgotten (never closed).
using Opener = void* (*)(const char* soname);
void setOpenerForTests(Opener open);

// call<decltype(&f)>(library, "f", failure, arguments...): f from the
// library applied to the arguments, or `failure` when it is not there.
template <class F, class R, class... A>
R call(Library library, const char* name, R failure, A... args)
{
    if (auto f = reinterpret_cast<F>(symbol(library, name)))
        return f(args...);
    return failure;
}

// The same for functions without a result: nothing happens without them.
template <class F, class... A>
void callVoid(Library library, const char* name, A... args)
{
    if (auto f = reinterpret_cast<F>(symbol(library, name)))
        f(args...);
}

} // namespace zg::late

// ZG_LATE_CALL(Library, function, failure, arguments...)
#define ZG_LATE_CALL(lib, fn, failure, ...)                                                                  \
    ::zg::late::call<decltype(&fn)>(::zg::late::Library::lib, #fn, failure __VA_OPT__(, ) __VA_ARGS__)
#define ZG_LATE_CALL_VOID(lib, fn, ...)                                                                      \
    ::zg::late::callVoid<decltype(&fn)>(::zg::late::Library::lib, #fn __VA_OPT__(, ) __VA_ARGS__)
