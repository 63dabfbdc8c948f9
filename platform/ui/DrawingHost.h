// The drawing members shared by forms and picture boxes: scale mode, the
// persistent drawing (back colour, Picture, lines, boxes, points, copied
// pictures), the current drawing position and text measuring.
#pragma once
#include "Colour.h"
#include "DrawingSurface.h"
#include "Font.h"
#include "Picture.h"

#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

namespace plat {

class DrawingHost {
public:
    virtual ~DrawingHost() = default;

    // 1 twips (the default), 3 pixels; 2 points, 5 inches, 6 millimetres,
    // 7 centimetres.
    int16_t ScaleMode() const { return scaleMode_; }
    void setScaleMode(int16_t mode);
    // The inner area in ScaleMode units.
    double ScaleWidth() const;
    double ScaleHeight() const;
    double ScaleX(double width, int16_t fromScale = 8, int16_t toScale = -1) const;
    double ScaleY(double height, int16_t fromScale = 8, int16_t toScale = -1) const;

    Colour BackColor() const { return surface_.backColor(); }
    // Clears the drawing, as the runtime does.
    void setBackColor(Colour c);
    Colour ForeColor() const { return foreColor_; }
    void setForeColor(Colour c) { foreColor_ = c; }
    FontPtr Font() const { return font_; }
    void setFont(const FontPtr& f);
    // An empty picture (Handle 0) when none is set.
    PicturePtr Picture() const { return surface_.picture() ? surface_.picture() : plat::Picture::empty(); }
    void setPicture(const PicturePtr& p);

    double CurrentX() const { return currentX_; }
    void setCurrentX(double v) { currentX_ = v; }
    double CurrentY() const { return currentY_; }
    void setCurrentY(double v) { currentY_ = v; }

    // Back colour and Picture only; the drawing position goes to 0, 0.
    void Cls();
    enum class LineKind { Line, Box, FilledBox };
    // Line (x1, y1)-(x2, y2), colour [, B | BF]. A line leaves out its end
    // point; a box covers both corners. The colour defaults to ForeColor.
    // The drawing position moves to (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = std::nullopt,
              LineKind kind = LineKind::Line);
    // Line -(x2, y2): from the drawing position.
    void LineTo(double x2, double y2, std::optional<Colour> colour = std::nullopt, LineKind kind = LineKind::Line);
    void PSet(double x, double y, std::optional<Colour> colour = std::nullopt);
    Colour Point(double x, double y) const;
    // Copies a picture: width and height omitted draw it at its own size,
    // source omitted takes the whole picture; stretching is nearest
    // neighbour. Only the plain copy &HCC0020 is supported (error 5 for
    // other operations).
    void PaintPicture(const PicturePtr& picture, double x1, double y1, std::optional<double> width1 = std::nullopt,
                      std::optional<double> height1 = std::nullopt, std::optional<double> x2 = std::nullopt,
                      std::optional<double> y2 = std::nullopt, std::optional<double> width2 = std::nullopt,
                      std::optional<double> height2 = std::nullopt, int32_t opcode = 0xCC0020);
    // In ScaleMode units, with the font.
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;

    // The persistent drawing (tests read its pixels).
    const QImage& drawingImage() const { return surface_.image(); }
    // Paints the persistent drawing with its top-left corner at `at`.
    void paintDrawing(QPainter& p, QPoint at) const { surface_.paint(p, at); }

protected:
    // The inner area in pixels.
    virtual QSize clientPixels() const = 0;
    // The drawing changed: repaint.
    virtual void drawingChanged() = 0;
    virtual void scaleModeChanged() {}
    virtual void fontChanged() {}
    // ScaleMode units to pixels (halves to even) and back.
    int toPixels(double units) const;
    double fromPixels(double pixels) const;
    void syncSurfaceSize();

    DrawingSurface surface_;
    FontPtr font_ = Font::make();
    Colour foreColor_ = 0x80000012u;
    int16_t scaleMode_ = 1;
    double currentX_ = 0, currentY_ = 0;
};

// Pixel size of a picture and text measuring shared by the forms layer.
double textWidthPixels(const FontPtr& font, const QString& text);
double textHeightPixels(const FontPtr& font, const QString& text);
double textWidthPixels(const QFont& font, const QString& text);
double textHeightPixels(const QFont& font, const QString& text);

} // namespace plat
