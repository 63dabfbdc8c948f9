// The number of the run-time error a statement raises, 0 when it raises none.
#pragma once
#include "Error.h"

#include <functional>

inline int raisedError(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const plat::RuntimeError& e) {
        return e.number();
    }
    return 0;
}
