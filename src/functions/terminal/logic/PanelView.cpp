#include "functions/terminal/logic/PanelView.h"

namespace vk220::terminal {

namespace {

template <typename... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
// Spelt out for compilers without deduction for aggregates (clang before 17).
template <typename... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace

void PanelView::Apply(const PanelStep &step) {
    std::visit(
        Overloaded{
            [this](const PanelSteps::Send &s) { SendLine(s.line); },
            [this](const InformBox &box) { ShowBox(box); },
            [this](const PanelSteps::ShowSelection &s) { ShowSelection(s.point, s.stopFlashing); },
            [this](const PanelSteps::ShowOutputOn &s) { ShowOutputOn(s.on); },
            [this](const PanelSteps::SetEntry &s) { SetEntry(s.text); },
            [this](const PanelSteps::SetCalOutput &s) { SetCalOutput(s.text); },
            [this](const PanelSteps::SetDisplay &s) { SetDisplay(s.text); },
            [this](const PanelSteps::SetFrequency &s) { SetFrequency(s.text); },
            [this](const PanelSteps::AddHistory &s) { AddHistory(s.text); },
            [this](const PanelSteps::SetAutosetBox &s) { SetAutosetBox(s.enabled, s.caption); },
            [this](const PanelSteps::SetPlusMinusEnabled &s) { SetPlusMinusEnabled(s.enabled); },
            [this](const PanelSteps::SetEnterBold &s) { SetEnterBold(s.bold); },
            [this](const PanelSteps::SetEnterEnabled &s) { SetEnterEnabled(s.enabled); },
            [this](const PanelSteps::SetCoilSelectPending &s) { SetCoilSelectPending(s.pending); },
            [this](const PanelSteps::OfferCurrentPaths &s) {
                OfferCurrentPaths(s.enabled, s.reselect);
            },
        },
        step);
}

} // namespace vk220::terminal
