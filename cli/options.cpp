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
  -q, --quiet           keine Hinweise auf der Standardfehlerausgabe
  -h, --help            diese Hilfe
  -V, --version         die Version

Rückgabewerte: 0 geschrieben, 2 falscher Aufruf, 3 Startverzeichnis fehlt,
4 Listendatei zum Behalten nicht lesbar, 5 Ausgabe nicht schreibbar,
6 geschrieben, aber unvollständig: Einträge, die die Codepage der
Listendatei nicht fasst und für die es keinen kurzen Namen gibt, fehlen in
der Datei (Windows; sie werden auf der Standardfehlerausgabe genannt).
)";

const std::map<std::string, Step> kSteps = {
    {"--relative", Step::Relative}, {"--unc", Step::ToUnc},   {"--no-unc", Step::FromUnc},
    {"--short", Step::Short},       {"--long", Step::Long},   {"--quotes", Step::Quotes},
    {"--remove-duplicates", Step::RemoveDuplicates},
};

std::optional<int> jobCount(const std::string& text)
{
    try {
        std::size_t used = 0;
        const int jobs = std::stoi(text, &used);
        if (used == text.size() && jobs >= 1 && jobs <= 256)
            return jobs;
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
    bool optionsEnded = false;  // after "--" every argument is a start directory
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            if (rootGiven)
                return "Nur ein Startverzeichnis, bitte; zu viel: " + argument;
            options.root = argument;
            rootGiven = true;
            continue;
        }
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
            // The names of standard output mean it, also where it is a pipe,
            // which cannot be reopened by name.
            options.output = *output == "/dev/stdout" || *output == "/dev/fd/1" ? "-" : *output;
        } else if (argument == "-k" || argument == "--keep") {
            options.keep = value();
            if (!options.keep)
                return "Bei " + argument + " fehlt die Listendatei.";
        } else if (argument == "-j" || argument == "--jobs") {
            const auto jobs = value();
            if (!jobs)
                return "Bei " + argument + " fehlt die Zahl.";
            const auto count = jobCount(*jobs);
            if (!count)
                return "--jobs erwartet eine Zahl von 1 bis 256, nicht \"" + *jobs + "\".";
            options.jobs = *count;
        } else if (const auto step = kSteps.find(argument); step != kSteps.end()) {
            options.steps.push_back(step->second);
        } else {
            return "Unbekannte Option: " + argument;
        }
    }
    if (!rootGiven && !options.help && !options.version)
        return "Das Startverzeichnis fehlt.";
    return std::nullopt;
}

}  // namespace dirnal::cli
