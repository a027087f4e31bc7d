#pragma once

// What the information window says about the application: its values in
// one place.
namespace dirnal::ui::about {

inline constexpr const char* kTitle = "dirnal.lst Manager " DIRNAL_VERSION;
inline constexpr const char* kTagline = "Erstellt bequem die Datei dirnal.lst für Ihr CAD-System.";
inline constexpr const char* kDetails =
    "Diese Software ist kostenlos.\r\n"
    "Sie erstellt die Suchpfad-Datei dirnal.lst des CAD-Systems.\r\n"
    "Damit das CAD-System die Pfade darin verwendet, muss seine\r\n"
    "Konfigurationsdatei den Pfad dieser Datei in ihrer Option\r\n"
    "für die Suchpfad-Datei nennen.\r\n"
    "Für Schäden aus der Nutzung haftet der Autor nicht.\r\n";
inline constexpr const char* kAuthor = "dirnal.lst-Manager-Team";
inline constexpr const char* kContact = "team@dirnal-lst.example";
inline constexpr const char* kDownloadPage = "https://dirnal-lst.example/download";

}  // namespace dirnal::ui::about
