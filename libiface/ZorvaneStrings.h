// String functions of the utility library: searches and cuts of text, line
// separators, and text laid out onto a drawing surface.
//
// Positions are 1-based, as the system counts characters. The members that
// draw take the surface by reference and hand back in it the surface the
// caller goes on with (the same object).
#pragma once
#include "Variant.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneGhostCanvas;

class ZorvaneStrings {
public:
    static constexpr const char* ClassId = "{7EC6595D-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{A1F5606B-6351-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneStrings";

    // Horizontal alignment codes of the text members.
    enum Alignment : int32_t { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

    virtual ~ZorvaneStrings() = default;

    // Position of the last occurrence of Find that starts at or before
    // Start; 0 when there is none. A negative Start (the default) searches
    // the whole text, a Start past the end counts as the end, a Start of 0
    // finds nothing. An empty Find gives 0. Case-sensitive.
    virtual int32_t InStrReverse(const QString& Text, const QString& Find, int32_t Start = -1) = 0;

    // The text after its first Count characters: the whole text for a
    // Count of 0 or less, "" for a Count at or past the length.
    virtual QString TextAfter(const QString& Text, int32_t Count) = 0;

    // The first Count characters: "" for 0 or less, the whole text for a
    // Count at or past the length.
    virtual QString LeftOf(const QString& Text, int32_t Count) = 0;

    // How often the listed strings occur in the text, summed; occurrences
    // of one string do not overlap. Empty strings in the list count nothing.
    virtual int32_t CountOccurrences(const QString& Text, const QStringList& Find) = 0;

    // The text without the Count characters that start at position Start.
    // Only the part of that range inside the text is removed, so a Start
    // past the end or a Count of 0 or less leaves the text unchanged.
    virtual QString RemoveChars(const QString& Text, int32_t Start, int32_t Count) = 0;

    // Part 1: the text before the first Delimiter (the whole text when it
    // has none); part 2: the text after it ("" when it has none). Any other
    // part, or an empty Delimiter, raises error 5.
    virtual QString SplitAtDelimiter(const QString& Text, const QString& Delimiter, int32_t Part) = 0;

    // Position of the first Find at or after Start that does not lie inside
    // an occurrence of one of the Excluding strings (scanning left to right,
    // an excluded string is skipped whole); 0 when there is none. A Start
    // below 1 raises error 5.
    virtual int32_t InStrExcluding(const QString& Text, const QString& Find, const QStringList& Excluding,
                                   int32_t Start = 1) = 0;

    // Count line separators (carriage return and line feed); Count below 0
    // raises error 5.
    virtual QString NewLine(int16_t Count = 1) = 0;
    virtual QString LineBreaks(int16_t Count = 1) = 0;

    // Text drawn in the box (X, Y, Width, Height) of the surface in its
    // ForeColor and Font: words wrap at the box's width, lines are aligned by
    // Alignment, the block starts at the box's top. A single "&" marks the
    // next character as an access key (underlined) and "&&" shows one "&".
    // RightToLeft is accepted from callers that pass their control's
    // setting; text keeps its own reading order. The last value is kept for
    // the call's shape and changes nothing.
    virtual void DrawTextOnCanvas(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const QString& Text, float X, float Y,
                                  float Width, float Height, int32_t Alignment = AlignLeft, bool RightToLeft = false,
                                  bool Reserved = false) = 0;

    // Lays the text out as DrawTextOnCanvas would and writes the size of
    // the laid-out block back into Width and Height; draws it only when
    // Draw is True.
    virtual void DrawTextOnCanvasEx(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const QString& Text, float X,
                                    float Y, float& Width, float& Height, int32_t Alignment = AlignLeft,
                                    bool RightToLeft = false, bool Draw = true) = 0;

    // Text in the box in the surface's ForeColor with the font selected into
    // the surface's device context. SingleLine keeps it on one line,
    // otherwise words wrap at the box's width. Without ClipToBox the text
    // starts at the box's top and may run past its edges. With ClipToBox it
    // is cut to the box and placed in it: text that leaves a whole line or
    // more of the box empty sits against the box's bottom edge, text that
    // leaves less at its top, and text taller than the box shows the whole
    // lines that fit, from the first (never a line cut through, unless the
    // box is lower than one line). When the selected font is rotated the box turns
    // with it about its top-left corner (a font turned 90 degrees runs
    // upward from (Left, Top), its box lying above that point). The two
    // trailing values are kept for the call's shape and must be 0.
    virtual void DrawTextAligned(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const QString& Text, float Left,
                                 float Top, float Width, float Height, int32_t Alignment = AlignLeft,
                                 bool RightToLeft = false, bool ClipToBox = true, bool SingleLine = false,
                                 int32_t Reserved1 = 0, int32_t Reserved2 = 0) = 0;

    // The text (the Variant's text) widened to Width characters with "0"s in
    // front, as addresses and other digit strings read: "10000" becomes
    // "00010000" at 8. A longer text stays whole; a Width below 0 raises
    // error 5.
    virtual QString PadToWidth(const plat::Variant& Text, int16_t Width) = 0;
};

} // namespace zg
