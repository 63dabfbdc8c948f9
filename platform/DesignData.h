// A form's design: the form itself and its controls in creation order, kept
// as one JSON text per form (usually a Qt resource compiled into the program).
//
//   {
//     "form": {
//       "name": "frmMain", "caption": "Main",
//       "left": 0, "top": 0, "clientWidth": 9300, "clientHeight": 6300,   // twips
//       "backColor": "&H8000000F&",
//       "font": {"Name": "MS Sans Serif", "Size": 8.25},
//       "borderless": false,
//       "properties": {"StartUpPosition": 2}
//     },
//     "controls": [
//       {"name": "Frame1", "type": "Frame", "left": 120, "top": 120, "width": 3000, "height": 2000,
//        "properties": {"Caption": "Options"}},
//       {"name": "Option", "index": 0, "type": "CheckBox", "container": "Frame1",
//        "left": 120, "top": 240, "width": 1500, "height": 255,
//        "properties": {"Caption": "&First", "Value": 1}},
//       {"name": "NavButton", "index": 3, "type": "ZSButton", "left": 0, "top": 0,
//        "width": 1800, "height": 1035, "bag": [["ButtonStyle", 2], ["Caption", ""]]}
//     ]
//   }
//
// Values of "properties" and "bag" follow PropertyBag.h. Positions and sizes
// are twips (15 to a pixel). "container" names an earlier control, as "Name"
// or "Name(index)"; without it the control sits on the form.
#pragma once
#include "Colour.h"
#include "Font.h"
#include "PropertyBag.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace plat {

struct ControlDesign {
    QString name;
    int32_t index = -1; // position in a control array; -1 when not in one
    QString type;       // "Label", "TextBox", "CommandButton", "ZSButton", ...
    QString container;  // "" on the form; else "Name" or "Name(index)"
    int32_t left = 0, top = 0, width = 0, height = 0; // twips
    PropertyMap properties;
    bool hasBag = false; // user controls carry a property bag
    PropertyBag bag;

    bool isArrayMember() const { return index >= 0; }
    // "Name" or "Name(index)", the form "container" uses.
    QString fullName() const;
};

struct FormDesign {
    QString name;
    QString caption;
    int32_t left = 0, top = 0;                 // twips
    int32_t clientWidth = 0, clientHeight = 0; // twips, the inner area
    Colour backColor = 0x8000000Fu;
    FontPtr font; // never null after loading; "MS Sans Serif" 8.25 when not given
    bool borderless = false;
    PropertyMap properties; // every other form property
};

struct DesignData {
    QString source; // the path it was loaded from
    FormDesign form;
    std::vector<ControlDesign> controls; // creation order: containers before their contents

    // Loads a design from a resource path (":/forms/frmMain.json") or a file.
    // Raises RuntimeError 53 for a missing file and 31037 "Error loading from
    // file" for a malformed one, the description naming the file, the line
    // and column of a syntax error, or the control and property at fault.
    static DesignData load(const QString& resourceOrFilePath);
    // The same from JSON text; `sourceName` names it in errors.
    static DesignData parse(const QByteArray& json, const QString& sourceName);

    QByteArray toJson() const;
    // Writes toJson() to a file; raises 75 "Path/File access error" when it
    // cannot be written.
    void save(const QString& filePath) const;

    // The control of that name (and index, for array members), or nullptr.
    ControlDesign* find(const QString& name, int32_t index = -1);
    const ControlDesign* find(const QString& name, int32_t index = -1) const;
};

} // namespace plat
