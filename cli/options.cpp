#include "cli/options.h"

#include <map>
#include <stdexcept>

namespace dirnal::cli {

namespace {

constexpr const char* kHelp = R"(Aufruf: dirnal-lst [OPTIONEN] STARTVERZEICHNIS

Erstellt die Liste dirnal.lst mit jedem Verzeichnis unter STARTVERZEICHNIS,
Ebene für Ebene, genau wie "2. Liste erstellen" im dirnal.lst Manager:
wiederholte Einträge werden entfernt, höchstens 32767 Einträge.

Ausgabe:
  -o, --output PFAD     in diese Datei schreiben, oder als dirnal.lst in
                        dieses Verzeichnis; "-" oder keine Angabe: auf die
                        Standardausgabe. Die alte Datei bleibt, wenn das
                        Schreiben scheitert.
  -k, --keep DATEI      die Einträge dieser Listendatei hinter den erzeugten
                        behalten (wie "Nein" auf die Frage im Fenster)

Umwandlungen, in der angegebenen Reihenfolge angewandt:
  --relative            Einträge unter dem Startverzeichnis relativ dazu
  --unc                 Laufwerkspfade in Netzwerkpfade (Windows)
  --no-unc              Netzwerkpfade in Laufwerkspfade (Windows)
  --short               vorhandene Verzeichnisse in kurze 8.3-Namen (Windows)
  --long                kurze Namen zurück in lange (Windows)
  --quotes              Anführungszeichen um jeden Eintrag setzen oder entfernen
  --remove-duplicates   wiederholte Einträge noch einmal entfernen

Weiteres:
  -j, --jobs N          so viele Verzeichnisse gleichzeitig lesen (Standard 32)
  -t, --timeout SEKUNDEN
                        so lange höchstens auf das Lesen eines Verzeichnisses
                        warten (Standard 30); eines, das nicht antwortet,
                        fehlt samt seinen Unterverzeichnissen und wird genannt
  -q, --quiet           keine Hinweise auf der Standardfehlerausgabe
  -h, --help            diese Hilfe
  -V, --version         die Version

Strg+C (SIGINT) und SIGTERM brechen die Suche sofort ab; dann wird nichts
geschrieben, und eine alte Datei bleibt.

Rückgabewerte: 0 geschrieben, 2 falscher Aufruf, 3 Startverzeichnis fehlt
oder ist nicht lesbar (nichts geschrieben), 4 Listendatei zum Behalten nicht
lesbar, 5 Ausgabe nicht schreibbar, 6 geschrieben, aber unvollständig:
Verzeichnisse, die nicht gelesen werden konnten, während der Suche
verschwanden oder nicht rechtzeitig antworteten, fehlen samt ihren
Unterverzeichnissen, die Höchstzahl der Einträge wurde erreicht, oder
Einträge, die die Codepage der Listendatei nicht fasst und für die es keinen
kurzen Namen gibt, fehlen in der Datei (Windows); die Hinweise auf der
Standardfehlerausgabe nennen sie. 130 mit Strg+C abgebrochen, 143 mit
SIGTERM beendet (nichts geschrieben).
)";

const std::map<std::string, Step> kSteps = {
    {"--relative", Step::Relative}, {"--unc", Step::ToUnc},   {"--no-unc", Step::FromUnc},
    {"--short", Step::Short},       {"--long", Step::Long},   {"--quotes", Step::Quotes},
    {"--remove-duplicates", Step::RemoveDuplicates},
};

std::optional<int> numberFrom(const std::string& text, int lowest, int highest)
{
    try {
        std::size_t used = 0;
        const int number = std::stoi(text, &used);
        if (used == text.size() && number >= lowest && number <= highest)
            return number;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

}  // namespace

const char* helpText()
{
    return kHelp;
}

std::optional<std::string> parseArguments(const std::vector<std::string>& arguments, Options& options)
{
    bool rootGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else if (argument == "-V" || argument == "--version") {
            options.version = true;
        } else if (argument == "-q" || argument == "--quiet") {
            options.quiet = true;
        } else if (argument == "-o" || argument == "--output") {
            const auto output = value();
            if (!output)
                return "Bei " + argument + " fehlt der Pfad.";
            options.output = *output;
        } else if (argument == "-k" || argument == "--keep") {
            options.keep = value();
            if (!options.keep)
                return "Bei " + argument + " fehlt die Listendatei.";
        } else if (argument == "-j" || argument == "--jobs") {
            const auto jobs = value();
            if (!jobs)
                return "Bei " + argument + " fehlt die Zahl.";
            const auto count = numberFrom(*jobs, 1, 256);
            if (!count)
                return "--jobs erwartet eine Zahl von 1 bis 256, nicht \"" + *jobs + "\".";
            options.jobs = *count;
        } else if (argument == "-t" || argument == "--timeout") {
            const auto seconds = value();
            if (!seconds)
                return "Bei " + argument + " fehlt die Zahl der Sekunden.";
            const auto count = numberFrom(*seconds, 1, 86400);
            if (!count)
                return "--timeout erwartet Sekunden von 1 bis 86400, nicht \"" + *seconds + "\".";
            options.timeoutSeconds = *count;
        } else if (const auto step = kSteps.find(argument); step != kSteps.end()) {
            options.steps.push_back(step->second);
        } else if (argument.size() > 1 && argument[0] == '-') {
            return "Unbekannte Option: " + argument;
        } else if (!rootGiven) {
            options.root = argument;
            rootGiven = true;
        } else {
            return "Nur ein Startverzeichnis, bitte; zu viel: " + argument;
        }
    }
    if (!rootGiven && !options.help && !options.version)
        return "Das Startverzeichnis fehlt.";
    return std::nullopt;
}

}  // namespace dirnal::cli
