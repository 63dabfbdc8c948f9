// The texts hosts show for the list bar's public members and events.
#include "ZSListBar.h"

#include <QHash>

namespace listbar {

namespace {

const QHash<QString, QString>& descriptions()
{
    static const QHash<QString, QString> texts = {
        // Appearance.
        {"BackColor", "Determines the background color of the list bar."},
        {"ForeColor", "Returns/sets the default color for all button captions.  Each bar can maintain its own button "
                      "colors."},
        {"ColorButton", "Returns/sets the face color for the control and the default color of button faces.  Each bar "
                        "can sustain it's own unique button colors as well."},
        {"ColorHighlight", "Returns/sets the 3D highlight color for the control and the default color of button 3D "
                           "highlights.  Each bar can sustain it's own unique button colors as well."},
        {"ColorShadow", "Returns/sets the 3D shadow color for the control and the default color 3D shadow of buttons.  "
                        "Each bar can sustain it's own unique button colors as well."},
        {"ColorOutline", "Returns/sets the 3D Outline (dark shadow) color for the control, and the default 3D outline "
                         "color for buttons.  Each bar can sustain it's own unique button colors as well."},
        {"ColorText", "Returns/sets the color used to display bar captions when they are not active."},
        {"ColorTextShadow", "Returns/sets the color used to display text shadows for bar captions.  Also sets the "
                            "default color for text shadows for buttons, and each bar can sustain its own unique "
                            "button colors."},
        {"ColorTextHover", "Returns/sets the color used to display bar captions when the mouse is over them."},
        {"ColorSelection", "Returns/sets the color of bar captions when selected."},
        {"ColorInsertLines", "Returns/sets the default color of the insert lines drawn during button movement and "
                             "placement.  Each bar can sustain it's own unique colors as well."},
        {"Font", "Returns/sets the font of all bar captions.  Also sets the default font for all buttons, and all "
                 "bars can maintain unique font settings for their own buttons."},
        {"FontName", "Returns/sets the name of the font of all bar captions.  Also sets the default FontName for all "
                     "buttons, and all bars can maintain unique font settings for their own buttons."},
        {"FontBold", "Returns/sets whether or not the font of all bar captions is bold.  Also sets the default "
                     "fontbold state for all buttons, and all bars can maintain unique font settings for their own "
                     "buttons."},
        {"FontItalic", "Returns/sets whether or not the font of all bar captions is italicized.  Also sets the default "
                       "FontItalic state for all buttons, and all bars can maintain unique font settings for their "
                       "own buttons."},
        {"FontUnderline", "Returns/sets whether or not the font of all bar captions is Underlined.  Also sets the "
                          "default FontUnderline state for all buttons, and all bars can maintain unique font "
                          "settings for their own buttons."},
        {"FontStrikethru", "Returns/sets whether or not the font of all bar captions use 'Strikethru'.  Also sets the "
                           "default FontStrikethru state for all buttons, and all bars can maintain unique font "
                           "settings for their own buttons."},
        {"FontSize", "Returns/sets the font size of all bar captions is italicized.  Also sets the default FontSize "
                     "for all buttons, and all bars can maintain unique font settings for their own buttons."},
        {"AcclimateGrayTones", "Returns/sets whether or not the 3D gray colors of button images (in their default "
                               "no-mouse-activity state) are modified to the system 3D colors.  (Colors changed are "
                               "White &HFFFFFF, Gray &HC0C0C0, and Dark Gray &H808080)"},
        {"MaskColor", "Returns/sets the color to mask out when drawing button images."},
        {"UseMaskColor", "Returns/sets whether or not to use the color masking with 'MaskColor' during button image "
                         "painting."},
        {"ButtonTextPosition", "Returns/sets the default position of button captions in relation to the button's "
                               "image.  Values are 'None', 'Text Below' (default), 'Text Left', 'Text Right', and "
                               "'Text Above'."},
        {"TextShadow", "Returns/sets the type of text shadow to use on all bars, and also the default text shadow for "
                       "all buttons.  Each bar can maintain its own button text properties."},
        {"TextShadowDepth", "Returns/sets the depth of text shadow to use on all bars, and also the default "
                            "TextShadowDepth for all buttons.  Each bar can maintain its own button text "
                            "properties."},
        {"ButtonImageSize", "Returns/sets the default size (in pixels) that button images will be displayed at, in "
                            "both width and height, regardless of their original size.  Default is 32, and all bars "
                            "can maintain their own unique button sizes."},
        // Behaviour and image sources.
        {"Enabled", "Returns/sets whether or not the control will respond to user generated events, such as mouse "
                    "clicks."},
        {"Bars", "Returns the collection of bars associated with this list bar control."},
        {"hDC", "Returns the Win32 Device Context handle of the control."},
        {"hWnd", "Returns the Win32 Window handle of the control."},
        {"MouseIcon", "Returns/sets the default mouse custom icon image."},
        {"MouseIconBarTab", "Returns/sets the mouse custom icon image for when the mouse is over a bar's tab area.  "
                            "(By default, this is a hand pointing up, like you see for web hyperlinks.)"},
        {"MousePointer", "Returns/sets the default style of mouse pointer for the control.  Default is 'Default'."},
        {"MousePointerBarTab", "Returns/sets the style of mouse pointer when the mouse is over a bar's tab area.  "
                               "Default is 'Custom'."},
        {"OLEDropAllowed", "Returns/sets whether or not items from the Windows shell can be dragged onto the control "
                           "for interaction with the buttons, or (if AllowUserCustomize is 'True') for insertion onto "
                           "a bar."},
        {"PreventRefresh", "Returns/sets whether or not to update the control visually.  You can disable when adding "
                           "multiple new items, such as buttons.  When done making changes, re-enable, & call the "
                           "'Refresh' method.  Allows the imagery to only be updated once."},
        {"Refresh", "Causes the control to repaint itself.  If 'PreventRefresh' is set to 'True', this method has no "
                    "effect."},
        {"Style", "Returns/sets the style of the List Bar.  Values can be 'Active' (default), or 'Graphical' (which "
                  "uses customized images)."},
        {"IconSource", "Returns/sets the source of images for the control.  If set to 'ImageList' (default), images "
                       "are derived from the control specified in the ImageListControl property.  Otherwise they are "
                       "derived from the image stored in the PictureClip property."},
        {"PicClipCellWidth", "Returns/sets the width of each cell in the PictureClip image.  Default is 32."},
        {"PicClipCellHeight", "Returns/sets the height of each cell in the PictureClip image.  Default is 32."},
        {"ImageListControl", "Returns/sets the name of the ImageList control where button images are derived from.  "
                             "(Provided that 'IconSource' is set to 'ImageList')"},
        {"PictureClip", "Returns/sets the image that is used for drawing button images.  The image is divided into "
                        "cells as defined by 'PicClipCellHeight' and 'PicClipCellWidth'.  Cells are indexed from 1 "
                        "to WxH, and are referenced by a button object."},
        {"BorderStyle", "Returns/sets the boder style of the list bar control.  Can be None, Single, or Double "
                        "(default)."},
        {"Orientation", "Returns/sets the orientation for the control.  Values may be 'Vertical' (default) or "
                        "'Horizontal'."},
        {"AnimationStyle", "Returns/sets the animation style of the list bar during bar selection.  Styles are None, "
                           "Scroll (Default), and Fade."},
        {"AllowUserCustomize", "Returns/sets whether or not the user is able to drag buttons around, changing their "
                               "position and/or bar ownership.  Also (in conjunction with OLEDropAllowed) determines "
                               "if new buttons can be created through OLE drag 'n drop from the Windows shell."},
        {"ActiveBarOnTop", "Returns/sets whether or not the active  (selected) bar always appears at the top (or "
                           "left) of the list of bars, with all other bars at the bottom.  A 'False' value (default) "
                           "causes the active bar to stay within its current order."},
        {"ActiveButtons", "Returns/sets whether or not visible buttons are displayed as an active button when the "
                          "mouse is over them, or just the graphic.  'True' is default."},
        {"ButtonMarginLeftTop", "Returns/sets the size of the \"left\" margin for displaying buttons, in pixels from "
                                "the left (vertical list bar) or top (horizontal list bar)."},
        {"ButtonMarginRightBottom", "Returns/sets the size of the \"right\" margin for displaying buttons, in pixels "
                                    "from the right (vertical list bar) or bottom horizontal list bar)."},
        // Events.
        {"BarSelected", "Occurs when the specified bar has been selected as the 'active' bar."},
        {"BarMoved", "Occurs when the specified bar has been moved in it's order by your application."},
        {"BarMouseEnter", "Occurs when the mouse has entered the specified bar's screen area.  If the mouse is over a "
                          "button or scroll button that exists on the bar, the mouse is not considered to be \"on\" "
                          "the bar, but the other sub-items."},
        {"BarMouseLeave", "Occurs when the mouse has left the specified bar's screen area.  If the mouse is over a "
                          "button or scroll button that exists on the bar, the mouse is not considered to be \"on\" "
                          "the bar, but the other sub-items, also invoking this event."},
        {"BarMouseClick", "Occurs when the user has 'clicked' a mouse button while the mouse is over the specified "
                          "bar.  The mouse button is also passed in this event, allowing you to utilize context "
                          "menus."},
        {"BarScroll", "Occurs when the user is scrolling up or down through the buttons associated with the specified "
                      "bar."},
        {"BarCaptionEdit", "Occurs when a bar's caption has finished being modified by a user.  Gives your application "
                           "the chance to cancel the change, or further modify the change."},
        {"ButtonSelected", "Occurs when the user left-clicks on the specified button, indicating that it has been "
                           "selected."},
        {"ButtonMoved", "Occurs when the button has been moved either by the user or from code."},
        {"ButtonMouseEnter", "Occurs when the mouse has entered the specified button's screen area."},
        {"ButtonMouseLeave", "Occurs when the mouse has left the specified button's screen area."},
        {"ButtonMouseClick", "Occurs when the user has 'clicked' a mouse button while the mouse is over the specified "
                             "button.  The mouse button is also passed in this event, allowing you to utilize context "
                             "menus."},
        {"ButtonCaptionEdit", "Occurs when a button's caption has finished being modified by a user.  Gives your "
                              "application the chance to cancel the change, or further modify the change."},
        {"UserCreateNewButton", "Occurs when the user has created a new button using drag and drop.  This event gives "
                                "you the opportunity to cancel the creation, or modify the button's properties as "
                                "needed."},
        {"OLEDropOnButton", "Occurs when the user has dropped an item from the Windows shell onto a button."},
        {"Click", "Occurs when the user presses and releases a mouse button anywhere on the control."},
        {"DblClick", "Occurs when the user clicks a mouse button anywhere on the control twice in rapid succession."},
        {"MouseEnter", "Occurs when the mouse enters the control's screen space."},
        {"MouseLeave", "Occurs when the mouse leaves the control's screen space."},
        {"MouseDown", "Occurs when the user presses a mouse button while the mouse if over the control."},
        {"MouseUp", "Occurs when the user releases a mouse button that was pressed while the mouse was over the "
                    "control."},
        {"KeyDown", "Occurs when the user presses a key while the control has focus."},
        {"KeyUp", "Occurs when the user releases a key while the control has focus."},
        {"KeyPress", "Occurs when the user presses and releases a key while the control has focus."},
        {"MouseMove", "Occurs when the mouse is over the control, and the mouse is being moved in some direction."},
    };
    return texts;
}

} // namespace

QString InternalZSListBar::memberDescription(const QString& member) { return descriptions().value(member); }

} // namespace listbar
