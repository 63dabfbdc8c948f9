// The errors the list bar raises to its host. The object model's errors
// carry no help file or context; the control's own errors name the help
// file in the system directory with context 1000.
#pragma once
#include "Error.h"

#include <QString>
#include <cstdint>

namespace listbar {

constexpr int32_t ErrImageObject = 30093;       // an image given as an object
constexpr int32_t ErrImageListControl = 30094;  // ImageListControl names no image list
constexpr int32_t ListBarHelpContext = 1000;

// "ZSListBar LBButton objects do not support image objects.  <member>
// should always be an index or key." (two blanks after "objects.").
QString imageObjectDescription(const QString& member);

// Raises an error of the object model: source "ZorvaneListBar.<where>",
// for example "LBBars.Add"; no help file, no context.
[[noreturn]] void raiseModelError(int32_t number, const QString& where, const QString& description);

// Raises `error` again with its own number and description under the
// object model's source `where`, without help file or context.
[[noreturn]] void passOnModelError(const plat::ErrorInfo& error, const QString& where);

// Raises an error of the control's own member: source "ZSListBar.<member>",
// the help file in the system directory, context 1000.
[[noreturn]] void raiseControlError(int32_t number, const QString& member, const QString& description);

// The system directory ending in a backslash, or "" when the platform cannot
// give it (GetSystemDirectoryPath). `reported` is the path as the platform
// reports it; the overload without it asks the platform.
QString GetSystemDirectoryPath();
QString GetSystemDirectoryPath(const QString& reported);

// The help file of the control's errors: the system directory followed by
// "ZorvaneSG3.chm", or the bare name when the directory is unknown.
QString helpFilePath();
QString helpFilePath(const QString& reportedSystemDirectory);

} // namespace listbar
