// The program around the forms: the loaded forms, the end of the program when
// the last of them unloads, the message loop, the screen-wide mouse pointer,
// and the reset that tests use between cases.
#pragma once
#include "Picture.h"

#include <QObject>

#include <QCursor>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace plat {

class Form;

// The loaded forms in load order.
std::vector<std::shared_ptr<Form>> loadedForms();
// Called when the last loaded form unloads. The default ends the message
// loop, which ends the program. Tests install their own (nullptr restores
// the default).
void setLastFormUnloadedHandler(std::function<void()> handler);
// Whether the last form has unloaded (the program is ending).
bool programEnding();

// Deletes a widget once the handler that may be running in it has returned;
// at once while the application itself is being torn down (nothing runs
// then, and posting an event at that moment would never be delivered).
void deleteWhenIdle(QObject* object);
// Runs the message loop until the last loaded form unloads and returns the
// exit code; returns at once when no form is loaded. Releases the forms'
// default instances before returning.
int runMessageLoop();

// The screen-wide mouse pointer: over every window of the program, above the
// forms' and controls' own pointers. 0 gives them back their own.
namespace Screen {
int16_t MousePointer();
void setMousePointer(int16_t pointer);
} // namespace Screen

// Sets the screen-wide mouse pointer for the life of the object (the
// hourglass by default) and puts back the one it found, however the scope is
// left, a raised error included:
//   { plat::ScopedScreenPointer busy; lib->PlayWaveFile(...); }
class ScopedScreenPointer {
public:
    explicit ScopedScreenPointer(int16_t pointer = 11);
    ~ScopedScreenPointer();
    ScopedScreenPointer(const ScopedScreenPointer&) = delete;
    ScopedScreenPointer& operator=(const ScopedScreenPointer&) = delete;

private:
    int16_t previous_;
};

// The Qt cursor for a pointer code (0 default, 1 arrow, 2 cross, 3 I-beam,
// 5 size all, 6-9 sizes, 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and
// hourglass, 14 arrow and question mark, 15 size all, 99 the icon with its
// hot spot). Raises 380 "Invalid property value" for another code.
QCursor cursorFor(int16_t pointer, const PicturePtr& icon);
// Whether the code is one of those.
bool isValidPointer(int16_t pointer);

// Tests: unloads every form without raising its events, forgets the default
// instances, restores the default handlers (message boxes, help, drags, the
// last-form handler, the screen pointer), and lets go of the forms and
// windows taken down (the queued calls and deletions they left behind run).
void resetUiForTests();
// Forgets the default form instances (runMessageLoop calls it).
void resetForms();

// Internal: the forms layer keeps the list.
void noteFormLoaded(const std::shared_ptr<Form>& form);
void noteFormUnloaded(const Form* form);
// The same without ending the program (a form taken down by a reset).
void noteFormDiscarded(const Form* form);

} // namespace plat
