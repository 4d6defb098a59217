#pragma once

#include "link/Interlock.h"

#include <QString>

#include <memory>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>

namespace vk220::link {
class CalibratorLink;
} // namespace vk220::link

namespace vk220::ui {

// The program-wide state, owned by the application and passed by reference to the windows.
// Offline mode belongs to the link itself (CalibratorLink::OfflineMode).
struct ProgramState {
    explicit ProgramState(link::CalibratorLink &link) : link(link), interlock(link) {}

    // What a window keeps beyond its own life, one object a type, made on first use and held for
    // the whole run: a window's folder defines the type, so ui need not know it.
    template <class T> T &Kept() {
        std::shared_ptr<void> &slot = kept[std::type_index(typeid(T))];
        if (!slot)
            slot = std::make_shared<T>();
        return *static_cast<T *>(slot.get());
    }

    link::CalibratorLink &link;
    // Every line of the program leaves through it.
    link::Interlock interlock;
    // Code of the last function window opened from the function table; never cleared.
    QString CurrentFunction;

private:
    std::unordered_map<std::type_index, std::shared_ptr<void>> kept;
};

} // namespace vk220::ui
