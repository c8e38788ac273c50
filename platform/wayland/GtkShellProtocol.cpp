#include "platform/wayland/GtkShellProtocol.h"

namespace {

// The interface of each argument, for the messages below: only a new object needs one.
const wl_interface* noInterfaces[] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_interface* newSurface[] = {&GtkShellProtocol::surface, nullptr};

const wl_message shellRequests[] = {{"get_gtk_surface", "no", newSurface}};
const wl_message shellEvents[] = {{"capabilities", "u", noInterfaces}};

const wl_message surfaceRequests[] = {
    {"set_dbus_properties", "?s?s?s?s?s?s", noInterfaces},
    {"set_modal", "", noInterfaces},
    {"unset_modal", "", noInterfaces},
    {"present", "u", noInterfaces},
    {"request_focus", "3?s", noInterfaces},
    {"release", "4", noInterfaces},
};
// The compositor tells the window's state and, from the second version on, its edges.
const wl_message surfaceEvents[] = {{"configure", "a", noInterfaces},
                                    {"configure_edges", "2a", noInterfaces}};

} // namespace

namespace GtkShellProtocol {

const wl_interface shell{"gtk_shell1", releaseVersion, 1, shellRequests, 1, shellEvents};
const wl_interface surface{"gtk_surface1", releaseVersion, 6, surfaceRequests, 2, surfaceEvents};

} // namespace GtkShellProtocol
