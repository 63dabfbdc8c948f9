// Text searches and cuts, line separators and text laid out on a drawing
// surface through its device context.
#pragma once
#include "ZorvaneStrings.h"

namespace zg {

class StringsImpl : public ZorvaneStrings {
public:
    int32_t InStrReverse(const QString& Text, const QString& Find, int32_t Start = -1) override;
    QString TextAfter(const QString& Text, int32_t Count) override;
    QString LeftOf(const QString& Text, int32_t Count) override;
    int32_t CountOccurrences(const QString& Text, const QStringList& Find) override;
    QString RemoveChars(const QString& Text, int32_t Start, int32_t Count) override;
    QString SplitAtDelimiter(const QString& Text, const QString& Delimiter, int32_t Part) override;
    int32_t InStrExcluding(const QString& Text, const QString& Find, const QStringList& Excluding,
                           int32_t Start = 1) override;
    QString NewLine(int16_t Count = 1) override;
    QString LineBreaks(int16_t Count = 1) override;
    void DrawTextOnCanvas(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const QString& Text, float X, float Y,
                          float Width, float Height, int32_t Alignment = AlignLeft, bool RightToLeft = false,
                          bool Reserved = false) override;
    void DrawTextOnCanvasEx(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const QString& Text, float X, float Y,
                            float& Width, float& Height, int32_t Alignment = AlignLeft, bool RightToLeft = false,
                            bool Draw = true) override;
    void DrawTextAligned(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const QString& Text, float Left, float Top,
                         float Width, float Height, int32_t Alignment = AlignLeft, bool RightToLeft = false,
                         bool ClipToBox = true, bool SingleLine = false, int32_t Reserved1 = 0,
                         int32_t Reserved2 = 0) override;
    QString PadToWidth(const plat::Variant& Text, int16_t Width) override;
};

} // namespace zg
