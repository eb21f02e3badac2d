#pragma once

#include <QString>

#include <exception>
#include <utility>

// The general error report, and the one place where an exception thrown by
// our code is stopped before it can unwind through Qt: every connection and
// event handler that can fail runs its handler through guarded().
namespace errorreport {

// The text shown for a message: translated, with a full stop added when it
// does not end in one.
QString text(const QString &message);
// A box titled with the application title, the text and an error icon.
void show(const std::exception &error);
void show(const QString &message);
// Replaces the box (tests record the reports instead of showing them).
using Presenter = void (*)(const QString &title, const QString &text);
void setPresenter(Presenter presenter);

// The report of whatever is being thrown; call only inside a catch block.
void showCurrent() noexcept;

} // namespace errorreport

// Runs a handler; an exception it throws is shown by the general error report
// and goes no further, so the program goes on.
template <typename Handler> void guarded(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        errorreport::showCurrent();
    }
}

// A member handler made into a guarded slot, for connect():
//   connect(button, &QPushButton::clicked, this, guard(this, &Window::OKBtnClick));
// The slot takes the handler's own arguments (Qt drops the signal's extra ones).
template <typename Object, typename... Args> auto guard(Object *object, void (Object::*handler)(Args...))
{
    return [object, handler](Args... args) { guarded([&] { (object->*handler)(args...); }); };
}

// Any callable made into a guarded slot taking no arguments.
template <typename Handler> auto guard(Handler handler)
{
    return [handler = std::move(handler)] { guarded(handler); };
}
