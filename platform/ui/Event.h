// Events raised to host code: synchronous calls of one handler with
// by-reference arguments that the handler may change.
//
// Every event and every notification that the platform delivers to a
// control's own code goes through dispatchEvent(): a run-time error
// (plat::RuntimeError) that escapes the handler is reported to the user in a
// message box ("Run-time error 'N':" and the description) and the handler is
// abandoned; the code that raised the event goes on. Nothing else is caught.
#pragma once
#include "Error.h"

#include <functional>
#include <utility>

namespace plat {

// Shows the run-time error box for an error that escaped a handler (title:
// the program's title). Tests see it through the message-box hook.
void reportRuntimeError(const ErrorInfo& info);

// Runs one handler; a RuntimeError escaping it is reported and swallowed.
// Returns false when the handler was abandoned that way.
template <class F>
bool dispatchEvent(F&& handler)
{
    try {
        handler();
        return true;
    } catch (const RuntimeError& e) {
        reportRuntimeError(e.info());
        return false;
    }
}

// One event of a control or object. The host connects one handler (the
// runtime's `<control>_<event>` procedure); connecting again replaces it.
//   Event<int16_t> KeyPress;               // declaration in the control
//   txt->KeyPress.connect([](int16_t& KeyAscii) { if (KeyAscii == 8) KeyAscii = 0; });
//   int16_t k = 65; KeyPress.raise(k);     // the control raises it, then reads k back
template <class... Args>
class Event {
public:
    using Handler = std::function<void(Args&...)>;

    void connect(Handler handler) { handler_ = std::move(handler); }
    void disconnect() { handler_ = nullptr; }
    bool connected() const { return static_cast<bool>(handler_); }

    // Calls the handler, if any. The handler is copied first, so a host that
    // reconnects or destroys the source inside it does not pull the running
    // handler away.
    void raise(Args&... args) const
    {
        if (!handler_)
            return;
        Handler h = handler_;
        dispatchEvent([&] { h(args...); });
    }
    void operator()(Args&... args) const { raise(args...); }

private:
    Handler handler_;
};

} // namespace plat
