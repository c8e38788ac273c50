#pragma once

#include <cstdint>
#include <wayland-client-core.h>

// The xdg_activation_v1 protocol, through which a client asks the compositor to bring one of its
// surfaces to the front with the keyboard, showing a token tied to the player's input. Its tables
// are written out here rather than made by wayland-scanner: the scanner's tables name the core
// interfaces (wl_surface, wl_seat) as symbols of the client library, which the game does not
// link; an object argument is sent without its interface.
//
// Follows staging/xdg-activation/xdg-activation-v1.xml of wayland-protocols, version 1; the unit
// tests compare the tables with those that the scanner makes from it.
namespace XdgActivationProtocol {

extern const wl_interface activation;
extern const wl_interface token;

// Each interface's requests, numbered in the order the protocol lists them.
enum ActivationRequest : std::uint32_t
{
    destroyActivation,
    getActivationToken,
    activate,
};
enum TokenRequest : std::uint32_t
{
    setSerial,
    setAppId,
    setSurface,
    commit,
    destroyToken,
};

// The token's one event: done, with the token's text.
struct TokenListener
{
    void (*done)(void* data, wl_proxy* token, const char* text);
};

} // namespace XdgActivationProtocol
