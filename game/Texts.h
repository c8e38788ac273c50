#pragma once

// The game's own words, shown exactly as they stand.
namespace Texts {

inline constexpr const char* newGameQuestion = "Spustit novou hru?";
inline constexpr const char* hiddenScreen =
    "Wow! You found hidden screen! It is so hard to find it. There are two possibilities, "
    "you are lucky person or you are The MERVANTI.";
// Shown when a new copy of the game cannot be started; %1 is the file, %2 the reason.
inline constexpr const char* newGameFailed = "Novou hru nelze spustit.\n\nSoubor: %1\nDůvod: %2";

} // namespace Texts
