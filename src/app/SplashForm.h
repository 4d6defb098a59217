#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vk220::app {

// The splash window shown for two seconds at start-up, and again modally by "About" with its
// "&Close" button visible.
class SplashForm final : public QDialog {
    Q_OBJECT
public:
    static inline const QString Version = QStringLiteral("V2.40 : 04/04/2007");
    static inline const QColor Blue{0, 97, 165};

    explicit SplashForm(QWidget *parent = nullptr);

    // For "About": the "&Close" button is shown.
    void ShowCloseButton();

private:
    QLabel *verLab;
    QPushButton *closeBut;
};

} // namespace vk220::app
