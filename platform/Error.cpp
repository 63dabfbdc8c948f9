#include "Error.h"

#include <map>

namespace plat {

QString standardDescription(int32_t number)
{
    static const std::map<int32_t, const char*> texts = {
        {3, "Return without GoSub"},
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {7, "Out of memory"},
        {9, "Subscript out of range"},
        {11, "Division by zero"},
        {13, "Type mismatch"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {68, "Device unavailable"},
        {70, "Permission denied"},
        {75, "Path/File access error"},
        {76, "Path not found"},
        {91, "Object variable or With block variable not set"},
        {94, "Invalid use of Null"},
        {326, "Resource with identifier not found"},
        {380, "Invalid property value"},
        {381, "Invalid property array index"},
        {382, "Property cannot be set at run time"},
        {383, "Property is read-only"},
        {424, "Object required"},
        {438, "Object doesn't support this property or method"},
        {448, "Named argument not found"},
        {449, "Argument not optional"},
        {457, "This key is already associated with an element of this collection"},
        {481, "Invalid picture"},
    };
    auto it = texts.find(number);
    return it == texts.end() ? QStringLiteral("Application-defined or object-defined error")
                             : QString::fromLatin1(it->second);
}

RuntimeError::RuntimeError(ErrorInfo info) : info_(std::move(info))
{
    what_ = "Run-time error " + std::to_string(info_.number) + ": " + info_.description.toStdString();
}

void raise(int32_t number, const QString& source, const QString& description, const QString& helpFile,
           int32_t helpContext)
{
    ErrorInfo info;
    info.number = number;
    info.source = source;
    info.description = description.isEmpty() ? standardDescription(number) : description;
    info.helpFile = helpFile;
    info.helpContext = helpContext;
    throw RuntimeError(std::move(info));
}

void raise(const ErrorInfo& info)
{
    throw RuntimeError(info);
}

namespace {
ErrorInfo& lastError()
{
    static ErrorInfo e;
    return e;
}
} // namespace

const ErrorInfo& Err::last() { return lastError(); }
void Err::set(const ErrorInfo& info) { lastError() = info; }
void Err::clear() { lastError() = ErrorInfo{}; }

} // namespace plat
