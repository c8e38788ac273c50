#pragma once

// The About dialog's own texts, UTF-8. The title and the version come from AppInfo.
namespace AboutTexts {

inline constexpr const char* captionPrefix = "About ";
inline constexpr const char* versionPrefix = "Version ";
// The author's address stood between "email: " and " ."; it is left out, the words around it
// are kept as they were.
inline constexpr const char* description =
    "Hra Vore TRELLIQ je kapesní verzí logické hry TRELLIQ. TRQ opravdu existuje v té podobě, jak "
    "ho vidíte na obrazovce (bez toho kusu dřeva). Převést TRQ do elektronické podoby co "
    "nejvěrněji byl také můj cíl. Doufám že si u TRQ trochu zavaříte mozek. Pro menší drsňáky by "
    "tu v souboru Help.txt měla být nápověda jak TRQ používat. Protože nic není dokonalé, i TRQ "
    "může mít své mouchy. Kdyby jste nějakou našli, napište mi o ní na email: "
    " . Sem mi můžete psát i různé připomínky (a gratulace :-) .";

} // namespace AboutTexts
