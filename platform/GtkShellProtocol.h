#pragma once

#include <cstdint>
#include <wayland-client-core.h>

// The part of GNOME's shell protocol that the game speaks, at its first version: a window's extra
// surface, through which a window is made a modal dialog of its parent. Written out by hand, as
// XdgActivationProtocol is, for the same reason.
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
};

} // namespace GtkShellProtocol
