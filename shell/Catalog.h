// The catalog of the main program: its two categories and twenty-three
// items, each with its key, demo program and description. Everything is
// fixed here; there is no catalog file.
#pragma once
#include <QString>
#include <cstdint>
#include <vector>

namespace shell::catalog {

struct Item {
    QString key; // the NavButton's Tag and the prefix of its picture names
    QString demoPath; // relative to the program folder, Windows-style
    QString description; // as assigned to the label ("&&" shows as "&")
};

struct Category {
    QString caption; // the list bar button's caption
    QString key; // "GBL" or "OBJ"
    int16_t imageCell; // the cell of the list bar's picture-clip strip
    QString description;
    std::vector<QString> itemKeys; // in NavButton order
};

// Every item, GBL items first, then OBJ items.
const std::vector<Item>& items();
// The item of that key (exact, case-sensitive), or nullptr.
const Item* findItem(const QString& key);

// The two categories in bar order.
const std::vector<Category>& categories();
const Category& globalFunctions();
const Category& objectsAndClasses();

// Start codes of the program-starting call that mean the start failed.
bool isStartFailure(int32_t code);

} // namespace shell::catalog
