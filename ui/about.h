#pragma once

#include <QtGlobal>

// What the information window says about the application: its values in
// one place.
namespace dirnal::ui::about {

inline constexpr const char* kTitle = "dirnal.lst Manager " DIRNAL_VERSION;
inline constexpr const char* kTagline =
    QT_TRANSLATE_NOOP("Form2", "Erstellt bequem die Datei dirnal.lst für Ihr CAD-System.");
inline constexpr const char* kDetails = QT_TRANSLATE_NOOP("Form2",
                                                          "Diese Software ist kostenlos.\n"
                                                          "Sie erstellt die Suchpfad-Datei dirnal.lst des CAD-Systems.\n"
                                                          "Damit das CAD-System die Pfade darin verwendet, muss seine\n"
                                                          "Konfigurationsdatei den Pfad dieser Datei in ihrer Option\n"
                                                          "für die Suchpfad-Datei nennen.\n"
                                                          "Für Schäden aus der Nutzung haftet der Autor nicht.\n");
inline constexpr const char* kAuthor = "dirnal.lst-Manager-Team";

}  // namespace dirnal::ui::about
