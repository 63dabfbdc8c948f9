// A plain widget whose painting a control does itself.
#pragma once
#include <QPainter>
#include <QWidget>
#include <functional>

namespace plat {

class PaintWidget : public QWidget {
public:
    explicit PaintWidget(QWidget* parent, std::function<void(QPainter&)> paint = {})
        : QWidget(parent), paint_(std::move(paint))
    {
    }
    void setPaint(std::function<void(QPainter&)> paint) { paint_ = std::move(paint); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!paint_)
            return;
        QPainter p(this);
        paint_(p);
    }

private:
    std::function<void(QPainter&)> paint_;
};

} // namespace plat
