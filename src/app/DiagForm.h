#pragma once

#include <QWidget>

class FunctionHost;

// The connection diagram window. It sends nothing; closing it gives the function choice back.
class DiagForm final : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("VK220 WORKSTATION CONNECTION DIAGRAM");

    explicit DiagForm(FunctionHost &host, QWidget *parent = nullptr);
    // Shows the window at its own size and place in the work area.
    void Show();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    FunctionHost &host;
};
