// The drawing surface on a 32-bit QImage, with a device context (hDC) around
// that image so that brushes and fonts selected through the desktop calls
// take part in its drawing.
#pragma once
#include "ZorvaneGhostCanvas.h"

#include <QImage>

namespace zg {

class GhostCanvas : public ZorvaneGhostCanvas {
public:
    GhostCanvas();
    ~GhostCanvas() override;
    GhostCanvas(const GhostCanvas&) = delete;
    GhostCanvas& operator=(const GhostCanvas&) = delete;

    void InitFlag(bool Prepared) override;
    plat::Colour BackColor() const override { return back_; }
    void setBackColor(plat::Colour Colour) override;
    plat::FontPtr Font() const override { return font_; }
    void setFont(const plat::FontPtr& NewFont) override;
    int32_t Width() const override { return image_.width(); }
    int32_t Height() const override { return image_.height(); }
    int64_t hDC() const override { return dc_; }
    QString FontName() const override { return font_->Name(); }
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
    plat::Colour ForeColor() const override { return fore_; }
    void setForeColor(plat::Colour Colour) override;
    int16_t FontSize() const override;
    int32_t Point(double X, double Y) const override;
    void Cls() override;
    void InitSurface(bool Prepared) override;
    int32_t DrawSetting() const override { return drawMode_; }
    void setDrawSetting(int32_t Setting) override;
    void SetBrush(int64_t Brush) override;
    void RestoreBrush() override;
    double CurrentX() const override { return curX_; }
    void setCurrentX(double X) override { curX_ = X; }
    double CurrentY() const override { return curY_; }
    void setCurrentY(double Y) override { curY_ = Y; }
    void PrintText(const QString& Text) override;

private:
    struct Blit;
    void clearToBack();
    void plot(int x, int y, uint32_t rgb);
    uint32_t penOf(std::optional<plat::Colour> c) const;
    bool prepareBlit(const plat::PicturePtr& pic, double x, double y, double w, double h, double sx, double sy,
                     double sw, double sh, Blit& b);
    template <class F>
    void runBlit(const Blit& b, F&& pixel);

    QImage image_;
    int64_t dc_ = 0;
    plat::FontPtr font_;
    plat::Colour back_ = 0xFFFFFF;
    plat::Colour fore_ = 0;
    int32_t drawMode_ = 13;
    double curX_ = 0;
    double curY_ = 0;
    bool prepared_ = false;
    bool drawnOn_ = false; // something drawn since the surface was last blank
    // While nothing is drawn: the one colour (0x00RRGGBB) the whole surface
    // holds, or NoColour when that is not known.
    static constexpr uint32_t NoColour = 0xFFFFFFFFu;
    uint32_t blankRgb_ = NoColour;
    bool brushSet_ = false;
    int64_t savedBrush_ = 0;
};

// Registers the surface's factory with the library's accessors.
void registerGhostCanvas();

} // namespace zg
