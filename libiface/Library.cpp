#include "Library.h"

#include "Error.h"
#include "ZorvaneData.h"
#include "ZorvaneEncryption.h"
#include "ZorvaneIcons.h"
#include "ZorvaneFilesAndFolders.h"
#include "ZorvaneFormFunctions.h"
#include "ZorvaneGhostCanvas.h"
#include "ZorvaneMiscellaneous.h"
#include "ZorvaneMultimedia.h"
#include "ZorvaneNumbers.h"
#include "ZorvaneStrings.h"
#include "ZorvaneSystem.h"

#include <map>
#include <mutex>
#include <string>

namespace zg {

namespace {

struct Slot {
    AnyFactory factory;     // registered by the library
    AnyFactory testFactory; // installed by a test; wins over `factory`
    std::shared_ptr<void> instance;
};

struct Registry {
    std::mutex mutex;
    std::map<std::string, Slot> byName;
};

// Never destroyed: shared instances live until the process ends, and their
// destructors must not run after the application object is gone.
Registry& registry()
{
    static Registry* r = new Registry;
    return *r;
}

[[noreturn]] void cannotCreate(const char* className)
{
    plat::raise(429, QString::fromLatin1(className), QStringLiteral("Can't create object"));
}

// The factory to use for a class, or an empty one.
AnyFactory factoryOf(const char* className)
{
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.byName.find(className);
    if (it == r.byName.end())
        return {};
    return it->second.testFactory ? it->second.testFactory : it->second.factory;
}

// Runs a factory outside the lock: a class's constructor may itself reach
// other shared instances.
std::shared_ptr<void> make(const char* className)
{
    AnyFactory f = factoryOf(className);
    if (!f)
        cannotCreate(className);
    std::shared_ptr<void> p = f();
    if (!p)
        cannotCreate(className);
    return p;
}

} // namespace

void registerFactory(const char* className, AnyFactory f)
{
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.byName[className].factory = std::move(f);
}

namespace detail {

std::shared_ptr<void> sharedInstance(const char* className)
{
    auto& r = registry();
    {
        std::lock_guard lock(r.mutex);
        auto it = r.byName.find(className);
        if (it != r.byName.end() && it->second.instance)
            return it->second.instance;
    }
    std::shared_ptr<void> made = make(className);
    std::lock_guard lock(r.mutex);
    Slot& slot = r.byName[className];
    // A nested first use may have made one meanwhile; the first one stays.
    if (!slot.instance)
        slot.instance = std::move(made);
    return slot.instance;
}

void setSharedInstance(const char* className, std::shared_ptr<void> instance)
{
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.byName[className].instance = std::move(instance);
}

std::shared_ptr<void> newInstance(const char* className)
{
    return make(className);
}

void setTestFactory(const char* className, AnyFactory f)
{
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.byName[className].testFactory = std::move(f);
}

} // namespace detail

void resetForTests()
{
    auto& r = registry();
    std::map<std::string, std::shared_ptr<void>> released;
    {
        std::lock_guard lock(r.mutex);
        for (auto& [name, slot] : r.byName) {
            released[name] = std::move(slot.instance);
            slot.instance.reset();
            slot.testFactory = nullptr;
        }
    }
    // `released` goes out of scope here, outside the lock.
}

std::shared_ptr<ZorvaneSystem> System() { return shared<ZorvaneSystem>(); }
std::shared_ptr<ZorvaneNumbers> Numbers() { return shared<ZorvaneNumbers>(); }
std::shared_ptr<ZorvaneStrings> Strings() { return shared<ZorvaneStrings>(); }
std::shared_ptr<ZorvaneMiscellaneous> Miscellaneous() { return shared<ZorvaneMiscellaneous>(); }
std::shared_ptr<ZorvaneData> Data() { return shared<ZorvaneData>(); }
std::shared_ptr<ZorvaneMultimedia> Multimedia() { return shared<ZorvaneMultimedia>(); }
std::shared_ptr<ZorvaneFilesAndFolders> FilesAndFolders() { return shared<ZorvaneFilesAndFolders>(); }
std::shared_ptr<ZorvaneFormFunctions> FormFunctions() { return shared<ZorvaneFormFunctions>(); }
std::shared_ptr<ZorvaneGhostCanvas> NewGhostCanvas() { return createNew<ZorvaneGhostCanvas>(); }
std::shared_ptr<ZorvaneIcons> NewIcons() { return createNew<ZorvaneIcons>(); }
std::shared_ptr<ZorvaneEncryption> NewEncryption() { return createNew<ZorvaneEncryption>(); }

} // namespace zg
