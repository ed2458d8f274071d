#pragma once

#include "platform/Control.h"
#include "platform/Event.h"
#include "platform/Prop.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

namespace vellaro {

class Form;
class TimerService;

// "Form4": how a window is named in programming-error messages.
QString eventOwnerName(const Form& f);

// A window of the console: its own properties, its controls, and which of them has
// the input focus. Geometry is in twips; Width and Height are the outer size.
class Form {
  public:
    Form(QString name, TimerService& timers);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    TimerService& timers() const { return timers_; }

    template <typename T, typename... Args> T& add(QString name, int index = -1) {
        auto c = std::make_unique<T>(*this, std::move(name), index);
        T& ref = *c;
        controls_.push_back(std::move(c));
        return ref;
    }

    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* find(const QString& name, int index = -1) const;

    // Typed look-ups for feature code; they abort on a missing control, which is a
    // programming error, never a user one.
    TextBox& text(const QString& name, int index = -1) const;
    Label& label(const QString& name, int index = -1) const;
    Button& button(const QString& name, int index = -1) const;
    CheckBox& check(const QString& name, int index = -1) const;
    ComboBox& combo(const QString& name, int index = -1) const;
    PictureBox& picture(const QString& name, int index = -1) const;
    Shape& shape(const QString& name, int index = -1) const;
    Timer& timer(const QString& name, int index = -1) const;

    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool topMost() const { return topMost_; }
    void setTopMost(bool v);
    // A window that is only looked at (the charts) does not take the keyboard from
    // the window the user is typing in when it is shown.
    bool activatesWhenShown() const { return activatesWhenShown_; }
    void setActivatesWhenShown(bool v) { activatesWhenShown_ = v; }
    // WindowState: 0 normal, 1 minimized (the user minimized it; "GND" restores it).
    int windowState() const { return windowState_; }
    void setWindowState(int v);
    Colour backColor() const { return backColor_; }
    void setBackColor(Colour c);
    // Is the window created (its load step has run)? A window not created is not visible.
    bool loaded() const { return loaded_; }
    // Creates the window when it is not yet: runs onLoad once.
    void load();
    // Unloads the window: hidden, not created; the next load runs onLoad again.
    void unload();

    // Generic access by property name or Prop, as for controls: invalid or false
    // for what a window lacks.
    QVariant property(const QString& name) const;
    QVariant property(Prop p) const;
    bool setProperty(const QString& name, const QVariant& value);
    bool setProperty(Prop p, const QVariant& value);

    // Input focus. Moving it fires lost-focus on the old control, then got-focus
    // on the new one. Setting it to the control that has it fires nothing.
    Control* focused() const { return focused_; }
    // Grows with every focus move in any window: the window with the highest number
    // is the one the user typed into last.
    quint64 focusSerial() const { return focusSerial_; }
    void setFocus(Control& c);

    // The Tab key: the focus moves to the next (previous) control in the tab order
    // that is visible, enabled and can take the focus, wrapping at the end. The
    // order is the order of creation unless the window sets its own.
    void userTab(bool backwards = false);
    void setTabOrder(std::vector<Control*> order);
    std::vector<Control*> tabOrder() const;

    // A mouse press on the bare window background.
    void userMouseDown();

    Event<> onLoad{this, "Load"};
    Event<> onUnload{this, "Unload"};
    Event<> onMouseDown{this, "MouseDown"};

    // One observer: told of every property change (control, property); control is
    // null for the window's own properties. Never told Prop::All.
    std::function<void(Control*, Prop)> observer;
    void notify(Control* c, Prop p) const;

  private:
    template <typename T> T& typed(const QString& name, int index) const;

    QString name_;
    TimerService& timers_;
    std::vector<std::unique_ptr<Control>> controls_;
    Control* focused_ = nullptr;
    // The control a focus move under way is taking the focus to, before its got-focus.
    Control* arriving_ = nullptr;
    // The control whose lost-focus handler is running.
    Control* losing_ = nullptr;
    std::vector<Control*> tabOrder_;
    quint64 focusSerial_ = 0;
    QString caption_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = false;
    bool enabled_ = true;
    bool activatesWhenShown_ = true;
    bool topMost_ = false;
    int windowState_ = 0;
    bool loaded_ = false;
    Colour backColor_ = kDefaultColour;
};

} // namespace vellaro
