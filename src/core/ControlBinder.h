#pragma once

#include "platform/Form.h"

#include <array>
#include <stdexcept>

namespace vellaro {

// A window lacks a control that the console's code was written against: a
// programming error, reported while the console is built, never mid-session.
class MissingControl : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

// Looks up a window's controls once, when the typed view of the window is built.
class ControlBinder {
  public:
    explicit ControlBinder(Form& form) : form_(form) {}

    template <typename T> T& get(const char* name, int index = -1) const {
        auto* c = dynamic_cast<T*>(form_.find(QString::fromLatin1(name), index));
        if (c == nullptr) {
            fail(name, index);
        }
        return *c;
    }

    // A control array: members 0 to N-1 of one name.
    template <typename T, std::size_t N> std::array<T*, N> array(const char* name) const {
        std::array<T*, N> out{};
        for (std::size_t i = 0; i < N; ++i) {
            out[i] = &get<T>(name, int(i));
        }
        return out;
    }

  private:
    [[noreturn]] void fail(const char* name, int index) const;
    Form& form_;
};

// The typed view of one window: the window itself, and the binder that the views'
// members use to find their controls once, when the view is built.
class WindowView {
  public:
    explicit WindowView(Form& f) : form(f), bind_(f) {}
    Form& form;

  protected:
    ControlBinder bind_;
};

// Members of a control array, or controls that stand for the rows of a board.
template <typename T, std::size_t N> class ControlArray {
  public:
    ControlArray() = default;
    explicit ControlArray(std::array<T*, N> items) : items_(items) {}
    T& operator[](int i) const { return *items_.at(std::size_t(i)); }
    static constexpr int size() { return int(N); }

  private:
    std::array<T*, N> items_{};
};

} // namespace vellaro
