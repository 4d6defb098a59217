#pragma once

#include <QLabel>

namespace vk220::app {

// One field of the main window's status bar: a line of text that ends in "…" where the bar is
// too narrow for it, with the whole text in its tooltip. It never holds the main window wider
// than the operator makes it.
class StatusField final : public QLabel {
    Q_OBJECT
public:
    // `name` is the field's object name and accessible description.
    explicit StatusField(const QString &name, QWidget *parent = nullptr);

    void SetText(const QString &text);
    // The whole text, however much of it shows.
    const QString &Text() const { return whole; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The size of a field whose text is `textWidth` wide.
    QSize Around(int textWidth) const;
    void Elide();

    QString whole;
};

} // namespace vk220::app
