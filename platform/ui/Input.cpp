#include "Input.h"

#include <QKeyEvent>

namespace plat {

int16_t buttonBits(Qt::MouseButtons buttons)
{
    int16_t b = 0;
    if (buttons & Qt::LeftButton)
        b |= mouse::Left;
    if (buttons & Qt::RightButton)
        b |= mouse::Right;
    if (buttons & Qt::MiddleButton)
        b |= mouse::Middle;
    return b;
}

int16_t buttonCode(Qt::MouseButton button) { return buttonBits(Qt::MouseButtons(button)); }

int16_t shiftBits(Qt::KeyboardModifiers modifiers)
{
    int16_t s = 0;
    if (modifiers & Qt::ShiftModifier)
        s |= shift::Shift;
    if (modifiers & Qt::ControlModifier)
        s |= shift::Ctrl;
    if (modifiers & Qt::AltModifier)
        s |= shift::Alt;
    return s;
}

int16_t virtualKeyCode(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return int16_t(vk::Numpad0 + (key - Qt::Key_0));
        switch (key) {
        case Qt::Key_Asterisk: return vk::Multiply;
        case Qt::Key_Plus: return vk::Add;
        case Qt::Key_Minus: return vk::Subtract;
        case Qt::Key_Period:
        case Qt::Key_Comma: return vk::Decimal;
        case Qt::Key_Slash: return vk::Divide;
        default: break;
        }
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return int16_t(key); // the same codes as the letters
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return int16_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return int16_t(vk::F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vk::Tab;
    case Qt::Key_Clear: return vk::Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Shift: return vk::Shift;
    case Qt::Key_Control: return vk::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return vk::Menu;
    case Qt::Key_Pause: return vk::Pause;
    case Qt::Key_CapsLock: return vk::Capital;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_PageUp: return vk::Prior;
    case Qt::Key_PageDown: return vk::Next;
    case Qt::Key_End: return vk::End;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Print: return vk::Snapshot;
    case Qt::Key_Insert: return vk::Insert;
    case Qt::Key_Delete: return vk::Delete;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R: return vk::LWin;
    case Qt::Key_Menu: return vk::Apps;
    case Qt::Key_NumLock: return vk::NumLock;
    case Qt::Key_ScrollLock: return vk::ScrollLock;
    // Shifted digits give their digit key.
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    // Punctuation keys, plain and shifted.
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less: return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater: return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return 222;
    default: return 0;
    }
}

int16_t virtualKeyCode(const QKeyEvent& event) { return virtualKeyCode(event.key(), event.modifiers()); }

int16_t keyAsciiOf(const QKeyEvent& event)
{
    const int key = event.key();
    const auto mods = event.modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return int16_t(key - Qt::Key_A + 1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    const QChar c = text.at(0);
    if (c.unicode() < 32 || c.unicode() == 127)
        return 0;
    return int16_t(uint16_t(c.unicode()));
}

} // namespace plat
