// The run-time error object: number, source, description, help file, help
// context; raised as one exception type and kept in the process-wide Err.
#pragma once
#include <QString>
#include <cstdint>
#include <exception>
#include <string>

namespace plat {

struct ErrorInfo {
    int32_t number = 0;
    QString source;
    QString description;
    QString helpFile;
    int32_t helpContext = 0;
};

// Standard error numbers of the runtime.
namespace err {
constexpr int32_t InvalidCall = 5;        // "Invalid procedure call or argument"
constexpr int32_t Overflow = 6;           // "Overflow"
constexpr int32_t OutOfMemory = 7;        // "Out of memory"
constexpr int32_t SubscriptRange = 9;     // "Subscript out of range"
constexpr int32_t DivisionByZero = 11;    // "Division by zero"
constexpr int32_t TypeMismatch = 13;      // "Type mismatch"
constexpr int32_t FileNotFound = 53;      // "File not found"
constexpr int32_t DeviceUnavailable = 68; // "Device unavailable"
constexpr int32_t PathNotFound = 76;      // "Path not found"
constexpr int32_t ObjectRequired = 424;   // "Object required"
constexpr int32_t NotSupported = 438;     // "Object doesn't support this property or method"
constexpr int32_t DuplicateKey = 457;     // "This key is already associated with an element of this collection"
constexpr int32_t ObjectNotSet = 91;      // "Object variable or With block variable not set"
constexpr int32_t InvalidProperty = 380;  // "Invalid property value"
constexpr int32_t ResourceNotFound = 326; // "Resource with identifier '...' not found"
} // namespace err

// The runtime's text for a standard error number ("Application-defined or
// object-defined error" for numbers it does not know).
QString standardDescription(int32_t number);

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorInfo info);
    const ErrorInfo& info() const { return info_; }
    int32_t number() const { return info_.number; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    ErrorInfo info_;
    std::string what_;
};

// Raises an error. An empty description takes the standard text of the number.
[[noreturn]] void raise(int32_t number, const QString& source = {}, const QString& description = {},
                        const QString& helpFile = {}, int32_t helpContext = 0);
[[noreturn]] void raise(const ErrorInfo& info);

// The process-wide Err object (the UI thread's last trapped error).
class Err {
public:
    static const ErrorInfo& last();
    static int32_t number() { return last().number; }
    static void set(const ErrorInfo& info);
    static void clear();
};

// Errors ignored statement by statement: runs one statement that may fail.
// A RuntimeError it raises is recorded in Err and swallowed; the result says
// whether the statement completed. Only RuntimeError is trapped, so faults of
// our own (std::logic_error, crashes) are never hidden.
//   if (!plat::tryStatement([&]{ canvas->SetSize(w, h); })) { ... }
template <class F>
bool tryStatement(F&& statement)
{
    try {
        statement();
        return true;
    } catch (const RuntimeError& e) {
        Err::set(e.info());
        return false;
    }
}

// The same for a statement that is the test of a conditional: when the test
// fails, the guarded branch runs (the runtime's resume-next rule), so the
// result is `true` on failure.
template <class F>
bool tryCondition(F&& test)
{
    try {
        return static_cast<bool>(test());
    } catch (const RuntimeError& e) {
        Err::set(e.info());
        return true;
    }
}

} // namespace plat
