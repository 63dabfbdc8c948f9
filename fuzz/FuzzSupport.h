// Helpers shared by the fuzz targets: the input as bytes or text, and a
// check that stops the run (and so fails CI) when a property that must hold
// for every input does not.
#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zgfuzz {

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QString text(const uint8_t* data, size_t size) { return QString::fromUtf8(bytes(data, size)); }

#define ZG_FUZZ_CHECK(condition, what)                                                                     \
    do {                                                                                                   \
        if (!(condition)) {                                                                                \
            std::fprintf(stderr, "fuzz check failed at %s:%d: %s\n", __FILE__, __LINE__, (what));          \
            std::abort();                                                                                  \
        }                                                                                                  \
    } while (0)

} // namespace zgfuzz
