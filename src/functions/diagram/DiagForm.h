#pragma once

#include "ui/FunctionWindow.h"

namespace vk220::diagram {

// The connection diagram window. It sends nothing and hands nothing back when it closes: it
// holds the function choice only while it is open.
class DiagForm final : public ui::FunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("VK220 WORKSTATION CONNECTION DIAGRAM");

    explicit DiagForm(ui::FunctionContext &context);

    bool TakesFunctionBackground() const override { return false; }

protected:
    void OnLoad() override;
    bool ReleasesOnUnload() const override { return false; }
};

} // namespace vk220::diagram
