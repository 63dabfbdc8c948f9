// The texts hosts show for the public members of the list bar's object
// model: the bars collection, the buttons collection and a button.
#include "LBBars.h"
#include "LBButton.h"
#include "LBButtons.h"

#include <QHash>

namespace listbar {

namespace {

using Texts = QHash<QString, QString>;

const Texts& barsTexts()
{
    static const Texts texts = {
        {"KeyExists", "Returns 'True' if the specified key exists in the collection.  This is useful for testing "
                      "prior to adding a new bar."},
        {"ActiveBar", "Returns the bar object that is currently active (selected)."},
        {"Add", "Adds a new bar to the collection, returning the bar reference to the application for "
                "further modification."},
        {"Item", "Returns the specified bar."},
        {"Count", "Returns the number of bars in the collection."},
        {"Remove", "Removes the specified bar from the collection."},
    };
    return texts;
}

const Texts& buttonsTexts()
{
    static const Texts texts = {
        {"Add", "Causes a new button to be added to the collection.  The new button is also returned to "
                "the application for further modification."},
        {"Item", "Returns the specified button."},
        {"Count", "Returns the number of buttons in the collection."},
        {"KeyExists", "Returns 'True' if the specified key is already being used in the collection.  This is "
                      "mostly useful in testing key values just prior to adding a new button."},
        {"Remove", "Removes the specified button from the collection."},
    };
    return texts;
}

const Texts& buttonTexts()
{
    static const Texts texts = {
        {"ParentBar", "Returns the bar that this button 'belongs' to."},
        {"Tag", "Returns/sets a user-defined string that is identified with this button and can be used "
                "for any purpose."},
        {"EditCaption", "Causes the button's caption to be replaced by a text box that allows the user to edit the "
                        "caption."},
        {"ButtonOrder", "Returns/sets the index of the button in  its collection.  Changing this value will "
                        "effectively move the button's position.  Valid values are 1 to the number of buttons in "
                        "its collection."},
        {"MakeVisible", "Causes the button to become visible.  The button's bar is activated (if not already) and "
                        "the buttons are instantly scrolled into a position that ensures visibility of this "
                        "button.   If it's visible property was 'False', it is set to 'True' first."},
        {"Visible", "Returns/sets whether or not this button is visible."},
        {"Caption", "Returns/sets the button's caption.  This text caption will be drawn with the button."},
        {"ButtonImage", "Returns/sets the index (or key for ImageList images) of the image used to draw the button "
                        "when there is no mouse activity."},
        {"ButtonImageHover", "Returns/sets the index (or key for ImageList images) of the image used to draw the button "
                             "when the mouse is over the button."},
        {"ButtonImageDown", "Returns/sets the index (or key for ImageList images) of the image used to draw the button "
                            "when the mouse is over the button, and a mouse button is pressed."},
        {"Key", "Returns the key associated with this button.  (Read Only)"},
    };
    return texts;
}

} // namespace

QString LBBars::memberDescription(const QString& member) { return barsTexts().value(member); }
QString LBButtons::memberDescription(const QString& member) { return buttonsTexts().value(member); }
QString LBButton::memberDescription(const QString& member) { return buttonTexts().value(member); }

} // namespace listbar
