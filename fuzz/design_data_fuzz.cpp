// A form's design data as the programs load it, its properties read as a
// form reads them into captions and numbers. A design either loads or
// raises a run-time error; one that loads saves, and the saved text loads
// again and saves to the very same text (nothing is lost in a round trip).
#include "FuzzSupport.h"

#include <DesignData.h>
#include <Error.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray json = zgfuzz::bytes(data, size);
    plat::DesignData first;
    try {
        first = plat::DesignData::parse(json, QStringLiteral("C:\\forms\\fuzz.json"));
    } catch (const plat::RuntimeError&) {
        return 0;
    }
    // Every property as a control reads it into a caption or a number.
    auto readAll = [](const plat::PropertyMap& properties) {
        for (const auto& entry : properties.entries()) {
            try {
                (void)entry.second.toString();
            } catch (const plat::RuntimeError&) {
            }
            try {
                (void)entry.second.toLong();
            } catch (const plat::RuntimeError&) {
            }
        }
    };
    readAll(first.form.properties);
    for (const plat::ControlDesign& c : first.controls) {
        ZG_FUZZ_CHECK(first.find(c.name, c.index) != nullptr, "a loaded control cannot be found by its name");
        readAll(c.properties);
        readAll(c.bag.values());
    }

    const QByteArray saved = first.toJson();
    plat::DesignData second;
    try {
        second = plat::DesignData::parse(saved, QStringLiteral("C:\\forms\\saved.json"));
    } catch (const plat::RuntimeError& e) {
        std::fprintf(stderr, "%s\n%s\n", saved.constData(), e.what());
        ZG_FUZZ_CHECK(false, "a saved design does not load again");
    }
    const QByteArray again = second.toJson();
    if (again != saved)
        std::fprintf(stderr, "first save:\n%s\nsecond save:\n%s\n", saved.constData(), again.constData());
    ZG_FUZZ_CHECK(again == saved, "a design changes on a load-save-load round trip");
    return 0;
}
