// A stand-in for the list bar control: it owns a notifier and a bars
// collection as the control does, records every request it receives and
// answers them the way the control does, without widgets or painting. A
// "paint" is counted whenever it would redraw while nothing suppresses it.
#pragma once
#include "Font.h"
#include "LBBars.h"
#include "LBDelegate.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace listbar::testing {

struct Request {
    QString name;   // the handler's name without "Delegate_"
    QString bar;    // sBar
    QString button; // sButton or the measured text
    int32_t number = 0;     // OrderIndex
    bool flag = false;      // Animate or PrepFont
    QString mask;           // the named bar's visibility mask when the request arrived
    int32_t visibleBars = 0; // the bars' VisibleBarCount when the request arrived
    bool suppressed = false; // PreventRefresh was set when the request arrived
};

class FakeListBar : public LBDelegateHost {
public:
    FakeListBar()
    {
        Delegate = LBDelegate::Create();
        Delegate->attach(this);
        Bars = std::make_shared<LBBars>();
        Bars->DelegateID(Delegate->UniqueID());
        Delegate->BarFont = plat::Font::make();
    }
    ~FakeListBar() override { detachFromDelegate(); }

    // The names of the requests received, in order.
    QStringList names() const
    {
        QStringList n;
        for (const auto& r : requests)
            n << r.name;
        return n;
    }
    const Request& last() const { return requests.back(); }
    void clear()
    {
        requests.clear();
        paints = 0;
    }

    void Delegate_RedrawRequested(const QString& sBar, const QString& sButton) override
    {
        record(QStringLiteral("RedrawRequested"), sBar, sButton);
        paint();
    }
    void Delegate_OrderChange(const QString& sBar, const QString& sButton, int32_t OrderIndex) override
    {
        record(QStringLiteral("OrderChange"), sBar, sButton, OrderIndex);
        auto bar = Bars->ItemByID(sBar);
        if (sButton.isEmpty())
            Bars->Reorder(bar, OrderIndex);
        else if (bar)
            bar->Buttons()->Reorder(bar->Buttons()->ItemByID(sButton), OrderIndex);
        paint();
    }
    void Delegate_MakeVisible(const QString& sBar, const QString& sButton) override
    {
        record(QStringLiteral("MakeVisible"), sBar, sButton);
    }
    void Delegate_BarActivated(const QString& sBar, bool Animate) override
    {
        record(QStringLiteral("BarActivated"), sBar, QString(), 0, Animate);
        Bars->ActiveBarID(sBar);
    }
    void Delegate_EditCaption(const QString& sBar, const QString& sButton) override
    {
        record(QStringLiteral("EditCaption"), sBar, sButton);
    }
    void Delegate_TextWidthQuery(const QString& sBar, const QString& TextToQuery, int32_t& LenText,
                                 bool PrepFont) override
    {
        record(QStringLiteral("TextWidthQuery"), sBar, TextToQuery, 0, PrepFont);
        if (measure)
            LenText = measure(TextToQuery);
    }
    void Delegate_DetermineLongestText(const QString& sBar) override
    {
        record(QStringLiteral("DetermineLongestText"), sBar);
        if (auto bar = Bars->ItemByID(sBar))
            bar->Buttons()->DetermineLongestText();
    }
    void Delegate_Scroll(const QString& sBar, const QString& sButton) override
    {
        record(QStringLiteral("Scroll"), sBar, sButton);
    }
    void Delegate_CalculateVisibleButtons(const QString& sBar) override
    {
        record(QStringLiteral("CalculateVisibleButtons"), sBar);
        if (auto bar = Bars->ItemByID(sBar)) {
            bar->Buttons()->CalculateVisibleButtons();
            bar->ValidateStartingButton();
        }
        paint();
    }
    void Delegate_CalculateVisibleBars() override
    {
        record(QStringLiteral("CalculateVisibleBars"));
        Bars->CalculateVisibleBars();
        paint();
    }
    void Delegate_GetBar(QString& sBar, LBBarPtr& Bar) override
    {
        record(QStringLiteral("GetBar"), sBar);
        Bar = Bars->ItemByID(sBar);
    }
    void Delegate_KillTrackingObject() override
    {
        record(QStringLiteral("KillTrackingObject"));
        Bars->CalculateVisibleBars();
        paint();
    }

    LBDelegatePtr Delegate;
    LBBarsPtr Bars;
    std::vector<Request> requests;
    int paints = 0;
    // Width of a text in the bar's font: 7 units a character by default.
    std::function<int32_t(const QString&)> measure = [](const QString& t) { return int32_t(t.size()) * 7; };

private:
    void record(const QString& name, const QString& bar = {}, const QString& button = {}, int32_t number = 0,
                bool flag = false)
    {
        Request r{name, bar, button, number, flag, {}, Bars->VisibleBarCount(), Delegate->PreventRefresh};
        if (auto b = Bars->ItemByID(bar))
            r.mask = b->Buttons()->VisibilityMask();
        requests.push_back(r);
    }
    void paint()
    {
        if (!Delegate->PreventRefresh)
            ++paints;
    }
};

} // namespace listbar::testing
