#include "Window.h"

#include <QHash>

namespace plat {

namespace {
struct Registry {
    QHash<int64_t, QPointer<QWidget>> byHandle;
    QHash<const QWidget*, int64_t> byWidget;
    int64_t next = 0x10010;
};
Registry& registry()
{
    static Registry r;
    return r;
}
} // namespace

int64_t registerWindow(QWidget* w)
{
    auto& r = registry();
    if (!w)
        return 0;
    auto it = r.byWidget.find(w);
    if (it != r.byWidget.end() && r.byHandle.value(it.value()) == w)
        return it.value();
    const int64_t h = (r.next += 2);
    r.byHandle.insert(h, QPointer<QWidget>(w));
    r.byWidget.insert(w, h);
    QObject::connect(w, &QObject::destroyed, [h, w] {
        registry().byHandle.remove(h);
        registry().byWidget.remove(w);
    });
    return h;
}

QWidget* windowFromHandle(int64_t hwnd)
{
    return registry().byHandle.value(hwnd).data();
}

int64_t handleOfWindow(const QWidget* w)
{
    return registry().byWidget.value(w, 0);
}

} // namespace plat
