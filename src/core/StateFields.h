#pragma once

#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

namespace vellaro {

class Label;
class MainWindow;
class Shape;
class TextBox;
struct ConsoleState;
struct WeatherState;

// ConsoleState.<field> and WeatherState.<field> by name, for scripts and the dump.
// Each field is registered once, by member pointer or by the control that shows it.
class StateFields {
  public:
    StateFields(ConsoleState& state, WeatherState& weather, const MainWindow& window);

    // Invalid QVariant when the name is unknown.
    QVariant get(const QString& qualifiedName) const;
    bool set(const QString& qualifiedName, const QVariant& value) const;
    QStringList names() const;

  private:
    struct Field {
        QString name;
        std::function<QVariant()> get;
        std::function<void(const QVariant&)> set;
    };
    template <typename S, typename T> void add(const char* owner, const char* name, S& s, T S::*m);
    void addText(const char* name, TextBox& box);
    void addCaption(const char* name, Label& label);
    void addBackColour(const char* name, Shape& shape);
    const Field* find(const QString& qualifiedName) const;

    std::vector<Field> fields_;
};

} // namespace vellaro
