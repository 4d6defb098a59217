#pragma once

#include "FunctionContext.h"

#include <QWidget>

class QPushButton;

// The base of every function window: the load handling that places the window, the unload
// handling that runs exactly once however the window closes, the "Close" button with its
// deferred-close marker, and Enter anywhere in the window.
//
// A window can be closed from inside one of its own exchanges (the link services clicks while it
// waits for a reply). The window is then unloaded at once but deleted only when control is back
// in the main event loop, and it sends nothing more after its unload handling: the adapter is
// never switched again once it has been released.
class FunctionWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString ClosingCaption = QStringLiteral("Closing...");

    // `widthTwips` and `heightTwips` are the window's outer design size.
    FunctionWindow(FunctionContext &context, const QString &title, int widthTwips, int heightTwips);

    // The load handling: PlaceFunctionWindow first, then the window's own set-up.
    void Load();
    // Closes the window, with its frame in the main window's work area; the unload handling
    // runs once. The frame's own close button does not unload: it asks as "Close" does.
    void Unload();
    bool IsUnloaded() const { return unloaded; }

signals:
    // The unload handling has run.
    void Unloaded();

public:
    // What "Close" and the main window's CloseCurrentFunction ask of this window; by default it
    // closes at once. Polling windows defer while a reading may be under way.
    virtual void CloseOnRequest() { Unload(); }
    // Sets the deferred-close marker; the window's polling tick unloads it after its exchange.
    void RequestDeferredClose();
    bool ClosePending() const;

    QPushButton &CloseButton() const { return *closeBut; }
    // The outer size of the window, frame included, as designed.
    QSize DesignSize() const { return designSize; }

    // Whether the main window gives this window the function background picture.
    virtual bool TakesFunctionBackground() const { return true; }

    // Asks the calibrator for its present measurement ("v") and returns the reply.
    QString ReadMeasurement() { return Send(QStringLiteral("v")); }

protected:
    virtual void OnLoad() = 0;
    // Stops the window's timers; runs before the adapter is released.
    virtual void OnUnload() {}
    // Whether unloading hands the adapter back with the release sequence.
    virtual bool ReleasesOnUnload() const { return true; }
    // Enter pressed anywhere in the window; return true when it was used.
    virtual bool OnEnterKey() { return false; }

    // Sends one command line through the link and returns the reply; nothing once unloaded.
    QString Send(const QString &command);

    void closeEvent(QCloseEvent *event) override;
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    FunctionContext &context;

private:
    void WatchKeys(QObject *object);

    QPushButton *closeBut;
    QSize designSize;
    bool unloadRequested = false;
    bool unloaded = false;
};
