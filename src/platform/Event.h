#pragma once

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>

namespace vellaro {

// The event slot of a control or window. Each event has exactly one owner: attaching
// a handler where one is attached already is a programming error (a debug assertion
// naming the control; a release build keeps the newer handler). Assigning nullptr or
// {} detaches, which is always allowed, so a deliberate replacement detaches first.
template <class... A> class Event {
  public:
    using Handler = std::function<void(A...)>;

    // owner names the control or window in the assertion's message, found by the
    // eventOwnerName overload for its type; what is the event's name ("Click").
    template <class Owner>
    Event(const Owner* owner, const char* what)
        : owner_(owner), describe_(&describe<Owner>), what_(what) {}
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    Event& operator=(std::nullptr_t) noexcept {
        handler_ = nullptr;
        return *this;
    }

    template <class F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, Event> &&
             std::is_constructible_v<Handler, F>) Event&
    operator=(F&& f) {
        Handler h(std::forward<F>(f));
        Q_ASSERT_X(!h || !handler_, "vellaro::Event",
                   qPrintable(QStringLiteral("%1 already has a %2 handler; detach it first")
                                  .arg(describe_(owner_), QLatin1String(what_))));
        handler_ = std::move(h);
        return *this;
    }

    explicit operator bool() const noexcept { return bool(handler_); }

    // Runs the handler, if any. It runs from a copy, so a handler that detaches or
    // replaces itself finishes with the captures it started with.
    void operator()(A... args) const {
        if (handler_) {
            const Handler h = handler_;
            h(std::forward<A>(args)...);
        }
    }

    // Detaches the handler and hands it over, for a caller that wraps it.
    Handler take() noexcept { return std::exchange(handler_, nullptr); }

  private:
    template <class Owner> static QString describe(const void* owner) {
        return eventOwnerName(*static_cast<const Owner*>(owner));
    }

    Handler handler_;
    const void* owner_;
    QString (*describe_)(const void*);
    const char* what_;
};

} // namespace vellaro
