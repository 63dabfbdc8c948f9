// A drawing surface for tests: writes every drawing call and every setting
// made on it as one line of text into a log, then passes the call on to a
// real surface (whose pixels the test can still read). Reads of properties
// are passed on without being logged.
//
// Lines look like "FillRect(0, 0, 10, 5, &H000000FF, True)": numbers as
// written by QString::number, colours as "&H" and eight hex digits, booleans
// "True"/"False", an omitted argument as "-", texts in double quotes and
// pictures as "Picture(WxH)" ("Nothing" for none).
#pragma once
#include "ZorvaneGhostCanvas.h"

#include <QStringList>
#include <memory>

namespace zg {

class RecordingCanvas : public ZorvaneGhostCanvas {
public:
    using Log = std::shared_ptr<QStringList>;

    explicit RecordingCanvas(std::shared_ptr<ZorvaneGhostCanvas> inner, Log log = std::make_shared<QStringList>());

    const Log& log() const { return log_; }
    ZorvaneGhostCanvas& inner() const { return *inner_; }
    // The logged lines that start with `name` followed by "(".
    QStringList calls(const QString& name) const;

    void InitFlag(bool Prepared) override;
    plat::Colour BackColor() const override;
    void setBackColor(plat::Colour Colour) override;
    plat::FontPtr Font() const override;
    void setFont(const plat::FontPtr& NewFont) override;
    int32_t Width() const override;
    int32_t Height() const override;
    int64_t hDC() const override;
    QString FontName() const override;
    double TextWidth(const QString& Text) override;
    double TextHeight(const QString& Text) override;
    void FillRect(double X1, double Y1, double X2, double Y2, std::optional<plat::Colour> Colour = std::nullopt,
                  bool Filled = true) override;
    void Line(double X1, double Y1, double X2, double Y2, std::optional<plat::Colour> Colour = std::nullopt) override;
    void PSet(double X, double Y, std::optional<plat::Colour> Colour = std::nullopt) override;
    void PaintPicture(const plat::PicturePtr& Picture, double X, double Y, double Width = 0, double Height = 0,
                      double SourceX = 0, double SourceY = 0, double SourceWidth = 0, double SourceHeight = 0,
                      int32_t RasterOp = 0xCC0020) override;
    void PaintPictureTransparent(const plat::PicturePtr& Picture, plat::Colour MaskColour, double X, double Y,
                                 double Width = 0, double Height = 0, int32_t Flags = 0) override;
    void PaintPictureEx(const plat::PicturePtr& Picture, plat::Colour KeyColour, double X, double Y, double Width,
                        double Height, bool FlagA, bool FlagB, plat::Colour NewColour, int32_t Mode) override;
    plat::PicturePtr GetPictureRegion(double X, double Y, double Width, double Height) override;
    void AlphaBlendPicture(const plat::PicturePtr& Picture, std::optional<plat::Colour> TransparentColour,
                           int16_t Level, double X = 0, double Y = 0, double Width = 0, double Height = 0,
                           uint8_t FullScale = 255, double SourceX = 0, double SourceY = 0) override;
    plat::PicturePtr Picture() const override;
    void setPicture(const plat::PicturePtr& NewPicture) override;
    void SetSize(double Width, double Height) override;
    plat::Colour ForeColor() const override;
    void setForeColor(plat::Colour Colour) override;
    int16_t FontSize() const override;
    int32_t Point(double X, double Y) const override;
    void Cls() override;
    void InitSurface(bool Prepared) override;
    int32_t DrawSetting() const override;
    void setDrawSetting(int32_t Setting) override;
    void SetBrush(int64_t Brush) override;
    void RestoreBrush() override;
    double CurrentX() const override;
    void setCurrentX(double X) override;
    double CurrentY() const override;
    void setCurrentY(double Y) override;
    void PrintText(const QString& Text) override;

private:
    void add(const QString& line) { log_->append(line); }

    std::shared_ptr<ZorvaneGhostCanvas> inner_;
    Log log_;
};

} // namespace zg
