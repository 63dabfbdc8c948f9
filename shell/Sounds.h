// The catalog window's five sounds, wave files in the Windows directory.
#pragma once
#include <QString>

namespace shell {

namespace sound {
inline constexpr char Clickz[] = "ZorvaneClickz.wav"; // a new category, the maker logo
inline constexpr char Ftz[] = "ZorvaneFtz.wav"; // the mouse enters a category button
inline constexpr char NoNo[] = "ZorvaneNoNo.wav"; // the category shown is chosen again
inline constexpr char Snap[] = "ZorvaneSnap.wav"; // an item button pressed or clicked
inline constexpr char Swish[] = "ZorvaneSwish.wav"; // the mouse enters an item button
} // namespace sound

// Plays a sound file of the Windows directory through the library, without
// waiting and cutting off a sound still playing; its result is ignored. A
// library failure reaches the caller as a run-time error.
void PlaySound(const QString& fileName);

} // namespace shell
