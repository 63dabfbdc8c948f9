// Small helpers of the list bar's layout and painting: rounding as the
// control computes geometry, checked access to objects that may be missing,
// and a guard that runs on every way out of a scope.
#pragma once
#include "Error.h"
#include "Numbers.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

namespace listbar::paint {

// The sample text whose height gives a line of caption text.
inline const char* const SampleText = "ABCjgpq`,/|";

// A value stored into a whole-number field: nearest, halves to even; a value
// outside 32 bits raises the overflow error.
inline int32_t N(double v) { return plat::CLng(v); }

// The largest whole number not above v, as a 32-bit value.
inline int32_t Int(double v) { return plat::CLng(std::floor(v)); }

// The object behind a reference, or the runtime's "object not set" error
// when there is none (so that a statement using it is skipped).
template <class T>
T& deref(const std::shared_ptr<T>& p)
{
    if (!p)
        plat::raise(plat::err::ObjectNotSet);
    return *p;
}

// Runs a statement whose failure is skipped (errors ignored statement by
// statement).
template <class F>
bool stmt(F&& statement)
{
    return plat::tryStatement(std::forward<F>(statement));
}

template <class F>
class ScopeExit {
public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { f_(); }

private:
    F f_;
};

} // namespace listbar::paint
