// Every window of the program shown in this process, through the service or the flow that shows
// it in the program, with what it shows there: the wizard on each of its scenes, the Solutions
// Center with a report, the overwrite question with both rows of buttons, the insert-disk prompt,
// the locate-file dialog, the directory browser and its new-folder window. A visitor runs on a
// robot thread while each is on screen; the window is closed after it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace teste {

// The window on screen and its name (a scene's name, "central", "sobrescrever" ...).
using TVisita = std::function<void(HWND janela, const std::wstring& nome)>;

// The wizard, once on each scene.
void MostrarCadaCena(const TVisita& visita);
// The framework's dialogs, each once.
void MostrarCadaDialogo(const TVisita& visita);

} // namespace teste
