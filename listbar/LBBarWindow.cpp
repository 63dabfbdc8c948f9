// The bar's window of displayed buttons: which button the window starts at,
// scrolling by one visible button, and the counts the layout needs. All of
// it works on the buttons' visibility mask, one "1" (visible) or "0"
// (hidden) per button in display order; mask positions are button positions.
#include "LBBar.h"

#include "LBDelegate.h"
#include "Library.h"
#include "ZorvaneStrings.h"

namespace listbar {

namespace {
const QString One = QStringLiteral("1");

// Position of the first "1" at or after `from` (1-based); 0 when none.
int32_t firstOneFrom(const QString& mask, int32_t from)
{
    if (from < 1)
        from = 1;
    return int32_t(mask.indexOf(One, from - 1)) + 1;
}

// Position of the last "1" at or before `start`; 0 when none (or when the
// library cannot answer).
int32_t lastOneAtOrBefore(const QString& mask, int32_t start)
{
    int32_t position = 0;
    plat::tryStatement([&] { position = zg::Strings()->InStrReverse(mask, One, start); });
    return position;
}
} // namespace

void LBBar::ValidateStartingButton()
{
    if (startingButton_ > buttons_->Count()) {
        startingButton_ = 1;
        return;
    }
    if (startingButton_ < 1)
        return;
    if (buttons_->Item(startingButton_)->Visible())
        return;
    const QString& mask = buttons_->VisibilityMask();
    int32_t position = lastOneAtOrBefore(mask, startingButton_);
    if (position == 0)
        position = firstOneFrom(mask, startingButton_);
    startingButton_ = position;
}

int32_t LBBar::FirstVisibleButton() const
{
    const int32_t position = firstOneFrom(buttons_->VisibilityMask(), 1);
    return position == 0 ? 1 : position;
}

int32_t LBBar::VisibleButtonsFromStart() const { return VisibleButtonsFrom(startingButton_); }

int32_t LBBar::VisibleButtonsFrom(int32_t Index) const
{
    int32_t count = 0;
    plat::tryStatement([&] {
        auto strings = zg::Strings();
        count = strings->CountOccurrences(strings->TextAfter(buttons_->VisibilityMask(), Index - 1), {One});
    });
    return count;
}

int32_t LBBar::LastPageStartingButton() const
{
    const QString& mask = buttons_->VisibilityMask();
    int32_t count = 0;
    int32_t remembered = 0;
    for (int32_t position = int32_t(mask.size()); position >= 1; --position) {
        if (mask.at(position - 1) != QLatin1Char('1'))
            continue;
        ++count;
        if (count == buttonsDisplayed_)
            return position;
        remembered = position;
    }
    return remembered;
}

void LBBar::ScrollButtons(int16_t Direction)
{
    const QString& mask = buttons_->VisibilityMask();
    int32_t position = 0;
    if (Direction < 1)
        position = startingButton_ > 1 ? lastOneAtOrBefore(mask, startingButton_ - 1) : 0;
    else
        position = firstOneFrom(mask, startingButton_ + 1);
    const int32_t first = FirstVisibleButton();
    if (position < first)
        position = first;
    if (position < 1 || position > buttons_->Count())
        return;
    startingButton_ = position;
    // Told even when the start did not move, so the control repaints.
    notifier()->ScrollOccurred(uniqueID_, buttons_->Item(position)->UniqueID());
}

bool LBBar::IsAtFirstVisibleButton() const
{
    if (startingButton_ <= 1)
        return true;
    return !buttons_->VisibilityMask().left(startingButton_ - 1).contains(One);
}

bool LBBar::moveStartingButton(int32_t Index)
{
    if (Index < 1 || Index > buttons_->Count() || Index == startingButton_)
        return false;
    startingButton_ = Index;
    if (!buttons_->Item(Index)->Visible())
        ValidateStartingButton();
    return true;
}

void LBBar::SetStartingButton(int32_t Index)
{
    if (moveStartingButton(Index))
        requestRedraw();
}

void LBBar::SetStartingButtonNoRedraw(int32_t Index) { moveStartingButton(Index); }

void LBBar::SetStartingButtonByID(const QString& ButtonID)
{
    if (ButtonID.isEmpty())
        return;
    if (auto button = buttons_->ItemByID(ButtonID))
        startingButton_ = button->ButtonOrder();
}

} // namespace listbar
