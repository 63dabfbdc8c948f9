// In-place caption editing: opening over a button or a tab, the box's place
// and width, committing through the host's events, cancelling, and the
// ways an edit is dropped.
#include "ListBarInputSupport.h"

#include <Input.h>
#include <Numbers.h>
#include <gtest/gtest.h>

namespace listbar::testing {
namespace {

using QL = QStringList;

class ListBarInputEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        one = h.addBar(QStringLiteral("One"), QStringLiteral("A"), 3);
        two = h.addBar(QStringLiteral("Two"), QStringLiteral("B"), 2);
        a1 = one->Buttons()->Item(1);
        c.ButtonCaptionEdit.connect([this](LBButtonPtr& b, QString& caption, bool& cancel) {
            h.note("ButtonCaptionEdit(" + b->Caption() + "," + caption + ")");
            if (!hostCaption.isEmpty())
                caption = hostCaption;
            cancel = hostCancels;
        });
        c.BarCaptionEdit.connect([this](LBBarPtr& b, QString& caption, bool&) {
            h.note("BarCaptionEdit(" + b->Caption() + "," + caption + ")");
        });
        h.take();
    }
    void key(int16_t code)
    {
        int16_t shift = 0;
        c.txtEdit->KeyDown.raise(code, shift);
    }
    bool editing() const { return c.txtEdit->Visible() && c.state().EditorVisible; }
    double measure(const QString& text) const { return c.UserControl::TextWidth(text); }

    InputHarness h;
    InternalZSListBar& c = *h.control;
    LBBarPtr one, two;
    LBButtonPtr a1;
    QString hostCaption;
    bool hostCancels = false;
};

TEST_F(ListBarInputEditTest, EnterCommitsThroughTheHostAndEscapeCancels)
{
    a1->EditCaption();
    ASSERT_TRUE(editing());
    EXPECT_EQ(c.txtEdit->Text(), QStringLiteral("A1"));
    EXPECT_EQ(h.take(), (QL{"paint"}));

    c.txtEdit->setText(QStringLiteral("First"));
    key(plat::vk::Return);
    EXPECT_EQ(h.take(), (QL{"ButtonCaptionEdit(A1,First)", "paint", "paint"}));
    EXPECT_EQ(a1->Caption(), QStringLiteral("First"));
    EXPECT_FALSE(editing());

    hostCaption = QStringLiteral("Host's");
    a1->EditCaption();
    key(plat::vk::Return);
    EXPECT_EQ(a1->Caption(), QStringLiteral("Host's"));

    hostCancels = true;
    a1->EditCaption();
    key(plat::vk::Return);
    EXPECT_EQ(a1->Caption(), QStringLiteral("Host's"));

    // Escape: no event, the caption stays and is drawn again.
    a1->EditCaption();
    c.txtEdit->setText(QStringLiteral("Dropped"));
    h.take();
    key(plat::vk::Escape);
    EXPECT_EQ(h.take(), (QL{"paint"}));
    EXPECT_EQ(a1->Caption(), QStringLiteral("Host's"));
    EXPECT_FALSE(editing());

}

TEST_F(ListBarInputEditTest, TheBoxSitsOnTheCaptionAndGrowsWithItsText)
{
    // Text below the image (the default): centred on the button, below its
    // 32-pixel image, at most the control's width less 8.
    a1->EditCaption();
    const LBTrackingObjectPtr item = h.item(component::Button, one, a1);
    const int32_t centre = item->X + item->Width / 2;
    EXPECT_EQ(c.txtEdit->Top(), item->Y + 32 + 4);
    EXPECT_EQ(c.txtEdit->Width(), plat::CLng(measure(QStringLiteral("A1    "))));
    EXPECT_EQ(c.txtEdit->Left(), centre - int(c.txtEdit->Width()) / 2);

    c.txtEdit->setText(QString());
    EXPECT_EQ(c.txtEdit->Width(), plat::CLng(measure(QStringLiteral("    "))));
    c.txtEdit->setText(QString(80, QLatin1Char('W')));
    EXPECT_EQ(c.txtEdit->Width(), 150 - 8);

    // Text to the right of the image: anchored after it, never wider than
    // the button less two images.
    one->ButtonTextPosition(2);
    a1->EditCaption();
    const LBTrackingObjectPtr left = h.item(component::Button, one, a1);
    EXPECT_EQ(c.txtEdit->Left(), left->X + 32 + 2);
    c.txtEdit->setText(QString(80, QLatin1Char('W')));
    EXPECT_EQ(c.txtEdit->Left(), left->X + 32 + 2);
    EXPECT_EQ(c.txtEdit->Width(), left->Width - (2 * 32 + 4));

    // No caption drawn: the box sits over the middle of the image.
    one->ButtonTextPosition(0);
    a1->EditCaption();
    EXPECT_EQ(c.txtEdit->Top(), h.item(component::Button, one, a1)->Y + 16 + 2);
}

TEST_F(ListBarInputEditTest, SideBySideTabsKeepTheBoxInsideTheControlAndTheButtonArea)
{
    c.setOrientation(1);
    c.setButtonTextPosition(3); // caption left of the image, anchored at the right
    one->EditCaption();
    c.txtEdit->setText(QString(80, QLatin1Char('W')));
    EXPECT_GE(c.txtEdit->Left(), 2);
    EXPECT_LE(c.txtEdit->Left() + c.txtEdit->Width(), 150 - 2);

    a1->EditCaption();
    c.txtEdit->setText(QString(80, QLatin1Char('W')));
    const LBTrackingObjectPtr area = h.item(component::ClientArea);
    EXPECT_GE(c.txtEdit->Left(), area->X);
    EXPECT_LE(c.txtEdit->Left() + c.txtEdit->Width(), area->X + area->Width);
}

TEST_F(ListBarInputEditTest, BarCaptionsAndCaptionsOfAnotherBar)
{
    one->EditCaption(); // centred over its tab
    const LBTrackingObjectPtr tab = h.item(component::BarTab, one);
    EXPECT_EQ(c.txtEdit->Left() + int(c.txtEdit->Width()) / 2, tab->X + tab->Width / 2);
    c.txtEdit->setText(QStringLiteral("Renamed"));
    h.take();
    key(plat::vk::Return);
    EXPECT_EQ(h.take().first(), QStringLiteral("BarCaptionEdit(One,Renamed)"));
    EXPECT_EQ(one->Caption(), QStringLiteral("Renamed"));

    // A button of a bar that is not active: that bar is opened first.
    two->Buttons()->Item(2)->EditCaption();
    EXPECT_TRUE(two->IsActive());
    EXPECT_TRUE(h.take().contains(QStringLiteral("BarSelected(Two)")));
    EXPECT_EQ(c.txtEdit->Text(), QStringLiteral("B2"));
}

TEST_F(ListBarInputEditTest, AnEditIsDroppedWithoutAnEvent)
{
    // Its button removed meanwhile: Enter only closes the box.
    a1->EditCaption();
    one->Buttons()->Remove(1);
    h.take();
    key(plat::vk::Return);
    EXPECT_FALSE(editing());
    EXPECT_FALSE(h.take().filter(QStringLiteral("CaptionEdit")).size());

    // A press on the control, or the control losing the focus.
    LBButtonPtr a2 = one->Buttons()->Item(1);
    a2->EditCaption();
    h.down(h.at(component::ClientArea));
    EXPECT_FALSE(editing());
    a2->EditCaption();
    c.UserControl_LostFocus();
    EXPECT_FALSE(editing());
    EXPECT_EQ(a2->Caption(), QStringLiteral("A2"));
}

} // namespace
} // namespace listbar::testing
