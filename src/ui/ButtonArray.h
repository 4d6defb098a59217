#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class QPushButton;
class QWidget;

namespace vk220::ui {

// A row of like buttons handled as one control: the row is named "<array>", each element
// "<array>_<index>", and a click reports the element's index.
class ButtonArray : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QPushButton *(const QString &caption, QWidget *parent)>;

    // `create` makes each element; plain push buttons by default.
    ButtonArray(const QString &name, const QStringList &captions, QWidget *parent,
                const Factory &create = {});

    QPushButton *At(int index) const { return buttons.at(index); }
    int Count() const { return static_cast<int>(buttons.size()); }
    const QList<QPushButton *> &All() const { return buttons; }

    // Gives every element the style's own colour and element `index` the selected colour.
    void Select(int index);
    // The first selected element in index order, or -1.
    int Selected() const;

signals:
    void Clicked(int index);

private:
    QList<QPushButton *> buttons;
};

} // namespace vk220::ui
