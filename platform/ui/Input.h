// Mouse and keyboard values as the controls' events carry them: mouse button
// bits, shift bits, virtual-key codes and character codes.
#pragma once
#include <QString>
#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace plat {

// Mouse button bits of the Button argument.
namespace mouse {
constexpr int16_t Left = 1, Right = 2, Middle = 4;
}
// Shift bits of the Shift argument.
namespace shift {
constexpr int16_t Shift = 1, Ctrl = 2, Alt = 4;
}

// Virtual-key codes the controls compare with.
namespace vk {
constexpr int16_t Back = 8, Tab = 9, Clear = 12, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19,
                  Capital = 20, Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37,
                  Up = 38, Right = 39, Down = 40, Snapshot = 44, Insert = 45, Delete = 46, LWin = 91, Apps = 93,
                  Numpad0 = 96, Multiply = 106, Add = 107, Subtract = 109, Decimal = 110, Divide = 111, F1 = 112,
                  NumLock = 144, ScrollLock = 145;
}

// The Button bits of a set of Qt mouse buttons, and of one button.
int16_t buttonBits(Qt::MouseButtons buttons);
int16_t buttonCode(Qt::MouseButton button);
// The Shift bits of Qt keyboard modifiers.
int16_t shiftBits(Qt::KeyboardModifiers modifiers);
// The virtual-key code of a key (US layout for punctuation; shifted symbols
// give the code of their key: '!' is '1', '_' is the minus key). 0 for keys
// without one.
int16_t virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
int16_t virtualKeyCode(const QKeyEvent& event);
// The character code a key press types (KeyAscii): Ctrl with a letter gives
// the control code (Ctrl+V is 22), Backspace 8, Enter 13, Escape 27, Tab 9,
// otherwise the typed character (its UTF-16 unit; characters above 32767
// come out negative, as a 16-bit value does). 0 when the key types nothing.
int16_t keyAsciiOf(const QKeyEvent& event);
// The character a KeyAscii value stands for.
inline QChar charOfKeyAscii(int16_t keyAscii) { return QChar(char16_t(uint16_t(keyAscii))); }

} // namespace plat
