// In-place editing of bar and button captions with the caption editor
// txtEdit: the box is laid over the caption (the painters leave that caption
// out while the box is shown), grows with its text, and Enter commits the
// new caption through the host's BarCaptionEdit or ButtonCaptionEdit.
//
// Opening skips a failing step and goes on with the next.
#include "ZSListBar.h"

#include "Library.h"
#include "PaintSupport.h"
#include "ZorvaneMiscellaneous.h"

#include <Input.h>
#include <TextBox.h>

namespace listbar {

using paint::deref;
using paint::stmt;

namespace {

// The box is this much higher than a line of the sample text.
constexpr double EditorHeightFactor = 1.4;
// Room after the text, so that the caret never touches the box's edge.
const QString TextPadding = QStringLiteral("    ");

// Caption positions of a bar's buttons (ButtonTextPosition).
namespace textpos {
constexpr int32_t None = 0, Below = 1, Left = 2, Right = 3, Above = 4;
}

} // namespace

void InternalZSListBar::Delegate_EditCaption(const QString& sBar, const QString& sButton)
{
    const plat::ObjectPtr alive = weak_from_this().lock(); // activation raises BarSelected
    if (!sButton.isEmpty())
        openButtonEditor(sBar, sButton);
    else
        openBarEditor(sBar);

    // Also when no item was found: then the box stays hidden, the focus
    // step fails quietly and the control is redrawn.
    txtEdit_Change();
    stmt([&] { deref(txtEdit).SetFocus(); });
    stmt([&] { deref(zg::Miscellaneous()).ControlGotFocusHelper(txtEdit); });
    LayoutAndPaint();
}

void InternalZSListBar::loadEditorFont(const plat::FontPtr& font)
{
    // The box's height is one line of its font and some room.
    stmt([&] { deref(txtEdit).setFont(font); });
    stmt([&] { UserControl::setFont(deref(txtEdit).Font()); });
    stmt([&] {
        const float height = float(UserControl::TextHeight(QString::fromLatin1(paint::SampleText)) * EditorHeightFactor);
        deref(txtEdit).setHeight(height);
    });
}

void InternalZSListBar::loadEditorText(const QString& caption)
{
    // Loading the caption does not place the box: that happens once, at
    // the end of opening.
    state_.EditTextLoading = true;
    stmt([&] { deref(txtEdit).setText(caption); });
    state_.EditTextLoading = false;
    if (stmt([&] { deref(txtEdit).setVisible(true); }))
        state_.EditorVisible = true;
}

void InternalZSListBar::openButtonEditor(const QString& sBar, const QString& sButton)
{
    ListBarState& s = state_;
    // Activates the bar when needed and scrolls the button into view; the
    // hit-test items then show the new layout.
    stmt([&] { Delegate_MakeVisible(sBar, sButton); });

    LBTrackingObjectPtr item;
    stmt([&] {
        for (const LBTrackingObjectPtr& candidate : deref(s.TrackingObjects).snapshot()) {
            if (candidate->BarID == sBar && candidate->ButtonID == sButton) {
                item = candidate;
                break;
            }
        }
    });
    if (!item)
        return;

    const LBBarPtr bar = findBar(sBar);
    stmt([&] { loadEditorFont(deref(bar).ButtonFont()); });

    const int64_t X = item->X, Y = item->Y, W = item->Width, H = item->Height;
    int16_t S = 0;
    double h = 0;
    int32_t P = -1;
    stmt([&] { S = deref(bar).ButtonImageSize(); });
    stmt([&] { h = deref(txtEdit).Height(); });
    stmt([&] { P = deref(bar).ButtonTextPosition(); });
    const int32_t O = s.Orientation;
    double SW = 0;
    stmt([&] { SW = UserControl::ScaleWidth(); });

    // Centred boxes may grow to nearly the whole control when the tabs are
    // stacked, to twice the button's width when they stand side by side.
    auto wideRule = [&]() -> int32_t {
        if (O == 0)
            return plat::CLng(SW - plat::add16(plat::add16(s.ButtonMarginLeftTop, s.ButtonMarginRightBottom), 8));
        return plat::mul32(2, W);
    };
    auto centredTop = [&]() { return plat::checked32(Y + plat::IntDiv(H - h, 2)); };
    switch (P) {
    case textpos::None:
        stmt([&] { s.EditTop = plat::checked32(Y + S / 2 + 2); });
        stmt([&] { s.EditCenter = plat::checked32(X + W / 2); });
        stmt([&] { s.EditMaxWidth = wideRule(); });
        break;
    case textpos::Below:
        stmt([&] { s.EditTop = plat::checked32(Y + S + 4); });
        stmt([&] { s.EditCenter = plat::checked32(X + W / 2); });
        stmt([&] { s.EditMaxWidth = wideRule(); });
        break;
    case textpos::Left:
        stmt([&] { s.EditTop = centredTop(); });
        stmt([&] { s.EditLeft = plat::checked32(X + S + 2); });
        stmt([&] { s.EditMaxWidth = plat::checked32(W - (2 * S + 4)); });
        break;
    case textpos::Right:
        stmt([&] { s.EditTop = centredTop(); });
        if (O == 0)
            stmt([&] { s.EditLeft = plat::checked32(X + 2); });
        else
            stmt([&] { s.EditRight = plat::checked32(X + W - (S + 4)); });
        stmt([&] { s.EditMaxWidth = plat::checked32(W - (2 * S + 4)); });
        break;
    case textpos::Above:
        stmt([&] { s.EditTop = plat::checked32(Y); });
        stmt([&] { s.EditCenter = plat::checked32(X + W / 2); });
        stmt([&] { s.EditMaxWidth = wideRule(); });
        break;
    default:
        break; // another position leaves the box where the last edit had it
    }

    s.EditBarID = sBar;
    s.EditButtonID = sButton;
    QString caption;
    stmt([&] { caption = deref(findButton(sBar, sButton)).Caption(); });
    loadEditorText(caption);
}

void InternalZSListBar::openBarEditor(const QString& sBar)
{
    ListBarState& s = state_;
    stmt([&] { Delegate_MakeVisible(sBar, QString()); });

    LBTrackingObjectPtr tab;
    stmt([&] {
        for (const LBTrackingObjectPtr& candidate : deref(s.TrackingObjects).snapshot()) {
            if (candidate->ComponentType == component::BarTab && candidate->BarID == sBar) {
                tab = candidate;
                break;
            }
        }
    });
    if (!tab)
        return;

    const int64_t X = tab->X, Y = tab->Y, W = tab->Width, H = tab->Height;
    double SW = 0;
    stmt([&] { SW = UserControl::ScaleWidth(); });
    stmt([&] { s.EditCenter = plat::checked32(X + W / 2); });
    if (s.Orientation == 0)
        stmt([&] { s.EditMaxWidth = plat::checked32(W - 4); });
    else
        stmt([&] { s.EditMaxWidth = plat::IntDiv(SW, 2); });
    s.EditBarID = sBar;
    s.EditButtonID.clear();

    stmt([&] { loadEditorFont(deref(s.Delegate).BarFont); });
    double h = 0;
    stmt([&] { h = deref(txtEdit).Height(); });
    stmt([&] { s.EditTop = plat::checked32(Y + plat::IntDiv(H - h, 2)); });

    QString caption;
    stmt([&] { caption = deref(findBar(sBar)).Caption(); });
    loadEditorText(caption);
}

void InternalZSListBar::txtEdit_Change()
{
    const ListBarState& s = state_;
    if (s.EditTextLoading || !txtEdit)
        return;

    // The box is as wide as its text and some room, up to its largest width.
    stmt([&] { UserControl::setFont(txtEdit->Font()); });
    int64_t Wd = 0;
    stmt([&] { Wd = plat::CLng(UserControl::TextWidth(txtEdit->Text() + TextPadding)); });
    if (Wd > s.EditMaxWidth)
        Wd = s.EditMaxWidth;

    // A bar caption is centred; a button caption sits where its bar puts
    // captions.
    enum class Anchor { Centre, Left, Right } anchor = Anchor::Centre;
    if (!s.EditButtonID.isEmpty()) {
        int32_t P = textpos::None;
        stmt([&] { P = deref(findBar(s.EditBarID)).ButtonTextPosition(); });
        if (P == textpos::Left)
            anchor = Anchor::Left;
        else if (P == textpos::Right)
            anchor = Anchor::Right;
    }
    const int32_t O = s.Orientation;
    int64_t L = 0;
    switch (anchor) {
    case Anchor::Centre:
        L = int64_t(s.EditCenter) - Wd / 2;
        break;
    case Anchor::Left:
        L = s.EditLeft;
        break;
    case Anchor::Right:
        L = O == 0 ? int64_t(s.EditLeft) : int64_t(s.EditRight) - Wd;
        break;
    }

    // With the tabs side by side the box stays inside the control (a bar
    // caption) or inside the button area (a button caption).
    if (O == 1) {
        if (s.EditButtonID.isEmpty()) {
            double SW = 0;
            stmt([&] { SW = UserControl::ScaleWidth(); });
            if (L < 2) {
                Wd -= 2 - L;
                L = 2;
            }
            if (double(L + Wd) > SW - 2)
                stmt([&] { Wd = plat::CLng(SW - 2 - double(L)); });
        } else {
            if (L < s.ButtonAreaLeft) {
                Wd -= s.ButtonAreaLeft - L;
                L = s.ButtonAreaLeft;
            }
            if (L + Wd > s.ButtonAreaRight)
                Wd = s.ButtonAreaRight - L;
        }
    }

    stmt([&] {
        const double height = txtEdit->Height();
        txtEdit->Move(plat::checked32(L), s.EditTop, plat::checked32(Wd), height);
    });
}

void InternalZSListBar::txtEdit_KeyDown(int16_t& KeyCode, int16_t& Shift)
{
    const plat::ObjectPtr alive = weak_from_this().lock(); // the host's event may drop the control
    if (KeyCode == plat::vk::Escape) {
        closeEditor(true);
        return;
    }
    if (KeyCode != plat::vk::Return)
        return; // the box edits its text as usual

    QString NewCaption;
    stmt([&] { NewCaption = deref(txtEdit).Text(); });
    bool Cancel = false;
    const QString barID = state_.EditBarID;
    const QString buttonID = state_.EditButtonID;
    // An item removed while its caption was edited gets no event: the edit
    // just closes.
    if (!buttonID.isEmpty()) {
        if (const LBButtonPtr button = findButton(barID, buttonID)) {
            LBButtonPtr argument = button;
            ButtonCaptionEdit.raise(argument, NewCaption, Cancel);
            if (!Cancel)
                stmt([&] { button->Caption(NewCaption); });
        }
    } else if (const LBBarPtr bar = findBar(barID)) {
        LBBarPtr argument = bar;
        BarCaptionEdit.raise(argument, NewCaption, Cancel);
        if (!Cancel)
            stmt([&] { bar->Caption(NewCaption); });
    }
    closeEditor(true);
}

} // namespace listbar
