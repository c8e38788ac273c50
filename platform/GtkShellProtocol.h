#pragma once

#include <cstdint>
#include <wayland-client-core.h>

// The part of GNOME's shell protocol that the game speaks: a window's extra surface, through which
// a window is made a modal dialog of its parent, and which from the fourth version on can be let
// go before the client ends. Written out by hand, as XdgActivationProtocol is, for the same
// reason.
namespace GtkShellProtocol {

extern const wl_interface shell;
extern const wl_interface surface;

enum ShellRequest : std::uint32_t
{
    getGtkSurface,
};
enum SurfaceRequest : std::uint32_t
{
    setDbusProperties,
    setModal,
    unsetModal,
    present,
    requestFocus,
    release,
};

// The version that has the release request.
constexpr std::uint32_t releaseVersion = 4;

} // namespace GtkShellProtocol
