#include "platform/wayland/XdgActivationProtocol.h"

namespace {

// The interface of each argument, for the messages below: only a new object needs one.
const wl_interface* noInterfaces[] = {nullptr, nullptr};
const wl_interface* newToken[] = {&XdgActivationProtocol::token};

const wl_message activationRequests[] = {
    {"destroy", "", noInterfaces},
    {"get_activation_token", "n", newToken},
    {"activate", "so", noInterfaces},
};

const wl_message tokenRequests[] = {
    {"set_serial", "uo", noInterfaces}, {"set_app_id", "s", noInterfaces},
    {"set_surface", "o", noInterfaces}, {"commit", "", noInterfaces},
    {"destroy", "", noInterfaces},
};

const wl_message tokenEvents[] = {
    {"done", "s", noInterfaces},
};

} // namespace

namespace XdgActivationProtocol {

const wl_interface activation{"xdg_activation_v1", 1, 3, activationRequests, 0, nullptr};
const wl_interface token{"xdg_activation_token_v1", 1, 5, tokenRequests, 1, tokenEvents};

} // namespace XdgActivationProtocol
