#pragma once

// The game's own words, shown exactly as they stand.
namespace Texts {

inline constexpr const char* newGameQuestion = "Spustit novou hru?";
inline constexpr const char* hiddenScreen =
    "Wow! You found hidden screen! It is so hard to find it. There are two possibilities, "
    "you are lucky person or you are The MERVANTI.";
// Shown when a new copy of the game cannot be started; %1 is the file, %2 the reason, %3 the
// details the system gives.
inline constexpr const char* newGameFailed =
    "Novou hru nelze spustit.\n\nSoubor: %1\nDůvod: %2\nPodrobnosti: %3";
// The reasons, each with its details: the system's words, or how the new game ended (%1 the
// status or the number of the signal, %2 the signal's name) and its last words.
inline constexpr const char* fileNotStarted = "Soubor se nepodařilo spustit.";
inline constexpr const char* endedUnseen = "Nová hra skončila dřív, než ukázala své okno.";
inline constexpr const char* exitStatus = "stav ukončení %1";
inline constexpr const char* endedBySignal = "signál %1 (%2)";
inline constexpr const char* lastErrorLine = "poslední hlášení: %1";
// The note that ends a help text cut at a limit, %1 saying which in Czech and %2 in English.
inline constexpr const char* helpLeftOut =
    "\n\n[%1, zbytek nebyl načten. %2; the rest was left out.]";
inline constexpr const char* helpTooLongCzech = "Nápověda je delší než %1 MiB";
inline constexpr const char* helpTooLong = "The help is longer than %1 MiB";
inline constexpr const char* helpTooManyLinesCzech = "Nápověda má víc než %1 řádků";
inline constexpr const char* helpTooManyLines = "The help has more than %1 lines";

} // namespace Texts
