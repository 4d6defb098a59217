#pragma once

namespace vk220::ui {

class FunctionHost;
class MessageBoxes;
struct ProgramState;

// What a function window is given when it is created.
struct FunctionContext {
    ProgramState &state;
    FunctionHost &host;
    MessageBoxes &boxes;
};

} // namespace vk220::ui
