#pragma once

#include <cstdint>
#include <wayland-client-core.h>

// The part of GNOME's shell protocol that the game speaks: a window's extra surface, through which
// a window is made a modal dialog of its parent, and which from the fourth version on can be let
// go before the client ends. Written out by hand, as XdgActivationProtocol is, for the same
// reason.
//
// Follows gtk-shell.xml of GTK 3 (gdk/wayland/protocol/), which no Debian package installs, at
// version 4: gtk_shell1 with the one request the game sends, get_gtk_surface, and gtk_surface1
// with its requests and events up to that version.
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
