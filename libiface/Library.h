// How the system reaches the utility library's objects: one process-wide
// instance per class, made on first use through a factory registered by
// class name, and new objects for classes made per use (drawing surfaces).
// Tests replace instances or factories with fakes before or after first use.
#pragma once
#include <functional>
#include <memory>

namespace zg {

class ZorvaneGhostCanvas;
class ZorvaneSystem;
class ZorvaneNumbers;
class ZorvaneStrings;
class ZorvaneMiscellaneous;
class ZorvaneData;
class ZorvaneMultimedia;
class ZorvaneFilesAndFolders;
class ZorvaneFormFunctions;
class ZorvaneIcons;
class ZorvaneEncryption;

// Factories by class name; libzorvane registers the real ones. A factory
// returns a pointer to the interface object (the interface type converted to
// void), never to the implementation type.
using AnyFactory = std::function<std::shared_ptr<void>()>;
void registerFactory(const char* className, AnyFactory f);

// Registers Impl as the maker of interface I (the conversion to I happens
// before the pointer loses its type).
template <class I, class Impl>
void registerClass()
{
    registerFactory(I::ClassName, [] { return std::shared_ptr<void>(std::shared_ptr<I>(std::make_shared<Impl>())); });
}

namespace detail {
std::shared_ptr<void> sharedInstance(const char* className);
void setSharedInstance(const char* className, std::shared_ptr<void> instance);
std::shared_ptr<void> newInstance(const char* className);
void setTestFactory(const char* className, AnyFactory f);
} // namespace detail

// The process-wide instance of I, made on first use through its factory
// (or the fake installed before), alive until the process ends. Raises
// error 429 "Can't create object" when no factory is registered.
template <class I>
std::shared_ptr<I> shared()
{
    return std::static_pointer_cast<I>(detail::sharedInstance(I::ClassName));
}

// Tests: replace the shared instance (before or after first use).
template <class I>
void installShared(std::shared_ptr<I> fake)
{
    detail::setSharedInstance(I::ClassName, std::shared_ptr<void>(std::move(fake)));
}

// A new object of I (drawing surfaces: a new one per paint). Raises 429
// when no factory is registered.
template <class I>
std::shared_ptr<I> createNew()
{
    return std::static_pointer_cast<I>(detail::newInstance(I::ClassName));
}

// Tests: replace the factory of I (for example with a recording canvas).
// It also serves shared<I>() when no shared instance exists yet.
template <class I>
void installFactory(std::function<std::shared_ptr<I>()> f)
{
    if (!f) {
        detail::setTestFactory(I::ClassName, nullptr);
        return;
    }
    detail::setTestFactory(I::ClassName, [f = std::move(f)] { return std::shared_ptr<void>(f()); });
}

// Forgets shared instances and installed fakes; registered factories stay.
void resetForTests();

// Short accessors used by the system's code.
std::shared_ptr<ZorvaneSystem> System();
std::shared_ptr<ZorvaneNumbers> Numbers();
std::shared_ptr<ZorvaneStrings> Strings();
std::shared_ptr<ZorvaneMiscellaneous> Miscellaneous();
std::shared_ptr<ZorvaneData> Data();
std::shared_ptr<ZorvaneMultimedia> Multimedia();
std::shared_ptr<ZorvaneFilesAndFolders> FilesAndFolders();
std::shared_ptr<ZorvaneFormFunctions> FormFunctions();
std::shared_ptr<ZorvaneGhostCanvas> NewGhostCanvas();
// Objects a form makes for itself when it loads and releases when it unloads.
std::shared_ptr<ZorvaneIcons> NewIcons();
std::shared_ptr<ZorvaneEncryption> NewEncryption();

} // namespace zg
